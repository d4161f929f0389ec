#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

// The application's windows.
enum class WindowId { main, about, update, settings, reminders };

// The identifier a window is known by ("main", "about", "update", "settings", "reminders").
QString windowIdentifier(WindowId id);

// Makes each window on first opening, brings it back afterwards, and owns
// it: closing a window only hides it, and the registry deletes its windows
// when it goes.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void add(WindowId id, Factory factory) { m_factories.insert_or_assign(id, std::move(factory)); }
    bool contains(WindowId id) const { return m_factories.contains(id); }

    // The window, shown and raised; null when no window has this identifier.
    QWidget* open(WindowId id);

    // Called with every window the first time it is made, before it shows.
    std::function<void(QWidget*)> onCreated;

private:
    std::map<WindowId, Factory> m_factories;
    std::map<WindowId, std::unique_ptr<QWidget>> m_windows;
};
