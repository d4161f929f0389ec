#include "AgendaText.h"

#include "clock/ClockFormatter.h"

#include <QCoreApplication>

namespace AgendaText {

QString title(const Occurrence& event)
{
    //: An event of the user's calendar that has no title
    return event.title.isEmpty() ? QCoreApplication::translate("Agenda", "Untitled event") : event.title;
}

QString start(const Occurrence& event, const ClockFormatter& formatter, const QDateTime& now)
{
    //: An event that takes whole days, in place of its time
    if (event.allDay) return QCoreApplication::translate("Agenda", "All day");
    const QTimeZone home = formatter.homeTimeZone();
    const QString time = formatter.timeText(event.start, home);
    const int days = int(now.toTimeZone(home).date().daysTo(event.start.toTimeZone(home).date()));
    if (days == 0) return time;
    return time + u' ' + formatter.dayLabel(days, event.start, home, DayLabelPlace::inLine);
}

QString distance(const Occurrence& event, const QDateTime& now)
{
    //: An event of the user's calendar that has started and not ended
    if (event.start <= now && now < event.end) return QCoreApplication::translate("Agenda", "now");
    return ClockFormatter::distanceText(event.start, now);
}

QString spoken(const Occurrence& event, const ClockFormatter& formatter, const QDateTime& now, bool next)
{
    //: Said by a screen reader: an event's title, its start ("1:00 PM") and how far off it is ("in 25 minutes")
    const QString words = QCoreApplication::translate("Agenda", "%1, %2, %3")
                              .arg(title(event), start(event, formatter, now), distance(event, now));
    //: Said by a screen reader; %1 is the event's title, its start and how far off it is
    return next ? QCoreApplication::translate("Agenda", "Next event: %1").arg(words) : words;
}

} // namespace AgendaText
