#include "ReleaseNotes.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x85:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

// White space at both ends, but never a line break.
QString trimmedWithinLine(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).isSpace() && !isLineBreak(text.at(start)))
        ++start;
    while (end > start && text.at(end - 1).isSpace() && !isLineBreak(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

// The line's kind is already decided, so nothing in its text may start a
// block of its own (a list, a quote, a heading, a rule, a fence) or raw HTML.
QString escapedForInline(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('<'), QStringLiteral("\\<"));
    if (escaped.isEmpty()) return escaped;
    // "#", ">", "=" and "|" mean nothing inline; "*", "_", "-", "+", "`" and
    // "~" do, and are escaped only where they would open a block, so that
    // "**Faster** start" stays bold.
    const QChar first = escaped.front();
    const QChar second = escaped.size() > 1 ? escaped.at(1) : QChar(u' ');
    QString compact = escaped;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    const bool rule =
        compact.size() >= 3 && QStringLiteral("-*_").contains(first) && compact.count(first) == compact.size();
    const bool listItem = QStringLiteral("-+*").contains(first) && (second == u' ' || second == u'\t');
    const bool fence = QStringLiteral("`~").contains(first) && escaped.startsWith(QString(3, first));
    if (QStringLiteral("#>=|").contains(first) || rule || listItem || fence) return QLatin1Char('\\') + escaped;
    qsizetype digits = 0;
    while (digits < escaped.size() && escaped.at(digits).isDigit())
        ++digits;
    if (digits > 0 && digits < escaped.size() &&
        (escaped.at(digits) == QLatin1Char('.') || escaped.at(digits) == QLatin1Char(')')))
        escaped.insert(digits, QLatin1Char('\\'));
    return escaped;
}

StyledRun plainRun(const QString& text)
{
    StyledRun run;
    run.text = text;
    return run;
}

StyledRun runFor(const QTextFragment& fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    StyledRun run;
    run.text = fragment.text();
    run.emphasis = format.fontItalic();
    run.strong = format.fontWeight() >= QFont::DemiBold;
    run.code = format.fontFixedPitch();
    if (format.isAnchor()) run.link = format.anchorHref();
    return run;
}

} // namespace

QList<ReleaseNotes::Line> ReleaseNotes::lines() const
{
    QList<Line> result;
    const QStringList pieces = m_markdown.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    result.reserve(pieces.size());
    // Notes saved with CR LF line ends read like any others: the CR belongs
    // to the line end, not to the line.
    for (const QString& piece : pieces)
        result.append(classify(piece.endsWith(QLatin1Char('\r')) ? piece.chopped(1) : piece));
    return result;
}

ReleaseNotes::Line ReleaseNotes::classify(const QString& line)
{
    const QString trimmed = trimmedWithinLine(line);
    if (trimmed.isEmpty()) return {Line::Kind::blank, {}, 0};
    if (trimmed.startsWith(QLatin1Char('#'))) {
        int level = 0;
        while (level < trimmed.size() && trimmed.at(level) == QLatin1Char('#'))
            ++level;
        return {Line::Kind::heading, parseInline(trimmed.mid(level)), level};
    }
    if (trimmed.startsWith(QLatin1String("- ")) || trimmed.startsWith(QLatin1String("* ")))
        return {Line::Kind::bullet, parseInline(trimmed.mid(2)), 0};
    return {Line::Kind::paragraph, parseInline(trimmed), 0};
}

StyledText ReleaseNotes::parseInline(const QString& text)
{
    const QString trimmed = trimmedWithinLine(text);
    if (trimmed.isEmpty()) return {};
    QTextDocument document;
    document.setMarkdown(escapedForInline(trimmed), QTextDocument::MarkdownDialectCommonMark);

    StyledText runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!runs.isEmpty()) runs.append(plainRun(QStringLiteral("\n")));
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid()) runs.append(runFor(it.fragment()));
    }
    if (plainText(runs).trimmed().isEmpty()) return {plainRun(trimmed)};
    return runs;
}

QString ReleaseNotes::plainText(const StyledText& text)
{
    QString plain;
    for (const StyledRun& run : text)
        plain += run.text;
    return plain;
}
