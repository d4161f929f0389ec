#include "GlobalShortcut.h"

#include "ActivationToken.h"
#include "PortalRequest.h"
#include "SessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace {

const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

QString portal()
{
    return QLatin1String(GlobalShortcut::portalService);
}

} // namespace

GlobalShortcut::GlobalShortcut(const QString& appId, const QString& id, const QString& description, QObject* parent)
    : QObject(parent)
    , m_appId(appId)
    , m_id(id)
    , m_description(description)
{
    qDBusRegisterMetaType<Binding>();
    qDBusRegisterMetaType<QList<Binding>>();
    // The portal's session ends with the connection that made it: a new
    // connection asks for a new one, and hears the portal's signals again.
    connect(&SessionBus::instance(), &SessionBus::reconnected, this, [this] {
        if (!m_started) return;
        m_available = false;
        emit availableChanged(false);
        start();
    });
}

void GlobalShortcut::start()
{
    m_started = true;
    QDBusConnection bus = SessionBus::connection();
    if (!bus.isConnected()) {
        emit availableChanged(false);
        return;
    }
    // A portal that wants to know who asks learns the application's id first.
    QDBusMessage registration = QDBusMessage::createMethodCall(portal(), QLatin1String(portalPath),
                                                               QStringLiteral("org.freedesktop.host.portal.Registry"),
                                                               QStringLiteral("Register"));
    registration << m_appId << QVariantMap();
    bus.asyncCall(registration);

    QDBusMessage version = QDBusMessage::createMethodCall(
        portal(), QLatin1String(portalPath), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    version << shortcutsInterface << QStringLiteral("version");
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(version), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending] {
        pending->deleteLater();
        const QDBusMessage reply = pending->reply();
        if (pending->isError() || reply.arguments().isEmpty()) {
            emit availableChanged(false);
            return;
        }
        m_version = reply.arguments().first().value<QDBusVariant>().variant().toUInt();
        if (m_version == 0) {
            emit availableChanged(false);
            return;
        }
        SessionBus::connection().connect(portal(), QLatin1String(portalPath), shortcutsInterface,
                                         QStringLiteral("Activated"), this,
                                         SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        SessionBus::connection().connect(portal(), QLatin1String(portalPath), shortcutsInterface,
                                         QStringLiteral("ShortcutsChanged"), this,
                                         SLOT(onShortcutsChanged(QDBusObjectPath, QList<GlobalShortcut::Binding>)));
        createSession();
    });
}

void GlobalShortcut::request(const QString& method, QVariantList arguments, QVariantMap options,
                             std::function<void(uint, const QVariantMap&)> done)
{
    PortalRequest::send(shortcutsInterface, method, std::move(arguments), std::move(options), this, std::move(done));
}

void GlobalShortcut::createSession()
{
    request(QStringLiteral("CreateSession"), {}, {{QStringLiteral("session_handle_token"), QStringLiteral("horavia")}},
            [this](uint code, const QVariantMap& results) {
                // A string by the protocol, an object path from some portals.
                const QVariant handle = results.value(QStringLiteral("session_handle"));
                const QString session =
                    handle.canConvert<QDBusObjectPath>() && handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                        ? handle.value<QDBusObjectPath>().path()
                        : handle.toString();
                if (code != 0 || session.isEmpty()) {
                    emit availableChanged(false);
                    return;
                }
                m_session = QDBusObjectPath(session);
                m_available = true;
                emit availableChanged(true);
                listOrBind();
            });
}

void GlobalShortcut::listOrBind()
{
    // A key bound in an earlier session stays; only a first start binds.
    request(QStringLiteral("ListShortcuts"), {QVariant::fromValue(m_session)}, {},
            [this](uint code, const QVariantMap& results) {
                const QList<Binding> bindings = bindingsOf(results.value(QStringLiteral("shortcuts")));
                const bool known = std::any_of(bindings.cbegin(), bindings.cend(),
                                               [this](const Binding& binding) { return binding.id == m_id; });
                if (code == 0 && known)
                    takeBindings(bindings);
                else
                    bind();
            });
}

void GlobalShortcut::bind()
{
    // No preferred key: the user chooses one in the portal's dialog.
    const QList<Binding> wanted{{m_id, {{QStringLiteral("description"), m_description}}}};
    request(QStringLiteral("BindShortcuts"), {QVariant::fromValue(m_session), QVariant::fromValue(wanted), QString()},
            {}, [this](uint code, const QVariantMap& results) {
                if (code == 0) takeBindings(bindingsOf(results.value(QStringLiteral("shortcuts"))));
            });
}

void GlobalShortcut::configure()
{
    if (!m_available) return;
    if (m_version >= 2) {
        QDBusMessage call = QDBusMessage::createMethodCall(portal(), QLatin1String(portalPath), shortcutsInterface,
                                                           QStringLiteral("ConfigureShortcuts"));
        call << QVariant::fromValue(m_session) << QString() << QVariantMap();
        SessionBus::connection().asyncCall(call);
        return;
    }
    bind(); // a first version asks again on each binding
}

void GlobalShortcut::takeBindings(const QList<Binding>& bindings)
{
    for (const Binding& binding : bindings) {
        if (binding.id != m_id) continue;
        const QString trigger = binding.properties.value(QStringLiteral("trigger_description")).toString();
        if (trigger == m_trigger) return;
        m_trigger = trigger;
        emit triggerChanged(trigger);
        return;
    }
}

QList<GlobalShortcut::Binding> GlobalShortcut::bindingsOf(const QVariant& value)
{
    QList<Binding> bindings;
    if (value.canConvert<QDBusArgument>() &&
        value.value<QDBusArgument>().currentSignature() == QLatin1String("a(sa{sv})"))
        value.value<QDBusArgument>() >> bindings;
    return bindings;
}

void GlobalShortcut::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong /*timestamp*/,
                                 const QVariantMap& options)
{
    if (session != m_session || id != m_id) return;
    const QString token = options.value(QStringLiteral("activation_token")).toString();
    emit activated(ActivationToken::isUsable(token) ? token : QString());
}

void GlobalShortcut::onShortcutsChanged(const QDBusObjectPath& session, const QList<GlobalShortcut::Binding>& shortcuts)
{
    if (session == m_session) takeBindings(shortcuts);
}

QDBusArgument& operator<<(QDBusArgument& argument, const GlobalShortcut::Binding& binding)
{
    argument.beginStructure();
    argument << binding.id << binding.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, GlobalShortcut::Binding& binding)
{
    argument.beginStructure();
    argument >> binding.id >> binding.properties;
    argument.endStructure();
    return argument;
}

#include "moc_GlobalShortcut.cpp"
