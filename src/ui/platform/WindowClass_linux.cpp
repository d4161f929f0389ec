#include "WindowClass.h"
#include "X11Connection.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

class WindowClassFilter final : public QObject {
public:
    WindowClassFilter(QObject* parent, const QByteArray& windowClass)
        : QObject(parent)
        // WM_CLASS holds the instance name and then the class, each ending in a NUL.
        , m_property(QByteArrayLiteral("horavia") + '\0' + windowClass + '\0')
    {
    }

protected:
    // Qt writes its own WM_CLASS while it creates the native window, before this event.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::PlatformSurface || !watched->isWindowType()) return false;
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() != QPlatformSurfaceEvent::SurfaceCreated)
            return false;
        xcb_connection_t* connection = X11Connection::current();
        if (!connection) return false;
        const auto id = xcb_window_t(static_cast<QWindow*>(watched)->winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                            uint32_t(m_property.size()), m_property.constData());
        return false;
    }

private:
    QByteArray m_property;
};

} // namespace

namespace WindowClass {

void applyToAllWindows(QGuiApplication& application, const QByteArray& windowClass)
{
    if (!X11Connection::current()) return;
    application.installEventFilter(new WindowClassFilter(&application, windowClass));
}

} // namespace WindowClass
