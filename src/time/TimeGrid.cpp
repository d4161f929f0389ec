#include "TimeGrid.h"

#include <algorithm>

namespace TimeGrid {

namespace {

qint64 localSeconds(qint64 utc, const QTimeZone& home)
{
    return utc + home.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

bool isAligned(const QDateTime& at, int stepMinutes, const QTimeZone& home)
{
    const qint64 seconds = at.toSecsSinceEpoch();
    return at.time().msec() == 0 && localSeconds(seconds, home) % (qint64(stepMinutes) * 60) == 0;
}

QDateTime aligned(const QDateTime& at, int direction, int stepMinutes, const QTimeZone& home)
{
    const qint64 step = qint64(std::max(stepMinutes, 1)) * 60;
    const qint64 t = at.toSecsSinceEpoch() + (direction < 0 && at.time().msec() != 0 ? 1 : 0);
    // The grid lies in home wall-clock time; near a change of offset the
    // offset at the candidate decides, so the search settles in a few rounds.
    const auto candidate = [&](qint64 from, int towards) {
        qint64 best = from;
        qint64 offset = localSeconds(from, home) - from;
        for (int round = 0; round < 4; ++round) {
            const qint64 local = from + offset;
            const qint64 grid = towards > 0 ? (floorDiv(local, step) + 1) * step : (floorDiv(local - 1, step)) * step;
            best = grid - offset;
            const qint64 actual = localSeconds(best, home) - best;
            if (actual == offset) break;
            offset = actual;
        }
        return best;
    };
    qint64 result = 0;
    if (direction != 0) {
        result = candidate(t, direction);
    } else {
        const qint64 up = isAligned(at, stepMinutes, home) ? t : candidate(t, 1);
        const qint64 down = isAligned(at, stepMinutes, home) ? t : candidate(t, -1);
        result = (up - t) < (t - down) ? up : down;
    }
    return QDateTime::fromSecsSinceEpoch(result, Qt::UTC);
}

QDateTime moved(const QDateTime& from, bool fromLive, Move move, int stepMinutes, const QTimeZone& home)
{
    const bool forward = move == Move::stepForward || move == Move::hourForward || move == Move::dayForward;
    const int direction = forward ? 1 : -1;
    // From now the first step only aligns: 15:23 goes to 15:30 or 15:00.
    const QDateTime start = fromLive ? QDateTime::fromSecsSinceEpoch(from.toSecsSinceEpoch() / 60 * 60, Qt::UTC) : from;
    QDateTime target;
    switch (move) {
    case Move::stepForward:
    case Move::stepBack:
        if (fromLive) return aligned(start, direction, stepMinutes, home);
        target = start.addSecs(qint64(direction) * stepMinutes * 60);
        break;
    case Move::hourForward:
    case Move::hourBack:
        target = start.addSecs(qint64(direction) * 3600);
        break;
    case Move::dayForward:
    case Move::dayBack:
        target = start.toTimeZone(home).addDays(direction).toUTC();
        break;
    }
    if (isAligned(target, stepMinutes, home)) return target;
    return aligned(target, direction, stepMinutes, home);
}

int wheelSteps(int& rest, int angleDelta)
{
    rest += angleDelta;
    const int steps = -rest / 120;
    rest += steps * 120;
    return steps;
}

} // namespace TimeGrid
