#include "UrlFeed.h"
#include "calendar/SubscriptionModule.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

// Subscriptions as a plugin of the calendar module's.
class SubscriptionModulePlugin : public QObject, public SubscriptionModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SubscriptionModule_iid)
    Q_INTERFACES(SubscriptionModule)

public:
    std::unique_ptr<CalendarFeed> open(const CalendarSource& source, std::function<void()> changed,
                                       bool fetch) const override
    {
        // One manager for the module, made at the first subscription, on the main thread.
        static QNetworkAccessManager* const network = new QNetworkAccessManager(QCoreApplication::instance());
        UrlFeed::Limits limits;
        limits.fetches = fetch;
        return std::make_unique<UrlFeed>(source, *network, std::move(changed), limits);
    }
};

#include "SubscriptionModulePlugin.moc"
