#pragma once

#include "time/TimeGrid.h"

#include <QDateTime>
#include <QObject>
#include <QPoint>
#include <QTimeZone>

#include <functional>
#include <optional>

class Clock;

// The instant every clock view shows: live, following the clock at each
// tick, or set to a chosen instant within a week either side of now. Views
// read it from here and keep no copy of their own. A set instant needs no
// timer; it simply stays until moved or sent back to now. Never stored:
// every launch starts live. It owns the time grid: the step (the setting's)
// and the home zone, which every clock reads from here.
class DisplayedTime : public QObject {
    Q_OBJECT

public:
    using Move = TimeGrid::Move;
    static constexpr qint64 rangeSeconds = 7 * 86400;

    using StepMinutes = std::function<int()>;
    using HomeZone = std::function<QTimeZone()>;

    explicit DisplayedTime(
        Clock& clock, StepMinutes stepMinutes = [] { return 30; }, HomeZone homeZone = &QTimeZone::systemTimeZone,
        QObject* parent = nullptr);

    QDateTime instant() const;
    QDateTime now() const;
    bool isLive() const { return !m_set.isValid(); }
    // What the last planning command found, shown beside the set time;
    // cleared by any other change of the instant.
    QString note() const { return m_note; }

    // The time cursor's step, 15, 30 or 60 minutes, and the zone its grid lies in.
    int stepMinutes() const { return m_stepMinutes(); }
    QTimeZone homeZone() const { return m_home; }

    // Sets `at`, kept within the range and aligned inward at its edges.
    void setInstant(const QDateTime& at, const QString& note = {});
    // Sets the multiple of the step nearest to `at`.
    void setNearest(const QDateTime& at);
    void goLive();
    void move(Move move);
    // A wheel's turn over any view of the time (the strip, the lists, the
    // tray item): `angleDelta` as a QWheelEvent gives it, 120 a notch, the
    // vertical part or else the horizontal. A step later for each notch
    // towards the user, earlier away; a part notch waits for the rest.
    void turn(QPoint angleDelta);
    // The instants likely shown next, for views that draw ahead: a step
    // either way of a set time (within the range); none while live.
    QList<QDateTime> likelyNext() const;
    // While live, the whole minute the next tick will show; none while set.
    std::optional<QDateTime> nextTick() const;

signals:
    // The instant shown changed: a live tick, or a set or moved time.
    void instantChanged();
    // Every tick of the clock, live or not (texts such as "in 2 days" follow it).
    void ticked();
    void liveChanged();

private:
    void apply(const QDateTime& set, const QString& note);

    Clock& m_clock;
    StepMinutes m_stepMinutes;
    HomeZone m_homeZone;
    // Read again at each tick of the clock, which also ticks when the
    // system's zone changes: the system's zone is a look at the disk and a
    // copy of the zone's rules, which every view asks for at every step.
    QTimeZone m_home;
    QDateTime m_set; // invalid while live
    QString m_note;
    int m_wheelRest = 0;
};
