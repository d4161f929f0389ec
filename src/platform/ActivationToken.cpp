#include "ActivationToken.h"

#include <algorithm>

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

} // namespace ActivationToken
