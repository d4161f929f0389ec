#pragma once

// A point on the globe in degrees: longitude east positive, latitude north positive.
struct Coordinate {
    double longitude = 0;
    double latitude = 0;

    friend bool operator==(const Coordinate&, const Coordinate&) = default;
};
