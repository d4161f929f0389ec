#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRectF;

// The named symbols the interface uses ("globe", "gearshape", "info.circle",
// "power", "arrow.down.circle.fill"): the desktop's icon theme when it has
// a match, else our own outline drawings, tinted to the text colour so they
// read in light and dark palettes alike.
namespace Symbols {

QPixmap pixmap(const QString& name, const QColor& color, int size, qreal devicePixelRatio);

// A command's symbol travels with its QAction in this property, so every
// view that shows the command draws the same symbol.
inline constexpr char actionProperty[] = "horaviaSymbol";

// The symbol as an icon for menus and tool buttons, in the given colour.
QIcon icon(const QString& name, const QColor& color);

// The application's own icon (a globe with a clock), in colour.
QIcon applicationIcon();

// Drawn directly, for the row markers.
void paintCheckmark(QPainter& painter, const QRectF& box, const QColor& color);
void paintLocation(QPainter& painter, const QRectF& box, const QColor& color);

} // namespace Symbols
