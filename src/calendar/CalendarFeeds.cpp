#include "CalendarFeeds.h"

#include "DesktopFeed.h"
#include "DesktopService.h"
#include "FileFeed.h"
#include "SubscriptionModule.h"
#include "platform/SiblingModule.h"

std::unique_ptr<CalendarFeed> CalendarFeeds::open(const CalendarSource& source, std::function<void()> changed,
                                                  bool fetch) const
{
    switch (source.kind) {
    case CalendarSource::Kind::file:
    case CalendarSource::Kind::folder:
        return std::make_unique<FileFeed>(source, std::move(changed));
    case CalendarSource::Kind::subscription:
        if (const SubscriptionModule* subscriptions = SubscriptionModule::load())
            return subscriptions->open(source, std::move(changed), fetch);
        return nullptr;
    case CalendarSource::Kind::desktop:
        return std::make_unique<DesktopFeed>(DesktopService::instance(), source, std::move(changed));
    }
    return nullptr;
}

bool CalendarFeeds::watchDesktopCalendars(QObject* context,
                                          std::function<void(const QList<CalendarSource>&)> listed) const
{
    DesktopService::instance().watch(context, std::move(listed));
    return true;
}

#if !defined(HORAVIA_SUBSCRIPTION_MODULE)
#define HORAVIA_SUBSCRIPTION_MODULE nullptr
#endif

const SubscriptionModule* SubscriptionModule::load()
{
    static const SubscriptionModule* const module =
        SiblingModule::linkedInOrLoad<SubscriptionModule>(HORAVIA_SUBSCRIPTION_MODULE);
    return module;
}
