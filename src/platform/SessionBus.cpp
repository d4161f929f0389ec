#include "SessionBus.h"

#include <QDBusConnectionInterface>

#include <algorithm>

namespace {

constexpr int firstRetryMs = 100;
constexpr int longestRetryMs = 5000;

} // namespace

SessionBus& SessionBus::instance()
{
    static SessionBus bus;
    return bus;
}

QDBusConnection SessionBus::connection()
{
    return instance().m_bus;
}

SessionBus::SessionBus()
    : m_bus(QDBusConnection::sessionBus())
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &SessionBus::retry);
    watch();
}

void SessionBus::watch()
{
    // libdbus tells every client it drops with this signal from itself.
    m_bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                  QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), this, SLOT(dropped()));
}

void SessionBus::dropped()
{
    if (m_retry.isActive()) return;
    qWarning("Horavia was taken off the session bus; connecting again");
    m_retry.start(firstRetryMs);
}

void SessionBus::retry()
{
    // A connection that failed stays under its name: each try has its own.
    const QString name = QStringLiteral("horavia-session-%1").arg(++m_generation);
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    if (!bus.isConnected() || !bus.interface()) {
        QDBusConnection::disconnectFromBus(name);
        // Until the bus is back: a few tries a second at first, then one
        // every few seconds.
        m_retry.start(std::min(m_retry.interval() * 2, longestRetryMs));
        return;
    }
    const QString old = m_bus.name();
    m_bus = bus;
    if (old != QDBusConnection::sessionBus().name()) QDBusConnection::disconnectFromBus(old);
    watch();
    qInfo("Horavia is on the session bus again, as %s", qPrintable(m_bus.baseService()));
    emit reconnected();
}

#include "moc_SessionBus.cpp"
