#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

// Sunrise and sunset at a place, from the sun's position (NOAA's form of
// Meeus's series), with refraction and the sun's radius taken in: the
// moment the sun's centre stands 0.833° below the horizon.
struct SunTimes {
    enum class Kind { risesAndSets, upAllDay, downAllDay };
    Kind kind = Kind::risesAndSets;
    QDateTime rise; // UTC; invalid unless the sun rises and sets
    QDateTime set;

    // For the place's local date `date` in `zone`.
    static SunTimes on(const QDate& date, double latitude, double longitude, const QTimeZone& zone);
};

// A place on the globe, in degrees (north and east positive).
struct Place {
    double latitude = 0;
    double longitude = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

// Where the sun stands for a place at an instant: above the horizon, in
// civil twilight (down to 6° below), or night.
enum class Sky { day, twilight, night };
Sky skyAt(const QDateTime& at, double latitude, double longitude);
