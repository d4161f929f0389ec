#pragma once

#include "ClockEntry.h"
#include "planning/TimePhrase.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class CityDatabase;
class ClockFormatter;

// A typed time read against the user's own clocks and the catalogue, and the
// texts the chooser, the panel and the command line answer it with.
namespace TimeAnswer {

// Home and the tracked cities under the names their rows show; places by
// the catalogue's search, its best match first.
TimePhrase::Context context(const QList<ClockEntry>& entries, const QTimeZone& home, const CityDatabase& database,
                            const QDateTime& now);

struct Answer {
    QDateTime at;            // invalid for a refusal
    QString text;            // "Show 3:00 PM in Los Angeles · Thu, Dec 10 · read as PST"
    QString spoken;          // the same in words, for a screen reader
    TimePhrase::Place place; // where the time was read ("Tokyo"), for a reminder kept there
};

// One answer per reading, or one refusal that says why; none when the text
// is no time at all.
QList<Answer> answers(const TimePhrase::Result& result, const ClockFormatter& formatter);

// Two times as the user would type them, in the interface's language (its
// words, a place the search finds), for the hints: "3pm Tokyo" in English,
// "15 Uhr Tokio" in German.
QStringList examples();

} // namespace TimeAnswer
