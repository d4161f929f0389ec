#pragma once

#include "SessionBus.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusMessage;

// Whether the desktop asks applications for dark colours: the XDG desktop
// portal's org.freedesktop.appearance color-scheme, read over the session bus
// and followed live; where no portal answers, or it states no preference, a
// GTK theme named with ":dark" (GTK_THEME=Adwaita:dark) decides.
class DesktopColorScheme : public QObject {
    Q_OBJECT

public:
    // The portal's values.
    enum class Preference : uint { none = 0, dark = 1, light = 2 };

    // Asks the portal on `bus` without waiting: a running portal's answer
    // comes while the first window is built and is taken before it paints;
    // one started by the request answers when it is up.
    explicit DesktopColorScheme(const QDBusConnection& bus = SessionBus::connection(), QObject* parent = nullptr);

    // Follows the portal's changes from now on. Subscribing waits for the
    // bus twice, so a start calls this once its first window is up.
    void follow();

    bool prefersDark() const { return decide(m_portal, qEnvironmentVariable("GTK_THEME")); }

    // The preference in a value the portal sent (a variant, perhaps in a
    // variant); nullopt for a value of another type. Unknown numbers are none.
    static std::optional<Preference> preferenceIn(QVariant value);
    // The portal's dark or light when it said one, else the GTK theme's name.
    static bool decide(std::optional<Preference> portal, const QString& gtkTheme);

signals:
    void prefersDarkChanged();

private slots:
    // SettingChanged(namespace, key, value)
    void settingChanged(const QDBusMessage& change);

private:
    void read();
    void take(const QDBusMessage& reply);
    void setPortal(std::optional<Preference> preference);

    QDBusConnection m_bus;
    std::optional<Preference> m_portal;
    bool m_following = false;
};
