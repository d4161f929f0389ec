#include "ActivationToken.h"

// Apart from the rest, because it needs Qt Gui: the command line's
// executable links the token's reading, and loads no Gui library for it.
#include <QGuiApplication>

namespace ActivationToken {

void use(const QString& token)
{
    if (!isUsable(token)) return;
    // Qt's Wayland windows read the first at their next activation; on X11
    // the second is the startup notification's id.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    qputenv(wayland ? "XDG_ACTIVATION_TOKEN" : "DESKTOP_STARTUP_ID", token.toLatin1());
}

} // namespace ActivationToken
