#pragma once

#include "agenda/CalendarFeed.h"

// Calendars subscribed to by their address, in a module of their own: the
// network stack (Qt Network, Kerberos, the proxy library, about 1 MB) is
// loaded only for a subscription, not for a file or the desktop's calendars.
class SubscriptionModule {
public:
    virtual ~SubscriptionModule() = default;
    // `fetch`: whether it asks its server, or shows only the copy kept.
    virtual std::unique_ptr<CalendarFeed> open(const CalendarSource& source, std::function<void()> changed,
                                               bool fetch) const = 0;

    // The module linked in, else the one beside the executable; null when it cannot be loaded.
    static const SubscriptionModule* load();
};

#define SubscriptionModule_iid "org.horavia.Horavia.Subscriptions/1"
Q_DECLARE_INTERFACE(SubscriptionModule, SubscriptionModule_iid)
