#include "Notifications.h"

#include "SessionBus.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QHash>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalInterface = QStringLiteral("org.freedesktop.portal.Notification");

// The notification service's own interface. Signals are taken only from the
// owner of its well-known name, so another peer on the bus cannot press a
// message's buttons; an id the service did not give this process means nothing.
class ServiceNotifications final : public Notifications {
    Q_OBJECT

public:
    ServiceNotifications(QString desktopEntry, QObject* parent)
        : Notifications(parent)
        , m_desktopEntry(std::move(desktopEntry))
    {
        subscribe();
        connect(&SessionBus::instance(), &SessionBus::reconnected, this, [this] {
            m_ids.clear();
            subscribe();
        });
    }

    void show(const Message& message) override
    {
        askCapabilities();
        QStringList actions;
        for (const auto& [action, label] : message.actions)
            actions << action << label;
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
        const QVariantMap hints{{QStringLiteral("desktop-entry"), m_desktopEntry},
                                {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))},
                                {QStringLiteral("category"), QStringLiteral("x-horavia.reminder")}};
        call << QStringLiteral("Horavia") << m_ids.key(message.key, 0u) << QStringLiteral("org.horavia.Horavia")
             << message.title << (m_markup ? message.body.toHtmlEscaped() : message.body) << actions << hints
             << int(-1);
        auto* watcher = new QDBusPendingCallWatcher(SessionBus::connection().asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, message] {
            watcher->deleteLater();
            const QDBusPendingReply<uint> reply = *watcher;
            if (reply.isError() || reply.value() == 0) {
                emit notShown(message);
                return;
            }
            m_ids.remove(m_ids.key(message.key, 0u));
            m_ids.insert(reply.value(), message.key);
        });
    }

private slots:
    void onAction(uint id, const QString& action)
    {
        const auto found = m_ids.constFind(id);
        if (found != m_ids.cend()) emit actionInvoked(*found, action);
    }
    void onClosed(uint id, uint) { m_ids.remove(id); }

private:
    // Asked at the first message, not at the start: the question would start
    // a notification service for a user who has no reminder.
    void askCapabilities()
    {
        if (m_asked) return;
        m_asked = true;
        // A service that reads markup in the body would take an event's "<" or "&" as markup.
        auto* capabilities =
            new QDBusPendingCallWatcher(SessionBus::connection().asyncCall(QDBusMessage::createMethodCall(
                                            service, path, service, QStringLiteral("GetCapabilities"))),
                                        this);
        connect(capabilities, &QDBusPendingCallWatcher::finished, this, [this, capabilities] {
            capabilities->deleteLater();
            const QDBusPendingReply<QStringList> reply = *capabilities;
            if (!reply.isError()) m_markup = reply.value().contains(QLatin1String("body-markup"));
        });
    }

    void subscribe()
    {
        QDBusConnection bus = SessionBus::connection();
        bus.connect(service, path, service, QStringLiteral("ActionInvoked"), this, SLOT(onAction(uint, QString)));
        bus.connect(service, path, service, QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
    }

    QString m_desktopEntry;
    QHash<uint, QString> m_ids; // the service's id of each message on screen
    bool m_markup = true;       // until the service says it reads none
    bool m_asked = false;
};

// In a sandbox the portal shows the message for the application; its own
// key replaces the one before.
class PortalNotifications final : public Notifications {
    Q_OBJECT

public:
    explicit PortalNotifications(QObject* parent)
        : Notifications(parent)
    {
        qDBusRegisterMetaType<QList<QVariantMap>>(); // the buttons, aa{sv}
        subscribe();
        connect(&SessionBus::instance(), &SessionBus::reconnected, this, &PortalNotifications::subscribe);
    }

    void show(const Message& message) override
    {
        QList<QVariantMap> buttons;
        for (const auto& [action, label] : message.actions)
            if (action != QLatin1String("default"))
                buttons.append({{QStringLiteral("label"), label}, {QStringLiteral("action"), action}});
        QVariantMap notification{{QStringLiteral("title"), message.title},
                                 {QStringLiteral("body"), message.body},
                                 {QStringLiteral("default-action"), QStringLiteral("default")},
                                 {QStringLiteral("buttons"), QVariant::fromValue(buttons)}};
        QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, portalInterface,
                                                           QStringLiteral("AddNotification"));
        call << message.key << notification;
        auto* watcher = new QDBusPendingCallWatcher(SessionBus::connection().asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, message] {
            watcher->deleteLater();
            if (watcher->isError()) emit notShown(message);
        });
    }

private slots:
    void onAction(const QString& key, const QString& action, const QVariantList&) { emit actionInvoked(key, action); }

private:
    void subscribe()
    {
        SessionBus::connection().connect(portalService, portalPath, portalInterface, QStringLiteral("ActionInvoked"),
                                         this, SLOT(onAction(QString, QString, QVariantList)));
    }
};

} // namespace

std::unique_ptr<Notifications> Notifications::forDesktop(const QString& desktopEntry, QObject* parent)
{
    if (QFile::exists(QStringLiteral("/.flatpak-info"))) return std::make_unique<PortalNotifications>(parent);
    return std::make_unique<ServiceNotifications>(desktopEntry, parent);
}

#include "Notifications.moc"
