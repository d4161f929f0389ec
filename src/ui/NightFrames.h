#pragma once

#include <QColor>
#include <QDateTime>
#include <QFuture>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRegion>
#include <QThreadPool>

#include <optional>

class QPainter;
struct Terminator;

// The world map's ocean, land and night side at an instant, composed ahead
// of time on a thread of its own for the instants the map will likely show
// next (the next minute's tick, a step either way), so that a tick or a step
// draws one image instead of the night's outline and glow. A frame is what
// the map would paint itself, pixel for pixel.
class NightFrames {
public:
    // What a frame is made of: the ocean and land at the map's size in
    // device pixels, the colour under them, the night's colours and the
    // dots. A new generation starts afresh.
    // The map's dots over the night: listed and tracked cities and the
    // focus ring, where they fall (map coordinates), and their colours.
    struct Markers {
        QList<QPointF> listed;
        QList<QPointF> tracked;
        std::optional<QPointF> focus;
        QColor listedDot;
        QColor highlight;

        friend bool operator==(const Markers&, const Markers&) = default;
    };

    struct Look {
        QImage base;       // translucent, over `background`
        QColor background; // what the map's widget fills itself with
        qreal ratio = 1;
        QColor night;
        QColor edge;
        int generation = 0;
        Markers markers;
    };

    NightFrames();
    ~NightFrames();
    NightFrames(const NightFrames&) = delete;
    NightFrames& operator=(const NightFrames&) = delete;

    // The frame at `at` (to the second): kept, finished if under way, else made now.
    QImage frame(const QDateTime& at, const Look& look);
    // Starts making these frames unless kept or under way.
    void prefetch(const QList<QDateTime>& instants, const Look& look);
    // Lets go of every frame and patch (a hidden map needs none).
    void clear();
    // Lets go of the frames alone (a live map needs none).
    void clearFrames();

    // What changes on the map from one minute to the next: the pixels near
    // the day-night line (night, glow and the dots under them) in squares of
    // `cell` map points, from the frame at `to`. Everywhere else the two
    // frames are the same, so a live tick repaints only this region and
    // keeps no frame in memory.
    struct Patch {
        static constexpr int cell = 16;
        qint64 from = 0;
        qint64 to = 0; // seconds
        Markers markers;
        QRegion region; // map points
        QList<std::pair<QRect, QImage>> pieces;
    };
    // Starts making the patch from `from` to `to` unless under way or made.
    void preparePatch(const QDateTime& from, const QDateTime& to, const Look& look);
    // The patch from `from` to `to`, if made for this look; never waits.
    std::optional<Patch> readyPatch(const QDateTime& from, const QDateTime& to, const Look& look);
    // Where the frames at `from` and `to` may differ, in cells (map points).
    static QRegion changedRegion(const QSizeF& size, const QDateTime& from, const QDateTime& to);

    // The night side and its glow at `at` over a map of `size` (map coordinates).
    static void paintNight(QPainter& painter, const QSizeF& size, const QColor& night, const QColor& edge,
                           const QDateTime& at);
    static void paintNight(QPainter& painter, const Terminator& shade, const QColor& night, const QColor& edge);
    static void paintMarkers(QPainter& painter, const Markers& markers);

private:
    static QThreadPool& pool();
    static QThreadPool& patchPool();
    static QImage compose(const Look& look, const QDateTime& at);
    // Onto an image of the base's size.
    static void composeInto(QImage& image, const Look& look, const QDateTime& at);
    static Patch makePatch(const Look& look, const QDateTime& from, const QDateTime& to);
    void adopt(const Look& look);

    struct Frame {
        qint64 second;
        Markers markers;
        QImage image;
    };
    struct UnderWay {
        Markers markers;
        QFuture<QImage> image;
    };
    QList<Frame> m_kept; // the latest first
    QHash<qint64, UnderWay> m_underWay;
    QFuture<Patch> m_patch;
    int m_generation = -1;
};
