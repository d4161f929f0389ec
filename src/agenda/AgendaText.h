#pragma once

#include "Occurrence.h"

#include <QString>

class ClockFormatter;

// An event's words beside the clocks: when it starts in home time, how far
// off that is, and all of it for a screen reader.
namespace AgendaText {

QString title(const Occurrence& event);
// "1:00 PM", "1:00 PM tomorrow", or "All day".
QString start(const Occurrence& event, const ClockFormatter& formatter, const QDateTime& now);
// "in 25 minutes", or "now" while it runs.
QString distance(const Occurrence& event, const QDateTime& now);
// "Next event: Standup, 1:00 PM, in 25 minutes".
QString spoken(const Occurrence& event, const ClockFormatter& formatter, const QDateTime& now, bool next);

} // namespace AgendaText
