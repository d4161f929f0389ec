#include "CalendarFeeds.h"

#include "DesktopModule.h"
#include "FileFeed.h"
#include "UrlFeed.h"
#include "platform/SiblingModule.h"

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
        if (const DesktopModule* desktop = DesktopModule::load()) return desktop->open(source, std::move(changed));
        return nullptr;
    }
    return nullptr;
}

bool CalendarFeeds::watchDesktopCalendars(QObject* context,
                                          std::function<void(const QList<CalendarSource>&)> listed) const
{
    const DesktopModule* desktop = DesktopModule::load();
    if (desktop) desktop->watch(context, std::move(listed));
    return desktop != nullptr;
}

#if !defined(HORAVIA_DESKTOP_MODULE)
#define HORAVIA_DESKTOP_MODULE nullptr
#endif

const DesktopModule* DesktopModule::load()
{
    static const DesktopModule* const module = SiblingModule::linkedInOrLoad<DesktopModule>(HORAVIA_DESKTOP_MODULE);
    return module;
}
