#include "TrayTimeIcon.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace TrayTimeIcon {

std::pair<QString, QString> hourAndMinute(const QString& time)
{
    // The digits before and after the first separator; a day half's letters go.
    QString hour;
    QString minute;
    QString* into = &hour;
    for (const QChar c : time) {
        if (c.isDigit()) {
            *into += c;
        } else if (into == &hour && !hour.isEmpty()) {
            into = &minute;
        } else if (into == &minute && !minute.isEmpty()) {
            break;
        }
    }
    return {hour, minute};
}

QImage draw(const QString& time, int side, qreal ratio, const QPalette& palette, Moment moment)
{
    QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    const auto [hour, minute] = hourAndMinute(time);
    if (hour.isEmpty()) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font;
    font.setBold(true);
    font.setPixelSize(std::max(1, int(side * 0.5)));
    // The widest two digits fill the width.
    while (font.pixelSize() > 1 && QFontMetricsF(font).horizontalAdvance(QStringLiteral("88")) > side - 1)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    QPainterPath text;
    const qreal lineHeight = side / 2.0;
    const auto addLine = [&](const QString& line, int row) {
        const qreal x = (side - metrics.horizontalAdvance(line)) / 2;
        const qreal y = row * lineHeight + (lineHeight + metrics.capHeight()) / 2;
        text.addText(QPointF(x, y), font, line);
    };
    addLine(hour, 0);
    addLine(minute, 1);
    // On a tile of the palette's own window colour: a panel may be light or
    // dark whatever the palette, and the tile reads on either.
    const qreal radius = side / 5.0;
    painter.setPen(Qt::NoPen);
    const bool now = moment == Moment::now;
    painter.setBrush(palette.color(now ? QPalette::Window : QPalette::Highlight));
    painter.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), radius, radius);
    painter.fillPath(text, palette.color(now ? QPalette::WindowText : QPalette::HighlightedText));
    return image;
}

QIcon icon(const QString& time, const QPalette& palette, Moment moment)
{
    QIcon made;
    for (const int side : {16, 22, 24, 32, 48})
        for (const qreal ratio : {1.0, 2.0})
            made.addPixmap(QPixmap::fromImage(draw(time, side, ratio, palette, moment)));
    return made;
}

} // namespace TrayTimeIcon
