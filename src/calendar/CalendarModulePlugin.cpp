#include "CalendarFeeds.h"

#include <QObject>

// The calendar module as a plugin of the application's.
class CalendarModulePlugin : public QObject, public CalendarFeeds {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CalendarModule_iid)
    Q_INTERFACES(CalendarModule)
};

#include "CalendarModulePlugin.moc"
