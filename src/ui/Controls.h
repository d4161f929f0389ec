#pragma once

#include <QFont>
#include <QIcon>

class QBoxLayout;
class QLabel;
class QProgressBar;
class QString;
class QWidget;

// The small pieces the windows share: text styles relative to the window's
// font, and the busy indicator.
namespace Controls {

inline constexpr qreal headline = 1.0;     // the body size, set semibold: first-level headings
inline constexpr qreal callout = 0.92;     // status lines, previews, credits
inline constexpr qreal subheadline = 0.85; // lower-level headings, set semibold
inline constexpr qreal caption = 0.85;     // hints, notices, taglines

QFont scaled(QFont font, qreal factor, QFont::Weight weight = QFont::Normal);

// A window of fixed width made as tall as its content at that width, so
// that every wrapped line shows in any language (adjustSize stops at two
// thirds of the screen, below which a long translation is cut).
void fitHeight(QWidget* window);

// A small indicator that something runs, without a measure of progress.
QProgressBar* busyIndicator(QWidget* parent);

// Two fields in a row, placed where one translated sentence puts %1 and
// %2 ("%1 to %2", "%1 から %2 まで"), its other words as labels between
// them: each language sets its own particles and order. Appends to `row`;
// returns the label before the first field, if any, to be its buddy.
QLabel* fieldsInSentence(QBoxLayout* row, const QString& sentence, QWidget* first, QWidget* second);
// A calendar's colour as a dot ("#rrggbb"; the highlight colour when it has none).
QIcon colourDot(const QString& colour, const QPalette& palette);
// A control's text as it reads, without its mnemonic: "&Save" and
// "保存(&S)" read "Save" and "保存"; "&&" is an ampersand.
QString withoutMnemonic(QString text);

} // namespace Controls
