#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "clock/SunTimes.h"
#include "map/MapProjection.h"
#include "map/Terminator.h"
#include "map/WorldLand.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// x positions of the edge line's points.
QList<double> edgeXs(const QPainterPath& edge)
{
    QList<double> xs;
    for (int i = 0; i < edge.elementCount(); ++i)
        xs.append(edge.elementAt(i).x);
    return xs;
}

int subpaths(const QPainterPath& path)
{
    int count = 0;
    for (int i = 0; i < path.elementCount(); ++i)
        count += path.elementAt(i).isMoveTo() ? 1 : 0;
    return count;
}

} // namespace

class TestMapGeometry : public QObject {
    Q_OBJECT

private slots:
    void outlineFile_data()
    {
        addColumns<QByteArray, QList<int>>({"json", "ringSizes"});
        QTest::newRow("trailing unpaired number ignored") << R"({"rings":[[10,20,30,40,50]]})"_ba << QList<int>{2};
        QTest::newRow("no numbers: an empty ring, kept") << R"({"rings":[[],[1,2]]})"_ba << QList<int>{0, 1};
        QTest::newRow("a number as text") << R"({"rings":[[1,"2"]]})"_ba << QList<int>{};
        QTest::newRow("not JSON") << "{rings"_ba << QList<int>{};
    }

    void outlineFile()
    {
        auto [json, ringSizes] = fetchRow<QByteArray, QList<int>>({"json", "ringSizes"});
        const WorldLand land = WorldLand::decode(json);
        QList<int> sizes;
        for (const auto& ring : land.rings)
            sizes.append(int(ring.size()));
        QCOMPARE(sizes, ringSizes);
        if (json.contains("[[10,20,30,40,50]]")) QCOMPARE(land.rings.first(), (QList<Coordinate>{{10, 20}, {30, 40}}));
    }

    void shippedOutlines()
    {
        QVERIFY(!WorldLand::load(QStringLiteral(HORAVIA_SOURCE_DIR "/resources/world-land.json")).rings.isEmpty());
        QVERIFY(WorldLand::load(u"/nonexistent/world-land.json"_s).rings.isEmpty());
    }

    void projection_data()
    {
        addColumns<double, double, QPointF>({"longitude", "latitude", "point"});
        QTest::newRow("origin") << 0.0 << 0.0 << QPointF(360, 168);
        QTest::newRow("bottom right") << 180.0 << -58.0 << QPointF(720, 284);
        QTest::newRow("below the band, not clamped") << 0.0 << -70.0 << QPointF(360, 284.0 * 154 / 142);
    }

    void projection()
    {
        auto [longitude, latitude, point] = fetchRow<double, double, QPointF>({"longitude", "latitude", "point"});
        const QSizeF size(720, 284);
        const QPointF projected = MapProjection::project({longitude, latitude}, size);
        QVERIFY(std::abs(projected.x() - point.x()) < 1e-9 && std::abs(projected.y() - point.y()) < 1e-9);
        const Coordinate back = MapProjection::unproject(projected, size);
        QVERIFY(std::abs(back.longitude - longitude) < 1e-9 && std::abs(back.latitude - latitude) < 1e-9);
    }

    void solarPosition_data()
    {
        // declination: degrees; NaN: not checked
        // subsolar: degrees; NaN: not checked
        addColumns<QDateTime, double, double, double>({"at", "declination", "subsolar", "tolerance"});
        const double any = std::nan("");
        // At 12:00 UTC the subsolar longitude is -E/4 degrees, E the equation of time in minutes.
        QTest::newRow("June solstice") << instant("2026-06-21T12:00:00Z") << 23.44 << any << 0.3;
        QTest::newRow("December solstice") << instant("2026-12-21T12:00:00Z") << -23.44 << any << 0.3;
        QTest::newRow("mid-February, E about -14 min") << instant("2026-02-12T12:00:00Z") << any << 14.2 / 4 << 0.3;
        QTest::newRow("early November, E about +16 min") << instant("2026-11-03T12:00:00Z") << any << -16.4 / 4 << 0.3;
        QTest::newRow("midnight stays in range") << instant("2026-04-15T00:00:00Z") << any << 180.0 << 0.5;
    }

    void solarPosition()
    {
        auto [at, declination, subsolar, tolerance] =
            fetchRow<QDateTime, double, double, double>({"at", "declination", "subsolar", "tolerance"});
        const SolarPosition sun = ::solarPosition(at);
        QVERIFY(sun.subsolarLongitude >= -180 && sun.subsolarLongitude <= 180);
        if (!std::isnan(declination))
            QVERIFY2(std::abs(degrees(sun.declination) - declination) < tolerance,
                     qPrintable(QString::number(degrees(sun.declination))));
        if (!std::isnan(subsolar)) {
            // +180 and -180 are the same meridian.
            const double difference = std::remainder(sun.subsolarLongitude - subsolar, 360.0);
            QVERIFY2(std::abs(difference) < tolerance, qPrintable(QString::number(sun.subsolarLongitude)));
        }
    }

    // Against PyEphem 4.1.4 (Debian's python3-ephem), run once for the sun's
    // centre (use_center) at -0:50 with no atmosphere model: within a minute
    // up to ±65°, and the polar day and night right.
    void sunTimes_data()
    {
        // rise: UTC; "up" or "down" all day
        addColumns<double, double, QByteArray, QDate, QString, QString>(
            {"latitude", "longitude", "zone", "date", "rise", "set"});
        const auto row = [](const char* name, double lat, double lon, const char* zone, QDate date, const char* rise,
                            const char* set) {
            QTest::newRow(name) << lat << lon << QByteArray(zone) << date << QString::fromLatin1(rise)
                                << QString::fromLatin1(set);
        };
        row("Quito", -0.2299, -78.5249, "America/Guayaquil", QDate(2026, 3, 20), "2026-03-20T11:18:13Z",
            "2026-03-20T23:24:43Z");
        row("Sydney, its local date", -33.8688, 151.2093, "Australia/Sydney", QDate(2026, 1, 15),
            "2026-01-14T18:59:30Z", "2026-01-15T09:08:59Z");
        row("Reykjavik, midsummer", 64.1466, -21.9426, "Atlantic/Reykjavik", QDate(2026, 6, 21), "2026-06-21T02:55:13Z",
            "2026-06-22T00:03:57Z");
        row("Berlin, the day the clocks change", 52.52, 13.405, "Europe/Berlin", QDate(2026, 3, 29),
            "2026-03-29T04:48:04Z", "2026-03-29T17:35:16Z");
        row("Tromsø in June", 69.6492, 18.9553, "Europe/Oslo", QDate(2026, 6, 21), "up", "up");
        row("Tromsø in December", 69.6492, 18.9553, "Europe/Oslo", QDate(2026, 12, 21), "down", "down");
        row("Longyearbyen in April", 78.2232, 15.6267, "Arctic/Longyearbyen", QDate(2026, 4, 15),
            "2026-04-15T00:44:59Z", "2026-04-15T21:24:25Z");
    }

    void sunTimes()
    {
        auto [latitude, longitude, zone, date, rise, set] =
            fetchRow<double, double, QByteArray, QDate, QString, QString>(
                {"latitude", "longitude", "zone", "date", "rise", "set"});
        const SunTimes times = SunTimes::on(date, latitude, longitude, QTimeZone(zone));
        if (rise == u"up" || rise == u"down") {
            QCOMPARE(times.kind, rise == u"up" ? SunTimes::Kind::upAllDay : SunTimes::Kind::downAllDay);
            return;
        }
        QCOMPARE(times.kind, SunTimes::Kind::risesAndSets);
        // Beyond ±65° the sun grazes the horizon and a minute is too strict.
        const qint64 tolerance = std::abs(latitude) <= 65 ? 60 : 300;
        QVERIFY2(std::abs(times.rise.secsTo(QDateTime::fromString(rise, Qt::ISODate))) <= tolerance,
                 qPrintable(times.rise.toString(Qt::ISODate)));
        QVERIFY2(std::abs(times.set.secsTo(QDateTime::fromString(set, Qt::ISODate))) <= tolerance,
                 qPrintable(times.set.toString(Qt::ISODate)));
        // Between them it is day, and an hour before the rise it is not.
        QCOMPARE(skyAt(times.rise.addSecs((times.rise.secsTo(times.set)) / 2), latitude, longitude), Sky::day);
        if (std::abs(latitude) <= 65) QVERIFY(skyAt(times.rise.addSecs(-3600), latitude, longitude) != Sky::day);
    }

    void terminatorGaps()
    {
        const QSizeF size(720, 284);
        // June: the boundary dips south of 58° S around the subsolar meridian (about 0°).
        const Terminator june = terminator(size, size, instant("2026-06-21T12:00:00Z"));
        QCOMPARE(subpaths(june.edge), 2);
        for (const double x : edgeXs(june.edge))
            QVERIFY2(std::abs(x - 360) > 40.0 * 2, qPrintable(QString::number(x))); // nothing within 40°
        // December: the gap lies around the opposite meridian, at the map's edges.
        const Terminator december = terminator(size, size, instant("2026-12-21T12:00:00Z"));
        QCOMPARE(subpaths(december.edge), 1);
        for (const double x : edgeXs(december.edge))
            QVERIFY(x > 40 * 2 && x < 720 - 40 * 2);
        QVERIFY(!edgeXs(december.edge).isEmpty());
    }

    void tanGuardAtTheEquinox()
    {
        // Find the instant the declination changes sign, to the millisecond.
        QDateTime before = instant("2026-03-19T00:00:00Z");
        QDateTime after = instant("2026-03-22T00:00:00Z");
        while (before.msecsTo(after) > 1) {
            const QDateTime middle = before.addMSecs(before.msecsTo(after) / 2);
            (::solarPosition(middle).declination < 0 ? before : after) = middle;
        }
        const SolarPosition sun = ::solarPosition(after);
        QVERIFY(std::abs(std::tan(sun.declination)) < 1e-6);
        const QSizeF size(720, 284);
        const Terminator night = terminator(size, size, after);
        for (int i = 0; i < night.fill.elementCount(); ++i)
            QVERIFY(std::isfinite(night.fill.elementAt(i).x) && std::isfinite(night.fill.elementAt(i).y));
        // The side facing away from the sun is night, the side under it is day.
        const auto mapX = [&](double longitude) { return 720 * (std::remainder(longitude, 360.0) + 180) / 360; };
        QVERIFY(night.fill.contains(QPointF(mapX(sun.subsolarLongitude + 180), 168)));
        QVERIFY(!night.fill.contains(QPointF(mapX(sun.subsolarLongitude), 168)));
    }
};

QTEST_GUILESS_MAIN(TestMapGeometry)
#include "TestMapGeometry.moc"
