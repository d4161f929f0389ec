#include "WorldMapView.h"

#include "catalogue/CityDatabase.h"
#include "map/MapProjection.h"
#include "map/Terminator.h"
#include "map/WorldLand.h"
#include "text/LocaleText.h"

#include <QEvent>
#include <QHash>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

namespace {

QColor withOpacity(QColor color, double opacity)
{
    color.setAlphaF(float(opacity));
    return color;
}

constexpr double labelPaddingX = 7;
constexpr double labelPaddingY = 3;
constexpr double labelLift = 18;
constexpr double labelTopLimit = 14;

QFont captionFont(const QFont& base)
{
    QFont font = base;
    font.setPixelSize(11);
    return font;
}

} // namespace

WorldMapView::Palette WorldMapView::Palette::forDark(bool dark, const QColor& accent)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    if (dark)
        return {withOpacity(white, 0.04), withOpacity(white, 0.2),  withOpacity(black, 0.38),
                withOpacity(black, 0.24), withOpacity(white, 0.45), accent};
    return {withOpacity(black, 0.04), withOpacity(black, 0.17), withOpacity(black, 0.16),
            withOpacity(black, 0.1),  withOpacity(black, 0.35), accent};
}

WorldMapView::WorldMapView(const WorldLand& land, const CityDatabase& database, Sources sources, QWidget* parent)
    : QWidget(parent)
    , m_land(land)
    , m_database(database)
    , m_sources(std::move(sources))
{
    setMouseTracking(true);
    // In the Tab order: the arrow keys move a point over the map, Return
    // lists the places near it as a click does, Escape clears the selection.
    setFocusPolicy(Qt::StrongFocus);
    //: The map where a point is chosen to find places near it
    setAccessibleName(tr("World map"));
    const auto key = [](int code) { return QKeySequence(code).toString(QKeySequence::NativeText); };
    //: %1, %2, %3: the keys Shift, Return and Escape as Qt names them in the language
    setAccessibleDescription(tr("Arrow keys move the point, %1 by 10 degrees; %2 lists the places near it; %3 "
                                "clears the selection.")
                                 .arg(key(Qt::Key_Shift), key(Qt::Key_Return), key(Qt::Key_Escape)));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMinimumSize(180, 71);
    // What lies under the translucent ocean is the widget's own colour.
    setAutoFillBackground(true);
}

int WorldMapView::heightForWidth(int width) const
{
    return int(std::round(width / MapProjection::aspectRatio));
}

QRectF WorldMapView::mapRect() const
{
    const double w = width();
    const double h = height();
    if (w <= 0 || h <= 0) return {};
    QSizeF size(w, w / MapProjection::aspectRatio);
    if (size.height() > h) size = QSizeF(h * MapProjection::aspectRatio, h);
    return QRectF(QPointF((w - size.width()) / 2, (h - size.height()) / 2), size);
}

bool WorldMapView::isDark() const
{
    return palette().color(QPalette::Window).lightness() < 128;
}

std::optional<City> WorldMapView::cityAt(const QPointF& mapPoint) const
{
    const QSizeF size = mapRect().size();
    if (size.isEmpty()) return std::nullopt;
    const Coordinate at = MapProjection::unproject(mapPoint, size);
    const QList<City> nearest = m_database.nearestCities(at.latitude, at.longitude, hoverRadiusKm, 1, 1);
    if (nearest.isEmpty()) return std::nullopt;
    return nearest.first();
}

void WorldMapView::paintLand(QPainter& painter, const QSizeF& size, qreal devicePixelRatio, const Palette& colors) const
{
    // Drawn at this size, detail finer than about a device pixel cannot
    // show; dropping it halves the vertices. Filling ring by ring is several
    // times quicker for the rasterizer than one path of a thousand rings.
    const qreal tolerance = 0.75 / std::max<qreal>(devicePixelRatio, 1);
    QList<QPolygonF> land;
    QList<QPolygonF> reversed;
    // Most islands are specks at map sizes; one call draws them all.
    QList<QRectF> specks;
    land.reserve(m_land.rings.size());
    for (const QList<Coordinate>& ring : m_land.rings) {
        QPolygonF points;
        points.reserve(ring.size());
        qreal twiceArea = 0;
        for (const Coordinate& coordinate : ring) {
            const QPointF point = MapProjection::project(coordinate, size);
            if (!points.isEmpty()) {
                if (std::abs(point.x() - points.last().x()) < tolerance &&
                    std::abs(point.y() - points.last().y()) < tolerance)
                    continue;
                twiceArea += points.last().x() * point.y() - point.x() * points.last().y();
            }
            points.append(point);
        }
        const QRectF bounds = points.boundingRect();
        if (bounds.width() < 2 * tolerance && bounds.height() < 2 * tolerance) {
            const QSizeF side(std::max(bounds.width(), tolerance), std::max(bounds.height(), tolerance));
            specks.append(QRectF(bounds.center() - QPointF(side.width() / 2, side.height() / 2), side));
            continue;
        }
        if (points.size() < 3) continue;
        twiceArea += points.last().x() * points.first().y() - points.first().x() * points.last().y();
        // The outlines run counter-clockwise on the globe; map y grows
        // downward, so land has a negative area here.
        (twiceArea <= 0 ? land : reversed).append(points);
    }
    // A reversed ring inside land is a hole in it (an inland sea): that land
    // is filled as a path with the hole cut out, since the colours are
    // translucent and painting water over land would not undo it. Outside
    // any land, a reversed ring is land drawn the other way round.
    QHash<qsizetype, QPainterPath> withHoles;
    for (const QPolygonF& ring : std::as_const(reversed)) {
        const auto outer = std::find_if(land.cbegin(), land.cend(), [&](const QPolygonF& candidate) {
            return candidate.boundingRect().contains(ring.first()) &&
                   candidate.containsPoint(ring.first(), Qt::OddEvenFill);
        });
        if (outer == land.cend()) {
            land.append(ring);
            continue;
        }
        QPainterPath& path = withHoles[outer - land.cbegin()];
        if (path.isEmpty()) path.addPolygon(*outer);
        path.addPolygon(ring);
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.land);
    for (qsizetype i = 0; i < land.size(); ++i)
        if (!withHoles.contains(i)) painter.drawPolygon(land.at(i));
    for (QPainterPath& path : withHoles) {
        path.setFillRule(Qt::OddEvenFill);
        painter.drawPath(path);
    }
    painter.drawRects(specks);
    painter.restore();
}

void WorldMapView::paintMap(QPainter& painter, const QSizeF& size) const
{
    const Palette colors = Palette::forDark(isDark(), palette().color(QPalette::Highlight));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size), colors.ocean);
    paintLand(painter, size, painter.device()->devicePixelRatioF(), colors);
    paintDynamicLayers(painter, size, colors);
}

QDateTime WorldMapView::nightInstant() const
{
    const qint64 seconds = m_sources.instant().toSecsSinceEpoch();
    return QDateTime::fromSecsSinceEpoch(seconds - ((seconds % 60) + 60) % 60, Qt::UTC);
}

void WorldMapView::paintDynamicLayers(QPainter& painter, const QSizeF& size, const Palette& colors) const
{
    NightFrames::paintNight(painter, size, colors.night, colors.terminatorEdge, nightInstant());
    NightFrames::paintMarkers(painter, markers(size, colors));
}

NightFrames::Markers WorldMapView::markers(const QSizeF& size, const Palette& colors) const
{
    NightFrames::Markers markers;
    markers.listedDot = colors.listedDot;
    markers.highlight = colors.highlight;
    const QString& utcId = City::utc().id;
    const QList<City> tracked = m_sources.tracked();
    QSet<QString> trackedIds;
    for (const City& city : tracked)
        trackedIds.insert(city.id);
    for (const City& city : m_sources.listed())
        if (!trackedIds.contains(city.id) && city.id != utcId)
            markers.listed.append(MapProjection::project({city.longitude, city.latitude}, size));
    for (const City& city : tracked)
        if (city.id != utcId) markers.tracked.append(MapProjection::project({city.longitude, city.latitude}, size));
    if (const std::optional<Coordinate> focus = m_sources.focus()) markers.focus = MapProjection::project(*focus, size);
    return markers;
}

QRectF WorldMapView::hoverLabelRect() const
{
    if (!m_hover) return {};
    const QFontMetricsF metrics(captionFont(font()));
    const QSizeF size(metrics.horizontalAdvance(m_hover->city.displayName()) + 2 * labelPaddingX,
                      metrics.height() + 2 * labelPaddingY);
    const QPointF centre(m_hover->location.x(), std::max(m_hover->location.y() - labelLift, labelTopLimit));
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

std::optional<NightFrames::Look> WorldMapView::look() const
{
    const qreal ratio = devicePixelRatioF();
    if (mapRect() != QRectF(rect()) || m_base.isNull() || m_base.size() != size() * ratio) return std::nullopt;
    const Palette colors = Palette::forDark(isDark(), palette().color(QPalette::Highlight));
    return NightFrames::Look{
        m_base,           palette().color(backgroundRole()), ratio, colors.night, colors.terminatorEdge,
        m_baseGeneration, markers(mapRect().size(), colors)};
}

QRegion WorldMapView::showInstant()
{
    const QDateTime at = nightInstant();
    if (m_shown == at) return {}; // the same minute draws the same night
    m_patch.reset();
    const std::optional<NightFrames::Look> made = m_shown ? look() : std::nullopt;
    if (made) m_patch = m_frames.readyPatch(*m_shown, at, *made);
    const QRegion changed = m_patch ? m_patch->region : QRegion(rect());
    update(changed);
    return changed;
}

void WorldMapView::prepareAhead()
{
    m_aheadQueued = false;
    // A map hidden since its paint shows nothing (and its m_shown is gone).
    const std::optional<NightFrames::Look> made = m_shown ? look() : std::nullopt;
    if (!made) return;
    if (const QList<QDateTime> upcoming = m_sources.upcoming ? m_sources.upcoming() : QList<QDateTime>();
        !upcoming.isEmpty())
        m_frames.prefetch(upcoming, *made);
    if (const std::optional<QDateTime> next = m_sources.nextTick ? m_sources.nextTick() : std::nullopt)
        m_frames.preparePatch(*m_shown, *next, *made);
}

void WorldMapView::paintEvent(QPaintEvent* event)
{
    const QRectF area = mapRect();
    if (area.isEmpty()) return;
    QPainter painter(this);
    const Palette colors = Palette::forDark(isDark(), palette().color(QPalette::Highlight));

    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (area.size() * ratio).toSize();
    if (m_base.size() != pixels) {
        m_base = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_base.setDevicePixelRatio(ratio);
        m_base.fill(Qt::transparent);
        QPainter base(&m_base);
        base.setRenderHint(QPainter::Antialiasing);
        base.fillRect(QRectF(QPointF(0, 0), area.size()), colors.ocean);
        paintLand(base, area.size(), ratio, colors);
        ++m_baseGeneration;
        m_shown.reset();
    }
    const QDateTime minute = nightInstant();
    const std::optional<NightFrames::Look> whole = look();
    painter.translate(area.topLeft());
    // While a time is planned, its neighbours' night sides are drawn ahead
    // and each step copies one frame. While live, a tick repaints only what
    // the minute changed, made ahead too. Both fit a map that fills the
    // widget to the whole pixel; otherwise the map draws the night itself,
    // as a frame would.
    const QList<QDateTime> upcoming = m_sources.upcoming ? m_sources.upcoming() : QList<QDateTime>();
    const bool patched = whole && m_patch && m_patch->to == minute.toSecsSinceEpoch() &&
                         m_patch->markers == whole->markers && event->region().subtracted(m_patch->region).isEmpty();
    if (patched) {
        for (const auto& [rect, piece] : std::as_const(m_patch->pieces))
            if (event->region().intersects(rect)) painter.drawImage(rect.topLeft(), piece);
    } else if (whole && !upcoming.isEmpty()) {
        painter.drawImage(QPointF(0, 0), m_frames.frame(minute, *whole));
    } else {
        if (upcoming.isEmpty()) m_frames.clearFrames();
        painter.drawImage(QPointF(0, 0), m_base);
        paintDynamicLayers(painter, area.size(), colors);
    }
    // What is on screen now is this minute's map, wherever it was painted.
    if (!patched && event->region() != QRegion(rect()) && m_shown != minute)
        m_shown.reset();
    else
        m_shown = minute;
    // What comes next is made once this frame is done, not beside it.
    if (whole && m_shown && !m_aheadQueued) {
        m_aheadQueued = true;
        QMetaObject::invokeMethod(this, &WorldMapView::prepareAhead, Qt::QueuedConnection);
    }
    painter.resetTransform();

    const QString caption = m_sources.focusCaption ? m_sources.focusCaption() : QString();
    if (const std::optional<Coordinate> focus = m_sources.focus(); focus && !caption.isEmpty()) {
        // Sunrise and sunset at the focus, in a capsule under its ring.
        const QPointF at = MapProjection::project(*focus, area.size()) + area.topLeft();
        const QFont font = captionFont(this->font());
        const QFontMetricsF metrics(font);
        QRectF label(0, 0, metrics.horizontalAdvance(caption) + 14, metrics.height() + 4);
        label.moveCenter(at + QPointF(0, 14 + label.height() / 2));
        label.moveLeft(std::clamp(label.left(), 2.0, std::max(2.0, width() - label.width() - 2)));
        if (label.bottom() > height() - 2) label.moveBottom(at.y() - 14);
        QPainterPath capsule;
        capsule.addRoundedRect(label, label.height() / 2, label.height() / 2);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(capsule, withOpacity(palette().color(QPalette::Window), 0.85));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font);
        painter.drawText(label, Qt::AlignCenter, caption);
    }
    if (hasFocus() && m_keyPoint) {
        // The keyboard's point: a cross in a ring, in the accent colour.
        const QPointF at = MapProjection::project(*m_keyPoint, area.size()) + area.topLeft();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colors.highlight, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 6.0, 6.0);
        painter.drawLine(at - QPointF(10, 0), at - QPointF(3, 0));
        painter.drawLine(at + QPointF(3, 0), at + QPointF(10, 0));
        painter.drawLine(at - QPointF(0, 10), at - QPointF(0, 3));
        painter.drawLine(at + QPointF(0, 3), at + QPointF(0, 10));
    }
    if (m_hover) {
        const QRectF label = hoverLabelRect();
        QPainterPath capsule;
        capsule.addRoundedRect(label, label.height() / 2, label.height() / 2);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(capsule, withOpacity(palette().color(QPalette::Window), 0.85));
        painter.strokePath(capsule, QPen(withOpacity(palette().color(QPalette::WindowText), 0.25), 0.5));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(captionFont(font()));
        painter.drawText(label, Qt::AlignCenter, m_hover->city.displayName());
    }
}

void WorldMapView::setHover(std::optional<HoverTarget> hover)
{
    const QRectF before = hoverLabelRect();
    const bool same = hover.has_value() == m_hover.has_value() &&
                      (!hover || (hover->city.id == m_hover->city.id && hover->location == m_hover->location));
    if (same) return;
    m_hover = std::move(hover);
    // Only the label moves: repaint where it was and where it is.
    update(before.toAlignedRect().adjusted(-2, -2, 2, 2));
    update(hoverLabelRect().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void WorldMapView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const std::optional<City> city = cityAt(at - mapRect().topLeft());
    setHover(city ? std::optional(HoverTarget{*city, at}) : std::nullopt);
    QWidget::mouseMoveEvent(event);
}

void WorldMapView::mouseReleaseEvent(QMouseEvent* event)
{
    const QRectF area = mapRect();
    if (event->button() != Qt::LeftButton || area.isEmpty()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    choose(event->position() - area.topLeft());
}

void WorldMapView::choose(const QPointF& mapPoint)
{
    const QRectF area = mapRect();
    if (const std::optional<City> city = cityAt(mapPoint))
        m_sources.setFocus(Coordinate{city->longitude, city->latitude});
    else
        m_sources.setFocus(MapProjection::unproject(mapPoint, area.size()));
}

void WorldMapView::keyPressEvent(QKeyEvent* event)
{
    const double step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    Coordinate point = m_keyPoint.value_or(m_sources.focus().value_or(Coordinate{0, 20}));
    switch (event->key()) {
    case Qt::Key_Left:
        point.longitude = point.longitude - step < -180 ? point.longitude - step + 360 : point.longitude - step;
        break;
    case Qt::Key_Right:
        point.longitude = point.longitude + step > 180 ? point.longitude + step - 360 : point.longitude + step;
        break;
    case Qt::Key_Up:
        point.latitude = std::min(point.latitude + step, MapProjection::northEdge);
        break;
    case Qt::Key_Down:
        point.latitude = std::max(point.latitude - step, MapProjection::southEdge);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        choose(MapProjection::project(point, mapRect().size()));
        return;
    case Qt::Key_Escape:
        if (!m_sources.focus()) return QWidget::keyPressEvent(event);
        m_sources.setFocus(std::nullopt);
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
    moveKeyPoint(point);
}

void WorldMapView::moveKeyPoint(const Coordinate& point)
{
    m_keyPoint = point;
    const QRectF area = mapRect();
    const QPointF at = MapProjection::project(point, area.size());
    const std::optional<City> city = cityAt(at);
    setHover(city ? std::optional(HoverTarget{*city, at + area.topLeft()}) : std::nullopt);
    // A screen reader hears where the point is: the nearest place.
    //: The map where a point is chosen to find places near it
    setAccessibleName(city ? tr("World map, %1").arg(LocaleText::isolated(city->displayName())) : tr("World map"));
    update();
}

void WorldMapView::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::ShortcutFocusReason)
        moveKeyPoint(m_keyPoint.value_or(m_sources.focus().value_or(Coordinate{0, 20})));
    QWidget::focusInEvent(event);
}

void WorldMapView::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void WorldMapView::leaveEvent(QEvent* event)
{
    setHover(std::nullopt);
    QWidget::leaveEvent(event);
}

void WorldMapView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_base = QImage();
        m_shown.reset();
        update();
    }
    QWidget::changeEvent(event);
}

void WorldMapView::hideEvent(QHideEvent* event)
{
    m_frames.clear();
    m_patch.reset();
    m_shown.reset();
    QWidget::hideEvent(event);
}

void WorldMapView::resizeEvent(QResizeEvent* event)
{
    m_base = QImage();
    QWidget::resizeEvent(event);
}
