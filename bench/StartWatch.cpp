// Starts a program and times, from X events alone, how long it takes to map
// its first window (at least 300 px wide) and its tray icon (at most 64 px),
// then reads its memory 5 s after the start. Prints one line:
//   window_ms icon_ms rss_kB pss_kB
// (-1 for what never came within 10 s). Usage: start_watch PROGRAM [ARGS...]
#include "XcbAtom.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The process that owns a window, as Qt and most toolkits record it, or 0.
pid_t ownerOf(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmPid)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = pid_t(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
    free(reply);
    return pid;
}

int widthOf(xcb_connection_t* c, xcb_window_t window)
{
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const int width = g ? g->width : 0;
    free(g);
    return width;
}

long memoryField(pid_t pid, const char* field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + strlen(field), nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: start_watch PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "start_watch: no display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netWmPid = xcbAtom(c, "_NET_WM_PID");
    const uint32_t substructure = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &substructure);
    xcb_flush(c);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawnp(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror("start_watch");
        return 2;
    }
    double windowMs = -1, iconMs = -1;
    const auto mapped = [&](xcb_window_t window, double at) {
        if (ownerOf(c, window, netWmPid) != pid) return;
        const int width = widthOf(c, window);
        if (width >= 300 && windowMs < 0) windowMs = at;
        if (width > 0 && width <= 64 && iconMs < 0) iconMs = at;
    };
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while ((windowMs < 0 || iconMs < 0) && msSince(start) < 10000) {
        poll(&fd, 1, 50);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const double at = msSince(start);
            switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                // Its own map is reported to it; a window mapped before this
                // request arrived is counted as mapped now.
                const xcb_window_t window = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
                const uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &structure);
                xcb_get_window_attributes_reply_t* a =
                    xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
                if (a && a->map_state != XCB_MAP_STATE_UNMAPPED) mapped(window, at);
                free(a);
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->window == map->event) mapped(map->window, at);
                break;
            }
            default:
                break;
            }
            free(event);
        }
    }
    const double remaining = 5000 - msSince(start);
    if (remaining > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(remaining));
    std::printf("%.1f %.1f %ld %ld\n", windowMs, iconMs, memoryField(pid, "Rss:"), memoryField(pid, "Pss:"));
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return 0;
}
