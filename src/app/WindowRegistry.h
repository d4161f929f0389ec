#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// The application's windows by identifier ("main", "about", "update",
// "settings"): each is made on first opening and brought back afterwards.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    void add(const QString& id, Factory factory) { m_factories.insert(id, std::move(factory)); }
    bool contains(const QString& id) const { return m_factories.contains(id); }

    // The window, shown and raised; null when no window has this identifier.
    QWidget* open(const QString& id);

    // Called with every window the first time it is made.
    std::function<void(QWidget*)> onCreated;

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
};
