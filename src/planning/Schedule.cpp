#include "Schedule.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <unicode/calendar.h>

#include <memory>

namespace {

// Reads "HH:mm" exactly as QTime::fromString(part, u"HH:mm") does (two ASCII
// digits each, nothing else), without building a format parser per call:
// every clock row asks for its hours, and the chooser makes 200 rows at a
// keystroke.
QTime hoursAndMinutes(QStringView part)
{
    if (part.size() != 5 || part.at(2) != u':') return {};
    int digits[4] = {};
    for (int i = 0; const qsizetype at : {0, 1, 3, 4}) {
        const char16_t c = part.at(at).unicode();
        if (c < u'0' || c > u'9') return {};
        digits[i++] = c - u'0';
    }
    const int hour = digits[0] * 10 + digits[1], minute = digits[2] * 10 + digits[3];
    return QTime::isValid(hour, minute, 0) ? QTime(hour, minute) : QTime();
}

} // namespace

std::optional<TimeRange> TimeRange::parse(const QString& text)
{
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0 || text.indexOf(QLatin1Char('-'), dash + 1) >= 0) return std::nullopt;
    const QTime from = hoursAndMinutes(QStringView(text).left(dash).trimmed());
    const QTime to = hoursAndMinutes(QStringView(text).mid(dash + 1).trimmed());
    if (!from.isValid() || !to.isValid()) return std::nullopt;
    return TimeRange{from, to};
}

QString TimeRange::toString() const
{
    return from.toString(QStringLiteral("HH:mm")) + QLatin1Char('-') + to.toString(QStringLiteral("HH:mm"));
}

WorkWeek::WorkWeek()
{
    m_workdays = {true, true, true, true, true, false, false};
}

WorkWeek WorkWeek::forRegion(const QString& regionCode)
{
    static QHash<QString, WorkWeek> known;
    if (const auto found = known.constFind(regionCode); found != known.cend()) return *found;
    WorkWeek week;
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray region = regionCode.toLatin1();
    const std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::Locale("", region.constData()), status));
    if (U_SUCCESS(status) && calendar) {
        static constexpr UCalendarDaysOfWeek days[] = {UCAL_MONDAY, UCAL_TUESDAY,  UCAL_WEDNESDAY, UCAL_THURSDAY,
                                                       UCAL_FRIDAY, UCAL_SATURDAY, UCAL_SUNDAY};
        for (size_t i = 0; i < 7; ++i) {
            const UCalendarWeekdayType type = calendar->getDayOfWeekType(days[i], status);
            // A day on which the weekend begins or ends part-way counts as
            // its larger part: CLDR gives such days only at midnight.
            week.m_workdays[i] = U_SUCCESS(status) && type != UCAL_WEEKEND && type != UCAL_WEEKEND_ONSET;
        }
    }
    if (known.size() < 512) known.insert(regionCode, week);
    return week;
}

QString dayPartText(DayPart part)
{
    switch (part) {
    //: Spoken of a clock row: the place is within its working hours now
    case DayPart::working:
        return QCoreApplication::translate("DayPart", "working hours");
    //: Spoken of a clock row: people there are awake but not at work
    case DayPart::awake:
        return QCoreApplication::translate("DayPart", "outside working hours");
    //: Spoken of a clock row: people there are asleep
    case DayPart::night:
        return QCoreApplication::translate("DayPart", "night");
    }
    return {};
}

bool Schedule::isWorking(const QDateTime& at, const QTimeZone& zone) const
{
    return isWorkingLocal(at.toTimeZone(zone));
}

bool Schedule::isWorkingLocal(const QDateTime& local) const
{
    const QTime time = local.time();
    if (!working.contains(time)) return false;
    const QDate date = working.wraps() && time < working.to ? local.date().addDays(-1) : local.date();
    return week.isWorkday(date.dayOfWeek());
}

DayPart Schedule::partAt(const QDateTime& at, const QTimeZone& zone) const
{
    return partAtLocal(at.toTimeZone(zone));
}

DayPart Schedule::partAtLocal(const QDateTime& local) const
{
    if (isWorkingLocal(local)) return DayPart::working;
    return awake.contains(local.time()) ? DayPart::awake : DayPart::night;
}
