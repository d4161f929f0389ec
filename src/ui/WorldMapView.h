#pragma once

#include "NightFrames.h"
#include "catalogue/City.h"
#include "map/Coordinate.h"

#include <QDateTime>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <optional>

class CityDatabase;
struct WorldLand;

// The world map of the city chooser: continents, the night side at the
// displayed instant, a dot per listed city, a highlight per tracked city and
// a ring at the focus. It keeps none of these: it reads them from their
// owners through its sources and is told to repaint when they change.
// Hovering names the nearest catalogue city; a click asks for it as focus.
class WorldMapView : public QWidget {
    Q_OBJECT

public:
    struct HoverTarget {
        City city;
        QPointF location; // in the widget's coordinates
    };

    struct Palette {
        QColor ocean, land, night, terminatorEdge, listedDot, highlight;
        static Palette forDark(bool dark, const QColor& accent);
    };

    struct Sources {
        std::function<QDateTime()> instant;
        std::function<QList<City>()> tracked;
        std::function<QList<City>()> listed;
        std::function<std::optional<Coordinate>()> focus;
        std::function<void(const std::optional<Coordinate>&)> setFocus;
        std::function<QString()> focusCaption; // under the focus ring; may be empty
        // The instants likely shown next, whose night side is drawn ahead; may be empty.
        std::function<QList<QDateTime>()> upcoming;
        // While live, the instant of the next tick, whose changes are drawn ahead.
        std::function<std::optional<QDateTime>()> nextTick;
    };

    static constexpr double hoverRadiusKm = 700;

    WorldMapView(const WorldLand& land, const CityDatabase& database, Sources sources, QWidget* parent = nullptr);

    std::optional<Coordinate> focus() const { return m_sources.focus(); }

    const std::optional<HoverTarget>& hover() const { return m_hover; }

    // The map's rectangle inside the widget: the largest 360 : 142 rectangle
    // that fits, centred.
    QRectF mapRect() const;
    // The catalogue city nearest to a point of the map (map coordinates).
    std::optional<City> cityAt(const QPointF& mapPoint) const;
    // The hover label's rectangle for the current hover, in widget coordinates.
    QRectF hoverLabelRect() const;

    bool isDark() const;
    // Draws the whole map into a rectangle of the given size (map coordinates).
    void paintMap(QPainter& painter, const QSizeF& size) const;

    // The displayed instant changed: repaints what it changes, and says where.
    QRegion showInstant();

    QSize sizeHint() const override { return {720, 284}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setHover(std::optional<HoverTarget> hover);
    // The focus for a point of the map (map coordinates): the nearest city, else the point.
    void choose(const QPointF& mapPoint);
    void moveKeyPoint(const Coordinate& point);
    void paintLand(QPainter& painter, const QSizeF& size, qreal devicePixelRatio, const Palette& colors) const;
    void paintDynamicLayers(QPainter& painter, const QSizeF& size, const Palette& palette) const;
    // Where the dots of the listed and tracked cities and the focus ring fall.
    NightFrames::Markers markers(const QSizeF& size, const Palette& colors) const;
    // The night is drawn for the whole minute, as every clock shows it.
    QDateTime nightInstant() const;
    // What frames and patches are made of, while the map fills the widget
    // to the whole pixel and its ocean and land are drawn.
    std::optional<NightFrames::Look> look() const;
    // Starts the frames of the likely next instants and the next tick's patch.
    void prepareAhead();

    const WorldLand& m_land;
    const CityDatabase& m_database;
    Sources m_sources;
    std::optional<HoverTarget> m_hover;
    std::optional<Coordinate> m_keyPoint; // where the arrow keys have taken the point
    // Ocean and land change only with the size and the palette; the hover
    // label moves over them without redrawing every coastline.
    // (An image, so that frames can be made from it on another thread; a new
    // generation for each.)
    QImage m_base;
    int m_baseGeneration = 0;
    NightFrames m_frames;
    // The minute the whole map shows, and the change to the next one once
    // it is on its way to the screen.
    std::optional<QDateTime> m_shown;
    std::optional<NightFrames::Patch> m_patch;
    bool m_aheadQueued = false;
};
