#include "WindowRegistry.h"

QWidget* WindowRegistry::open(const QString& id)
{
    QPointer<QWidget>& window = m_windows[id];
    if (!window) {
        const auto factory = m_factories.constFind(id);
        if (factory == m_factories.cend()) return nullptr;
        window = (*factory)();
        if (!window) return nullptr;
        if (onCreated) onCreated(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
