#include "RowButton.h"

#include "Controls.h"
#include "RowButtonStyle.h"
#include "Symbols.h"

#include <QAction>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int symbolSize = 16;
constexpr int symbolGap = 8;
} // namespace

RowButton::RowButton(const QString& symbol, const QString& title, QWidget* parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
{
    setText(title);
    setAccessibleName(title);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

RowButton::RowButton(QAction* action, QWidget* parent)
    : RowButton(action->property(Symbols::actionProperty).toString(), Controls::withoutMnemonic(action->text()), parent)
{
    connect(this, &QAbstractButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, this, [this, action] { followAction(action); });
    followAction(action);
}

void RowButton::followAction(QAction* action)
{
    // The panel's own keys choose its rows; a mnemonic is for menus.
    setText(Controls::withoutMnemonic(action->text()));
    setAccessibleName(text());
    setEnabled(action->isEnabled());
    // A row never shows itself as a window of its own.
    if (parentWidget()) setVisible(action->isVisible());
    updateGeometry();
}

QSize RowButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int height = std::max(metrics.height(), symbolSize) + 2 * RowButtonStyle::verticalInset;
    const int width = 2 * RowButtonStyle::horizontalInset + symbolSize + symbolGap + metrics.horizontalAdvance(text());
    return {width, height};
}

void RowButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const RowButtonStyle style = RowButtonStyle::look(isDown(), m_hovering, palette());
    style.paintBackground(painter, QRectF(rect()));
    if (hasFocus() && !isDown() && !m_hovering) {
        QColor ring = palette().color(QPalette::Highlight);
        ring.setAlphaF(0.6);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ring, 1.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), RowButtonStyle::cornerRadius,
                                RowButtonStyle::cornerRadius);
    }

    const QRect content = rect().adjusted(RowButtonStyle::horizontalInset, RowButtonStyle::verticalInset,
                                          -RowButtonStyle::horizontalInset, -RowButtonStyle::verticalInset);
    const QPixmap symbol = Symbols::pixmap(m_symbol, style.foreground, symbolSize, devicePixelRatioF());
    // The symbol leads: at the right in a right-to-left layout.
    const QRect symbolRect =
        QStyle::visualRect(layoutDirection(), rect(),
                           QRect(content.left(), content.center().y() - symbolSize / 2 + 1, symbolSize, symbolSize));
    painter.drawPixmap(symbolRect.topLeft(), symbol);
    painter.setPen(style.foreground);
    const QRect textRect =
        QStyle::visualRect(layoutDirection(), rect(), content.adjusted(symbolSize + symbolGap, 0, 0, 0));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));
}

void RowButton::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void RowButton::leaveEvent(QEvent* event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void RowButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) update();
    QAbstractButton::changeEvent(event);
}

void RowButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->ignore();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
