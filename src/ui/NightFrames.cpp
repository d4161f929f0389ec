#include "NightFrames.h"

#include "map/Terminator.h"
#include "platform/OwnPages.h"

#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdlib>

namespace {

constexpr qsizetype keptFrames = 1; // the one shown; its neighbours are under way

QColor withOpacity(QColor color, double opacity)
{
    color.setAlphaF(float(opacity));
    return color;
}

} // namespace

NightFrames::NightFrames() = default;

NightFrames::~NightFrames() = default;

QThreadPool& NightFrames::pool()
{
    // One frame at a time, and no thread left waiting to wake the process
    // later. Qt ends the process with exit() when the display goes away;
    // the exit handlers then tear down what a frame or patch being drawn
    // still uses, so the first of them to run (the last registered, after
    // Qt's own) waits for the drawing to end. Never destroyed, as work may
    // still hold it.
    static QThreadPool* const shared = [] {
        auto* made = new QThreadPool;
        made->setMaxThreadCount(1);
        made->setExpiryTimeout(0);
        std::atexit([] {
            pool().clear();
            pool().waitForDone();
            if (QThreadPool* global = QThreadPool::globalInstance()) global->waitForDone();
        });
        return made;
    }();
    return *shared;
}

QThreadPool& NightFrames::patchPool()
{
    (void)pool(); // for its exit handler
    // A patch is small and made once a minute: on the application's pool,
    // its memory is what those threads' earlier work left free. A thread
    // of its own would hold as much again for good.
    return *QThreadPool::globalInstance();
}

namespace {

// The widest pen of the glow, and what edge smoothing and the rounding of a
// moved line can reach past it.
constexpr double glowWidth = 18;
constexpr double reach = 2;

} // namespace

void NightFrames::paintNight(QPainter& painter, const QSizeF& size, const QColor& night, const QColor& edge,
                             const QDateTime& at)
{
    paintNight(painter, terminator(size, size, at), night, edge);
}

void NightFrames::paintNight(QPainter& painter, const Terminator& shade, const QColor& night, const QColor& edge)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shade.fill, night);
    // The glow is at most a few percent opaque: edge smoothing would not show
    // on it, and drawing it without costs a third of the time.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& [width, factor] : {std::pair{glowWidth, 0.3}, std::pair{11.0, 0.45}, std::pair{5.0, 0.6}}) {
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
    QImage image(look.base.size(), QImage::Format_ARGB32_Premultiplied);
    composeInto(image, look, at);
    return image;
}

void NightFrames::composeInto(QImage& image, const Look& look, const QDateTime& at)
{
    // Opaque, so that it copies onto the screen as the map would paint there.
    image.setDevicePixelRatio(look.ratio);
    image.fill(look.background);
    QPainter painter(&image);
    painter.drawImage(QPointF(0, 0), look.base);
    paintNight(painter, look.base.deviceIndependentSize(), look.night, look.edge, at);
    paintMarkers(painter, look.markers);
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
    clearFrames();
    m_patch = {};
}

void NightFrames::clearFrames()
{
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
        m_underWay.insert(second, {look.markers, QtConcurrent::run(&pool(), &NightFrames::compose, look, at)});
    }
    // Guesses that did not come true are dropped once done.
    for (auto it = m_underWay.begin(); it != m_underWay.end();) {
        const bool wanted = std::any_of(instants.cbegin(), instants.cend(),
                                        [&](const QDateTime& at) { return at.toSecsSinceEpoch() == it.key(); });
        it = !wanted && it->image.isFinished() ? m_underWay.erase(it) : std::next(it);
    }
}

QRegion NightFrames::changedRegion(const QSizeF& size, const QDateTime& from, const QDateTime& to)
{
    // Both day-night lines stroked wider than the glow, onto one pixel per
    // cell: a cell the band touches at all gets some coverage, as the pen is
    // wider by a cell than the band needs.
    constexpr int cell = Patch::cell;
    const QSize cells(int(std::ceil(size.width() / cell)), int(std::ceil(size.height() / cell)));
    QImage mask(cells, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(1.0 / cell, 1.0 / cell);
        // The glow follows the line, but the night's own edge goes on where
        // the line is broken, so the sliver it moves over is stroked too.
        const Terminator before = terminator(size, size, from);
        const Terminator after = terminator(size, size, to);
        QPainterPath lines = before.edge;
        lines.addPath(after.edge);
        lines.addPath(before.fill.subtracted(after.fill));
        lines.addPath(after.fill.subtracted(before.fill));
        painter.strokePath(lines,
                           QPen(Qt::black, glowWidth + 2 * (reach + cell), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    QRegion region;
    for (int y = 0; y < cells.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < cells.width();) {
            if (!line[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < cells.width() && line[x])
                ++x;
            region += QRect(start * cell, y * cell, (x - start) * cell, cell);
        }
    }
    return region & QRect(QPoint(0, 0), size.toSize());
}

NightFrames::Patch NightFrames::makePatch(const Look& look, const QDateTime& from, const QDateTime& to)
{
    Patch patch;
    patch.from = from.toSecsSinceEpoch();
    patch.to = to.toSecsSinceEpoch();
    patch.markers = look.markers;
    const QSizeF size = look.base.deviceIndependentSize();
    patch.region = changedRegion(size, from, to);
    // A frame cut into a patch's pieces is let go at once: in pages of its
    // own, it goes back to the system then.
    QImage frame = OwnPages::image(look.base.size());
    composeInto(frame, look, to);
    for (const QRect& rect : patch.region) {
        const QRect pixels(rect.topLeft() * look.ratio, rect.size() * look.ratio);
        QImage piece = frame.copy(pixels);
        piece.setDevicePixelRatio(look.ratio);
        patch.pieces.append({rect, std::move(piece)});
    }
    return patch;
}

void NightFrames::preparePatch(const QDateTime& from, const QDateTime& to, const Look& look)
{
    adopt(look);
    // Squares of whole device pixels only.
    const qreal side = Patch::cell * look.ratio;
    if (side != std::round(side)) return;
    if (m_patch.isValid() && !m_patch.isFinished()) return;
    if (m_patch.isValid()) {
        const Patch& made = m_patch.result();
        if (made.from == from.toSecsSinceEpoch() && made.to == to.toSecsSinceEpoch() && made.markers == look.markers)
            return;
    }
    m_patch = QtConcurrent::run(&patchPool(), &NightFrames::makePatch, look, from, to);
}

std::optional<NightFrames::Patch> NightFrames::readyPatch(const QDateTime& from, const QDateTime& to, const Look& look)
{
    adopt(look);
    if (!m_patch.isValid() || !m_patch.isFinished()) return std::nullopt;
    Patch made = m_patch.takeResult();
    m_patch = {};
    if (made.from != from.toSecsSinceEpoch() || made.to != to.toSecsSinceEpoch() || made.markers != look.markers)
        return std::nullopt;
    return made;
}
