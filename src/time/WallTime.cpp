#include "WallTime.h"

#include <algorithm>

namespace WallTime {

namespace {

qint64 wallSeconds(QDate date, QTime time)
{
    return QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
}

int offsetAt(const QTimeZone& zone, qint64 seconds)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC));
}

} // namespace

QList<QDateTime> instants(QDate date, QTime time, const QTimeZone& zone)
{
    // Each offset the zone has within a day of it gives a candidate; those
    // that really have that offset are the instants.
    const qint64 wall = wallSeconds(date, time);
    QList<qint64> found;
    for (const qint64 around : {-86400, 0, 86400}) {
        const qint64 candidate = wall - offsetAt(zone, wall + around);
        if (offsetAt(zone, candidate) == wall - candidate && !found.contains(candidate)) found.append(candidate);
    }
    std::sort(found.begin(), found.end());
    QList<QDateTime> out;
    for (const qint64 seconds : std::as_const(found))
        out.append(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC));
    return out;
}

QDateTime firstAtOrAfter(QDate date, QTime time, const QTimeZone& zone)
{
    const QList<QDateTime> shown = instants(date, time, zone);
    if (!shown.isEmpty()) return shown.first();
    // Skipped: read with the offset after the jump, it falls before the
    // jump, which is the first moment the clocks show a later time.
    const qint64 wall = wallSeconds(date, time);
    const qint64 beforeJump = wall - std::max(offsetAt(zone, wall - 86400), offsetAt(zone, wall + 86400));
    const QTimeZone::OffsetData jump = zone.nextTransition(QDateTime::fromSecsSinceEpoch(beforeJump, Qt::UTC));
    if (jump.atUtc.isValid()) return jump.atUtc.toUTC();
    return QDateTime(date, time, zone).toUTC(); // a zone without rules skips nothing
}

} // namespace WallTime
