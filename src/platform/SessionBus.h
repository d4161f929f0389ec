#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

// The session bus connection the application's own objects use (the tray
// item and its menu, the desktop portal's requests and signals), kept
// through a disconnection. The bus drops a client for a message over its
// limit, and a bus restarts with its session's services; Qt's default
// connection never comes back from that, so a new one is made, and each
// user puts itself on it again when told. Main thread only.
class SessionBus : public QObject {
    Q_OBJECT

public:
    static SessionBus& instance();
    // The connection to use now.
    static QDBusConnection connection();

signals:
    // A new connection replaced one the bus dropped: register, subscribe
    // and ask again on connection().
    void reconnected();

private slots:
    void dropped();

private:
    SessionBus();
    void watch();
    void retry();

    QDBusConnection m_bus;
    QTimer m_retry;
    int m_generation = 0;
};
