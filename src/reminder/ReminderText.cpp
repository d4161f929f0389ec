#include "ReminderText.h"

#include "clock/ClockEntry.h"
#include "clock/ClockFormatter.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cstdlib>

namespace ReminderText {

QString describe(const Reminder& reminder, const ClockFormatter& formatter, const QDateTime& now)
{
    const QTimeZone home = formatter.homeTimeZone();
    const QDateTime at = reminder.instant(home);
    if (!at.isValid()) return {};
    QString here = formatter.chosenInstantText(at, now);
    // At its time, "in 0 minutes" says nothing.
    if (std::abs(now.secsTo(at)) < 60) here.chop(QStringLiteral(" · ").size() + formatter.distanceText(at, now).size());
    if (reminder.zone.isEmpty()) return here;
    const QTimeZone zone(reminder.zone.toUtf8());
    const int offset = formatter.dayOffset(at, zone);
    QString there = formatter.timeText(at, zone);
    if (offset != 0) there = formatter.dayLabel(offset, at, zone, DayLabelPlace::inLine) + u' ' + there;
    // A reminder kept in a zone but set under no city's name reads as the zone's own city ("Tokyo").
    const QString place =
        reminder.place.isEmpty() ? QString::fromUtf8(zone.id()).section(u'/', -1).replace(u'_', u' ') : reminder.place;
    //: A reminder's time in a city, then at home: "9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2 hours"
    return QCoreApplication::translate("ReminderText", "%1 in %2 · %3").arg(there, place, here);
}

QString lead(int minutes)
{
    if (minutes == 0) return QCoreApplication::translate("ReminderText", "At the time");
    return QCoreApplication::translate("ReminderText", "%n minute(s) before", "", minutes);
}

} // namespace ReminderText

namespace ReminderExport {

void addTo(QJsonArray& clocks, const QList<ClockEntry>& entries, QList<Reminder> reminders, const QTimeZone& home,
           const QDateTime& now)
{
    reminders.removeIf([&home](const Reminder& reminder) {
        return !reminder.isPending() || reminder.missed || !reminder.due(home).isValid();
    });
    std::stable_sort(reminders.begin(), reminders.end(),
                     [&home](const Reminder& a, const Reminder& b) { return a.due(home) < b.due(home); });
    reminders = reminders.mid(0, mostListed);
    for (qsizetype i = 0; i < clocks.size() && i < entries.size(); ++i) {
        QJsonArray listed;
        for (const Reminder& reminder : reminders) {
            const QDateTime at = reminder.instant(home);
            const QDateTime due = reminder.due(home);
            const int offset = entries.at(i).timeZone.offsetFromUtc(at);
            QJsonObject item{{QStringLiteral("note"), reminder.note},
                             {QStringLiteral("at"), at.toOffsetFromUtc(offset).toString(Qt::ISODate)},
                             {QStringLiteral("dueAt"), due.toOffsetFromUtc(offset).toString(Qt::ISODate)},
                             {QStringLiteral("dueIn"), now.secsTo(due)},
                             {QStringLiteral("leadMinutes"), reminder.leadMinutes}};
            if (!reminder.zone.isEmpty()) {
                item.insert(QStringLiteral("zone"), reminder.zone);
                item.insert(QStringLiteral("place"), reminder.place);
            }
            listed.append(item);
        }
        QJsonObject clock = clocks.at(i).toObject();
        clock.insert(QStringLiteral("reminders"), listed);
        clocks.replace(i, clock);
    }
}

} // namespace ReminderExport
