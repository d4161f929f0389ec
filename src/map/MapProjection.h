#pragma once

#include "Coordinate.h"

#include <QPointF>
#include <QSizeF>

// The map's equirectangular projection over the band from 84° N (top edge)
// to 58° S (bottom edge), all 360° of longitude across. Points outside the
// band land outside the rectangle; nothing is clamped.
namespace MapProjection {

constexpr double northEdge = 84;
constexpr double southEdge = -58;
constexpr double latitudeSpan = northEdge - southEdge; // 142
constexpr double aspectRatio = 360.0 / latitudeSpan;   // width : height

inline QPointF project(const Coordinate& c, const QSizeF& size)
{
    return {size.width() * (c.longitude + 180) / 360, size.height() * (northEdge - c.latitude) / latitudeSpan};
}

inline Coordinate unproject(const QPointF& p, const QSizeF& size)
{
    return {p.x() / size.width() * 360 - 180, northEdge - p.y() / size.height() * latitudeSpan};
}

} // namespace MapProjection
