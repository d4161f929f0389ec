#pragma once

#include <QString>

// A token by which the desktop lets a window take the focus: an XDG
// activation token (Wayland) or a startup id (X11). It comes from other
// processes (a launch, the tray's host), so only a printable word of sane
// length is used, handed on in the variable the platform's windows read when
// they are next activated.
namespace ActivationToken {

bool isUsable(const QString& token);
// The token of this process's own launch, if any.
QString ofLaunch();
// For the next window to be activated; an unusable token is dropped.
void use(const QString& token);

} // namespace ActivationToken
