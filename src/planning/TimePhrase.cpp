#include "planning/TimePhrase.h"

#include "planning/PhraseWords.h"
#include "time/UtcOffset.h"
#include "time/WallTime.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <functional>

namespace TimePhrase {
namespace {

// Abbreviations name a zone, never a fixed offset: "EST" is written all
// year for New York's clocks. Several meanings of one abbreviation are
// separate rows. Only the common ones people type; a tracked zone that uses
// another (by the tz database) is found through that zone.
struct Meaning {
    const char* standard;
    const char* daylight;
    const char* generic; // also the region's word ("Central")
    const char* zone;
};
constexpr std::array meanings{
    Meaning{"EST", "EDT", "ET", "America/New_York"},
    Meaning{"CST", "CDT", "CT", "America/Chicago"},
    Meaning{"MST", "MDT", "MT", "America/Denver"},
    Meaning{"PST", "PDT", "PT", "America/Los_Angeles"},
    Meaning{"AKST", "AKDT", "AKT", "America/Anchorage"},
    Meaning{"HST", "", "", "Pacific/Honolulu"},
    Meaning{"AST", "ADT", "AT", "America/Halifax"},
    Meaning{"NST", "NDT", "NT", "America/St_Johns"},
    Meaning{"", "BST", "", "Europe/London"},
    Meaning{"", "IST", "", "Europe/Dublin"},
    Meaning{"WET", "WEST", "", "Europe/Lisbon"},
    Meaning{"CET", "CEST", "", "Europe/Berlin"},
    Meaning{"EET", "EEST", "", "Europe/Athens"},
    Meaning{"MSK", "", "", "Europe/Moscow"},
    Meaning{"IST", "IDT", "", "Asia/Jerusalem"},
    Meaning{"AST", "", "", "Asia/Riyadh"},
    Meaning{"PKT", "", "", "Asia/Karachi"},
    Meaning{"IST", "", "", "Asia/Kolkata"},
    Meaning{"NPT", "", "", "Asia/Kathmandu"},
    Meaning{"BST", "", "", "Asia/Dhaka"},
    Meaning{"ICT", "", "", "Asia/Bangkok"},
    Meaning{"WIB", "", "", "Asia/Jakarta"},
    Meaning{"CST", "", "", "Asia/Shanghai"},
    Meaning{"HKT", "", "", "Asia/Hong_Kong"},
    Meaning{"SGT", "", "", "Asia/Singapore"},
    Meaning{"JST", "", "", "Asia/Tokyo"},
    Meaning{"KST", "", "", "Asia/Seoul"},
    Meaning{"AWST", "", "", "Australia/Perth"},
    Meaning{"ACST", "ACDT", "", "Australia/Adelaide"},
    Meaning{"AEST", "AEDT", "", "Australia/Sydney"},
    Meaning{"LHST", "LHDT", "", "Australia/Lord_Howe"},
    Meaning{"NZST", "NZDT", "", "Pacific/Auckland"},
    Meaning{"SAST", "", "", "Africa/Johannesburg"},
    Meaning{"WAT", "", "", "Africa/Lagos"},
    Meaning{"CAT", "", "", "Africa/Maputo"},
    Meaning{"EAT", "", "", "Africa/Nairobi"},
    Meaning{"BRT", "", "", "America/Sao_Paulo"},
    Meaning{"ART", "", "", "America/Argentina/Buenos_Aires"},
};

struct Region {
    const char* word;
    const char* generic;
};
constexpr std::array regions{Region{"eastern", "ET"}, Region{"central", "CT"}, Region{"mountain", "MT"},
                             Region{"pacific", "PT"}};

// The zone as the phrase wrote it.
struct Zone {
    QList<Place> places;
    QStringList abbreviations; // the ones written, when written as one
};

bool equal(QStringView text, const char* word)
{
    return *word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

QString lastPart(const QByteArray& id)
{
    return QString::fromUtf8(id.mid(id.lastIndexOf('/') + 1)).replace(QLatin1Char('_'), QLatin1Char(' '));
}

// Whether `zone` writes `abbreviation` near `date`: its tz database name then
// or half a year on, so that "IST" finds Dublin in winter too.
bool uses(const QTimeZone& zone, const QStringList& abbreviations, QDate date)
{
    const QDateTime at(date, QTime(12, 0), Qt::UTC);
    for (const QDateTime& when : {at, at.addDays(182)})
        if (abbreviations.contains(zone.abbreviation(when), Qt::CaseInsensitive)) return true;
    return false;
}

std::optional<Zone> abbreviationZone(const QString& text)
{
    QStringList written;
    for (const Region& region : regions)
        if (equal(text, region.word)) written = {QLatin1String(region.generic)};
    if (written.isEmpty() && text.size() >= 2 && text.size() <= 5) written = {text.toUpper()};
    if (written.isEmpty()) return std::nullopt;
    Zone zone;
    for (const Meaning& meaning : meanings) {
        if (equal(written.first(), meaning.generic)) {
            zone.abbreviations = {QLatin1String(meaning.standard), QLatin1String(meaning.daylight)};
            zone.abbreviations.removeAll(QString());
        } else if (!equal(written.first(), meaning.standard) && !equal(written.first(), meaning.daylight)) {
            continue;
        }
        const QTimeZone found(meaning.zone);
        if (found.isValid()) zone.places.append({lastPart(meaning.zone), found});
    }
    if (zone.abbreviations.isEmpty()) zone.abbreviations = written;
    return zone;
}

std::optional<QTimeZone> zoneWithId(const QString& text)
{
    if (!text.contains(QLatin1Char('/')) && text.compare(QLatin1String("UTC"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    static const QList<QByteArray> ids = QTimeZone::availableTimeZoneIds();
    const QString spaced = QString(text).replace(QLatin1Char(' '), QLatin1Char('_'));
    for (const QByteArray& id : ids)
        if (QLatin1String(id).compare(spaced, Qt::CaseInsensitive) == 0) return QTimeZone(id);
    return std::nullopt;
}

// The time at the words' start, as English writes it ("3pm", "9:30 a.m.",
// "1500", "noon") or as the language does ("15 Uhr", "9h30", "午後3時",
// "9点30分", "٩ م"); the words it used are taken away.
std::optional<QTime> timeOf(QStringList& words, const PhraseWords& vocabulary)
{
    if (words.isEmpty()) return std::nullopt;
    const QString first = words.first().toLower();
    if (first == QLatin1String("noon") || first == QLatin1String("midday")) {
        words.removeFirst();
        return QTime(12, 0);
    }
    if (first == QLatin1String("midnight")) {
        words.removeFirst();
        return QTime(0, 0);
    }
    QString token = PhraseWords::fold(words.first());
    // A day period written onto the number ("午後3時").
    std::optional<bool> afterNoon;
    for (const QString& prefix : vocabulary.dayPeriodPrefixes())
        if (token.startsWith(prefix) && token.size() > prefix.size() && token.at(prefix.size()).isDigit()) {
            afterNoon = vocabulary.dayPeriod(prefix);
            token.remove(0, prefix.size());
            break;
        }
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,2})(?::(\\d{2}))?(?:([ap])m?)?$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{1,2})(\\d{2})(?:([ap])m?)?$"));
    static const QRegularExpression hourWord(QStringLiteral("^(\\d{1,2})(\\D+?)(\\d{2})?(\\D*)$"));
    QRegularExpressionMatch match = clock.match(token);
    const bool isCompact = !match.hasMatch();
    if (isCompact) match = compact.match(token);
    bool withHourWord = false;
    int hour = 0;
    int minute = 0;
    if (match.hasMatch()) {
        hour = match.captured(1).toInt();
        minute = match.captured(2).toInt();
        if (match.capturedLength(3)) afterNoon = match.captured(3) == QLatin1String("p");
    } else {
        // The hour word on the number, minutes after it: "9h30", "9時30分", "15h".
        const QRegularExpressionMatch written = hourWord.match(token);
        if (!written.hasMatch() || !vocabulary.isHourWord(written.captured(2))) return std::nullopt;
        if (written.capturedLength(4) && (!written.capturedLength(3) || !vocabulary.isMinuteWord(written.captured(4))))
            return std::nullopt;
        hour = written.captured(1).toInt();
        minute = written.captured(3).toInt();
        withHourWord = true;
    }
    qsizetype used = 1;
    // Words after the number: an hour word ("15 Uhr"), a day period ("9 am", "9 ص", "a. m.").
    if (!withHourWord && !match.capturedLength(3) && used < words.size() &&
        vocabulary.isHourWord(PhraseWords::fold(words.at(used)))) {
        withHourWord = true;
        ++used;
    }
    if (!afterNoon) {
        for (const qsizetype count : {1, 2}) {
            if (used + count > words.size()) break;
            const QString period = PhraseWords::fold(words.mid(used, count).join(QString()));
            if (const std::optional<bool> found = vocabulary.dayPeriod(period)) {
                afterNoon = found;
                used += count;
                break;
            }
        }
    }
    if (minute >= 60) return std::nullopt;
    const bool hasMinutes = match.hasMatch() ? match.capturedLength(2) > 0 : false;
    // "3" alone is a number, not a time; "1500" is one only as hours and minutes.
    if (!afterNoon && !withHourWord && !hasMinutes) return std::nullopt;
    if (!afterNoon && !withHourWord && isCompact && match.capturedLength(1) != 2) return std::nullopt;
    int hour24 = hour;
    if (afterNoon) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour24 = hour % 12 + (*afterNoon ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    words.remove(0, used);
    return QTime(hour24, minute);
}

// A day as written, not yet placed: a date, an offset from today there, or a weekday.
struct Day {
    QDate date;
    std::optional<int> fromToday;
    int weekday = 0;
    int month = 0;
    int dayOfMonth = 0;
};

Day relative(int days)
{
    Day day;
    day.fromToday = days;
    return day;
}

Day onDate(QDate date)
{
    Day day;
    day.date = date;
    return day;
}

Day onWeekday(int weekday)
{
    Day day;
    day.weekday = weekday;
    return day;
}

Day onMonthDay(int month, int dayOfMonth)
{
    Day day;
    day.month = month;
    day.dayOfMonth = dayOfMonth;
    return day;
}

int monthOf(const QString& word, const PhraseWords& vocabulary)
{
    if (const int month = vocabulary.month(PhraseWords::fold(word))) return month;
    static const std::array names{"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    const QString lower = word.toLower().remove(QLatin1Char('.'));
    if (lower.size() < 3) return 0;
    for (size_t i = 0; i < names.size(); ++i) {
        const QLatin1String name(names[i]);
        if (lower.startsWith(name)) {
            static const std::array full{"january", "february", "march",     "april",   "may",      "june",
                                         "july",    "august",   "september", "october", "november", "december"};
            const QLatin1String whole(full[i]);
            if (whole.startsWith(lower) || lower == QLatin1String("sept")) return int(i) + 1;
        }
    }
    return 0;
}

int weekdayOf(const QString& word, const PhraseWords& vocabulary)
{
    if (const int weekday = vocabulary.weekday(PhraseWords::fold(word))) return weekday;
    static const std::array names{"monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
    const QString lower = word.toLower().remove(QLatin1Char('.'));
    if (lower.size() < 3) return 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (QLatin1String(names[i]).startsWith(lower)) return int(i) + 1;
    return 0;
}

std::optional<int> dayOfMonthOf(const QString& word)
{
    // "16th", and "16." as German writes it.
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})(?:st|nd|rd|th|\\.)?$"));
    const QRegularExpressionMatch match = pattern.match(word.toLower());
    if (!match.hasMatch()) return std::nullopt;
    const int day = match.captured(1).toInt();
    if (day < 1 || day > 31) return std::nullopt;
    return day;
}

// Reads a day from the words' start; the words it used are taken away.
std::optional<Day> dayAtStart(QStringList& words, const PhraseWords& vocabulary)
{
    if (words.isEmpty()) return std::nullopt;
    const QString first = words.first().toLower();
    const auto take = [&words](qsizetype count, Day day) {
        words.remove(0, count);
        return day;
    };
    const QString folded = PhraseWords::fold(first);
    if (first == QLatin1String("today")) return take(1, relative(0));
    if (first == QLatin1String("tomorrow")) return take(1, relative(1));
    if (first == QLatin1String("yesterday")) return take(1, relative(-1));
    if (const std::optional<int> days = vocabulary.relativeDay(folded)) return take(1, relative(*days));
    if (const QDate iso = QDate::fromString(first, Qt::ISODate); iso.isValid() && first.size() == 10)
        return take(1, onDate(iso));
    // Month and day as Japanese and Chinese write them: "1月16日".
    static const QRegularExpression monthDay(QStringLiteral("^(\\d{1,2})月(\\d{1,2})日$"));
    if (const QRegularExpressionMatch written = monthDay.match(first); written.hasMatch())
        return take(1, onMonthDay(written.captured(1).toInt(), written.captured(2).toInt()));
    if (const int month = monthOf(first, vocabulary); month && words.size() > 1)
        if (const auto day = dayOfMonthOf(words.at(1))) return take(2, onMonthDay(month, *day));
    if (const auto day = dayOfMonthOf(first); day && words.size() > 1) {
        if (const int month = monthOf(words.at(1), vocabulary)) return take(2, onMonthDay(month, *day));
        // "16 de enero", "16 de janeiro".
        if (words.size() > 2 && PhraseWords::fold(words.at(1)) == QLatin1String("de"))
            if (const int month = monthOf(words.at(2), vocabulary)) return take(3, onMonthDay(month, *day));
    }
    // A weekday of two words ("יום שני"), then of one; after month and day,
    // which may share a word with it (Spanish "mar": Tuesday, and March).
    if (words.size() > 1)
        if (const int weekday = vocabulary.weekday(PhraseWords::fold(words.at(0) + words.at(1))))
            return take(2, onWeekday(weekday));
    if (const int weekday = weekdayOf(first, vocabulary)) return take(1, onWeekday(weekday));
    return std::nullopt;
}

// Reads a day from the words' end ("… on Friday", "… Dec 9", "… am Freitag").
std::optional<Day> dayAtEnd(QStringList& words, const PhraseWords& vocabulary)
{
    for (qsizetype count = 1; count <= 3 && count <= words.size(); ++count) {
        QStringList tail = words.mid(words.size() - count);
        const std::optional<Day> day = dayAtStart(tail, vocabulary);
        if (day && tail.isEmpty()) {
            words.resize(words.size() - count);
            while (!words.isEmpty() && vocabulary.isLink(PhraseWords::fold(words.last())))
                words.removeLast();
            return day;
        }
    }
    return std::nullopt;
}

// Takes the words that join a time to its day or place ("in", "um", "a las").
void dropLinks(QStringList& words, const PhraseWords& vocabulary)
{
    while (!words.isEmpty() && vocabulary.isLink(PhraseWords::fold(words.first())))
        words.removeFirst();
}

struct Placed {
    QDateTime at;
    Refusal refusal = Refusal::none;
    QDate date;
};

// The instant of `time` on the day written, in `zone`. Without a day, the
// next time the clocks there show it; a weekday is its next one.
Placed place(const std::optional<Day>& day, QTime time, const QTimeZone& zone, const Context& context)
{
    const QDate today = context.now.toTimeZone(zone).date();
    const auto at = [&](QDate date) -> Placed {
        const QList<QDateTime> found = WallTime::instants(date, time, zone);
        if (found.isEmpty()) return {{}, Refusal::skipped, date};
        return {found.first(), Refusal::none, date};
    };
    const auto upcoming = [&](int firstOffset, int stride) {
        // The first of today-or-later's candidates whose instant is not past.
        Placed last;
        for (int offset = firstOffset; offset <= firstOffset + 7; offset += stride) {
            last = at(today.addDays(offset));
            if (last.refusal == Refusal::none && last.at >= context.now) return last;
            // A skipped time already past today is no answer; tomorrow's is.
            if (last.refusal != Refusal::none && WallTime::firstAtOrAfter(last.date, time, zone) >= context.now)
                return last;
        }
        return last;
    };
    if (!day) return upcoming(0, 1);
    if (day->fromToday) return at(today.addDays(*day->fromToday));
    if (day->date.isValid()) return at(day->date);
    if (day->weekday) {
        const int first = (day->weekday - today.dayOfWeek() + 7) % 7;
        return upcoming(first, 7);
    }
    // A month and day: the year that places it nearest to now.
    Placed best{{}, Refusal::unknownDay, {}};
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int year = today.year() - 1; year <= today.year() + 1; ++year) {
        const QDate date(year, day->month, day->dayOfMonth);
        if (!date.isValid()) continue;
        const qint64 distance = std::abs(today.daysTo(date));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = at(date);
        }
    }
    return best;
}

std::optional<Zone> zoneOf(const QString& text, const Context& context, const PhraseWords& vocabulary)
{
    if (text.isEmpty()) return Zone{{context.home}, {}};
    static const QRegularExpression universal(QStringLiteral("^(UTC|GMT|Z)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const std::optional<int> seconds = universal.match(text).hasMatch() ? 0 : UtcOffset::parse(text);
    if (seconds) return Zone{{{UtcOffset::name(*seconds), QTimeZone(*seconds)}}, {}};
    if (std::optional<Zone> zone = abbreviationZone(text)) {
        // One that home or a tracked city writes means that city; else
        // each of the table's meanings is offered.
        QList<Place> own;
        QList<Place> candidates{context.home};
        candidates.append(context.tracked);
        for (const Place& candidate : std::as_const(candidates))
            if (uses(candidate.zone, zone->abbreviations, context.now.date())) own.append(candidate);
        if (!own.isEmpty()) zone->places = own;
        if (!zone->places.isEmpty()) return zone;
    }
    if (const auto zone = zoneWithId(text)) return Zone{{{lastPart(zone->id()), *zone}}, {}};
    if (context.findPlace) {
        if (const auto found = context.findPlace(text)) return Zone{{*found}, {}};
        // "בטוקיו": a place with "in" written onto it.
        for (const QString& prefix : vocabulary.linkPrefixes())
            if (text.startsWith(prefix) && text.size() > prefix.size())
                if (const auto found = context.findPlace(text.mid(prefix.size()))) return Zone{{*found}, {}};
    }
    return std::nullopt;
}

} // namespace

Result read(const QString& text, const Context& context)
{
    Result result;
    const PhraseWords& vocabulary = PhraseWords::of(context.language);
    QStringList words = PhraseWords::normalized(text).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList split;
    for (QString& word : words) {
        while (word.endsWith(QLatin1Char(',')))
            word.chop(1);
        // A link written onto a time ("ב־9:00") is a word of its own.
        for (const QString& prefix : vocabulary.linkPrefixes())
            if (word.startsWith(prefix) && word.size() > prefix.size() && word.at(prefix.size()).isDigit()) {
                split.append(prefix);
                word.remove(0, prefix.size());
                break;
            }
        split.append(word);
    }
    words = split;
    words.removeAll(QString());

    const auto atStart = [&vocabulary](QStringList& from) { return dayAtStart(from, vocabulary); };
    const auto atEnd = [&vocabulary](QStringList& from) { return dayAtEnd(from, vocabulary); };
    std::optional<Day> day = atStart(words);
    dropLinks(words, vocabulary);
    const std::optional<QTime> time = timeOf(words, vocabulary);
    if (!time) return result; // not a time: a search perhaps
    result.time = *time;
    // A day before the time, after it or at the end; two are no one day.
    // The words that join a day ("on", "am", "el") are taken only with it:
    // "La" of "La Paz" is the place's.
    const auto atStartLinked = [&](QStringList& from) {
        QStringList rest = from;
        dropLinks(rest, vocabulary);
        std::optional<Day> found = atStart(rest);
        if (found) from = rest;
        return found;
    };
    using DayReader = std::function<std::optional<Day>(QStringList&)>;
    for (const DayReader& dayIn : {DayReader(atStartLinked), DayReader(atEnd)}) {
        const std::optional<Day> found = dayIn(words);
        if (!found) continue;
        if (day) {
            result.refusal = Refusal::unknownDay;
            result.words = text.simplified();
            return result;
        }
        day = found;
    }
    while (words.size() > 1 && vocabulary.isPlaceLink(PhraseWords::fold(words.first())))
        words.removeFirst();
    const QString zoneText = words.join(QLatin1Char(' '));

    const std::optional<Zone> zone = zoneOf(zoneText, context, vocabulary);
    if (!zone) {
        result.refusal = Refusal::unknownZone;
        result.words = zoneText;
        return result;
    }

    for (const Place& where : std::as_const(zone->places)) {
        const Placed placed = place(day, *time, where.zone, context);
        result.date = placed.date;
        result.place = where;
        if (placed.refusal != Refusal::none) {
            result.refusal = placed.refusal;
            continue;
        }
        if (std::abs(context.now.secsTo(placed.at)) > context.rangeSeconds) {
            result.refusal = Refusal::outOfRange;
            continue;
        }
        // Two tracked cities in one zone are one answer.
        const bool seen = std::any_of(result.readings.cbegin(), result.readings.cend(),
                                      [&](const Reading& reading) { return reading.at == placed.at; });
        if (seen) continue;
        QString readAs;
        if (!zone->abbreviations.isEmpty()) {
            readAs = where.zone.abbreviation(placed.at);
            // The tz database writes some zones' names as offsets ("+06").
            if (readAs.isEmpty() || readAs.front() == QLatin1Char('+') || readAs.front() == QLatin1Char('-'))
                readAs = zone->abbreviations.first();
        }
        result.readings.append({placed.at.toUTC(), where, readAs});
    }
    if (!result.readings.isEmpty()) result.refusal = Refusal::none;
    if (result.refusal == Refusal::unknownDay) result.words = text.simplified();
    return result;
}

} // namespace TimePhrase
