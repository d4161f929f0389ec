#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <unicode/locid.h>

#include <optional>

// A zone's clocks moving: when, and by how much. From the system tz database.
struct ClockChange {
    QDateTime at;    // the instant of the change
    int seconds = 0; // how far they move; positive is forward

    // The first change that moves the zone's clocks within `days` after
    // `from` (a change of name alone does not count).
    static std::optional<ClockChange> next(const QDateTime& from, const QTimeZone& zone, int days = 7);

    // "Clocks go back 1 hour on " followed by `date`, the day of the change
    // as the locale writes it; the amount in `locale`'s words.
    QString notice(const QString& date, const icu::Locale& locale) const;
};
