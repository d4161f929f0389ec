#pragma once

#include "agenda/CalendarFeed.h"

// The desktop's calendars (Evolution Data Server) in a module of their own:
// its client library brings GLib's network and keyring stacks, about 11 MB,
// which a file or a subscription does not need.
class DesktopModule {
public:
    virtual ~DesktopModule() = default;
    virtual std::unique_ptr<CalendarFeed> open(const CalendarSource& source, std::function<void()> changed) const = 0;
    virtual void watch(QObject* context, std::function<void(const QList<CalendarSource>&)> listed) const = 0;

    // The module linked in, else the one beside the executable; null when it cannot be loaded.
    static const DesktopModule* load();
};

#define DesktopModule_iid "org.horavia.Horavia.DesktopCalendars/1"
Q_DECLARE_INTERFACE(DesktopModule, DesktopModule_iid)
