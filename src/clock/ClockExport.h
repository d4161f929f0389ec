#pragma once

#include "ClockEntry.h"
#include "ClockRowContent.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

class ClockFormatter;

// The clocks as text for other programs: lines for a tooltip or a terminal,
// JSON for scripts, and the object a status bar (waybar) reads.
namespace ClockExport {

// The entries' rows at `at` with the texts of their lines, for an instant
// or a format other than the shared rows'.
QList<ClockRowData> rowsAt(const QList<ClockEntry>& entries, const ClockFormatter& formatter, const QDateTime& at);

// One line per row: title, time, and the day label when its date is not
// home's. Every line of clocks for another program is written here.
QStringList lines(const QList<ClockRowData>& rows);

// Every row on one line, for bars that show one line per update
// ("Berlin 15:00 · Tokyo 23:00 tomorrow").
QString line(const QList<ClockRowData>& rows);

// For each clock: id, title, zone identifier, offset from UTC in seconds,
// the local time in ISO 8601 with its offset, and the day offset from home.
QJsonArray json(const QList<ClockEntry>& entries, const ClockFormatter& formatter, const QDateTime& at);

// {"text": the line of `shown` (else of the first row, home where shown),
// "tooltip": every row's line, "class": "horavia"}. Text and tooltip are
// markup-safe: "&", "<" and ">" (and quotes) as entities.
QJsonObject waybar(const QList<ClockRowData>& rows, const std::optional<ClockRowData>& shown = {});

struct Instant {
    QDateTime at;  // invalid when the text is no instant
    QString error; // why
};
// ISO 8601 with an offset or "Z", or a date and time in home's zone
// ("2026-03-29T02:30"). A local time that the clocks skip is an error, and
// one they repeat is its earlier occurrence (an offset chooses either).
// `shownAs`: the text as an error message quotes it, when not the text itself.
Instant parseInstant(const QString& text, const QTimeZone& home, const QString& shownAs = {});

} // namespace ClockExport
