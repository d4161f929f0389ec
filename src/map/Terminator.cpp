#include "Terminator.h"

#include "MapProjection.h"

#include <QTimeZone>

#include <cmath>
#include <numbers>

SolarPosition solarPosition(const QDateTime& at)
{
    const QDateTime utc = at.toUTC();
    const QTime time = utc.time();
    const int dayOfYear = utc.date().isValid() ? utc.date().dayOfYear() : 0;
    const double hours = time.hour() + time.minute() / 60.0 + time.second() / 3600.0;
    // The divisor is 365 in leap years too.
    const double dayTerm = dayOfYear > 0 ? dayOfYear - 1 : 0;
    const double g = 2 * std::numbers::pi / 365 * (dayTerm + (hours - 12) / 24);

    SolarPosition sun;
    sun.declination = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g) +
                      0.000907 * std::sin(2 * g) - 0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
    const double equationOfTime = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                                            0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
    sun.subsolarLongitude = std::fmod((hours + equationOfTime / 60 - 12) * -15 + 540, 360) - 180;
    return sun;
}

Terminator terminator(const QSizeF& size, const QSizeF& bounds, const QDateTime& at)
{
    const SolarPosition sun = solarPosition(at);
    double t = std::tan(sun.declination);
    // At an equinox the boundary would need a division by zero.
    if (std::abs(t) < 0.000001) t = sun.declination < 0 ? -0.000001 : 0.000001;

    constexpr double radians = std::numbers::pi / 180;
    Terminator result;
    bool previousVisible = false;
    for (int i = 0; i < Terminator::sampleCount; ++i) {
        const double longitude = -186 + 1.5 * i;
        const double latitude = std::atan(-std::cos((longitude - sun.subsolarLongitude) * radians) / t) / radians;
        const double fraction = latitude < MapProjection::southEdge ? 1
                                : latitude >= MapProjection::northEdge
                                    ? 0
                                    : (MapProjection::northEdge - latitude) / MapProjection::latitudeSpan;
        const QPointF point(size.width() * (longitude + 180) / 360, size.height() * fraction);
        const bool visible = latitude > MapProjection::southEdge && latitude < MapProjection::northEdge;

        if (i == 0)
            result.fill.moveTo(point);
        else
            result.fill.lineTo(point);
        if (visible) {
            if (previousVisible)
                result.edge.lineTo(point);
            else
                result.edge.moveTo(point);
        }
        previousVisible = visible;
    }
    // The night lies south of the boundary when t > 0 (northern summer).
    const double closing = t > 0 ? bounds.height() + Terminator::margin : -Terminator::margin;
    result.fill.lineTo(bounds.width() + Terminator::margin, closing);
    result.fill.lineTo(-Terminator::margin, closing);
    result.fill.closeSubpath();
    result.fill.setFillRule(Qt::WindingFill);
    return result;
}
