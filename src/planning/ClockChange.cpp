#include "ClockChange.h"

#include "text/LocaleText.h"

#include <QCoreApplication>

#include <cstdlib>

std::optional<ClockChange> ClockChange::next(const QDateTime& from, const QTimeZone& zone, int days)
{
    if (!zone.hasTransitions()) return std::nullopt;
    const QDateTime until = from.addDays(days);
    int before = zone.offsetFromUtc(from);
    for (QTimeZone::OffsetData next = zone.nextTransition(from); next.atUtc.isValid() && next.atUtc <= until;
         next = zone.nextTransition(next.atUtc)) {
        const int change = next.offsetFromUtc - before;
        before = next.offsetFromUtc;
        if (change != 0) return ClockChange{next.atUtc, change};
    }
    return std::nullopt;
}

QString ClockChange::notice(const QString& date, const icu::Locale& locale) const
{
    const QString amount = LocaleText::duration(std::abs(seconds) / 60, locale);
    //: A daylight-saving change; %1 a duration ("1 hour"), %2 a day
    return (seconds > 0 ? QCoreApplication::translate("ClockChange", "Clocks go forward %1 on %2")
                        //: A daylight-saving change; %1 a duration ("1 hour"), %2 a day
                        : QCoreApplication::translate("ClockChange", "Clocks go back %1 on %2"))
        .arg(amount, LocaleText::isolated(date));
}
