#include "ClockRow.h"

#include "Symbols.h"

#include <QEvent>
#include <QPainter>

ClockRow::ClockRow(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ClockRow::setContent(const Content& content, const ClockFormatter& formatter)
{
    Texts texts;
    texts.time = formatter.timeText(content.now, content.timeZone);
    texts.zoneName = formatter.zoneName(content.timeZone, content.now);
    texts.dayOffset = formatter.dayOffset(content.now, content.timeZone);
    if (texts.dayOffset != 0) texts.dayLabel = formatter.dayLabel(texts.dayOffset, content.now, content.timeZone);

    const bool changed = texts != m_texts || content.title != m_content.title || content.isHome != m_content.isHome ||
                         content.selection != m_content.selection || content.emoji != m_content.emoji ||
                         content.originalName != m_content.originalName;
    m_content = content;
    if (!changed) return;
    m_texts = texts;
    setAccessibleName(accessibleText());
    updateGeometry();
    update();
}

QString ClockRow::accessibleText() const
{
    QStringList parts{m_content.title};
    if (m_content.originalName) parts.append(*m_content.originalName);
    parts.append(m_texts.time);
    if (m_texts.dayOffset != 0) parts.append(m_texts.dayLabel);
    if (m_content.isHome) parts.append(QStringLiteral("your time zone"));
    if (m_content.selection == Selection::checked) parts.append(QStringLiteral("tracked"));
    return parts.join(QStringLiteral(", "));
}

QFont ClockRow::baseFont() const
{
    QFont f = font();
    f.setPixelSize(basePixelSize);
    return f;
}

QFont ClockRow::timeFont() const
{
    QFont f = baseFont();
    f.setWeight(m_content.isHome ? QFont::DemiBold : QFont::Normal);
    return f;
}

QFont ClockRow::captionFont() const
{
    QFont f = font();
    f.setPixelSize(captionPixelSize);
    return f;
}

QColor ClockRow::secondaryColor() const
{
    QColor color = palette().color(QPalette::WindowText);
    color.setAlphaF(0.55);
    return color;
}

QString ClockRow::zoneText() const
{
    return QStringLiteral("(") + m_texts.zoneName + QStringLiteral(")");
}

ClockRowLayout ClockRow::currentLayout() const
{
    const QFontMetricsF base(baseFont());
    ClockRowLayout::Input input;
    if (m_content.emoji) input.emoji = base.horizontalAdvance(*m_content.emoji);
    input.title = base.horizontalAdvance(m_content.title);
    if (m_content.originalName) input.originalName = base.horizontalAdvance(*m_content.originalName);
    input.zoneName = base.horizontalAdvance(zoneText());
    if (m_texts.dayOffset != 0) input.dayLabel = QFontMetricsF(captionFont()).horizontalAdvance(m_texts.dayLabel);
    input.time = QFontMetricsF(timeFont()).horizontalAdvance(m_texts.time);
    return ClockRowLayout::compute(input, width() - 2 * horizontalInset);
}

QSize ClockRow::sizeHint() const
{
    const int height = int(std::ceil(QFontMetricsF(baseFont()).height())) + 2 * verticalInset + 2;
    return {400, height};
}

QSize ClockRow::minimumSizeHint() const
{
    return {int(2 * horizontalInset + ClockRowLayout::markerWidth + ClockRowLayout::minimumTimeWidth +
                2 * ClockRowLayout::spacing + ClockRowLayout::minimumSpacer),
            sizeHint().height()};
}

void ClockRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const ClockRowLayout layout = currentLayout();
    const QColor primary = palette().color(QPalette::WindowText);
    const QColor tint = palette().color(QPalette::Highlight);
    const qreal top = verticalInset;
    const qreal height = this->height() - 2 * verticalInset;

    const auto box = [&](ClockRowLayout::Part part) {
        const auto& slot = layout.parts[part];
        return QRectF(horizontalInset + slot.x, top, slot.width, height);
    };
    const auto drawText = [&](ClockRowLayout::Part part, const QString& text, const QFont& font, const QColor& color,
                              Qt::Alignment alignment = Qt::AlignLeft) {
        if (!layout.parts[part].present || layout.parts[part].width <= 0) return;
        painter.setFont(font);
        painter.setPen(color);
        const QRectF r = box(part);
        const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, r.width() + 0.5);
        painter.drawText(r, alignment | Qt::AlignVCenter, shown);
    };

    switch (m_content.selection) {
    case Selection::checked:
        Symbols::paintCheckmark(painter, box(ClockRowLayout::marker), tint);
        break;
    case Selection::hidden:
        if (m_content.isHome) Symbols::paintLocation(painter, box(ClockRowLayout::marker), tint);
        break;
    case Selection::unchecked:
        break;
    }
    const QFont base = baseFont();
    if (m_content.emoji) drawText(ClockRowLayout::emoji, *m_content.emoji, base, primary);
    drawText(ClockRowLayout::title, m_content.title, base, primary);
    if (m_content.originalName) drawText(ClockRowLayout::originalName, *m_content.originalName, base, secondaryColor());
    drawText(ClockRowLayout::zoneName, zoneText(), base, secondaryColor());
    if (m_texts.dayOffset != 0) drawText(ClockRowLayout::dayLabel, m_texts.dayLabel, captionFont(), secondaryColor());
    drawText(ClockRowLayout::time, m_texts.time, timeFont(), primary, Qt::AlignRight);
}

void ClockRow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) update();
    QWidget::changeEvent(event);
}
