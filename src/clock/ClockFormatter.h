#pragma once

#include "settings/SettingsTypes.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <unicode/locid.h>

// An instant read in one zone, its offset looked up once for all the texts
// made from it (the zone database answers slowly, and a row asks often).
struct ZoneInstant {
    ZoneInstant(const QDateTime& at, const QTimeZone& zone);

    QDateTime at;
    QTimeZone zone;
    int offset; // seconds east of UTC
    qint64 wallMSecs() const { return at.toMSecsSinceEpoch() + qint64(offset) * 1000; }
    // The wall-clock date and time there (in a UTC date-time).
    QDateTime wall() const { return QDateTime::fromMSecsSinceEpoch(wallMSecs(), Qt::UTC); }
};

// Where a day label stands: heading its own column (a row's day), or inside
// a line after a time ("Tokyo 1:00 AM tomorrow"), where a capital would
// change its meaning in some languages (German "Morgen" is "morning").
enum class DayLabelPlace { column, inLine };

// The texts of a clock row: time, zone name and day label. Built for one
// redraw from the current settings, the system's zone and the system's
// locale, so a change of either shows at the next redraw. Offsets come from
// the system tz database; ICU supplies only names and patterns.
class ClockFormatter {
public:
    // Home zone and base locale as the system has them now.
    ClockFormatter(TimeFormat timeFormat, DateFormat dateFormat);
    ClockFormatter(TimeFormat timeFormat, DateFormat dateFormat, const QTimeZone& homeTimeZone,
                   const icu::Locale& baseLocale);

    // The base locale with the hour cycle the time format forces (none for
    // "Match System").
    static icu::Locale localeFor(TimeFormat timeFormat, const icu::Locale& baseLocale);

    QTimeZone homeTimeZone() const { return m_homeTimeZone; }
    DateFormat dateFormat() const { return m_dateFormat; }
    icu::Locale locale() const { return m_locale; }

    // Hours and minutes of `at` in `zone` ("9:41 PM", "21:41").
    QString timeText(const QDateTime& at, const QTimeZone& zone) const;
    QString timeText(const ZoneInstant& there) const;
    // The generic name ("Central European Time"), else the abbreviation at
    // `at`, else the identifier's last part with spaces for underscores.
    QString zoneName(const QTimeZone& zone, const QDateTime& at) const;
    QString zoneName(const ZoneInstant& there) const;
    // Whole calendar days from home's date to the zone's date at `at`, in
    // the Gregorian calendar.
    int dayOffset(const QDateTime& at, const QTimeZone& zone) const;
    static int dayOffset(const ZoneInstant& home, const ZoneInstant& there);
    // "Tomorrow"/"Yesterday" (relative, offsets of one day), else the short
    // date of `at` in `zone` ("Sat, Sep 12" or "9/12"), capitalized as the
    // locale does where it stands.
    QString dayLabel(int offset, const QDateTime& at, const QTimeZone& zone,
                     DayLabelPlace place = DayLabelPlace::column) const;
    QString dayLabel(int offset, const ZoneInstant& there, DayLabelPlace place = DayLabelPlace::column) const;

    // A chosen instant in home time with its date and its distance from
    // `now` ("Tue, Dec 9, 3:00 PM · in 2 days"); a wall-clock time that
    // occurs twice that night carries its zone abbreviation.
    // `spoken`: for a screen reader, which says "·" as a word.
    QString chosenInstantText(const QDateTime& at, const QDateTime& now, bool spoken = false) const;
    // How far `at` is from `now`, in the interface's language: "in 25 minutes", "2 hours ago", "in 3 days".
    static QString distanceText(const QDateTime& at, const QDateTime& now);

    // The zone's offset minus home's at `at` (LocaleText::offset writes it).
    int offsetFromHome(const QDateTime& at, const QTimeZone& zone) const;
    // The zone's next change of clocks within `days` after `at`, with its
    // day in the locale ("Clocks go back 1 hour on Sun, Oct 25"); empty
    // when they do not change.
    QString offsetChangeNotice(const QDateTime& at, const QTimeZone& zone, int days = 7) const;

private:
    QString uncachedZoneName(const QTimeZone& zone, const QDateTime& at) const;

    QTimeZone m_homeTimeZone;
    DateFormat m_dateFormat;
    icu::Locale m_locale;
};
