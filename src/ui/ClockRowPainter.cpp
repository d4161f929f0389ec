#include "ClockRowPainter.h"

#include "Symbols.h"
#include "TextCache.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmapCache>

#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

namespace {

QFont baseFont(const QFont& font)
{
    QFont f = font;
    f.setPixelSize(ClockRowPainter::basePixelSize);
    return f;
}

QFont timeFont(const QFont& font, bool isHome)
{
    QFont f = baseFont(font);
    f.setWeight(isHome ? QFont::DemiBold : QFont::Normal);
    return f;
}

QFont captionFont(const QFont& font)
{
    QFont f = font;
    f.setPixelSize(ClockRowPainter::captionPixelSize);
    return f;
}

QString zoneText(const ClockRowTexts& texts)
{
    return QStringLiteral("(") + texts.zoneName + QStringLiteral(")");
}

qreal textWidth(const QString& text, const QFont& font)
{
    return TextCache::of(font)->width(text);
}

// A row's fonts, derived from the view's font, with their texts. Rows are
// drawn one after another in the same font: the last is kept (rows are
// drawn on the main thread only).
struct RowFonts {
    QFont base;
    QFont caption;
    QFont time;
    QFont homeTime;
    std::shared_ptr<TextCache> baseTexts;
    std::shared_ptr<TextCache> captionTexts;
    std::shared_ptr<TextCache> timeTexts;
    std::shared_ptr<TextCache> homeTimeTexts;

    const QFont& timeFor(bool isHome) const { return isHome ? homeTime : time; }
    TextCache& timeTextsFor(bool isHome) const { return isHome ? *homeTimeTexts : *timeTexts; }

    static const RowFonts& of(const QFont& font)
    {
        static QFont last;
        static std::optional<RowFonts> made;
        if (!made || !(font == last)) {
            last = font;
            RowFonts fonts{
                baseFont(font), captionFont(font), timeFont(font, false), timeFont(font, true), {}, {}, {}, {}};
            fonts.baseTexts = TextCache::of(fonts.base);
            fonts.captionTexts = TextCache::of(fonts.caption);
            fonts.timeTexts = TextCache::of(fonts.time);
            fonts.homeTimeTexts = TextCache::of(fonts.homeTime);
            made = std::move(fonts);
        }
        return *made;
    }
};

// Colour emoji come from a bitmap font that is scaled on every draw: each
// is also drawn once per font and colour and kept.
qreal emojiWidth(const QString& emoji, const QFont& font)
{
    return textWidth(emoji, font);
}

QPixmap emojiImage(const QString& emoji, const QFont& font, const QColor& color, qreal ratio)
{
    const QString key =
        QStringLiteral("horavia-emoji:%1:%2:%3:%4").arg(emoji, font.key(), color.name(QColor::HexArgb)).arg(ratio);
    QPixmap image;
    if (QPixmapCache::find(key, &image)) return image;
    const QSizeF size(emojiWidth(emoji, font), QFontMetricsF(font).height());
    image = QPixmap((size * ratio).toSize() + QSize(1, 1));
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(QPointF(0, 0), size), Qt::AlignLeft | Qt::AlignVCenter, emoji);
    painter.end();
    QPixmapCache::insert(key, image);
    return image;
}

// Working hours: a filled dot; awake outside them: a ring; night: a
// crescent. The shape says it, so colour is never the only cue.
void paintDayPart(QPainter& painter, const QRectF& box, DayPart part, const QPalette& palette)
{
    constexpr qreal size = 8;
    const QRectF dot(box.center().x() - size / 2, box.center().y() - size / 2, size, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ink = palette.color(QPalette::WindowText);
    switch (part) {
    case DayPart::working:
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.color(QPalette::Highlight));
        painter.drawEllipse(dot);
        break;
    case DayPart::awake:
        ink.setAlphaF(0.6);
        painter.setPen(QPen(ink, 1.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(dot.adjusted(0.65, 0.65, -0.65, -0.65));
        break;
    case DayPart::night: {
        ink.setAlphaF(0.6);
        // Cut once: a path's subtraction costs more than drawing it.
        static const QPainterPath crescent = [] {
            const QRectF disc(-size / 2, -size / 2, size, size);
            QPainterPath moon;
            moon.addEllipse(disc);
            QPainterPath bite;
            bite.addEllipse(disc.translated(size * 0.38, -size * 0.22));
            return moon.subtracted(bite);
        }();
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(crescent.translated(dot.center()));
        break;
    }
    }
    painter.restore();
}

// The sun at the place: a sun with rays by day, half a sun on the horizon in
// twilight, a star at night; shape first, colour second.
void paintSky(QPainter& painter, const QRectF& box, Sky sky, const QPalette& palette)
{
    const QPointF c = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ink = palette.color(QPalette::WindowText);
    ink.setAlphaF(0.6);
    const QColor sun(0xE0, 0x9A, 0x10);
    switch (sky) {
    case Sky::day:
        painter.setPen(QPen(sun, 1.1, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(sun);
        painter.drawEllipse(c, 2.3, 2.3);
        for (int ray = 0; ray < 8; ++ray) {
            const double angle = ray * std::numbers::pi / 4;
            const QPointF direction(std::cos(angle), std::sin(angle));
            painter.drawLine(c + direction * 3.6, c + direction * 5.0);
        }
        break;
    case Sky::twilight: {
        painter.setPen(QPen(sun, 1.1, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(sun);
        const QRectF disc(c.x() - 3.2, c.y() - 1.2, 6.4, 6.4);
        painter.drawPie(disc, 0, 180 * 16);
        painter.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(c.x() - 5, c.y() + 2), QPointF(c.x() + 5, c.y() + 2));
        break;
    }
    case Sky::night: {
        QPainterPath star;
        star.moveTo(c.x(), c.y() - 4.5);
        star.quadTo(c, QPointF(c.x() + 4.5, c.y()));
        star.quadTo(c, QPointF(c.x(), c.y() + 4.5));
        star.quadTo(c, QPointF(c.x() - 4.5, c.y()));
        star.quadTo(c, QPointF(c.x(), c.y() - 4.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(star);
        break;
    }
    }
    painter.restore();
}

} // namespace

namespace ClockRowPainter {

namespace {

ClockRowLayout::Input inputFor(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts shown,
                               const QFont& font)
{
    const RowFonts& fonts = RowFonts::of(font);
    TextCache& base = *fonts.baseTexts;
    TextCache& caption = *fonts.captionTexts;
    ClockRowLayout::Input input;
    if (content.emoji) input.emoji = base.width(*content.emoji);
    input.title = base.width(content.title);
    if (content.originalName && shown.originalName) input.originalName = base.width(*content.originalName);
    input.zoneName = base.width(zoneText(texts));
    if (!texts.offset.isEmpty()) input.offset = caption.width(texts.offset);
    if (texts.dayOffset != 0) input.dayLabel = caption.width(texts.dayLabel);
    input.dayPart = texts.dayPart.has_value();
    input.sky = texts.sky.has_value() && shown.sky;
    input.time = fonts.timeTextsFor(content.isHome).width(texts.time);
    return input;
}

} // namespace

ClockRowLayout layoutFor(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts shown,
                         const QFont& font, int width)
{
    return ClockRowLayout::compute(inputFor(content, texts, shown, font), width - 2 * horizontalInset);
}

int naturalWidth(const ClockRowContent& content, const ClockRowTexts& texts, ClockRowParts shown, const QFont& font)
{
    return int(std::ceil(ClockRowLayout::naturalWidth(inputFor(content, texts, shown, font)))) + 2 * horizontalInset;
}

int rowHeight(const QFont& font, bool withNotice)
{
    const RowFonts& fonts = RowFonts::of(font);
    const int line = int(std::ceil(fonts.baseTexts->height())) + 2 * verticalInset + 2;
    return withNotice ? line + int(std::ceil(fonts.captionTexts->height())) : line;
}

int minimumWidth()
{
    return int(2 * horizontalInset + ClockRowLayout::markerWidth + ClockRowLayout::minimumTimeWidth +
               2 * ClockRowLayout::spacing + ClockRowLayout::minimumSpacer);
}

void paint(QPainter& painter, const QRect& rect, const ClockRowContent& content, const ClockRowTexts& texts,
           ClockRowParts shown, const QFont& font, const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    const ClockRowLayout layout = layoutFor(content, texts, shown, font, rect.width());
    const QColor primary = palette.color(QPalette::WindowText);
    QColor secondary = primary;
    secondary.setAlphaF(0.55);
    const QColor tint = palette.color(QPalette::Highlight);
    const qreal top = rect.top() + verticalInset;
    // A notice takes a caption line of its own under the row.
    const RowFonts& fonts = RowFonts::of(font);
    const qreal captionHeight = texts.notice.isEmpty() ? 0 : std::ceil(fonts.captionTexts->height());
    const qreal height = rect.height() - 2 * verticalInset - captionHeight;

    // Right to left, the parts run from the right edge: the time sits at
    // the left and each text keeps to its leading side.
    const bool mirrored = painter.layoutDirection() == Qt::RightToLeft;
    const auto box = [&](ClockRowLayout::Part part) {
        const auto& slot = layout.parts[part];
        const qreal x = mirrored ? rect.left() + rect.width() - horizontalInset - slot.x - slot.width
                                 : rect.left() + horizontalInset + slot.x;
        return QRectF(x, top, slot.width, height);
    };
    const auto drawText = [&](ClockRowLayout::Part part, const QString& text, const QFont& partFont, TextCache& laidOut,
                              const QColor& color, Qt::Alignment alignment = Qt::AlignLeft) {
        if (!layout.parts[part].present || layout.parts[part].width <= 0) return;
        painter.setFont(partFont);
        painter.setPen(color);
        const QRectF r = box(part);
        const qreal room = r.width() + 0.5;
        const QString elided = laidOut.elided(text, room);
        // Where drawText would put it in the box, centred on the line.
        const bool toRight = bool(alignment & Qt::AlignRight) != mirrored;
        const qreal x = toRight ? r.right() - laidOut.width(elided) : r.left();
        const qreal y = r.top() + (r.height() - laidOut.height()) / 2;
        painter.drawStaticText(QPointF(x, y), laidOut.prepared(elided));
    };

    switch (content.selection) {
    case ClockRowContent::Selection::checked:
        Symbols::paintCheckmark(painter, box(ClockRowLayout::marker), tint);
        break;
    case ClockRowContent::Selection::hidden:
        if (content.isHome) Symbols::paintLocation(painter, box(ClockRowLayout::marker), tint);
        break;
    case ClockRowContent::Selection::unchecked:
        break;
    }
    const QFont& base = fonts.base;
    TextCache& baseTexts = *fonts.baseTexts;
    TextCache& captionTexts = *fonts.captionTexts;
    if (content.emoji && layout.parts[ClockRowLayout::emoji].present) {
        const QPixmap image = emojiImage(*content.emoji, base, primary, painter.device()->devicePixelRatioF());
        const QRectF slot = box(ClockRowLayout::emoji);
        painter.drawPixmap(QPointF(slot.left(), slot.center().y() - image.deviceIndependentSize().height() / 2), image);
    }
    drawText(ClockRowLayout::title, content.title, base, baseTexts, primary);
    if (content.originalName && shown.originalName)
        drawText(ClockRowLayout::originalName, *content.originalName, base, baseTexts, secondary);
    drawText(ClockRowLayout::zoneName, zoneText(texts), base, baseTexts, secondary);
    if (texts.dayOffset != 0)
        drawText(ClockRowLayout::dayLabel, texts.dayLabel, fonts.caption, captionTexts, secondary);
    drawText(ClockRowLayout::offset, texts.offset, fonts.caption, captionTexts, secondary);
    if (texts.sky && shown.sky && layout.parts[ClockRowLayout::sky].present)
        paintSky(painter, box(ClockRowLayout::sky), *texts.sky, palette);
    if (texts.dayPart && layout.parts[ClockRowLayout::dayPart].present)
        paintDayPart(painter, box(ClockRowLayout::dayPart), *texts.dayPart, palette);
    drawText(ClockRowLayout::time, texts.time, fonts.timeFor(content.isHome), fonts.timeTextsFor(content.isHome),
             primary, Qt::AlignRight);
    if (!texts.notice.isEmpty()) {
        const qreal indent = horizontalInset + layout.parts[ClockRowLayout::title].x;
        const QRectF caption(mirrored ? rect.left() + horizontalInset : rect.left() + indent, top + height,
                             rect.width() - horizontalInset - indent, captionHeight);
        painter.setFont(captionFont(font));
        painter.setPen(secondary);
        // Qt sets the leading alignment to the right in a mirrored painter.
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop,
                         QFontMetricsF(captionFont(font)).elidedText(texts.notice, Qt::ElideRight, caption.width()));
    }
    painter.restore();
}

} // namespace ClockRowPainter
