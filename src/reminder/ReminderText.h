#pragma once

#include "Reminder.h"

class ClockFormatter;

namespace ReminderText {

// A reminder's time as the user reads it: in its city and at home for one
// kept in a city's zone ("Wed 9:00 AM in Tokyo · Tue, Dec 9, 7:00 PM · in 2
// hours"), at home alone for one kept in the user's own zone.
QString describe(const Reminder& reminder, const ClockFormatter& formatter, const QDateTime& now);

// "10 minutes before", "At the time".
QString lead(int minutes);

} // namespace ReminderText

class QJsonArray;
struct ClockEntry;

namespace ReminderExport {

// The most upcoming reminders a script is given with each clock.
constexpr int mostListed = 20;

// Adds to each clock of a --print=json array the upcoming reminders (pending,
// earliest first) at their instants in that clock's zone: note, at, dueAt,
// dueIn (seconds), leadMinutes, and the zone and place they are kept in.
void addTo(QJsonArray& clocks, const QList<ClockEntry>& entries, QList<Reminder> reminders, const QTimeZone& home,
           const QDateTime& now);

} // namespace ReminderExport
