#include "../support/DataTable.h"
#include "clock/ClockFormatter.h"
#include "ui/ClockRowLayout.h"
#include "ui/ClockRowPainter.h"
#include "ui/TrayTimeIcon.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTest>

using namespace Qt::StringLiterals;

using Selection = ClockRowContent::Selection;
using Part = ClockRowLayout::Part;
Q_DECLARE_METATYPE(ClockRowContent::Selection)

namespace {

const QDateTime noon = QDateTime::fromSecsSinceEpoch(1768478400, Qt::UTC); // 2026-01-15 12:00 UTC

ClockFormatter formatter()
{
    return ClockFormatter(TimeFormat::twelveHour, DateFormat::relative, QTimeZone("Europe/London"),
                          icu::Locale("en_US"));
}

ClockRowContent content(const char* zone, bool home, Selection selection)
{
    ClockRowContent c;
    c.title = u"Somewhere"_s;
    c.timeZone = QTimeZone(QByteArray(zone));
    c.now = noon;
    c.isHome = home;
    c.selection = selection;
    return c;
}

// A row as a view draws it, 480 wide.
struct Drawn {
    explicit Drawn(const ClockRowContent& c)
        : content(c)
        , texts(ClockRowTexts::of(c, formatter()))
    {
    }
    ClockRowLayout layout() const { return ClockRowPainter::layoutFor(content, texts, {}, QApplication::font(), 480); }

    // Pixels of the highlight colour inside a part's box, which a
    // right-to-left row places from the right edge.
    int tintPixels(Part part, Qt::LayoutDirection direction = Qt::LeftToRight) const
    {
        const QRect rect(0, 0, 480, ClockRowPainter::rowHeight(QApplication::font()));
        QImage image(rect.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setLayoutDirection(direction);
        const QPalette palette = QApplication::palette();
        ClockRowPainter::paint(painter, rect, content, texts, {}, QApplication::font(), palette);
        painter.end();
        const auto slot = layout().parts[part];
        const int left = direction == Qt::LeftToRight
                             ? int(ClockRowPainter::horizontalInset + slot.x)
                             : int(rect.width() - ClockRowPainter::horizontalInset - slot.x - slot.width);
        const QColor tint = palette.color(QPalette::Highlight);
        int count = 0;
        for (int x = left; x < left + int(slot.width); ++x)
            for (int y = 0; y < image.height(); ++y) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() > 200 && std::abs(pixel.red() - tint.red()) < 40 &&
                    std::abs(pixel.green() - tint.green()) < 40 && std::abs(pixel.blue() - tint.blue()) < 40)
                    ++count;
            }
        return count;
    }

    ClockRowContent content;
    ClockRowTexts texts;
};

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
        addColumns<Selection, bool, Qt::LayoutDirection, bool>({"selection", "home", "direction", "drawn"});
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            const char* way = direction == Qt::LeftToRight ? "" : ", right to left";
            QTest::addRow("checked%s", way) << Selection::checked << false << direction << true;
            QTest::addRow("unchecked keeps an empty column%s", way)
                << Selection::unchecked << false << direction << false;
            QTest::addRow("home pin%s", way) << Selection::hidden << true << direction << true;
            QTest::addRow("hidden, not home%s", way) << Selection::hidden << false << direction << false;
        }
    }

    void marker()
    {
        auto [selection, home, direction, drawn] =
            fetchRow<Selection, bool, Qt::LayoutDirection, bool>({"selection", "home", "direction", "drawn"});
        const Drawn row(content("Asia/Tokyo", home, selection));
        QCOMPARE(row.tintPixels(Part::marker, direction) > 0, drawn);
        QCOMPARE(row.tintPixels(Part::title, direction), 0);
    }

    void partsInOrder()
    {
        ClockRowContent c = content("Pacific/Kiritimati", false, Selection::unchecked);
        c.emoji = u"🗼"_s;
        c.originalName = u"Tokyo"_s;
        c.showsOffset = true;
        c.schedule = Schedule{{QTime(9, 0), QTime(17, 0)}, {QTime(7, 0), QTime(22, 0)}, WorkWeek()};
        c.place = Place{1.87, -157.4}; // Kiritimati
        const Drawn row(c);
        const ClockRowLayout layout = row.layout();
        double x = -1;
        for (int part = 0; part < ClockRowLayout::partCount; ++part) {
            QVERIFY2(layout.parts[part].present, qPrintable(QString::number(part)));
            QVERIFY(layout.parts[part].x > x);
            x = layout.parts[part].x;
        }
        QCOMPARE(row.texts.dayLabel, u"Tomorrow"_s); // 02:00 tomorrow at +14, noon in London
        QCOMPARE(row.texts.zoneName, u"Line Islands Time"_s);
        QCOMPARE(row.texts.offset, u"+14h"_s);
        QCOMPARE(row.texts.dayPart, DayPart::night); // 2 AM
        QCOMPARE(row.texts.sky, Sky::night);

        // A view that leaves out the catalogue name and the sky lays out neither.
        const ClockRowLayout panel = ClockRowPainter::layoutFor(
            row.content, row.texts, {.originalName = false, .sky = false}, QApplication::font(), 520);
        QVERIFY(!panel.parts[Part::originalName].present);
        QVERIFY(!panel.parts[Part::sky].present);
        QVERIFY(panel.parts[Part::emoji].present);
    }

    void accessibleText_data()
    {
        // place: the row is planned with (working hours and the sky) at this latitude and longitude
        addColumns<QByteArray, bool, Selection, QString, QPointF, QString>(
            {"zone", "home", "selection", "originalName", "place", "expected"});
        const QString nnbsp = u"\u202F"_s;
        const QPointF none(999, 999);
        QTest::newRow("with day label") << "Pacific/Kiritimati"_ba << false << Selection::hidden << QString() << none
                                        << "Somewhere, 2:00" + nnbsp + "AM, tomorrow";
        QTest::newRow("home") << "Europe/London"_ba << true << Selection::hidden << QString() << none
                              << "Somewhere, 12:00" + nnbsp + "PM, your time zone";
        QTest::newRow("tracked, relabelled") << "Europe/Paris"_ba << false << Selection::checked << "Paris" << none
                                             << "Somewhere, Paris, 1:00" + nnbsp + "PM, tracked";
        QTest::newRow("unchecked says nothing") << "Europe/Paris"_ba << false << Selection::unchecked << QString()
                                                << none << "Somewhere, 1:00" + nnbsp + "PM";
        QTest::newRow("at work in daylight")
            << "Europe/Paris"_ba << false << Selection::hidden << QString() << QPointF(48.85, 2.35)
            << "Somewhere, 1:00" + nnbsp + "PM, working hours, daylight";
        QTest::newRow("a dark night is said once")
            << "Pacific/Kiritimati"_ba << false << Selection::hidden << QString() << QPointF(1.87, -157.4)
            << "Somewhere, 2:00" + nnbsp + "AM, tomorrow, night";
    }

    void accessibleText()
    {
        auto [zone, home, selection, originalName, place, expected] =
            fetchRow<QByteArray, bool, Selection, QString, QPointF, QString>(
                {"zone", "home", "selection", "originalName", "place", "expected"});
        ClockRowContent c = content(zone.constData(), home, selection);
        c.emoji = u"🇫🇷"_s; // never read out
        if (!originalName.isEmpty()) c.originalName = originalName;
        if (place.x() < 900) {
            c.schedule = Schedule{{QTime(9, 0), QTime(17, 0)}, {QTime(7, 0), QTime(22, 0)}, WorkWeek()};
            c.place = Place{place.x(), place.y()};
        }
        QCOMPARE(ClockRowTexts::accessibleText(c, ClockRowTexts::of(c, formatter())), expected);
    }

    // The time as the tray's icon: the hour over the minute, whatever the format.
    void trayTimeIcon_data()
    {
        addColumns<QString, QString, QString>({"time", "hour", "minute"});
        QTest::newRow("24-hour") << u"21:05"_s << u"21"_s << u"05"_s;
        QTest::newRow("12-hour") << u"9:05\u202FPM"_s << u"9"_s << u"05"_s;
        QTest::newRow("a day half first") << u"午後9:05"_s << u"9"_s << u"05"_s;
        QTest::newRow("a dot") << u"21.05"_s << u"21"_s << u"05"_s;
        QTest::newRow("no time") << QString() << QString() << QString();
    }

    void trayTimeIcon()
    {
        auto [time, hour, minute] = fetchRow<QString, QString, QString>({"time", "hour", "minute"});
        QCOMPARE(TrayTimeIcon::hourAndMinute(time), std::pair(hour, minute));
        // Drawn at its own pixels at scale 2, with text in both halves (none without a time).
        const QImage image = TrayTimeIcon::draw(time, 22, 2.0, QApplication::palette());
        QCOMPARE(image.size(), QSize(44, 44));
        const QColor ink = QApplication::palette().color(QPalette::WindowText);
        const auto inked = [&](int top) {
            for (int y = top; y < top + 22; ++y)
                for (int x = 0; x < 44; ++x)
                    if (image.pixelColor(x, y).alpha() == 255 && image.pixelColor(x, y) == ink) return true;
            return false;
        };
        QCOMPARE(inked(0), !hour.isEmpty());
        QCOMPARE(inked(22), !minute.isEmpty());
    }

    // A time set away from now never looks like the present at a glance:
    // its tile is the highlight, in light and in dark.
    void trayTimeIconOfAChosenTime()
    {
        for (const bool dark : {false, true}) {
            QPalette palette = QApplication::palette();
            if (dark) {
                palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
                palette.setColor(QPalette::WindowText, Qt::white);
            }
            const QImage now = TrayTimeIcon::draw(u"9:05"_s, 22, 1.0, palette);
            const QImage chosen = TrayTimeIcon::draw(u"9:05"_s, 22, 1.0, palette, TrayTimeIcon::Moment::chosen);
            // A corner of the tile, clear of the digits.
            QCOMPARE(now.pixelColor(3, 11), palette.color(QPalette::Window));
            QCOMPARE(chosen.pixelColor(3, 11), palette.color(QPalette::Highlight));
            QVERIFY(palette.color(QPalette::Highlight) != palette.color(QPalette::Window));
        }
    }
};

QTEST_MAIN(TestClockRow)
#include "TestClockRow.moc"
