#include "UpdateRibbon.h"

#include "Symbols.h"

#include <QPainter>

namespace {

constexpr int horizontalInset = 14;
constexpr int verticalInset = 8;
constexpr int gap = 7;
constexpr int symbolSize = 16;
constexpr qreal hoverBrightening = 0.04;

const QColor& ribbonColor()
{
    static const QColor color = QColor::fromRgbF(0.72f, 0.60f, 1.00f);
    return color;
}

QColor ink()
{
    return QColor::fromRgbF(0, 0, 0, 0.85f);
}

} // namespace

UpdateRibbon::UpdateRibbon(QWidget* parent)
    : QAbstractButton(parent)
{
    setText(tr("A new version of Horavia is available."));
    setToolTip(tr("Show what's new in this version"));
    setAccessibleName(tr("A new version of Horavia is available. Show what's new."));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

QColor UpdateRibbon::background() const
{
    if (!m_hovering) return ribbonColor();
    const auto brighter = [](float component) { return std::min(1.0f, component + float(hoverBrightening)); };
    return QColor::fromRgbF(brighter(ribbonColor().redF()), brighter(ribbonColor().greenF()),
                            brighter(ribbonColor().blueF()));
}

QSize UpdateRibbon::sizeHint() const
{
    QFont medium = font();
    medium.setWeight(QFont::Medium);
    const int textWidth =
        //: Button: opens the update's release notes
        QFontMetrics(medium).horizontalAdvance(text()) + fontMetrics().horizontalAdvance(tr("See What's New"));
    const int height = std::max(fontMetrics().height(), symbolSize) + 2 * verticalInset;
    return {2 * horizontalInset + 2 * symbolSize + 4 * gap + 8 + textWidth, height};
}

QSize UpdateRibbon::minimumSizeHint() const
{
    return {2 * horizontalInset + 2 * symbolSize, sizeHint().height()};
}

void UpdateRibbon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background());
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect row = rect().adjusted(horizontalInset, verticalInset, -horizontalInset, -verticalInset);
    const qreal ratio = devicePixelRatioF();
    const int symbolTop = row.center().y() - symbolSize / 2 + 1;

    painter.drawPixmap(row.left(), symbolTop,
                       Symbols::pixmap(QStringLiteral("arrow.down.circle.fill"), ink(), symbolSize, ratio));
    const int chevron = 10;
    painter.drawPixmap(row.right() - chevron + 1, row.center().y() - chevron / 2 + 1,
                       Symbols::pixmap(QStringLiteral("chevron.right"), ink(), chevron, ratio));

    painter.setPen(ink());
    //: Button: opens the update's release notes
    const QString more = tr("See What's New");
    const int moreWidth = fontMetrics().horizontalAdvance(more);
    const QRect moreRect(row.right() - chevron - gap - moreWidth + 1, row.top(), moreWidth, row.height());
    painter.drawText(moreRect, Qt::AlignVCenter | Qt::AlignLeft, more);

    QFont medium = font();
    medium.setWeight(QFont::Medium);
    painter.setFont(medium);
    const QRect headline(row.left() + symbolSize + gap, row.top(), moreRect.left() - 8 - row.left() - symbolSize - gap,
                         row.height());
    painter.drawText(headline, Qt::AlignVCenter | Qt::AlignLeft,
                     QFontMetrics(medium).elidedText(text(), Qt::ElideRight, headline.width()));
}

void UpdateRibbon::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void UpdateRibbon::leaveEvent(QEvent* event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}
