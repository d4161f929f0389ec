#include "DesktopCalendars.h"
#include "calendar/DesktopModule.h"

#include <QObject>

// The desktop's calendars as a plugin of the calendar module's.
class DesktopModulePlugin : public QObject, public DesktopModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DesktopModule_iid)
    Q_INTERFACES(DesktopModule)

public:
    std::unique_ptr<CalendarFeed> open(const CalendarSource& source, std::function<void()> changed) const override
    {
        return std::make_unique<DesktopFeed>(source, std::move(changed));
    }
    void watch(QObject* context, std::function<void(const QList<CalendarSource>&)> listed) const override
    {
        DesktopCalendars::watch(context, std::move(listed));
    }
};

#include "DesktopModulePlugin.moc"
