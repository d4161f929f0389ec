#include "Reminder.h"

#include "time/WallTime.h"

#include <QSet>

#include <cmath>

QDateTime Reminder::instant(const QTimeZone& home) const
{
    const QTimeZone in = zone.isEmpty() ? home : QTimeZone(zone.toUtf8());
    if (!day.isValid() || !time.isValid() || !in.isValid()) return {};
    const QList<QDateTime> readings = WallTime::instants(day, time, in);
    if (!readings.isEmpty()) return readings.first();
    // Skipped: the wall time read with the offset in force before the jump.
    const QDateTime jump = WallTime::firstAtOrAfter(day, time, in);
    const int before = in.offsetFromUtc(jump.addSecs(-1));
    return QDateTime(day, time, Qt::UTC).addSecs(-before);
}

Reminder Reminder::at(const QDateTime& at, const QTimeZone& zone, const QString& place, const QTimeZone& home)
{
    const bool there = zone.isValid() && zone.id() != home.id();
    const QDateTime wall = at.toTimeZone(there ? zone : home);
    Reminder reminder;
    reminder.zone = there ? QString::fromUtf8(zone.id()) : QString();
    reminder.place = there ? place : QString();
    reminder.day = wall.date();
    reminder.time = QTime(wall.time().hour(), wall.time().minute());
    return reminder;
}

QDateTime Reminder::due(const QTimeZone& home) const
{
    if (snoozedUntil.isValid()) return snoozedUntil;
    const QDateTime at = instant(home);
    return at.isValid() ? at.addSecs(-60 * qint64(leadMinutes)) : at;
}

namespace {

QDateTime instantFrom(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString) return {};
    const QDateTime at = QDateTime::fromString(value.toString(), Qt::ISODate);
    return at.isValid() && at.timeSpec() != Qt::LocalTime ? at.toUTC() : QDateTime();
}

QString text(const QDateTime& at)
{
    return at.isValid() ? at.toUTC().toString(Qt::ISODate) : QString();
}

std::optional<Reminder> entryFrom(const QVariant& value)
{
    if (value.typeId() != QMetaType::QVariantMap) return std::nullopt;
    const QVariantMap map = value.toMap();
    const auto string = [&map](const char* key) {
        const QVariant v = map.value(QLatin1String(key));
        return v.typeId() == QMetaType::QString ? v.toString() : QString();
    };
    Reminder reminder;
    reminder.id = string("id");
    reminder.zone = string("zone");
    reminder.place = string("place").left(200);
    reminder.note = string("note").left(ReminderFile::longestNote);
    const QString wall = string("wall"); // "2026-03-08T09:00"
    if (wall.size() == 16 && wall.at(10) == u'T') {
        reminder.day = QDate::fromString(wall.left(10), Qt::ISODate);
        reminder.time = QTime::fromString(wall.mid(11), QStringLiteral("HH:mm"));
    }
    reminder.setAt = instantFrom(map.value(QStringLiteral("dueUtc")));
    reminder.snoozedUntil = instantFrom(map.value(QStringLiteral("snoozedUntil")));
    reminder.deliveredAt = instantFrom(map.value(QStringLiteral("deliveredAt")));
    const QVariant missed = map.value(QStringLiteral("missed"));
    reminder.missed = missed.typeId() == QMetaType::Bool && missed.toBool();
    const QVariant lead = map.value(QStringLiteral("leadMinutes"));
    bool number = false;
    const double minutes = lead.toDouble(&number);
    // Compared as a number before it becomes an int: a stranger's 1e300 is no lead.
    if (lead.typeId() == QMetaType::Double || lead.typeId() == QMetaType::Int || lead.typeId() == QMetaType::LongLong)
        if (number && minutes >= 0 && minutes <= 60 && minutes == std::floor(minutes) &&
            ReminderFile::leads.contains(int(minutes)))
            reminder.leadMinutes = int(minutes);
    if (reminder.id.isEmpty() || reminder.id.size() > 64 || !reminder.day.isValid() || !reminder.time.isValid())
        return std::nullopt;
    if (!reminder.zone.isEmpty() && !QTimeZone::isTimeZoneIdAvailable(reminder.zone.toUtf8())) return std::nullopt;
    return reminder;
}

} // namespace

namespace ReminderFile {

QList<Reminder> read(const QVariant& stored)
{
    QList<Reminder> reminders;
    if (stored.typeId() != QMetaType::QVariantList) return reminders;
    QSet<QString> ids;
    for (const QVariant& value : stored.toList()) {
        if (reminders.size() == mostReminders) break;
        std::optional<Reminder> reminder = entryFrom(value);
        if (!reminder || ids.contains(reminder->id)) continue;
        ids.insert(reminder->id);
        reminders.append(std::move(*reminder));
    }
    return reminders;
}

QVariant write(const QList<Reminder>& reminders)
{
    QVariantList out;
    out.reserve(reminders.size());
    for (const Reminder& reminder : reminders) {
        QVariantMap map{{QStringLiteral("id"), reminder.id},
                        {QStringLiteral("wall"),
                         reminder.day.toString(Qt::ISODate) + u'T' + reminder.time.toString(QStringLiteral("HH:mm"))},
                        {QStringLiteral("leadMinutes"), reminder.leadMinutes},
                        {QStringLiteral("dueUtc"), text(reminder.setAt)}};
        if (!reminder.zone.isEmpty()) map.insert(QStringLiteral("zone"), reminder.zone);
        if (!reminder.place.isEmpty()) map.insert(QStringLiteral("place"), reminder.place);
        if (!reminder.note.isEmpty()) map.insert(QStringLiteral("note"), reminder.note);
        if (reminder.snoozedUntil.isValid()) map.insert(QStringLiteral("snoozedUntil"), text(reminder.snoozedUntil));
        if (reminder.deliveredAt.isValid()) map.insert(QStringLiteral("deliveredAt"), text(reminder.deliveredAt));
        if (reminder.missed) map.insert(QStringLiteral("missed"), true);
        out.append(map);
    }
    return out;
}

} // namespace ReminderFile
