#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>
#include <QTimeZone>

// A zone's wall-clock time and the instants it names, without Qt's own
// resolution of skipped and repeated times (which moves a skipped time
// forward by the gap, past the moment the clocks jump).
namespace WallTime {

// The instants (UTC) at which `zone`'s clocks show `time` on `date`: none
// when the clocks skip it, two when they repeat it, earlier first.
QList<QDateTime> instants(QDate date, QTime time, const QTimeZone& zone);

// The first instant at which the clocks show that time or a later one: the
// earlier occurrence of a repeated time, the jump itself for a skipped one.
QDateTime firstAtOrAfter(QDate date, QTime time, const QTimeZone& zone);

} // namespace WallTime
