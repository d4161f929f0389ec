#include "ClockFormatter.h"

#include "DateFormats.h"
#include "base/SharedTable.h"
#include "catalogue/ZoneNames.h"
#include "planning/ClockChange.h"
#include "platform/SystemLocale.h"
#include "text/LocaleText.h"

#include <QCoreApplication>
#include <QHash>

#include <unicode/reldatefmt.h>

#include <cmath>
#include <cstdlib>

namespace {

qint64 wallMSecs(const QDateTime& at, const QTimeZone& zone)
{
    return ZoneInstant(at, zone).wallMSecs();
}

} // namespace

ClockFormatter::ClockFormatter(TimeFormat timeFormat, DateFormat dateFormat)
    : ClockFormatter(timeFormat, dateFormat, QTimeZone::systemTimeZone(), SystemLocale::current())
{
}

ClockFormatter::ClockFormatter(TimeFormat timeFormat, DateFormat dateFormat, const QTimeZone& homeTimeZone,
                               const icu::Locale& baseLocale)
    : m_homeTimeZone(homeTimeZone)
    , m_dateFormat(dateFormat)
    , m_locale(localeFor(timeFormat, baseLocale))
{
}

icu::Locale ClockFormatter::localeFor(TimeFormat timeFormat, const icu::Locale& baseLocale)
{
    icu::Locale locale(baseLocale);
    if (timeFormat == TimeFormat::system) return locale;
    UErrorCode status = U_ZERO_ERROR;
    locale.setUnicodeKeywordValue("hc", timeFormat == TimeFormat::twelveHour ? "h12" : "h23", status);
    return U_SUCCESS(status) ? locale : icu::Locale(baseLocale);
}

ZoneInstant::ZoneInstant(const QDateTime& instant, const QTimeZone& timeZone)
    : at(instant)
    , zone(timeZone)
    , offset(timeZone.offsetFromUtc(instant))
{
}

QString ClockFormatter::timeText(const QDateTime& at, const QTimeZone& zone) const
{
    return timeText(ZoneInstant(at, zone));
}

QString ClockFormatter::timeText(const ZoneInstant& there) const
{
    // Hours and minutes name only the minute of the day: a day's 1,440
    // texts per locale are kept, as every clock makes one at every tick and
    // ICU's formatting is most of a row's cost.
    constexpr qint64 minuteMSecs = 60'000;
    constexpr qint64 dayMinutes = 1440;
    const qint64 wall = there.wallMSecs();
    const qint64 minutes = wall >= 0 ? wall / minuteMSecs : -((minuteMSecs - 1 - wall) / minuteMSecs);
    const qint64 minute = (minutes % dayMinutes + dayMinutes) % dayMinutes;
    static SharedTable<QByteArray, QString> texts;
    const QByteArray key = QByteArray(m_locale.getName()) + ' ' + QByteArray::number(minute);
    if (std::optional<QString> known = texts.find(key)) return *known;
    const QString text = DateFormats::format(m_locale, "jmm", wall);
    texts.insert(key, text, 8 * dayMinutes);
    return text;
}

QString ClockFormatter::zoneName(const QTimeZone& zone, const QDateTime& at) const
{
    return zoneName(ZoneInstant(at, zone));
}

QString ClockFormatter::zoneName(const ZoneInstant& there) const
{
    const QTimeZone& zone = there.zone;
    const QDateTime& at = there.at;
    // A zone's name changes only with its offset, its summer time or the
    // date; every row asks for it at each tick and step, and ICU's answer
    // costs more than the rest of the row. Formatters live on several threads.
    static SharedTable<QString, QString> names;
    const QString key = QString::fromUtf8(zone.id()) + QLatin1Char('\n') + QString::fromLatin1(m_locale.getName()) +
                        QLatin1Char('\n') + QString::number(at.toSecsSinceEpoch() / 86400) + QLatin1Char('\n') +
                        QString::number(there.offset) + (zone.isDaylightTime(at) ? u'd' : u's');
    if (std::optional<QString> known = names.find(key)) return *known;
    const QString name = uncachedZoneName(zone, at);
    names.insert(key, name, 1024);
    return name;
}

QString ClockFormatter::uncachedZoneName(const QTimeZone& zone, const QDateTime& at) const
{
    const QString identifier = QString::fromUtf8(zone.id());
    const auto systemOffset = [&zone](UDate when) {
        return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(qint64(when), QTimeZone::utc()));
    };
    const auto systemDaylight = [&zone](UDate when) {
        return zone.isDaylightTime(QDateTime::fromMSecsSinceEpoch(qint64(when), QTimeZone::utc()));
    };
    if (const std::optional<QString> generic =
            ZoneNames::genericName(identifier, m_locale, UDate(at.toMSecsSinceEpoch()), systemOffset, systemDaylight))
        return *generic;
    // The tz database's numeric abbreviations ("+05") read better in the
    // locale's own GMT form ("GMT+5").
    const QString abbreviation = zone.abbreviation(at);
    if (!abbreviation.isEmpty()) {
        if (abbreviation.front().isLetter()) return abbreviation;
        if (const QString gmt = ZoneNames::localizedGmt(zone.offsetFromUtc(at), m_locale); !gmt.isEmpty()) return gmt;
        return abbreviation;
    }
    return ZoneNames::fromIdentifier(identifier);
}

int ClockFormatter::dayOffset(const QDateTime& at, const QTimeZone& zone) const
{
    return dayOffset(ZoneInstant(at, m_homeTimeZone), ZoneInstant(at, zone));
}

int ClockFormatter::dayOffset(const ZoneInstant& home, const ZoneInstant& there)
{
    // Calendar dates, not elapsed time: daylight-saving changes in either zone
    // cannot shift the count.
    const QDate homeDate = home.wall().date();
    const QDate thereDate = there.wall().date();
    if (!home.at.isValid() || !home.zone.isValid() || !there.zone.isValid()) return 0;
    return int(homeDate.daysTo(thereDate));
}

QString ClockFormatter::dayLabel(int offset, const QDateTime& at, const QTimeZone& zone, DayLabelPlace place) const
{
    return dayLabel(offset, ZoneInstant(at, zone), place);
}

QString ClockFormatter::dayLabel(int offset, const ZoneInstant& there, DayLabelPlace place) const
{
    const bool inLine = place == DayLabelPlace::inLine;
    if (m_dateFormat == DateFormat::relative && (offset == 1 || offset == -1)) {
        // A column's label reads as the start of a phrase: ICU's stand-alone
        // form leaves English "tomorrow" in lower case.
        const QString word = LocaleText::relativeDay(offset,
                                                     inLine ? UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE
                                                            : UDISPCTX_CAPITALIZATION_FOR_BEGINNING_OF_SENTENCE,
                                                     m_locale);
        if (!word.isEmpty()) return word;
    }
    const char* skeleton = m_dateFormat == DateFormat::numeric ? "Md" : "EEEMMMd";
    return DateFormats::format(m_locale, skeleton, there.wallMSecs(),
                               inLine ? UDISPCTX_CAPITALIZATION_FOR_MIDDLE_OF_SENTENCE
                                      : UDISPCTX_CAPITALIZATION_FOR_STANDALONE);
}

int ClockFormatter::offsetFromHome(const QDateTime& at, const QTimeZone& zone) const
{
    return zone.offsetFromUtc(at) - m_homeTimeZone.offsetFromUtc(at);
}

namespace {

// A zone's next change of offset after an instant, searched a while ahead:
// every clock asks at every tick, and the answer holds until that change.
std::optional<ClockChange> nextChange(const QDateTime& at, const QTimeZone& zone, int days)
{
    struct Searched {
        QDateTime from;
        QDateTime until;
        std::optional<ClockChange> change;
    };
    static SharedTable<QByteArray, Searched> searched;
    const QDateTime until = at.addDays(days);
    std::optional<Searched> known = searched.find(zone.id());
    const bool holds = known && known->from <= at && (known->change ? at < known->change->at : until <= known->until);
    if (!holds) {
        const QDateTime ahead = at.addDays(std::max(days, 60));
        known = Searched{at, ahead, ClockChange::next(at, zone, std::max(days, 60))};
        searched.insert(zone.id(), *known);
    }
    if (known->change && known->change->at <= until) return known->change;
    return std::nullopt;
}

} // namespace

QString ClockFormatter::offsetChangeNotice(const QDateTime& at, const QTimeZone& zone, int days) const
{
    const std::optional<ClockChange> change = nextChange(at, zone, days);
    return change ? change->notice(DateFormats::format(m_locale, "EEEMMMd", wallMSecs(change->at, zone)),
                                   LocaleText::interfaceLocale())
                  : QString();
}

QString ClockFormatter::distanceText(const QDateTime& at, const QDateTime& now)
{
    const double seconds = double(now.secsTo(at));
    const double magnitude = std::abs(seconds);
    URelativeDateTimeUnit unit = UDAT_REL_UNIT_MINUTE;
    double amount = std::round(magnitude / 60);
    if (magnitude >= 36 * 3600) {
        unit = UDAT_REL_UNIT_DAY;
        amount = std::round(magnitude / 86400);
    } else if (magnitude >= 3600) {
        unit = UDAT_REL_UNIT_HOUR;
        amount = std::round(magnitude / 3600);
    }
    return LocaleText::relative(seconds < 0 ? -amount : amount, unit, LocaleText::interfaceLocale());
}

QString ClockFormatter::chosenInstantText(const QDateTime& at, const QDateTime& now, bool spoken) const
{
    const qint64 wall = wallMSecs(at, m_homeTimeZone);
    QString text = DateFormats::format(m_locale, "EEEMMMd", wall) + QStringLiteral(", ") +
                   DateFormats::format(m_locale, "jmm", wall);
    // The same wall-clock time an offset change earlier or later: say which one.
    const int offset = m_homeTimeZone.offsetFromUtc(at);
    for (const qint64 hours : {-6, 6}) {
        const int other = m_homeTimeZone.offsetFromUtc(at.addSecs(hours * 3600));
        if (other != offset && wallMSecs(at.addSecs(offset - other), m_homeTimeZone) == wall) {
            text += QStringLiteral(" ") + m_homeTimeZone.abbreviation(at);
            break;
        }
    }
    const QString distance = distanceText(at, now);
    return distance.isEmpty() ? text : text + (spoken ? QStringLiteral(", ") : QStringLiteral(" · ")) + distance;
}
