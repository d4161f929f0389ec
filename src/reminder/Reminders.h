#pragma once

#include "Reminder.h"

#include <QObject>

#include <functional>
#include <memory>

class Notifications;
class Preferences;
class WallClockAlarm;

// The user's reminders: kept in their own file, rung by one wall-clock alarm
// armed for the earliest, delivered through the desktop's notifications.
//
// An occurrence is written down as delivered before it is sent, so a crash
// or a second start between the two never delivers it twice. One whose time
// passed while nothing ran (the application closed, the computer asleep) is
// delivered once on return, marked late, when less than a day late; older
// ones are kept as missed. Several late at once come as one message.
class Reminders : public QObject {
    Q_OBJECT

public:
    struct Environment {
        std::function<QDateTime()> now;
        std::function<QTimeZone()> home;
        // A reminder's time as the user reads it ("9:00 AM in Tokyo · Tue 1:00 AM here").
        std::function<QString(const Reminder&)> describe;
        // Every clock's time at an instant, a line each.
        std::function<QStringList(const QDateTime&)> cities;
    };

    // Late by more than this, a reminder says it is late.
    static constexpr qint64 onTimeSeconds = 60;
    static constexpr qint64 missedAfterSeconds = 86'400;
    static constexpr int snoozeMinutes = 10;

    // The file beside the settings: $XDG_CONFIG_HOME/horavia/reminders.json.
    static QString defaultFileName();
    // Read as a stranger's (another copy may be writing it).
    static QList<Reminder> read(const Preferences& store);

    Reminders(Preferences& store, std::unique_ptr<WallClockAlarm> alarm, Notifications* notifications,
              Environment environment, QObject* parent = nullptr);
    ~Reminders() override;

    const QList<Reminder>& all() const { return m_reminders; }
    const Reminder* find(const QString& id) const;
    // Pending ones, earliest first.
    QList<Reminder> upcoming() const;
    QString describe(const Reminder& reminder) const { return m_environment.describe(reminder); }
    QDateTime now() const { return m_environment.now(); }

    // Adds a new reminder, or replaces the one with its id (an edit starts it afresh).
    QString set(Reminder reminder);
    void remove(const QString& id);
    void snooze(const QString& id);

    // Delivers what is due and arms the alarm for the next; for a change of
    // the user's zone, which moves reminders kept in it.
    void replan();
    // Replans when the user's zone is not the one last planned with.
    void homeMayHaveChanged();

signals:
    void changed();
    // "Show" on a delivered reminder: the clocks at its instant.
    void showRequested(const QDateTime& instant);
    // No notification service showed it: the application says it itself.
    void undelivered(const QString& title, const QString& body);

private:
    void save();
    void deliver(const QList<int>& onTime, const QList<int>& late);
    void act(const QString& key, const QString& action);

    Preferences& m_store;
    std::unique_ptr<WallClockAlarm> m_alarm;
    Notifications* m_notifications;
    Environment m_environment;
    QList<Reminder> m_reminders;
    QString m_plannedZone;
};
