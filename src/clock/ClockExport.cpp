#include "ClockExport.h"

#include "ClockFormatter.h"
#include "time/WallTime.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ClockExport {

QList<ClockRowData> rowsAt(const QList<ClockEntry>& entries, const ClockFormatter& formatter, const QDateTime& at)
{
    QList<ClockRowData> rows;
    rows.reserve(entries.size());
    for (const ClockEntry& entry : entries) {
        ClockRowData row{entry.rowContent(at, false), {}};
        row.texts = ClockRowTexts::lineOf(row.content, formatter);
        rows.append(std::move(row));
    }
    return rows;
}

QStringList lines(const QList<ClockRowData>& rows)
{
    QStringList out;
    out.reserve(rows.size());
    for (const ClockRowData& row : rows) {
        QString line = row.content.title + QLatin1Char(' ') + row.texts.time;
        if (!row.texts.dayLabelInLine.isEmpty()) line += QLatin1Char(' ') + row.texts.dayLabelInLine;
        out.append(line);
    }
    return out;
}

QString line(const QList<ClockRowData>& rows)
{
    return lines(rows).join(QStringLiteral(" \u00b7 "));
}

QJsonArray json(const QList<ClockEntry>& entries, const ClockFormatter& formatter, const QDateTime& at)
{
    QJsonArray out;
    for (const ClockEntry& entry : entries) {
        const int offset = entry.timeZone.offsetFromUtc(at);
        // Scripts keep reading the catalogue's name; the one shown, in the
        // user's language, only where it differs.
        QJsonObject clock{
            {QStringLiteral("id"), entry.id},
            {QStringLiteral("title"), entry.catalogueTitle.value_or(entry.title)},
            {QStringLiteral("zone"), QString::fromUtf8(entry.timeZone.id())},
            {QStringLiteral("utcOffset"), offset},
            {QStringLiteral("localTime"), at.toOffsetFromUtc(offset).toString(Qt::ISODate)},
            {QStringLiteral("dayOffset"), formatter.dayOffset(at, entry.timeZone)},
        };
        if (entry.catalogueTitle) clock.insert(QStringLiteral("shownTitle"), entry.title);
        out.append(clock);
    }
    return out;
}

QJsonObject waybar(const QList<ClockRowData>& rows, const std::optional<ClockRowData>& shown)
{
    const QStringList all = lines(rows);
    const QString text = shown ? lines({*shown}).first() : all.value(0);
    // Waybar reads both as Pango markup: "Federation of B&H" or a label
    // "Tokyo <R&D>" must reach it as text, not break the whole module.
    return {{QStringLiteral("text"), text.toHtmlEscaped()},
            {QStringLiteral("tooltip"), all.join(QLatin1Char('\n')).toHtmlEscaped()},
            {QStringLiteral("class"), QStringLiteral("horavia")}};
}

Instant parseInstant(const QString& text, const QTimeZone& home, const QString& shownAs)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression withOffset(QStringLiteral("(Z|[+-]\\d{2}(:?\\d{2})?)$"));
    const bool offsetGiven = withOffset.match(trimmed).hasMatch();
    // Read as UTC first: a local reading would refuse a time the process's
    // own zone skips, and home decides that below.
    const QDateTime parsed = QDateTime::fromString(offsetGiven ? trimmed : trimmed + QLatin1Char('Z'), Qt::ISODate);
    if (!parsed.isValid() || !trimmed.contains(QLatin1Char('T')))
        return {{},
                QCoreApplication::translate(
                    "ClockExport", "“%1” is no date and time (2026-03-29T15:00, with an offset, or “9am Tokyo”)")
                    .arg(shownAs.isEmpty() ? text : shownAs)};
    if (offsetGiven) return {parsed.toUTC(), {}};
    // A wall-clock time in home's zone; a repeated one is the first time
    // the clocks show it.
    const QList<QDateTime> found = WallTime::instants(parsed.date(), parsed.time(), home);
    if (found.isEmpty())
        return {
            {},
            QStringLiteral("%1 does not exist in %2: the clocks skip it").arg(trimmed, QString::fromUtf8(home.id()))};
    return {found.first(), {}};
}

} // namespace ClockExport
