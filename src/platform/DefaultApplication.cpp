#include "DefaultApplication.h"

#include "SessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

namespace DefaultApplication {

void open(const QString& path)
{
    const auto fallback = [path] { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    QDBusConnection bus = SessionBus::connection();
    const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
    const bool present = bus.isConnected() && bus.interface() &&
                         (bus.interface()->isServiceRegistered(portal).value() ||
                          bus.interface()->activatableServiceNames().value().contains(portal));
    const int fd = present ? ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0) return fallback();
    QDBusMessage call =
        QDBusMessage::createMethodCall(portal, QStringLiteral("/org/freedesktop/portal/desktop"),
                                       QStringLiteral("org.freedesktop.portal.OpenURI"), QStringLiteral("OpenFile"));
    call << QString() << QVariant::fromValue(QDBusUnixFileDescriptor(fd)) << QVariantMap();
    ::close(fd); // the message holds its own copy
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, fallback] {
        if (watcher->isError()) fallback();
        watcher->deleteLater();
    });
}

} // namespace DefaultApplication
