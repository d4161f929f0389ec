#include "WindowRegistry.h"

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
        if (onCreated) onCreated(window.get());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window.get();
}
