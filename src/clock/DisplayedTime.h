#pragma once

#include "time/TimeGrid.h"

#include <QDateTime>
#include <QObject>
#include <QTimeZone>

class Clock;

// The instant every clock view shows: live, following the clock at each
// tick, or set to a chosen instant within a week either side of now. Views
// read it from here and keep no copy of their own. A set instant needs no
// timer; it simply stays until moved or sent back to now. Never stored:
// every launch starts live.
class DisplayedTime : public QObject {
    Q_OBJECT

public:
    using Move = TimeGrid::Move;
    static constexpr qint64 rangeSeconds = 7 * 86400;

    explicit DisplayedTime(Clock& clock, QObject* parent = nullptr);

    QDateTime instant() const;
    QDateTime now() const;
    bool isLive() const { return !m_set.isValid(); }
    // What the last planning command found, shown beside the set time;
    // cleared by any other change of the instant.
    QString note() const { return m_note; }

    // Sets `at`, kept within the range and aligned inward at its edges.
    void setInstant(const QDateTime& at, int stepMinutes, const QTimeZone& home, const QString& note = {});
    void goLive();
    void move(Move move, int stepMinutes, const QTimeZone& home);

signals:
    // The instant shown changed: a live tick, or a set or moved time.
    void instantChanged();
    // Every tick of the clock, live or not (texts such as "in 2 days" follow it).
    void ticked();
    void liveChanged();

private:
    void apply(const QDateTime& set, const QString& note);

    Clock& m_clock;
    QDateTime m_set; // invalid while live
    QString m_note;
};
