#include "TimeAnswer.h"

#include "ClockFormatter.h"
#include "DateFormats.h"
#include "catalogue/CityDatabase.h"
#include "text/LocaleText.h"
#include "time/WallTime.h"

#include <QCoreApplication>

namespace TimeAnswer {
namespace {

qint64 wallMSecs(const QDateTime& at, const QTimeZone& zone)
{
    return at.toMSecsSinceEpoch() + qint64(zone.offsetFromUtc(at)) * 1000;
}

// A wall-clock date and time as the formatter writes them, for refusals,
// which have no instant.
qint64 wallMSecs(QDate date, QTime time)
{
    return QDateTime(date, time.isValid() ? time : QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
}

QString refusal(const TimePhrase::Result& result, const ClockFormatter& formatter)
{
    using Refusal = TimePhrase::Refusal;
    const icu::Locale locale = formatter.locale();
    const qint64 wall = wallMSecs(result.date, result.time);
    const QString time = DateFormats::format(locale, "jmm", wallMSecs(QDate(2000, 1, 1), result.time));
    switch (result.refusal) {
    case Refusal::unknownZone:
        //: A typed time refused; %1 the place typed
        return QCoreApplication::translate("TimeAnswer", "No place or time zone called “%1”")
            .arg(LocaleText::isolated(result.words));
    case Refusal::unknownDay:
        //: A typed time refused; %1 the day typed
        return QCoreApplication::translate("TimeAnswer", "Which day? “%1” names none, or more than one")
            .arg(LocaleText::isolated(result.words));
    case Refusal::skipped:
        //: %1 a time, %2 a place, %3 a day: a time a daylight-saving change skips
        return QCoreApplication::translate("TimeAnswer", "%1 does not exist in %2 on %3: the clocks skip it")
            .arg(LocaleText::isolated(time), LocaleText::isolated(result.place.name),
                 LocaleText::isolated(DateFormats::format(locale, "EEEMMMd", wall)));
    case Refusal::outOfRange:
        //: %1 a time, %2 a day, %3 a place
        return QCoreApplication::translate("TimeAnswer", "%1 on %2 in %3 is more than a week from now")
            .arg(LocaleText::isolated(time), LocaleText::isolated(DateFormats::format(locale, "EEEMMMd", wall)),
                 LocaleText::isolated(result.place.name));
    case Refusal::none:
    case Refusal::notATime:
        break;
    }
    return {};
}

} // namespace

TimePhrase::Context context(const QList<ClockEntry>& entries, const QTimeZone& home, const CityDatabase& database,
                            const QDateTime& now)
{
    TimePhrase::Context made;
    made.now = now;
    // The words of the language the interface speaks, besides English's.
    made.language = QString::fromLatin1(LocaleText::interfaceLocale().getLanguage());
    const QByteArray homeId = home.id();
    made.home = {QString::fromUtf8(homeId.mid(homeId.lastIndexOf('/') + 1)).replace(QLatin1Char('_'), QLatin1Char(' ')),
                 home};
    for (const ClockEntry& entry : entries) {
        if (entry.kind == ClockEntry::Kind::home)
            made.home = {entry.title, entry.timeZone};
        else
            made.tracked.append({entry.title, entry.timeZone});
    }
    made.findPlace = [&database, now, entries](const QString& name) -> std::optional<TimePhrase::Place> {
        const QList<City> found = database.search(name, 1, now);
        if (found.isEmpty()) return std::nullopt;
        // A tracked city answers under its own label.
        for (const ClockEntry& entry : entries)
            if (entry.city && entry.city->id == found.first().id) return TimePhrase::Place{entry.title, entry.timeZone};
        // Named in the user's language where the rows are.
        const City& city = found.first();
        return TimePhrase::Place{city.localName.isEmpty() ? city.name : city.localName, city.timeZone};
    };
    return made;
}

QList<Answer> answers(const TimePhrase::Result& result, const ClockFormatter& formatter)
{
    QList<Answer> out;
    if (!result.readsAsTime()) return out;
    if (result.readings.isEmpty()) {
        const QString why = refusal(result, formatter);
        out.append({{}, why, why, {}});
        return out;
    }
    const icu::Locale locale = formatter.locale();
    for (const TimePhrase::Reading& reading : result.readings) {
        const QTimeZone& zone = reading.place.zone;
        const qint64 wall = wallMSecs(reading.at, zone);
        const QString time = formatter.timeText(reading.at, zone);
        const QString day = LocaleText::isolated(DateFormats::format(locale, "EEEMMMd", wall));
        const QString longDay = LocaleText::isolated(DateFormats::format(locale, "EEEEMMMMd", wall));
        const QString place = LocaleText::isolated(reading.place.name);
        const bool readAs = !reading.readAs.isEmpty();
        //: %1 a time, %2 a place, %3 its date ("Show 9:00 AM in Tokyo · Fri, Jan 16")
        QString text = readAs ? QCoreApplication::translate("TimeAnswer", "Show %1 in %2 · %3 · read as %4")
                                    .arg(LocaleText::isolated(time), place, day, LocaleText::isolated(reading.readAs))
                              : QCoreApplication::translate("TimeAnswer", "Show %1 in %2 · %3")
                                    .arg(LocaleText::isolated(time), place, day);
        //: Spoken: %1 a time, %2 its date in full, %3 a place, %4 the zone an abbreviation was read as
        QString spoken = readAs ? QCoreApplication::translate("TimeAnswer", "Show %1 on %2 in %3, read as %4")
                                      .arg(LocaleText::isolated(time), longDay, place,
                                           zone.displayName(reading.at, QTimeZone::LongName))
                                : QCoreApplication::translate("TimeAnswer", "Show %1 on %2 in %3")
                                      .arg(LocaleText::isolated(time), longDay, place);
        out.append({reading.at, text, spoken, reading.place});
    }
    return out;
}

QStringList examples()
{
    //: An example of a time as a user types it, in your language's words with a place the search finds
    //: (it is read as a time in your language: "15 Uhr Tokio")
    return {QCoreApplication::translate("TimeAnswer", "3pm Tokyo", "example"),
            //: An example of a day and time typed, in your language's words ("Fr 9:00 in Paris")
            QCoreApplication::translate("TimeAnswer", "Fri 9:00 in Paris", "example")};
}

} // namespace TimeAnswer
