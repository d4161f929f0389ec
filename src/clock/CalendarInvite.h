#pragma once

#include "ClockEntry.h"

#include <QByteArray>
#include <QDateTime>

class ClockFormatter;

// An iCalendar file (RFC 5545), written with libical, holding one event at
// the displayed instant: its start in UTC, a default length, and a
// description with every clock's local time then.
namespace CalendarInvite {

constexpr int defaultMinutes = 30;

QByteArray make(const QList<ClockEntry>& entries, const ClockFormatter& formatter, const QDateTime& at,
                const QDateTime& created = QDateTime::currentDateTimeUtc(), int minutes = defaultMinutes);

} // namespace CalendarInvite
