#include "ServicesLoader.h"

#include "platform/DefaultApplication.h"
#include "platform/PrivateFiles.h"
#include "platform/SiblingModule.h"
#include "services/Services.h"
#include "update/UpdateAddresses.h"
#include "update/Updater.h"

#include <QCoreApplication>
#include <QStandardPaths>

void Services::reserve()
{
#if defined(HORAVIA_SERVICES_MODULE)
    SiblingModule::reserve(HORAVIA_SERVICES_MODULE);
#endif
}

// Where there are no modules, only what is linked in.
#if !defined(HORAVIA_SERVICES_MODULE)
#define HORAVIA_SERVICES_MODULE nullptr
#endif

const Services* Services::load()
{
    // Linked in (where there are no modules, and in the tests' programs),
    // else the module beside the executable.
    static const Services* const services = SiblingModule::linkedInOrLoad<Services>(HORAVIA_SERVICES_MODULE);
    return services;
}

UpdateHost ServicesUse::updateHost()
{
    UpdateHost host = UpdateHost::forApplication([] { QCoreApplication::quit(); });
    host.download = [](const QString& address, const Download::Limits& limits, const QObject* context,
                       std::function<void(int, Download::Result)> done) {
        if (const Services* services = Services::load())
            services->download(address, limits, context, std::move(done));
        else
            done(0, UpdaterError::platform(
                        QCoreApplication::translate("UpdaterError", "The network module isn't available.")));
    };
    host.installPayload = [](const QByteArray& payload, const QString& bundle,
                             const QString& team) -> std::optional<UpdaterError> {
        if (const Services* services = Services::load()) return services->installPayload(payload, bundle, team);
        return UpdaterError::platform(QCoreApplication::translate("UpdaterError", "No installer is available."));
    };
    host.pinnedTeam = UpdateAddresses::pinnedTeam();
    host.selfUpdating = UpdateAddresses::selfUpdating();
    return host;
}

void ServicesUse::openEvent(const QStringList& lines, const QDateTime& at)
{
    // A file of our own, under a name nobody could have prepared, in a
    // cache folder of the user's alone; the calendar the portal or the
    // desktop starts reads it. The last few stay for it, older ones go.
    constexpr int eventsKept = 5;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!PrivateFiles::ensureFolder(folder)) {
        qWarning("Create Event: the folder %s isn't the user's own", qPrintable(folder));
        return;
    }
    const Services* services = Services::load();
    if (!services) return; // the reason is on standard error
    const QByteArray invite = services->calendarInvite(lines.join(u'\n'), at);
    const PrivateFiles::Written written =
        PrivateFiles::writeUnique(folder, QStringLiteral("event-"), QStringLiteral(".ics"), invite, eventsKept);
    if (written.path.isEmpty()) {
        qWarning("Create Event: %s", qPrintable(written.error));
        return;
    }
    DefaultApplication::open(written.path);
}
