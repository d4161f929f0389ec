#include "NightFrames.h"

#include "map/Terminator.h"

#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr qsizetype keptFrames = 1; // the one shown; its neighbours are under way

QColor withOpacity(QColor color, double opacity)
{
    color.setAlphaF(float(opacity));
    return color;
}

} // namespace

NightFrames::NightFrames()
{
    // One frame at a time, and no thread left waiting to wake the process later.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(0);
}

NightFrames::~NightFrames()
{
    m_pool.waitForDone();
}

void NightFrames::paintNight(QPainter& painter, const QSizeF& size, const QColor& night, const QColor& edge,
                             const QDateTime& at)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const Terminator shade = terminator(size, size, at);
    painter.fillPath(shade.fill, night);
    // The glow is at most a few percent opaque: edge smoothing would not show
    // on it, and drawing it without costs a third of the time.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& [width, factor] : {std::pair{18.0, 0.3}, std::pair{11.0, 0.45}, std::pair{5.0, 0.6}}) {
        QPen pen(withOpacity(edge, edge.alphaF() * factor), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        pen.setMiterLimit(10);
        painter.strokePath(shade.edge, pen);
    }
    painter.setRenderHint(QPainter::Antialiasing);
}

void NightFrames::paintMarkers(QPainter& painter, const Markers& markers)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markers.listedDot);
    for (const QPointF& at : markers.listed)
        painter.drawEllipse(at, 2.0, 2.0);
    for (const QPointF& at : markers.tracked) {
        painter.setBrush(withOpacity(markers.highlight, 0.25));
        painter.drawEllipse(at, 6.0, 6.0);
        painter.setBrush(markers.highlight);
        painter.drawEllipse(at, 3.0, 3.0);
    }
    painter.setBrush(Qt::NoBrush);
    if (markers.focus) {
        painter.setPen(QPen(withOpacity(markers.highlight, 0.75), 1.5));
        painter.drawEllipse(*markers.focus, 9.0, 9.0);
    }
}

QImage NightFrames::compose(const Look& look, const QDateTime& at)
{
    // Opaque, so that it copies onto the screen as the map would paint there.
    QImage image(look.base.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(look.ratio);
    image.fill(look.background);
    QPainter painter(&image);
    painter.drawImage(QPointF(0, 0), look.base);
    paintNight(painter, look.base.deviceIndependentSize(), look.night, look.edge, at);
    paintMarkers(painter, look.markers);
    return image;
}

void NightFrames::adopt(const Look& look)
{
    if (look.generation == m_generation) return;
    // Frames of another size or palette are of no more use.
    clear();
    m_generation = look.generation;
}

void NightFrames::clear()
{
    // Work under way finishes unread.
    m_generation = -1;
    m_kept.clear();
    m_underWay.clear();
}

QImage NightFrames::frame(const QDateTime& at, const Look& look)
{
    adopt(look);
    const qint64 second = at.toSecsSinceEpoch();
    for (const Frame& kept : std::as_const(m_kept))
        if (kept.second == second && kept.markers == look.markers) return kept.image;
    QImage made;
    const auto underWay = m_underWay.find(second);
    if (underWay != m_underWay.end() && underWay->markers == look.markers)
        made = underWay->image.result();
    else
        made = compose(look, at);
    if (underWay != m_underWay.end()) m_underWay.erase(underWay);
    m_kept.prepend({second, look.markers, made});
    if (m_kept.size() > keptFrames) m_kept.removeLast();
    return made;
}

void NightFrames::prefetch(const QList<QDateTime>& instants, const Look& look)
{
    adopt(look);
    for (const QDateTime& at : instants) {
        const qint64 second = at.toSecsSinceEpoch();
        const bool kept = std::any_of(m_kept.cbegin(), m_kept.cend(), [&](const Frame& frame) {
            return frame.second == second && frame.markers == look.markers;
        });
        const auto underWay = m_underWay.constFind(second);
        if (kept || (underWay != m_underWay.cend() && underWay->markers == look.markers)) continue;
        m_underWay.insert(second, {look.markers, QtConcurrent::run(&m_pool, &NightFrames::compose, look, at)});
    }
    // Guesses that did not come true are dropped once done.
    for (auto it = m_underWay.begin(); it != m_underWay.end();) {
        const bool wanted = std::any_of(instants.cbegin(), instants.cend(),
                                        [&](const QDateTime& at) { return at.toSecsSinceEpoch() == it.key(); });
        it = !wanted && it->image.isFinished() ? m_underWay.erase(it) : std::next(it);
    }
}
