#pragma once

#include <QHashFunctions>

// A point on the globe in degrees: longitude east positive, latitude north positive.
struct Coordinate {
    double longitude = 0;
    double latitude = 0;

    friend bool operator==(const Coordinate&, const Coordinate&) = default;
};

// Negative zero hashes like zero, since the two compare equal.
inline size_t qHash(const Coordinate& c, size_t seed = 0) noexcept
{
    return qHashMulti(seed, c.longitude == 0.0 ? 0.0 : c.longitude, c.latitude == 0.0 ? 0.0 : c.latitude);
}
