#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <QVariant>

// One reminder: a wall-clock time in a zone, as the user set it, and what
// has become of it. A reminder kept in a city's zone ("9:00 Tokyo") never
// moves; one kept in the user's own ("9:00 here") follows the user's zone
// when it changes. The instant is kept beside the wall time, as it was when
// set, for readers that know no zones (scripts).
struct Reminder {
    QString id;
    QString note;
    QString zone;  // an IANA zone; empty: the user's own zone, whatever it is then
    QString place; // the city the time was set in ("Tokyo"); empty for home
    QDate day;     // the date and the time as the user saw them there
    QTime time;
    int leadMinutes = 0;
    QDateTime setAt;        // the instant they named when it was set, UTC
    QDateTime snoozedUntil; // invalid unless snoozed
    QDateTime deliveredAt;  // when it was delivered; invalid while pending
    bool missed = false;    // its time passed too long ago to deliver

    // A new reminder for `at`, kept in `zone` under `place`'s name; at
    // home when `zone` is not valid or is `home` itself.
    static Reminder at(const QDateTime& at, const QTimeZone& zone, const QString& place, const QTimeZone& home);

    bool isPending() const { return !deliveredAt.isValid(); }

    // The instant the reminded time names now: the day and time in its zone (or in
    // `home`). A time the clocks skip takes the offset from before the jump,
    // as calendars read it; a repeated one, its first occurrence.
    QDateTime instant(const QTimeZone& home) const;
    // When it should ring: `leadMinutes` before the instant, or the end of a snooze.
    QDateTime due(const QTimeZone& home) const;

    friend bool operator==(const Reminder&, const Reminder&) = default;
};

namespace ReminderFile {

// The most reminders kept, and the longest note: a file with more is cut, not refused.
constexpr int mostReminders = 10'000;
constexpr int longestNote = 500;
// The leads offered, in minutes before the time.
inline const QList<int> leads{0, 5, 10, 15, 30, 60};

// The reminders in a stored value, each checked as a stranger's: an entry of
// the wrong shape, with an unknown zone or an invalid time is left out.
QList<Reminder> read(const QVariant& stored);
QVariant write(const QList<Reminder>& reminders);

} // namespace ReminderFile
