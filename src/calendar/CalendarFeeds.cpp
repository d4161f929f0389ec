#include "CalendarFeeds.h"

#include "FileFeed.h"

std::unique_ptr<CalendarFeed> CalendarFeeds::open(const CalendarSource& source, std::function<void()> changed) const
{
    switch (source.kind) {
    case CalendarSource::Kind::file:
    case CalendarSource::Kind::folder:
        return std::make_unique<FileFeed>(source, std::move(changed));
    case CalendarSource::Kind::subscription:
    case CalendarSource::Kind::desktop:
        return nullptr;
    }
    return nullptr;
}

bool CalendarFeeds::watchDesktopCalendars(QObject*, std::function<void(const QList<CalendarSource>&)>) const
{
    return false;
}
