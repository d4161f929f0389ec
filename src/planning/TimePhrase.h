#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <functional>
#include <optional>

// A time as people write it when they plan: "3pm PST", "9:30 Tokyo",
// "Fri 14:00 in New York", "9 am Central on Friday", and the same in the
// user's language ("morgen 15 Uhr Tokyo", "demain 9h Paris", "明日 9時
// 東京"), English always. Pure: the places it knows come from the caller,
// and "now" is given, never read.
namespace TimePhrase {

struct Place {
    QString name;
    QTimeZone zone;
};

struct Context {
    QDateTime now;
    Place home;
    // The tracked cities, in the user's order: an ambiguous abbreviation
    // means the one of these (or home) that uses it.
    QList<Place> tracked;
    // The best catalogue match for a place's name, as the search ranks.
    std::function<std::optional<Place>(const QString&)> findPlace;
    qint64 rangeSeconds = 7 * 86400;
    // The language whose words are read besides English's (an ICU or BCP 47 name).
    QString language = QStringLiteral("en");
};

struct Reading {
    QDateTime at; // UTC
    Place place;
    // The zone's abbreviation at that instant when the phrase named the zone
    // by one ("EST" in July reads as "EDT").
    QString readAs;
};

enum class Refusal {
    none,
    notATime,    // no time in it: the text is something else, a search perhaps
    unknownDay,  // words where a day should be
    unknownZone, // no zone, offset or place of that name
    skipped,     // the clocks skip that time there
    outOfRange,  // beyond the week either side of now
};

struct Result {
    QList<Reading> readings; // one, or several for an abbreviation of several meanings
    Refusal refusal = Refusal::notATime;
    QString words; // what could not be read (the zone, the day)
    // For a refusal past the reading of the time: the wall time asked for and where.
    QDate date;
    QTime time;
    Place place;

    bool readsAsTime() const { return refusal != Refusal::notATime; }
};

Result read(const QString& text, const Context& context);

} // namespace TimePhrase
