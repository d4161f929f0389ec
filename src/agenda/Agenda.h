#pragma once

#include "Occurrence.h"

#include <QHash>
#include <QObject>
#include <QTimeZone>

#include <optional>

// Every switched-on calendar's occurrences around the time shown, and the
// questions the clocks ask of them: the next event, a day's events.
class Agenda : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The occurrences of one source, replacing what it had.
    void setOccurrences(const QString& source, QList<Occurrence> occurrences);
    void removeSource(const QString& source);
    bool isEmpty() const { return m_all.isEmpty(); }

    // Every occurrence, earliest first.
    const QList<Occurrence>& all() const { return m_all; }
    // The first event that starts at or after `after`; an all-day event only with `withAllDay`.
    std::optional<Occurrence> next(const QDateTime& after, bool withAllDay = false) const;
    // The events of `at`'s day in `zone` that have not ended by `at`: the day's all-day events first.
    QList<Occurrence> restOfDay(const QDateTime& at, const QTimeZone& zone) const;
    // The timed events that overlap [from, to).
    QList<Occurrence> between(const QDateTime& from, const QDateTime& to) const;

Q_SIGNALS:
    void changed();

private:
    QHash<QString, QList<Occurrence>> m_bySource;
    QList<Occurrence> m_all;
};
