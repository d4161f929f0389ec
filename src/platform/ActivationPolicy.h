#pragma once

class QWindow;

// Whether the application shows up in the taskbar/dock (regular) or lives
// in the tray only (accessory). The widget layer supplies the platform's
// implementation (on X11: _NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER).
class ActivationPolicy {
public:
    enum class Policy { regular, accessory };

    virtual ~ActivationPolicy() = default;

    virtual Policy current() const = 0;
    virtual void set(Policy policy) = 0;
    // Brings the application to the front: `window` when given, else the
    // window that has the focus, else the first of its windows.
    virtual void activate(QWindow* window = nullptr) = 0;
    // Gives a newly made top-level window the current policy's hints.
    virtual void adopt(QWindow* window) = 0;

    // The wanted policy for the "show in dock" setting; sets it only when it
    // differs, and activates the application when it becomes regular.
    void apply(bool showsDockIcon);
};
