#include "CalendarFeeds.h"

#include "DesktopCalendars.h"
#include "FileFeed.h"
#include "UrlFeed.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

std::unique_ptr<CalendarFeed> CalendarFeeds::open(const CalendarSource& source, std::function<void()> changed,
                                                  bool fetch) const
{
    switch (source.kind) {
    case CalendarSource::Kind::file:
    case CalendarSource::Kind::folder:
        return std::make_unique<FileFeed>(source, std::move(changed));
    case CalendarSource::Kind::subscription: {
        // One manager for the module, made at the first subscription, on the main thread.
        static QNetworkAccessManager* const network = new QNetworkAccessManager(QCoreApplication::instance());
        UrlFeed::Limits limits;
        limits.fetches = fetch;
        return std::make_unique<UrlFeed>(source, *network, std::move(changed), limits);
    }
    case CalendarSource::Kind::desktop:
        return std::make_unique<DesktopFeed>(source, std::move(changed));
    }
    return nullptr;
}

bool CalendarFeeds::watchDesktopCalendars(QObject* context,
                                          std::function<void(const QList<CalendarSource>&)> listed) const
{
    DesktopCalendars::watch(context, std::move(listed));
    return true;
}
