#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <utility>

// The desktop's notifications: the notification service on the session bus
// (org.freedesktop.Notifications), or the desktop portal's Notification
// interface where the application runs sandboxed. Messages are known by a
// key of the caller's; showing another with the same key replaces the one
// still on screen.
class Notifications : public QObject {
    Q_OBJECT

public:
    struct Message {
        QString key;
        QString title;
        QString body;
        // (action, label) pairs; "default" is the click on the message itself.
        QList<std::pair<QString, QString>> actions;
    };

    // desktopEntry: the .desktop file's name without ".desktop", by which a
    // desktop lets the user silence the application.
    static std::unique_ptr<Notifications> forDesktop(const QString& desktopEntry, QObject* parent = nullptr);

    using QObject::QObject;
    ~Notifications() override = default;

    virtual void show(const Message& message) = 0;

signals:
    // The user chose `action` on the message known by `key`.
    void actionInvoked(const QString& key, const QString& action);
    // Nothing showed it: no service on the bus, or the service refused it.
    void notShown(const Notifications::Message& message);
};
