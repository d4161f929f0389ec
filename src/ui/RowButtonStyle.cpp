#include "RowButtonStyle.h"

#include <QPainter>
#include <QPainterPath>

RowButtonStyle RowButtonStyle::look(bool pressed, bool hovering, const QPalette& palette)
{
    const QColor primary = palette.color(QPalette::WindowText);
    if (pressed) return {palette.color(QPalette::Highlight), QColor(Qt::white)};
    if (hovering) {
        QColor faint = primary; // a quaternary fill: the text colour, barely there
        faint.setAlphaF(0.10);
        return {faint, primary};
    }
    return {QColor(), primary};
}

void RowButtonStyle::paintBackground(QPainter& painter, const QRectF& rect) const
{
    if (!background.isValid()) return;
    QPainterPath path;
    path.addRoundedRect(rect, cornerRadius, cornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, background);
    painter.restore();
}
