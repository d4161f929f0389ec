#include "Services.h"

#include "clock/CalendarInvite.h"
#include "update/InstallPipeline.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

namespace {

void download(const QString& address, const Download::Limits& limits, const QObject* context,
              std::function<void(int, Download::Result)> done)
{
    // One manager for the process, made at the first transfer, on the main thread.
    static QNetworkAccessManager* const network = new QNetworkAccessManager(QCoreApplication::instance());
    Download::through (*network)(address, limits, context, std::move(done));
}

std::optional<UpdaterError> installPayload(const QByteArray& payload, const QString& bundlePath,
                                           const QString& pinnedTeam)
{
    return InstallPipeline::installPayload(payload, bundlePath, pinnedTeam);
}

QByteArray calendarInvite(const QString& description, const QDateTime& at)
{
    return CalendarInvite::make(description, at);
}

} // namespace

extern "C" __attribute__((visibility("default"))) const Services* horaviaServices()
{
    static const Services services{Services::currentVersion, &download, &installPayload, &calendarInvite};
    return &services;
}
