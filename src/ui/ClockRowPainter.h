#pragma once

#include "clock/ClockRowContent.h"
#include "ui/ClockRowLayout.h"

#include <QRect>

class QFont;
class QPainter;
class QPalette;

// One clock on one line: marker, emoji, title, catalogue name, zone name,
// day label, the sky, the part of the day and the time, with a notice line
// under it when the clocks change soon. The tray panel's list and the
// chooser's list draw their rows with it.
namespace ClockRowPainter {

constexpr int horizontalInset = 8;
constexpr int verticalInset = 4;
constexpr int basePixelSize = 13;
constexpr int captionPixelSize = 11;

// The row's parts laid out in a row `width` wide, with `font` as the base font.
ClockRowLayout layoutFor(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts shown,
                         const QFont& font, int width);
// Draws a row into `rect` with `palette`'s text and highlight colours.
void paint(QPainter& painter, const QRect& rect, const ClockRowContent& content, const ClockRowTexts& texts,
           ClockRowParts shown, const QFont& font, const QPalette& palette);
// The width in which the row shows every part whole.
int naturalWidth(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts shown, const QFont& font);
// The height of a row in `font`, with or without a notice line under it.
int rowHeight(const QFont& font, bool withNotice = false);
// The narrowest a row can be and still show its time.
int minimumWidth();

} // namespace ClockRowPainter
