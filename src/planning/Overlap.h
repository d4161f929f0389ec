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

// The first such span starting after `after` and no later than `until`; when
// there is none, the earliest span in which the most participants work.
// None when nobody works at all in that time. Starts lie on the step grid
// of `home`'s wall-clock time.
std::optional<Found> next(const QList<Participant>& participants, const QDateTime& after, const QDateTime& until,
                          int stepMinutes, const QTimeZone& home);

} // namespace Overlap
