#pragma once

#include "Occurrence.h"

#include <QJsonArray>
#include <QJsonObject>

class ClockFormatter;
struct ClockEntry;

// The next event in the command line's output, for scripts and bars.
namespace AgendaExport {

// Each clock of --print=json gains "nextEvent": its title, its start in the
// clock's own offset (ISO 8601), the seconds until it starts, and whether it
// takes whole days. The array stays an array of clocks.
void addTo(QJsonArray& clocks, const QList<ClockEntry>& entries, const Occurrence& next, const QDateTime& now);

// Waybar's object gains "alt" ("Standup · in 12 minutes", for a format's
// {alt}), "nextEvent" (title, start in UTC, seconds until it), a tooltip
// paragraph with each clock's time at its start, and the class "event-soon"
// in the quarter hour before it.
void addTo(QJsonObject& bar, const QList<ClockEntry>& entries, const ClockFormatter& formatter, const Occurrence& next,
           const QDateTime& now);

} // namespace AgendaExport
