#pragma once

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

    friend bool operator==(const ClockRowContent&, const ClockRowContent&) = default;
};

// The texts of a row at its instant, from the formatter.
struct ClockRowTexts {
    QString time;
    QString zoneName;
    int dayOffset = 0;
    QString dayLabel; // empty when the day offset is 0

    static ClockRowTexts of(const ClockRowContent& content, const ClockFormatter& formatter);

    // Title, catalogue name, time, day label, "your time zone", "tracked": what a screen reader says.
    static QString accessibleText(const ClockRowContent& content, const ClockRowTexts& texts);

    friend bool operator==(const ClockRowTexts&, const ClockRowTexts&) = default;
};
