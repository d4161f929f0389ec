#pragma once

#include <QByteArray>

class QGuiApplication;

// The X11 window class of every window the application creates, so that
// window managers and docks match them to the desktop entry of that name.
// Qt would use the application name, which the tray item also shows as its
// title; the two want different names. Nothing to do on other platforms
// (Wayland's app id is the desktop file name).
namespace WindowClass {

void applyToAllWindows(QGuiApplication& application, const QByteArray& windowClass);

} // namespace WindowClass
