#pragma once

#include "TimeCommands.h"

#include <QDateTime>
#include <QWidget>

class Agenda;
class AppSettings;
class ClockEntries;
class DisplayedTime;
class QKeyEvent;
class QWheelEvent;

// A ruler of the hours of home's day, with the displayed instant marked and
// the working hours of the listed places shaded: darker where more of them
// work, solid where all do. Dragging or clicking chooses a time; the wheel
// and the keys step it.
class TimeStrip : public QWidget {
    Q_OBJECT

public:
    TimeStrip(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries, const TimeCommands& commands,
              QWidget* parent = nullptr);

    // The instant under a point of the strip, and back. The day runs from
    // the leading edge: the left, or the right in a right-to-left layout.
    // Marks the agenda's events of the day shown; followed as it changes.
    void setAgenda(const Agenda* agenda);
    QDateTime instantAt(qreal x) const;
    qreal xOf(const QDateTime& at) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The strip as a screen reader's slider: the displayed instant in
    // minutes from now, within the range the time may be set in.
    int minutesFromNow() const;
    void setMinutesFromNow(int minutes);
    static int rangeMinutes();
    int stepMinutes() const;
    // The displayed time as it is said: "Now, 3:00 PM", or the chosen
    // time with its date and its distance from now.
    static QString spokenTime(const DisplayedTime& time, const ClockEntries& entries);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    qreal mirrored(qreal x) const;
    void choose(qreal x);
    QRectF ruler() const;
    // Home's day around the displayed instant: midnight to midnight.
    std::pair<QDateTime, QDateTime> day() const;
    void announce();
    // The hour ticks of home's day and their labels, kept while the day,
    // the zone, the locale and the width stay.
    struct HourMark {
        qreal x;
        int hour;
        QString label; // every third hour
    };
    const QList<HourMark>& hourMarks(const QDateTime& start, const QDateTime& end, const QRectF& ruler) const;

    AppSettings& m_settings;
    DisplayedTime& m_time;
    const ClockEntries& m_entries;
    TimeCommands m_commands;
    struct HourMarks {
        qint64 start = 0;
        QByteArray zone;
        QByteArray locale;
        QRectF ruler;
        QList<HourMark> marks;
    };
    mutable HourMarks m_hourMarks;
    const Agenda* m_agenda = nullptr;
};
