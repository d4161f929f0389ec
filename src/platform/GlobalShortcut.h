#pragma once

#include "PortalRequest.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <functional>

// One desktop-wide shortcut through the desktop portal's GlobalShortcuts:
// the application's id registered with the portal's host registry where it
// has one, a session made, the shortcut bound with no key forced on the
// user (the portal's dialog asks for one), and its activations told. Only
// the portal's own bus name is listened to.
class GlobalShortcut : public QObject {
    Q_OBJECT

public:
    struct Binding {
        QString id;
        QVariantMap properties;
    };

    static constexpr const char* portalService = PortalRequest::service;
    static constexpr const char* portalPath = PortalRequest::path;

    GlobalShortcut(const QString& appId, const QString& id, const QString& description, QObject* parent = nullptr);

    // Asks the portal; availableChanged() tells the answer.
    void start();
    bool isAvailable() const { return m_available; }
    // The key as the portal writes it ("Ctrl+Alt+T"); empty while none is bound.
    QString trigger() const { return m_trigger; }
    // Opens the portal's own dialog to choose or change the key.
    void configure();

signals:
    void availableChanged(bool available);
    void triggerChanged(const QString& trigger);
    // The key was pressed; the token, if the portal gave one, lets a window take the focus.
    void activated(const QString& activationToken);

private slots:
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    void onShortcutsChanged(const QDBusObjectPath& session, const QList<GlobalShortcut::Binding>& shortcuts);

private:
    void request(const QString& method, QVariantList arguments, QVariantMap options,
                 std::function<void(uint, const QVariantMap&)> done);
    void createSession();
    void listOrBind();
    void bind();
    void takeBindings(const QList<Binding>& bindings);
    static QList<Binding> bindingsOf(const QVariant& value);

    QString m_appId;
    QString m_id;
    QString m_description;
    QDBusObjectPath m_session;
    uint m_version = 0;
    bool m_available = false;
    bool m_started = false;
    QString m_trigger;
};

Q_DECLARE_METATYPE(GlobalShortcut::Binding)

QDBusArgument& operator<<(QDBusArgument& argument, const GlobalShortcut::Binding& binding);
const QDBusArgument& operator>>(const QDBusArgument& argument, GlobalShortcut::Binding& binding);
