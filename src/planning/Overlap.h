#pragma once

#include "planning/Schedule.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTimeZone>

#include <optional>

// Finds when everyone is at work: the start of the next span of at least
// one step in which every participant is in working hours on a working day.
namespace Overlap {

struct Participant {
    QString name;
    QTimeZone zone;
    Schedule schedule;
};

struct Found {
    QDateTime start;
    bool isFull = true;
    QStringList outside; // the participants not at work, when the overlap is partial
};

// The working spans of one participant that touch [from, until], as seconds
// since 1970.
struct Span {
    qint64 from;
    qint64 to;
};
QList<Span> workingSpans(const Participant& who, qint64 from, qint64 until);

// [from, until) cut into `columns` equal slices, each judged at its middle:
// the runs of neighbouring slices in which the same number of participants
// work, left to right. A day's strip draws one shade per run.
struct Run {
    int first; // the first slice
    int end;   // one past the last
    int working;

    friend bool operator==(const Run&, const Run&) = default;
};
QList<Run> workingRuns(const QList<Participant>& participants, qint64 from, qint64 until, int columns);

// The first such span starting after `after` and no later than `until`; when
// there is none, the earliest span in which the most participants work.
// None when nobody works at all in that time. Starts lie on the step grid
// of `home`'s wall-clock time.
std::optional<Found> next(const QList<Participant>& participants, const QDateTime& after, const QDateTime& until,
                          int stepMinutes, const QTimeZone& home);

// What Next Overlap says: the instant to show (`after` itself when nobody
// works) and the note beside it, empty for a full overlap.
struct Answer {
    QDateTime at;
    QString note;
};
Answer answer(const QList<Participant>& participants, const QDateTime& after, const QDateTime& until, int stepMinutes,
              const QTimeZone& home);

} // namespace Overlap
