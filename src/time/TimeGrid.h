#pragma once

#include <QDateTime>
#include <QTimeZone>

// The time cursor's grid: multiples of a step (15, 30 or 60 minutes) of the
// home zone's wall-clock time, and the moves along it.
namespace TimeGrid {

enum class Move { stepForward, stepBack, hourForward, hourBack, dayForward, dayBack };

// Where `move` goes from `from` (`fromLive`: the first move from now,
// which only aligns). Steps and hours keep their length in absolute time,
// so a repeated or skipped hour neither stalls nor doubles a step; days
// keep the home wall-clock time. A result off the step grid in home time
// goes on to the next multiple of the step in the direction of travel.
QDateTime moved(const QDateTime& from, bool fromLive, Move move, int stepMinutes, const QTimeZone& home);
// The nearest multiple of the step in home time strictly after (direction
// 1) or strictly before (-1) `at`, or the nearest either way (0).
QDateTime aligned(const QDateTime& at, int direction, int stepMinutes, const QTimeZone& home);
bool isAligned(const QDateTime& at, int stepMinutes, const QTimeZone& home);

// Steps for a wheel's turn of `angleDelta` (120 a notch, positive away from
// the user): positive for later, as the wheel turned towards the user. What
// is left of a notch stays in `rest` for the next turn.
int wheelSteps(int& rest, int angleDelta);

} // namespace TimeGrid
