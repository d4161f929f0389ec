#pragma once

#include <QList>
#include <QString>

// A run of text with the inline styles of the notes' Markdown.
struct StyledRun {
    QString text;
    bool emphasis = false;
    bool strong = false;
    bool code = false;
    QString link; // the target, when the run is a link

    friend bool operator==(const StyledRun&, const StyledRun&) = default;
};
using StyledText = QList<StyledRun>;

// The release notes as lines: headings ("#", any number of them), bullets
// ("- " or "* "), paragraphs and blank lines. Lines are classified here;
// only the inline markup inside a line (emphasis, strong, code, links) goes
// through Qt's Markdown parser.
class ReleaseNotes {
public:
    struct Line {
        enum class Kind { heading, bullet, paragraph, blank };
        Kind kind = Kind::blank;
        StyledText text;
        int level = 0; // headings: the number of "#"

        friend bool operator==(const Line&, const Line&) = default;
    };

    explicit ReleaseNotes(const QString& markdown)
        : m_markdown(markdown)
    {
    }

    QString markdown() const { return m_markdown; }

    // One line per piece between line feeds (only U+000A splits; a CR right
    // before it is part of the line end).
    QList<Line> lines() const;

    static Line classify(const QString& line);
    // Styled text of a piece of inline Markdown; the trimmed text, unstyled,
    // when the parser makes nothing of it.
    static StyledText parseInline(const QString& text);
    static QString plainText(const StyledText& text);

private:
    QString m_markdown;
};
