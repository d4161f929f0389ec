#include "../support/DataTable.h"
#include "clock/ClockRowLayout.h"
#include "ui/ClockRow.h"
#include "ui/RowButton.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

using Selection = ClockRow::Selection;
using Part = ClockRowLayout::Part;
Q_DECLARE_METATYPE(ClockRow::Selection)

namespace {

const QDateTime noon = QDateTime::fromSecsSinceEpoch(1768478400, Qt::UTC); // 2026-01-15 12:00 UTC

ClockFormatter formatter()
{
    return ClockFormatter(TimeFormat::twelveHour, DateFormat::relative, QTimeZone("Europe/London"),
                          icu::Locale("en_US"));
}

ClockRow::Content content(const char* zone, bool home, Selection selection)
{
    ClockRow::Content c;
    c.title = u"Somewhere"_s;
    c.timeZone = QTimeZone(QByteArray(zone));
    c.now = noon;
    c.isHome = home;
    c.selection = selection;
    return c;
}

// Pixels of the highlight colour inside a part's box.
int tintPixels(ClockRow& row, Part part)
{
    QImage image(row.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    row.render(&image);
    const auto slot = row.currentLayout().parts[part];
    const QColor tint = row.palette().color(QPalette::Highlight);
    int count = 0;
    for (int x = int(ClockRow::horizontalInset + slot.x); x < int(ClockRow::horizontalInset + slot.x + slot.width); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 200 && std::abs(pixel.red() - tint.red()) < 40 &&
                std::abs(pixel.green() - tint.green()) < 40 && std::abs(pixel.blue() - tint.blue()) < 40)
                ++count;
        }
    return count;
}

} // namespace

class TestClockRow : public QObject {
    Q_OBJECT

private slots:
    void layoutGivesWayInOrder_data()
    {
        addColumns<double, double, double, double>({"width", "title", "originalName", "zone"});

        // Natural widths: title 100, catalogue name 80, zone 60, emoji 16, day 40, time 50 (shown at 68).
        // Fixed: marker 13 + emoji 16 + spacer 8 + day 40 + time 68 + 7 gaps of 8 = 201.
        QTest::newRow("room for everything") << 600.0 << 100.0 << 80.0 << 60.0;
        QTest::newRow("secondary names shrink first, evenly") << 381.0 << 100.0 << 40.0 << 40.0;
        QTest::newRow("the narrower keeps its width") << 441.0 << 100.0 << 80.0 << 60.0;
        QTest::newRow("then the title") << 261.0 << 60.0 << 0.0 << 0.0;
        QTest::newRow("nothing left") << 150.0 << 0.0 << 0.0 << 0.0;
    }

    void layoutGivesWayInOrder()
    {
        auto [width, title, originalName, zone] =
            fetchRow<double, double, double, double>({"width", "title", "originalName", "zone"});
        ClockRowLayout::Input input;
        input.emoji = 16;
        input.title = 100;
        input.originalName = 80;
        input.zoneName = 60;
        input.dayLabel = 40;
        input.time = 50;
        const ClockRowLayout layout = ClockRowLayout::compute(input, width);
        QCOMPARE(layout.parts[Part::title].width, title);
        QCOMPARE(layout.parts[Part::originalName].width, originalName);
        QCOMPARE(layout.parts[Part::zoneName].width, zone);
        QCOMPARE(layout.parts[Part::marker].width, 13.0);
        QCOMPARE(layout.parts[Part::time].width, 68.0); // never below 68
        QCOMPARE(layout.parts[Part::dayLabel].width, 40.0);
        QVERIFY(layout.parts[Part::spacer].width >= 8);
        if (width >= 201 + 100) QCOMPARE(layout.parts[Part::time].x + 68, width); // the time sits at the right edge
    }

    void marker_data()
    {
        addColumns<Selection, bool, bool>({"selection", "home", "drawn"});
        QTest::newRow("checked") << Selection::checked << false << true;
        QTest::newRow("unchecked keeps an empty column") << Selection::unchecked << false << false;
        QTest::newRow("home pin") << Selection::hidden << true << true;
        QTest::newRow("hidden, not home") << Selection::hidden << false << false;
    }

    void marker()
    {
        auto [selection, home, drawn] = fetchRow<Selection, bool, bool>({"selection", "home", "drawn"});
        ClockRow row;
        row.resize(480, row.sizeHint().height());
        row.setContent(content("Asia/Tokyo", home, selection), formatter());
        QCOMPARE(row.currentLayout().parts[Part::marker].width, 13.0);
        QCOMPARE(tintPixels(row, Part::marker) > 0, drawn);
        QCOMPARE(tintPixels(row, Part::title), 0);
    }

    void partsInOrder()
    {
        ClockRow row;
        row.resize(520, row.sizeHint().height());
        ClockRow::Content c = content("Pacific/Kiritimati", false, Selection::unchecked);
        c.emoji = u"🗼"_s;
        c.originalName = u"Tokyo"_s;
        c.showsOffset = true;
        c.schedule = Schedule{{QTime(9, 0), QTime(17, 0)}, {QTime(7, 0), QTime(22, 0)}, WorkWeek()};
        c.place = Place{1.87, -157.4}; // Kiritimati
        row.setContent(c, formatter());
        const ClockRowLayout layout = row.currentLayout();
        double x = -1;
        for (int part = 0; part < ClockRowLayout::partCount; ++part) {
            QVERIFY2(layout.parts[part].present, qPrintable(QString::number(part)));
            QVERIFY(layout.parts[part].x > x);
            x = layout.parts[part].x;
        }
        QCOMPARE(row.texts().dayLabel, u"Tomorrow"_s); // 02:00 tomorrow at +14, noon in London
        QCOMPARE(row.texts().zoneName, u"Line Islands Time"_s);
        QCOMPARE(row.texts().offset, u"+14 h"_s);
        QCOMPARE(row.texts().dayPart, DayPart::night); // 2 AM
        QCOMPARE(row.texts().sky, Sky::night);

        row.setContent(content("Europe/Paris", false, Selection::hidden), formatter());
        QVERIFY(!row.currentLayout().parts[Part::emoji].present);
        QVERIFY(!row.currentLayout().parts[Part::originalName].present);
        QVERIFY(!row.currentLayout().parts[Part::dayLabel].present);
        QVERIFY(!row.currentLayout().parts[Part::offset].present);
        QVERIFY(!row.currentLayout().parts[Part::dayPart].present);
        QVERIFY(!row.currentLayout().parts[Part::sky].present);
    }

    void accessibleText_data()
    {
        addColumns<QByteArray, bool, Selection, QString, QString>(
            {"zone", "home", "selection", "originalName", "expected"});
        const QString nnbsp = u"\u202F"_s;
        QTest::newRow("with day label") << "Pacific/Kiritimati"_ba << false << Selection::hidden << QString()
                                        << "Somewhere, 2:00" + nnbsp + "AM, Tomorrow";
        QTest::newRow("home") << "Europe/London"_ba << true << Selection::hidden << QString()
                              << "Somewhere, 12:00" + nnbsp + "PM, your time zone";
        QTest::newRow("tracked, relabelled") << "Europe/Paris"_ba << false << Selection::checked << "Paris"
                                             << "Somewhere, Paris, 1:00" + nnbsp + "PM, tracked";
        QTest::newRow("unchecked says nothing")
            << "Europe/Paris"_ba << false << Selection::unchecked << QString() << "Somewhere, 1:00" + nnbsp + "PM";
    }

    void accessibleText()
    {
        auto [zone, home, selection, originalName, expected] = fetchRow<QByteArray, bool, Selection, QString, QString>(
            {"zone", "home", "selection", "originalName", "expected"});
        ClockRow row;
        ClockRow::Content c = content(zone.constData(), home, selection);
        c.emoji = u"🇫🇷"_s; // never read out
        if (!originalName.isEmpty()) c.originalName = originalName;
        row.setContent(c, formatter());
        QCOMPARE(row.accessibleName(), expected);
    }

    void rowButtonTakesTheWholeRow()
    {
        // Also its empty right part.
        RowButton button(u"globe"_s, u"Choose Cities…"_s);
        button.resize(500, button.sizeHint().height());
        int clicks = 0;
        connect(&button, &QAbstractButton::clicked, this, [&] { ++clicks; });
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(490, button.height() / 2));
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(TestClockRow)
#include "TestClockRow.moc"
