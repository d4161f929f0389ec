#include "../support/CatalogueFiles.h"
#include "../support/DataTable.h"
#include "catalogue/CityDatabase.h"
#include "map/MapProjection.h"
#include "map/WorldLand.h"
#include "ui/WorldMapView.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime juneNoon = QDateTime::fromString(u"2026-06-21T12:00:00Z"_s, Qt::ISODate);
const QSizeF mapSize(720, 284);

QPoint at(double longitude, double latitude)
{
    return MapProjection::project({longitude, latitude}, mapSize).toPoint();
}

int lightness(const QImage& image, QPoint p)
{
    return image.pixelColor(p).lightness();
}

bool near(const QColor& a, const QColor& b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) < tolerance && std::abs(a.green() - b.green()) < tolerance &&
           std::abs(a.blue() - b.blue()) < tolerance;
}

QPalette paletteFor(bool dark)
{
    QPalette palette;
    palette.setColor(QPalette::Window, dark ? QColor(0x2b, 0x2b, 0x2d) : QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 122, 255));
    return palette;
}

// What the map reads, kept here as its owners would keep it.
struct Shown {
    QDateTime instant = juneNoon;
    QList<City> tracked, listed;
    std::optional<Coordinate> focus;
    QList<QDateTime> upcoming;
    std::optional<QDateTime> nextTick;

    WorldMapView::Sources sources()
    {
        return {[this] { return instant; },
                [this] { return tracked; },
                [this] { return listed; },
                [this] { return focus; },
                [this](const std::optional<Coordinate>& f) { focus = f; },
                {},
                [this] { return upcoming; },
                [this] { return nextTick; }};
    }
};

} // namespace

class TestWorldMapView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QJsonArray records{
            cityRecord("tok", "Tokyo", 35.68, 139.69, "Asia/Tokyo", "Tokyo", "Japan"),
            cityRecord("nbo", "Nairobi", -1.29, 36.82, "Africa/Nairobi", "", "Kenya"),
            cityRecord("rey", "Reykjavík", 64.15, -21.94, "Atlantic/Reykjavik", "", "Iceland"),
            cityRecord("hnl", "Honolulu", 21.31, -157.86, "Pacific/Honolulu", "Hawaii", "United States")};
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
        m_land = WorldLand::load(QStringLiteral(HORAVIA_SOURCE_DIR "/resources/world-land.json"));
    }

    void nightAndPalettes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void nightAndPalettes()
    {
        QFETCH(bool, dark);
        Shown shown;
        const auto view = makeView(shown, false, dark);
        const QImage image = render(*view);

        // Open ocean on the equator: the Atlantic in daylight, the Pacific at night.
        const int dayOcean = lightness(image, at(-25, 0));
        const int nightOcean = lightness(image, at(-170, 0));
        QVERIFY2(nightOcean < dayOcean - 5, qPrintable(u"%1 %2"_s.arg(nightOcean).arg(dayOcean)));
        // Land in daylight (the Sahara) against daylit ocean: darker on light, lighter on dark.
        const int dayLand = lightness(image, at(15, 22));
        if (dark)
            QVERIFY(dayLand > dayOcean + 10);
        else
            QVERIFY(dayLand < dayOcean - 10);
        // An inland sea is water, not land drawn twice: the Caspian in daylight.
        QVERIFY2(std::abs(lightness(image, at(50.5, 42)) - dayOcean) < 3,
                 qPrintable(u"%1 %2"_s.arg(lightness(image, at(50.5, 42))).arg(dayOcean)));
    }

    // A map that fills its widget draws the night from frames made ahead on
    // another thread: they are what it paints itself, pixel for pixel (the
    // taller map below paints itself, the night spilling into its margin).
    void framesMadeAheadAreTheSame()
    {
        Shown shown;
        shown.upcoming = {juneNoon.addSecs(60), juneNoon.addSecs(1800)};
        shown.tracked = {*m_database->find(u"tok"_s)};
        shown.listed = {*m_database->find(u"tok"_s), *m_database->find(u"nbo"_s)};
        shown.focus = Coordinate{-21.94, 64.15};
        const auto framed = makeView(shown, false);
        render(*framed);                      // draws juneNoon
        QCoreApplication::sendPostedEvents(); // then starts the two ahead
        const auto direct = makeView(shown, false);
        direct->resize(framed->width(), framed->height() + 16);
        for (const QDateTime& at : {juneNoon.addSecs(1800), juneNoon.addSecs(60), juneNoon.addSecs(7200)}) {
            shown.instant = at;
            QCOMPARE(render(*framed), render(*direct).copy(0, 8, framed->width(), framed->height()));
        }
        shown.focus.reset(); // a frame made for other markers is not used
        QCOMPARE(render(*framed), render(*direct).copy(0, 8, framed->width(), framed->height()));
    }

    // From one minute to the next the night moves a fraction of a pixel:
    // outside the changed region the two pictures are the same, whatever
    // the season, the day-night line's wrap at 180° or the pixel ratio.
    void aMinuteChangesOnlyNearTheLine_data()
    {
        addColumns<QDateTime, QSize, qreal>({"at", "size", "ratio"});
        QTest::newRow("june solstice") << juneNoon << QSize(720, 284) << 1.0;
        QTest::newRow("december, line across 180°")
            << QDateTime(QDate(2026, 12, 21), QTime(0, 0), Qt::UTC) << QSize(720, 284) << 1.0;
        QTest::newRow("pixel ratio 2") << juneNoon.addSecs(4 * 3600 + 60) << QSize(720, 284) << 2.0;
        QTest::newRow("pixel ratio 1.5, map of odd size")
            << QDateTime(QDate(2026, 9, 23), QTime(6, 5), Qt::UTC) << QSize(541, 213) << 1.5;
    }

    void aMinuteChangesOnlyNearTheLine()
    {
        auto [at, size, ratio] = fetchRow<QDateTime, QSize, qreal>({"at", "size", "ratio"});
        NightFrames::Markers markers;
        markers.tracked = {MapProjection::project({139.69, 35.68}, size)};
        const auto picture = [&](const QDateTime& instant) {
            QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            QPainter painter(&image);
            NightFrames::paintNight(painter, size, QColor(0, 0, 0, 97), QColor(0, 0, 0, 61), instant);
            NightFrames::paintMarkers(painter, markers);
            return image;
        };
        const QRegion changed = NightFrames::changedRegion(size, at, at.addSecs(60));
        QImage before = picture(at);
        QImage after = picture(at.addSecs(60));
        QVERIFY(before != after);
        qint64 area = 0;
        for (const QRect& rect : changed) {
            area += qint64(rect.width()) * rect.height();
            QPainter(&before).fillRect(QRectF(rect), Qt::black);
            QPainter(&after).fillRect(QRectF(rect), Qt::black);
        }
        QCOMPARE(after, before);
        QVERIFY2(area < qint64(size.width()) * size.height() / 2, qPrintable(QString::number(area)));
    }

    // While live, a tick repaints only that region, from pieces made ahead,
    // and the map on screen is then what a whole paint of the new minute is.
    void aLiveTickRepaintsTheLineAlone()
    {
        Shown shown;
        shown.tracked = {*m_database->find(u"tok"_s)};
        shown.focus = Coordinate{-21.94, 64.15};
        shown.nextTick = juneNoon.addSecs(60);
        const auto live = makeView(shown, false);
        QImage screen = render(*live); // draws noon and starts the next minute's pieces
        shown.instant = juneNoon.addSecs(60).addMSecs(50);
        QRegion changed = live->showInstant();
        for (int wait = 0; wait < 250 && changed == QRegion(live->rect()); ++wait) {
            QTest::qWait(20); // the pieces are made on another thread
            changed = live->showInstant();
        }
        QVERIFY(changed != QRegion(live->rect()));
        live->render(&screen, QPoint(), changed);
        const auto direct = makeView(shown, false);
        QCOMPARE(screen, render(*direct));
    }

    void citiesAndFocus()
    {
        Shown shown;
        const auto view = makeView(shown, false);
        const QImage plain = render(*view);

        const City tokyo = *m_database->find(u"tok"_s), nairobi = *m_database->find(u"nbo"_s);
        // Tokyo tracked and listed, Nairobi only listed, UTC both (never drawn).
        shown.tracked = {tokyo, City::utc()};
        shown.listed = {tokyo, nairobi, City::utc()};
        shown.focus = Coordinate{-21.94, 64.15}; // Reykjavík: neither listed nor tracked
        const QImage marked = render(*view);

        const QColor highlight(0, 122, 255);
        QVERIFY(near(marked.pixelColor(at(139.69, 35.68)), highlight)); // tracked: full highlight at the centre
        QVERIFY(!near(marked.pixelColor(at(36.82, -1.29)), highlight)); // listed: a grey dot
        QVERIFY(lightness(marked, at(36.82, -1.29)) < lightness(plain, at(36.82, -1.29)) - 20);
        QCOMPARE(marked.pixelColor(at(0, 0)), plain.pixelColor(at(0, 0))); // the universal-time entry
        // The focus ring: 9 points around the focus, nothing at its centre.
        const QPoint focus = at(-21.94, 64.15);
        QVERIFY(near(marked.pixelColor(focus + QPoint(9, 0)), highlight, 90));
        QCOMPARE(marked.pixelColor(focus), plain.pixelColor(focus));
    }

    // The point walks with the arrow keys (by 10 degrees with Shift) and is
    // announced as the nearest place; Return chooses that place, not the
    // point, as a click does (the chooser run clicks the map).
    void keyboard()
    {
        Shown shown;
        shown.focus = Coordinate{26, -1};
        const auto owned = makeView(shown, true);
        WorldMapView& view = *owned;
        view.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier); // 36 E, 1 S
        QCOMPARE(view.accessibleName(), u"World map, Nairobi"_s);
        QCOMPARE(view.hover()->city.id, u"nbo"_s);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(shown.focus, std::optional(Coordinate{36.82, -1.29}));
        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(shown.focus, std::nullopt);
        // Across the date line (36 E + 250 = 74 W) and not past the top edge:
        // the nearest place to 84 N 74 W, as a click there would choose.
        for (int i = 0; i < 25; ++i)
            QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(view.hover()->location, QPointF(at(-74, 84)));
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(shown.focus, std::optional(Coordinate{-21.94, 64.15}));
    }

private:
    // A map of the usual size over the test catalogue, shown on screen when asked.
    std::unique_ptr<WorldMapView> makeView(Shown& shown, bool onScreen, bool dark = false)
    {
        auto view = std::make_unique<WorldMapView>(m_land, *m_database, shown.sources());
        view->setPalette(paletteFor(dark));
        view->resize(mapSize.toSize());
        if (onScreen) view->show();
        if (onScreen && !QTest::qWaitForWindowExposed(view.get())) qFatal("the map was never shown");
        return view;
    }

    // The map rendered on an opaque window-coloured background, as on screen.
    QImage render(WorldMapView& view);

    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    WorldLand m_land;
};

QImage TestWorldMapView::render(WorldMapView& view)
{
    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(view.palette().color(QPalette::Window));
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QTEST_MAIN(TestWorldMapView)
#include "TestWorldMapView.moc"
