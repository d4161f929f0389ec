#include "SunTimes.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double radians = std::numbers::pi / 180;
constexpr double risingAltitude = -0.833; // refraction and the sun's radius

struct Sun {
    double declination;       // radians
    double equationOfTimeMin; // minutes
};

// NOAA's solar calculator (after Meeus, Astronomical Algorithms).
Sun sunAt(double unixSeconds)
{
    const double t = (unixSeconds / 86400.0 + 2440587.5 - 2451545.0) / 36525.0;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double anomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = std::sin(anomaly * radians) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * anomaly * radians) * (0.019993 - 0.000101 * t) +
                          std::sin(3 * anomaly * radians) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double apparent = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega * radians);
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = meanObliquity + 0.00256 * std::cos(omega * radians);
    const double y = std::pow(std::tan(obliquity * radians / 2), 2);
    const double l = meanLongitude * radians;
    const double m = anomaly * radians;
    const double equation = y * std::sin(2 * l) - 2 * eccentricity * std::sin(m) +
                            4 * eccentricity * y * std::sin(m) * std::cos(2 * l) - 0.5 * y * y * std::sin(4 * l) -
                            1.25 * eccentricity * eccentricity * std::sin(2 * m);
    return {std::asin(std::sin(obliquity * radians) * std::sin(apparent * radians)), 4 * equation / radians};
}

// The hour angle (degrees) at which the sun's centre stands at `altitude`;
// NaN above 1 (never that low) or below -1 (never that high) as the sign says.
double hourAngle(double latitude, double declination, double altitude)
{
    const double phi = latitude * radians;
    return (std::sin(altitude * radians) - std::sin(phi) * std::sin(declination)) /
           (std::cos(phi) * std::cos(declination));
}

} // namespace

SunTimes SunTimes::on(const QDate& date, double latitude, double longitude, const QTimeZone& zone)
{
    SunTimes times;
    // The UTC day whose solar noon falls on the place's local date.
    const double midnight = double(QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch());
    const auto event = [&](double dayStart, int direction, double& result) {
        // Solar noon, then the rise or set, each refined with the sun at that moment.
        double at = dayStart + (720 - 4 * longitude) * 60;
        for (int round = 0; round < 3; ++round) {
            const Sun sun = sunAt(at);
            const double noon = dayStart + (720 - 4 * longitude - sun.equationOfTimeMin) * 60;
            const double cosine = hourAngle(latitude, sun.declination, risingAltitude);
            if (cosine > 1) return Kind::downAllDay;
            if (cosine < -1) return Kind::upAllDay;
            at = noon + direction * 4 * std::acos(cosine) / radians * 60;
        }
        result = at;
        return Kind::risesAndSets;
    };
    for (const double shift : {0.0, -86400.0, 86400.0}) {
        double rise = 0;
        double set = 0;
        const Kind up = event(midnight + shift, -1, rise);
        const Kind down = event(midnight + shift, 1, set);
        if (up != Kind::risesAndSets || down != Kind::risesAndSets) {
            times.kind = up != Kind::risesAndSets ? up : down;
            if (shift == 0) return times;
            continue;
        }
        // The local date of the solar noon between them decides the day.
        const QDateTime noon = QDateTime::fromSecsSinceEpoch(qint64((rise + set) / 2), Qt::UTC);
        if (noon.toTimeZone(zone).date() != date) continue;
        times.kind = Kind::risesAndSets;
        times.rise = QDateTime::fromSecsSinceEpoch(qint64(std::llround(rise)), Qt::UTC);
        times.set = QDateTime::fromSecsSinceEpoch(qint64(std::llround(set)), Qt::UTC);
        return times;
    }
    return times;
}

Sky skyAt(const QDateTime& at, double latitude, double longitude)
{
    const double seconds = double(at.toSecsSinceEpoch());
    const Sun sun = sunAt(seconds);
    const double minutesOfDay = std::fmod(seconds, 86400.0) / 60;
    const double hour = (minutesOfDay + sun.equationOfTimeMin + 4 * longitude) / 4 - 180; // degrees from noon
    const double phi = latitude * radians;
    const double altitude = std::asin(std::sin(phi) * std::sin(sun.declination) +
                                      std::cos(phi) * std::cos(sun.declination) * std::cos(hour * radians)) /
                            radians;
    if (altitude > risingAltitude) return Sky::day;
    return altitude > -6 ? Sky::twilight : Sky::night;
}
