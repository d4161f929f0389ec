// Runs a command and times, from X events alone, until a window of a given
// width range maps (the tray panel, 520 wide), whichever process maps it:
// the command may only ask a running copy. Prints the milliseconds, or -1
// after 5 s, then the milliseconds until the command returned. Usage:
// panel_watch MIN_WIDTH MAX_WIDTH PROGRAM [ARGS...]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: panel_watch MIN_WIDTH MAX_WIDTH PROGRAM [ARGS...]\n");
        return 2;
    }
    const int minWidth = std::atoi(argv[1]), maxWidth = std::atoi(argv[2]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "panel_watch: no display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t substructure = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &substructure);
    xcb_flush(c);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    // The command's own output is not the measurement's.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[3], &quiet, nullptr, argv + 3, environ) != 0) {
        std::perror("panel_watch");
        return 2;
    }
    double mappedAt = -1;
    double exitedAt = -1;
    int status = 0;
    // The command's end, as readable as the display's events (a pidfd).
    pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {int(syscall(SYS_pidfd_open, pid, 0)), POLLIN, 0}};
    while (mappedAt < 0 && elapsed() < 5000) {
        poll(fds, fds[1].fd >= 0 ? 2 : 1, 20);
        if (exitedAt < 0 && waitpid(pid, &status, WNOHANG) == pid) {
            exitedAt = elapsed();
            fds[1].fd = -1;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mappedAt < 0) {
                const double at = elapsed();
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
                if (g && g->width >= minWidth && g->width <= maxWidth) mappedAt = at;
                std::free(g);
            }
            std::free(event);
        }
    }
    if (exitedAt < 0) {
        waitpid(pid, &status, 0);
        exitedAt = elapsed();
    }
    std::printf("%.1f %.1f\n", mappedAt, exitedAt);
    return 0;
}
