#pragma once

#include "SunTimes.h"
#include "planning/Schedule.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QTimeZone>

#include <atomic>
#include <optional>

class ClockFormatter;

// What a view shows of a row beyond its common parts: the chooser shows a
// relabelled city's catalogue name, the tray panel where the sun stands.
struct ClockRowParts {
    bool originalName = true;
    bool sky = true;
};

// What one clock row shows, whatever draws it: the tray panel's rows and the
// chooser's list share it.
struct ClockRowContent {
    enum class Selection { hidden, checked, unchecked };

    QString title;
    QTimeZone timeZone;
    QDateTime now;
    bool isHome = false;
    Selection selection = Selection::hidden;
    std::optional<QString> emoji;
    std::optional<QString> originalName;
    // Planning rows: where the place's day stands, its offset from home and
    // its next change of clocks.
    std::optional<Schedule> schedule;
    bool showsOffset = false;
    std::optional<Place> place; // where the sun is judged; none for no place

    friend bool operator==(const ClockRowContent&, const ClockRowContent&) = default;
};

// The texts of a row at its instant, from the formatter.
struct ClockRowTexts {
    QString time;
    QString zoneName;
    int dayOffset = 0;
    QString dayLabel;       // heading its column; empty when the day offset is 0
    QString dayLabelInLine; // the same after a time, in a line or a spoken row
    QString offset;         // from home; empty for none, for home and when not shown
    std::optional<DayPart> dayPart;
    QString notice; // a change of clocks within a week
    std::optional<Sky> sky;

    static ClockRowTexts of(const ClockRowContent& content, const ClockFormatter& formatter);
    // Only the texts of a row's line ("Tokyo 8:00 AM tomorrow"): time and
    // day, without the zone's name, the sky or a notice to look up.
    static ClockRowTexts lineOf(const ClockRowContent& content, const ClockFormatter& formatter);
    // How many rows' texts have been made in this process, so that a
    // benchmark can show each clock formatted once per change.
    static qint64 madeCount() { return s_made.load(std::memory_order_relaxed); }

    // Title, catalogue name, time, day label, offset, "your time zone", the
    // part of the day, the sky, "tracked", the notice: what a screen reader
    // says, of the parts the view shows.
    static QString accessibleText(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts parts = {});

    friend bool operator==(const ClockRowTexts&, const ClockRowTexts&) = default;

private:
    static inline std::atomic<qint64> s_made{0};
};

// A row as every view shows it: what it is and its texts at the displayed instant.
struct ClockRowData {
    ClockRowContent content;
    ClockRowTexts texts;

    friend bool operator==(const ClockRowData&, const ClockRowData&) = default;
};
// What a list's RowRoles::row answers.
Q_DECLARE_METATYPE(const ClockRowData*)
