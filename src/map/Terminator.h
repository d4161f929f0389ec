#pragma once

#include <QDateTime>
#include <QPainterPath>
#include <QSizeF>

// Where the sun stands: declination in radians (positive over the northern
// hemisphere) and the subsolar longitude in degrees (-180 to 180), from the
// usual low-precision series in universal time.
struct SolarPosition {
    double declination = 0;
    double subsolarLongitude = 0;
};

SolarPosition solarPosition(const QDateTime& at);

// The night side on the map: `fill` covers it (with a margin past the
// edges), `edge` is the day-night line, broken where it leaves the visible
// latitude band. In map points for a map of `size`; `bounds` sets the margin.
struct Terminator {
    static constexpr int sampleCount = 249; // -186° to +186° in steps of 1.5°
    static constexpr double margin = 14;

    QPainterPath fill;
    QPainterPath edge;
};

Terminator terminator(const QSizeF& size, const QSizeF& bounds, const QDateTime& at);
