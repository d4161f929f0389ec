#include "ActivationToken.h"

#include <QGuiApplication>

namespace ActivationToken {

bool isUsable(const QString& token)
{
    if (token.isEmpty() || token.size() > 200) return false;
    return std::all_of(token.cbegin(), token.cend(),
                       [](QChar c) { return c.unicode() >= 0x21 && c.unicode() <= 0x7e; });
}

QString ofLaunch()
{
    const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return isUsable(wayland) ? wayland : qEnvironmentVariable("DESKTOP_STARTUP_ID");
}

void use(const QString& token)
{
    if (!isUsable(token)) return;
    // Qt's Wayland windows read the first at their next activation; on X11
    // the second is the startup notification's id.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    qputenv(wayland ? "XDG_ACTIVATION_TOKEN" : "DESKTOP_STARTUP_ID", token.toLatin1());
}

} // namespace ActivationToken
