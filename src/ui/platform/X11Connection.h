#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace X11Connection {

// The X11 connection when the application really runs on xcb; null anywhere
// else, including plugins (offscreen) that answer the X11 interface without
// a live connection behind it.
inline xcb_connection_t* current()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace X11Connection
