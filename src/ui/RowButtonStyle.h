#pragma once

#include <QColor>
#include <QPalette>

class QPainter;
class QRectF;

// The look of a flat, full-width row button: a rounded highlight under the
// pointer (tint while pressed, a faint fill while hovered), nothing at rest.
struct RowButtonStyle {
    static constexpr int horizontalInset = 8;
    static constexpr int verticalInset = 5;
    static constexpr qreal cornerRadius = 6;

    QColor background; // invalid: no background
    QColor foreground;

    static RowButtonStyle look(bool pressed, bool hovering, const QPalette& palette);
    void paintBackground(QPainter& painter, const QRectF& rect) const;
};
