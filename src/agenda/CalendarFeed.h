#pragma once

#include "CalendarList.h"
#include "Occurrence.h"

#include <QDateTime>
#include <QTimeZone>
#include <QtPlugin>

#include <functional>
#include <memory>

// One calendar source as the calendar module reads it. It tells of a
// change through the callback given when it was opened, on the thread that
// opened it.
class CalendarFeed {
public:
    virtual ~CalendarFeed() = default;
    // Its occurrences that overlap [from, to), `home` the zone of floating times and days.
    virtual QList<Occurrence> occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const = 0;
    // Why it shows nothing, said to the user in Settings; empty when it reads.
    virtual QString problem() const = 0;
    // The name the calendar gives itself, if any.
    virtual QString name() const = 0;
};

// The calendar module: libical, the network and the desktop's calendar
// service, loaded only when a calendar is switched on.
class CalendarModule {
public:
    virtual ~CalendarModule() = default;
    // `fetch`: whether a subscription asks its server, or shows only the copy the application keeps.
    virtual std::unique_ptr<CalendarFeed> open(const CalendarSource& source, std::function<void()> changed,
                                               bool fetch = true) const = 0;
    // Lists the desktop's calendars through `listed`, now and when they change; false where there is no such service.
    virtual bool watchDesktopCalendars(QObject* context,
                                       std::function<void(const QList<CalendarSource>&)> listed) const = 0;

    // Keeps the module's file from start on (see SiblingModule).
    static void reserve();
    // The module linked in, else the one beside the executable, loaded at
    // the first call; null (the reason on standard error) when it cannot be.
    static const CalendarModule* load();
};

#define CalendarModule_iid "org.horavia.Horavia.Calendars/1"
Q_DECLARE_INTERFACE(CalendarModule, CalendarModule_iid)
