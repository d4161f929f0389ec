#pragma once

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

// One call to the desktop portal that answers later, on a request object of
// its own (org.freedesktop.portal.Request): that object's answer is listened
// for before the call is made, so that none is missed.
namespace PortalRequest {

constexpr const char* service = "org.freedesktop.portal.Desktop";
constexpr const char* path = "/org/freedesktop/portal/desktop";

// Calls `method` of `interface` with `arguments` and then `options` (given a
// handle token); `done` hears the answer once: 0 granted, 1 cancelled, 2
// failed (also when the portal refuses the call), and the results. Nothing
// is heard once `context` is gone.
void send(const QString& interface, const QString& method, QVariantList arguments, QVariantMap options,
          QObject* context, std::function<void(uint, const QVariantMap&)> done);

} // namespace PortalRequest
