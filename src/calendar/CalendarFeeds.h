#pragma once

#include "agenda/CalendarFeed.h"

// The calendar module's work: feeds for files, folders and subscriptions.
class CalendarFeeds : public CalendarModule {
public:
    std::unique_ptr<CalendarFeed> open(const CalendarSource& source, std::function<void()> changed,
                                       bool fetch = true) const override;
    bool watchDesktopCalendars(QObject* context,
                               std::function<void(const QList<CalendarSource>&)> listed) const override;
};
