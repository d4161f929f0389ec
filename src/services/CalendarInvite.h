#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// An iCalendar file (RFC 5545), written with libical, holding one event at
// the displayed instant: its start in UTC, a default length, and a
// description with every clock's local time then.
namespace CalendarInvite {

constexpr int defaultMinutes = 30;

// `description`: the clocks' lines at that instant (ClockExport::lines).
QByteArray make(const QString& description, const QDateTime& at,
                const QDateTime& created = QDateTime::currentDateTimeUtc(), int minutes = defaultMinutes);

} // namespace CalendarInvite
