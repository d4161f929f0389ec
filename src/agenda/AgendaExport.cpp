#include "AgendaExport.h"

#include "AgendaText.h"
#include "clock/ClockEntry.h"
#include "clock/ClockFormatter.h"

#include <QCoreApplication>

namespace AgendaExport {

void addTo(QJsonArray& clocks, const QList<ClockEntry>& entries, const Occurrence& next, const QDateTime& now)
{
    for (qsizetype i = 0; i < clocks.size() && i < entries.size(); ++i) {
        const int offset = entries.at(i).timeZone.offsetFromUtc(next.start);
        QJsonObject clock = clocks.at(i).toObject();
        clock.insert(QStringLiteral("nextEvent"),
                     QJsonObject{{QStringLiteral("title"), next.title},
                                 {QStringLiteral("start"), next.start.toOffsetFromUtc(offset).toString(Qt::ISODate)},
                                 {QStringLiteral("startsIn"), now.secsTo(next.start)},
                                 {QStringLiteral("allDay"), next.allDay}});
        clocks.replace(i, clock);
    }
}

void addTo(QJsonObject& bar, const QList<ClockEntry>& entries, const ClockFormatter& formatter, const Occurrence& next,
           const QDateTime& now)
{
    //: A bar's short line for the next event: its title and how far off it is ("Standup · in 12 minutes")
    const QString alt =
        QCoreApplication::translate("Agenda", "%1 · %2").arg(AgendaText::title(next), AgendaText::distance(next, now));
    QStringList times;
    for (const ClockEntry& entry : entries)
        times.append(entry.title + u' ' + formatter.timeText(next.start, entry.timeZone));
    bar.insert(QStringLiteral("alt"), alt.toHtmlEscaped());
    bar.insert(QStringLiteral("tooltip"), bar.value(QStringLiteral("tooltip")).toString() + QStringLiteral("\n\n") +
                                              alt.toHtmlEscaped() + u'\n' +
                                              times.join(QStringLiteral(" \u00b7 ")).toHtmlEscaped());
    bar.insert(QStringLiteral("nextEvent"),
               QJsonObject{{QStringLiteral("title"), next.title},
                           {QStringLiteral("start"), next.start.toUTC().toString(Qt::ISODate)},
                           {QStringLiteral("startsIn"), now.secsTo(next.start)}});
    const qint64 soon = now.secsTo(next.start);
    if (soon >= 0 && soon <= 15 * 60) bar.insert(QStringLiteral("class"), QStringLiteral("horavia event-soon"));
}

} // namespace AgendaExport
