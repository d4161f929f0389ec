#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// One occurrence of a calendar's event: an instant and its end, or for an
// all-day event the days it covers, which are dates wherever it is seen,
// never a midnight moved into another zone.
struct Occurrence {
    QString uid{};
    QString title{};
    // The calendar it comes from (its source's id) and that calendar's colour ("#rrggbb", or empty).
    QString calendar{};
    QString colour{};
    // UTC; for an all-day event, the start of its first day in the home zone.
    QDateTime start{};
    QDateTime end{};
    bool allDay = false;
    // The days an all-day event covers, both included.
    QDate firstDay{};
    QDate lastDay{};

    bool operator==(const Occurrence&) const = default;
};

// The earlier start first; at the same start the all-day one, then by title.
inline bool startsBefore(const Occurrence& a, const Occurrence& b)
{
    if (a.start != b.start) return a.start < b.start;
    if (a.allDay != b.allDay) return a.allDay;
    return a.title < b.title;
}
