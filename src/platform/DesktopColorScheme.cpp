#include "DesktopColorScheme.h"

#include "SessionBus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

#include <utility>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

} // namespace

DesktopColorScheme::DesktopColorScheme(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    // On the application's own connection, a new one after the bus dropped
    // it subscribes again and reads what changed meanwhile.
    if (bus.name() == SessionBus::connection().name())
        connect(&SessionBus::instance(), &SessionBus::reconnected, this, [this] {
            m_bus = SessionBus::connection();
            const bool following = std::exchange(m_following, false);
            if (following)
                follow();
            else
                read();
        });
    read();
}

void DesktopColorScheme::follow()
{
    if (m_following || !m_bus.isConnected()) return;
    m_following = true;
    // The whole message: a slot taking a QDBusVariant would be refused until
    // something in the process had registered that type.
    m_bus.connect(service, path, settings, QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QDBusMessage)));
    // A change made before the subscription took effect is in this answer.
    read();
}

void DesktopColorScheme::read()
{
    if (!m_bus.isConnected()) return;
    QDBusMessage read = QDBusMessage::createMethodCall(service, path, settings, QStringLiteral("Read"));
    read << appearance << colorScheme;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        take(watcher->reply());
        watcher->deleteLater();
    });
}

// Read wraps the value in a second variant; a signal's value comes in one.
std::optional<DesktopColorScheme::Preference> DesktopColorScheme::preferenceIn(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    if (value.metaType() != QMetaType::fromType<uint>()) return std::nullopt;
    const uint raw = value.toUInt();
    return raw > uint(Preference::light) ? Preference::none : Preference(raw);
}

bool DesktopColorScheme::decide(std::optional<Preference> portal, const QString& gtkTheme)
{
    if (portal == Preference::dark) return true;
    if (portal == Preference::light) return false;
    return gtkTheme.endsWith(QLatin1String(":dark"), Qt::CaseInsensitive);
}

void DesktopColorScheme::take(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    setPortal(preferenceIn(reply.arguments().constFirst()));
}

void DesktopColorScheme::settingChanged(const QDBusMessage& change)
{
    const QVariantList arguments = change.arguments();
    if (arguments.size() == 3 && arguments[0].toString() == appearance && arguments[1].toString() == colorScheme)
        setPortal(preferenceIn(arguments[2]));
}

void DesktopColorScheme::setPortal(std::optional<Preference> preference)
{
    if (!preference) return; // a value of another type says nothing
    const bool wasDark = prefersDark();
    m_portal = preference;
    if (prefersDark() != wasDark) emit prefersDarkChanged();
}

#include "moc_DesktopColorScheme.cpp"
