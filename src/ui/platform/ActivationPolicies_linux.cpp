#include "ActivationPolicies.h"
#include "X11Connection.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

// The tray icon's own window and popups are not the application's windows.
bool isApplicationWindow(const QWindow* window)
{
    return window->type() != Qt::Popup && window->type() != Qt::ToolTip &&
           !(window->flags() & Qt::BypassWindowManagerHint);
}

// The window asked for comes first; without one, the one in use keeps the
// front, so that switching the taskbar entry on from the settings does not
// bring the chooser over them.
void activateWindow(QWindow* wanted)
{
    QWindow* focus = QGuiApplication::focusWindow();
    if (!wanted && focus && focus->isVisible() && isApplicationWindow(focus)) wanted = focus;
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (!wanted && window->isVisible() && isApplicationWindow(window)) wanted = window;
    if (!wanted) return;
    wanted->raise();
    wanted->requestActivate();
}

// On X11: the skip-taskbar and skip-pager window states, asked of the
// window manager for mapped windows and set directly on unmapped ones. On
// other platforms (Wayland has no such hint) only the policy is remembered.
class X11ActivationPolicy final : public ActivationPolicy {
public:
    Policy current() const override { return m_policy; }

    void set(Policy policy) override
    {
        m_policy = policy;
        for (QWindow* window : QGuiApplication::topLevelWindows())
            if (window->handle() && isApplicationWindow(window)) adopt(window);
    }

    void activate(QWindow* window) override { activateWindow(window); }

    void adopt(QWindow* window) override
    {
        xcb_connection_t* connection = X11Connection::current();
        if (!connection || !window) return;
        const auto id = xcb_window_t(window->winId());
        const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
        const xcb_atom_t hints[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                    atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
        const bool skip = m_policy == Policy::accessory;
        if (window->isVisible()) {
            const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
            xcb_client_message_event_t event{};
            event.response_type = XCB_CLIENT_MESSAGE;
            event.format = 32;
            event.window = id;
            event.type = state;
            event.data.data32[0] = skip ? 1 : 0; // _NET_WM_STATE_ADD or _REMOVE
            event.data.data32[1] = hints[0];
            event.data.data32[2] = hints[1];
            event.data.data32[3] = 1; // from an application
            xcb_send_event(connection, 0, screen->root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char*>(&event));
        } else if (skip) {
            xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 2, hints);
        } else {
            xcb_delete_property(connection, id, state);
        }
        xcb_flush(connection);
    }

private:
    Policy m_policy = Policy::regular;
};

class RememberingActivationPolicy final : public ActivationPolicy {
public:
    Policy current() const override { return m_policy; }
    void set(Policy policy) override { m_policy = policy; }
    void activate(QWindow* window) override { activateWindow(window); }
    void adopt(QWindow*) override {}

private:
    Policy m_policy = Policy::regular;
};

} // namespace

bool ActivationPolicies::controlsTaskbarEntry()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::unique_ptr<ActivationPolicy> ActivationPolicies::forPlatform()
{
    if (X11Connection::current()) return std::make_unique<X11ActivationPolicy>();
    return std::make_unique<RememberingActivationPolicy>();
}
