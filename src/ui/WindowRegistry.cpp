#include "WindowRegistry.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

QString windowIdentifier(WindowId id)
{
    switch (id) {
    case WindowId::main:
        return QStringLiteral("main");
    case WindowId::about:
        return QStringLiteral("about");
    case WindowId::update:
        return QStringLiteral("update");
    case WindowId::settings:
        return QStringLiteral("settings");
    case WindowId::reminders:
        return QStringLiteral("reminders");
    }
    return {};
}

QWidget* WindowRegistry::open(WindowId id)
{
    std::unique_ptr<QWidget>& window = m_windows[id];
    if (!window) {
        const auto factory = m_factories.find(id);
        if (factory == m_factories.end() || !(window = factory->second())) return nullptr;
        // The registry deletes its windows; one that deleted itself on
        // closing would be deleted twice.
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setObjectName(windowIdentifier(id));
        // A new window opens in the middle of the screen the user works on,
        // not wherever the window manager finds room.
        if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
        const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen) screen = QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame(QPoint(), window->size());
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
        if (onCreated) onCreated(window.get());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window.get();
}
