#pragma once

#include "SunTimes.h"
#include "planning/Schedule.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

class ClockFormatter;

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
    QString dayLabel; // empty when the day offset is 0
    QString offset;   // from home; empty for none, for home and when not shown
    std::optional<DayPart> dayPart;
    QString notice; // a change of clocks within a week
    std::optional<Sky> sky;

    static ClockRowTexts of(const ClockRowContent& content, const ClockFormatter& formatter);

    // Title, catalogue name, time, day label, offset, "your time zone", the
    // part of the day, "tracked", the notice: what a screen reader says.
    static QString accessibleText(const ClockRowContent& content, const ClockRowTexts& texts);

    friend bool operator==(const ClockRowTexts&, const ClockRowTexts&) = default;
};
