#include "Services.h"
#include "services/CalendarInvite.h"
#include "services/InstallPipeline.h"
#include "services/NetworkDownload.h"

#include <QObject>

// The services as a plugin of the application's.
class ServicesModule : public QObject, public Services {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Services_iid)
    Q_INTERFACES(Services)

public:
    void download(const QString& address, const Download::Limits& limits, const QObject* context,
                  std::function<void(int, Download::Result)> done) const override
    {
        NetworkDownload::function()(address, limits, context, std::move(done));
    }

    std::optional<UpdaterError> installPayload(const QByteArray& payload, const QString& bundlePath,
                                               const QString& pinnedTeam) const override
    {
        return InstallPipeline::installPayload(payload, bundlePath, pinnedTeam);
    }

    QByteArray calendarInvite(const QString& description, const QDateTime& at) const override
    {
        return CalendarInvite::make(description, at);
    }
};

#include "ServicesModule.moc"
