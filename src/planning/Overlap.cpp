#include "Overlap.h"

#include "text/LocaleText.h"
#include "time/TimeGrid.h"
#include "time/WallTime.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace Overlap {

QList<Span> workingSpans(const Participant& who, qint64 from, qint64 until)
{
    QList<Span> spans;
    const TimeRange& hours = who.schedule.working;
    const QDate first = QDateTime::fromSecsSinceEpoch(from, who.zone).date().addDays(-1);
    const QDate last = QDateTime::fromSecsSinceEpoch(until, who.zone).date();
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        if (!who.schedule.week.isWorkday(day.dayOfWeek())) continue;
        // A span that starts or ends in a skipped hour does so at the jump:
        // the wall clock never shows the time in between.
        const qint64 start = WallTime::firstAtOrAfter(day, hours.from, who.zone).toSecsSinceEpoch();
        const qint64 end =
            WallTime::firstAtOrAfter(hours.wraps() ? day.addDays(1) : day, hours.to, who.zone).toSecsSinceEpoch();
        if (end > start && end > from && start <= until) spans.push_back({start, end});
    }
    return spans;
}

std::optional<Found> next(const QList<Participant>& participants, const QDateTime& after, const QDateTime& until,
                          int stepMinutes, const QTimeZone& home)
{
    if (participants.isEmpty()) return std::nullopt;
    const qint64 from = after.toSecsSinceEpoch();
    const qint64 to = until.toSecsSinceEpoch();
    const qint64 step = qint64(stepMinutes) * 60;

    // Every moment someone's state may change (their spans' ends, their
    // clocks' changes), then the set at work between each pair of them.
    std::vector<qint64> bounds{from, to};
    const auto bound = [&](qint64 t) {
        if (t > from && t < to + step) bounds.push_back(t);
    };
    for (const Participant& who : participants) {
        for (const Span& s : workingSpans(who, from, to + step))
            bound(s.from), bound(s.to);
        const QDateTime first = QDateTime::fromSecsSinceEpoch(from, Qt::UTC);
        for (const QTimeZone::OffsetData& change : who.zone.transitions(first, first.addSecs(to + step - from)))
            bound(change.atUtc.toSecsSinceEpoch());
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    // The rows' own rule, so that a found overlap is what the rows show.
    const auto atWork = [&](size_t who, qint64 t) {
        const Participant& p = participants.at(qsizetype(who));
        return p.schedule.isWorking(QDateTime::fromSecsSinceEpoch(t, Qt::UTC), p.zone);
    };
    // The span at the cursor began before it: "next" means one that begins
    // after. A set at work lasts while all of its members stay (others may
    // join); its start goes to the step grid and must leave one whole step.
    struct Candidate {
        qint64 start = 0;
        int count = 0;
        std::vector<bool> working;
    };
    Candidate best;
    for (size_t i = 1; i + 1 < bounds.size(); ++i) {
        std::vector<bool> working(size_t(participants.size()));
        int count = 0;
        for (size_t who = 0; who < working.size(); ++who)
            count += (working[who] = atWork(who, bounds[i])) ? 1 : 0;
        if (count <= best.count) continue;
        qint64 end = bounds[i + 1];
        for (size_t j = i + 1; j + 1 < bounds.size(); ++j) {
            bool stays = true;
            for (size_t who = 0; who < working.size() && stays; ++who)
                stays = !working[who] || atWork(who, bounds[j]);
            if (!stays) break;
            end = bounds[j + 1];
        }
        const QDateTime begin = QDateTime::fromSecsSinceEpoch(bounds[i], Qt::UTC);
        const qint64 start = TimeGrid::isAligned(begin, stepMinutes, home)
                                 ? bounds[i]
                                 : TimeGrid::aligned(begin, 1, stepMinutes, home).toSecsSinceEpoch();
        if (start + step > end || start > to) continue;
        best = {start, count, working};
        if (count == int(participants.size())) break;
    }
    if (best.count <= 0) return std::nullopt;
    Found found;
    found.start = QDateTime::fromSecsSinceEpoch(best.start, Qt::UTC);
    found.isFull = best.count == int(participants.size());
    for (size_t who = 0; who < best.working.size(); ++who)
        if (!best.working[who]) found.outside.append(participants.at(int(who)).name);
    return found;
}

QList<Run> workingRuns(const QList<Participant>& participants, qint64 from, qint64 until, int columns)
{
    QList<QList<Span>> spans;
    for (const Participant& who : participants)
        spans.append(workingSpans(who, from, until));
    const double seconds = double(until - from);
    QList<Run> runs;
    for (int column = 0; column < columns; ++column) {
        const qint64 t = from + qint64((column + 0.5) / columns * seconds);
        int count = 0;
        for (const QList<Span>& own : std::as_const(spans))
            count += std::any_of(own.cbegin(), own.cend(), [t](const Span& s) { return t >= s.from && t < s.to; });
        if (!runs.isEmpty() && runs.last().working == count)
            runs.last().end = column + 1;
        else
            runs.append({column, column + 1, count});
    }
    return runs;
}

Answer answer(const QList<Participant>& participants, const QDateTime& after, const QDateTime& until, int stepMinutes,
              const QTimeZone& home)
{
    const std::optional<Found> found = next(participants, after, until, stepMinutes, home);
    if (!found) return {after, QCoreApplication::translate("Overlap", "Nobody works in the next 7 days.")};
    if (found->isFull) return {found->start, {}};
    return {found->start, QCoreApplication::translate(
                              //: %1 lists the places outside their working hours at the time found
                              "Overlap", "No full overlap in the next 7 days; at this time, outside working hours: %1.")
                              .arg(LocaleText::list(found->outside, LocaleText::interfaceLocale()))};
}

} // namespace Overlap
