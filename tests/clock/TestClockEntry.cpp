#include "../support/CatalogueFiles.h"
#include "../support/ClockStack.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "../support/TestValues.h"
#include "catalogue/CityDatabase.h"
#include "clock/ClockEntry.h"
#include "clock/ClockExport.h"
#include "settings/AppSettings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::function<void(ClockStack&)>)

namespace {

// Each entry as "kind:id=title", with "/catalogue name" when relabelled and the emoji after a space.
QStringList describe(const QList<ClockEntry>& entries)
{
    QStringList lines;
    for (const ClockEntry& e : entries)
        lines.append((e.kind == ClockEntry::Kind::home ? u"home:"_s : u"tracked:"_s) + e.id + u'=' + e.title +
                     (e.originalName ? u'/' + *e.originalName : QString()) + (e.emoji ? u' ' + *e.emoji : QString()));
    return lines;
}

const QDateTime winter = QDateTime::fromSecsSinceEpoch(1768478400, Qt::UTC); // 2026-01-15 12:00 UTC

} // namespace

class TestClockEntry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QJsonArray records{
            cityRecord("ny", "New York City", 40.7, -74, "America/New_York", "New York", "United States"),
            cityRecord("bk", "Brooklyn", 40.6, -73.9, "America/New_York", "New York", "United States"),
            cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "", "Japan"),
            cityRecord("osa", "Osaka", 34.7, 135.5, "Asia/Tokyo", "", "Japan"),
            cityRecord("lon", "London", 51.5, -0.1, "Europe/London", "England", "United Kingdom"),
            cityRecord("lag", "Lagos", 6.5, 3.4, "Africa/Lagos", "", "Nigeria"),
        };
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
    }

    void entries_data()
    {
        // stored: the preferences as JSON
        // expected: entries joined with " | "
        addColumns<QByteArray, QByteArray, QString>({"stored", "home", "expected"});
        const auto row = [](const char* name, const char* stored, const char* home, const char* expected) {
            QTest::newRow(name) << QByteArray(stored) << QByteArray(home) << QString::fromUtf8(expected);
        };
        const char* none = R"({"trackedCityIDs":[]})";
        row("home off, nothing tracked", R"({"trackedCityIDs":[],"showsHomeZone":false})", "Asia/Tokyo", "");
        row("nothing tracked: stand-alone home from the first city of the zone", none, "Asia/Tokyo",
            "home:home=Tokyo 🇯🇵");
        row("tracked city in the home zone becomes home, under its label",
            R"({"trackedCityIDs":["lon","ny"],"customCityLabels":{"ny":" Office "}})", "America/New_York",
            "home:ny=Office/New York City, New York 🇺🇸 | tracked:lon=London, England 🇬🇧");
        row("two cities in the home zone: the first in order is home",
            R"({"trackedCityIDs":["ny","bk"],"sortMode":"alphabetical"})", "America/New_York",
            "home:bk=Brooklyn, New York 🇺🇸 | tracked:ny=New York City, New York 🇺🇸");
        row("home off: every tracked city, none promoted", R"({"trackedCityIDs":["tok","ny"],"showsHomeZone":false})",
            "America/New_York", "tracked:ny=New York City, New York 🇺🇸 | tracked:tok=Tokyo 🇯🇵");
        row("fixed-offset zone without a city", R"({"trackedCityIDs":["tok"]})", "Etc/GMT+5",
            "home:home=GMT+5 | tracked:tok=Tokyo 🇯🇵");
        row("zone without a city: last part, spaces for underscores", none, "America/Argentina/Buenos_Aires",
            "home:home=Buenos Aires");
        row("UTC takes the built-in entry", none, "UTC", "home:home=UTC");
        row("stand-alone home ignores the label but keeps the emoji",
            R"({"trackedCityIDs":["lon"],"customCityLabels":{"tok":"Kaisha"},"customCityEmoji":{"tok":"🗼"}})",
            "Asia/Tokyo", "home:home=Tokyo 🗼 | tracked:lon=London, England 🇬🇧");
        row("flags off: only custom emoji",
            R"({"trackedCityIDs":["ny","tok"],"showsFlags":false,"customCityEmoji":{"tok":"🍣"}})", "Europe/London",
            "home:home=London, England | tracked:ny=New York City, New York | tracked:tok=Tokyo 🍣");
        row("unknown ids produce no row", R"({"trackedCityIDs":["gone","tok"],"showsHomeZone":false})", "Asia/Tokyo",
            "tracked:tok=Tokyo 🇯🇵");
    }

    void entries()
    {
        auto [stored, home, expected] = fetchRow<QByteArray, QByteArray, QString>({"stored", "home", "expected"});
        RecordingPreferences store(QJsonDocument::fromJson(stored).object().toVariantMap());
        const AppSettings settings(store, *m_database);
        const QList<ClockEntry> entries = ClockEntry::entries(settings, winter, QTimeZone(home), *m_database);
        QCOMPARE(describe(entries).join(u" | "), expected);
        // Home carries its zone; a stand-alone one names a city but is not one.
        if (!entries.isEmpty() && entries.first().kind == ClockEntry::Kind::home) {
            QCOMPARE(entries.first().timeZone.id(), home);
            QCOMPARE(entries.first().city.has_value(), entries.first().id != u"home");
        }
    }

    // What Copy Times puts on the clipboard: home's date first, then each
    // clock as --print=line writes it, with a day label where the date
    // differs (the keyboard run reads the 12-hour form off the clipboard).
    void shareLine_data()
    {
        // expected: "_" for the narrow space before AM and PM
        addColumns<QString, QString, QString>({"format", "dates", "expected"});
        const auto row = [](const char* name, const char* format, const char* dates, const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(format) << QString::fromLatin1(dates)
                                << QString::fromUtf8(expected);
        };
        row("24-hour, numeric dates", "twentyFourHour", "numeric",
            "1/15: London, England 20:00 · New York City, New York 15:00 · Tokyo 05:00 1/16");
    }

    void shareLine()
    {
        auto [format, dates, expected] = fetchRow<QString, QString, QString>({"format", "dates", "expected"});
        RecordingPreferences store(
            QVariantMap{{"trackedCityIDs", QStringList{"ny", "tok"}}, {"timeFormat", format}, {"dateFormat", dates}});
        ClockStack stack(store, *m_database, winter, QTimeZone("Europe/London"));
        QCOMPARE(stack.entries.shareLine(winter.addSecs(8 * 3600)), expected.replace(u'_', u'\u202F'));
    }

    // The shared rows: what each change tells the views, and that each clock
    // is formatted once for it however many views read the rows.
    void rowsTellWhatChanged_data()
    {
        addColumns<std::function<void(ClockStack&)>, int, int, int>({"change", "lists", "texts", "formats"});
        using Stack = ClockStack;
        QTest::newRow("a tick") << std::function([](Stack& s) { s.tick(60); }) << 0 << 1 << 3;
        QTest::newRow("a step") << std::function([](Stack& s) { s.time.move(DisplayedTime::Move::stepForward); }) << 0
                                << 1 << 3;
        QTest::newRow("a new format") << std::function([](Stack& s) {
            s.settings.set(SettingKey::timeFormat, TimeFormat::twentyFourHour);
        }) << 0 << 1 << 3;
        QTest::newRow("a label is a new list")
            << std::function([](Stack& s) { s.settings.setCustomLabel(u"Office"_s, *s.entries.entries()[1].city); })
            << 1 << 0 << 3;
        QTest::newRow("the same sort order: nothing")
            << std::function([](Stack& s) { s.settings.set(SettingKey::sortMode, SortMode::manual); }) << 0 << 0 << 0;
    }

    void rowsTellWhatChanged()
    {
        auto [change, lists, texts, formats] =
            fetchRow<std::function<void(ClockStack&)>, int, int, int>({"change", "lists", "texts", "formats"});
        RecordingPreferences store(QVariantMap{{"trackedCityIDs", QStringList{"ny", "tok"}}, {"sortMode", "manual"}});
        ClockStack stack(store, *m_database, winter, QTimeZone("Europe/London"));
        ClockEntries& entries = stack.entries;
        QCOMPARE(entries.rows().size(), 3);
        QSignalSpy listChanged(&entries, &ClockEntries::listChanged);
        QSignalSpy textsChanged(&entries, &ClockEntries::textsChanged);
        const qint64 made = ClockRowTexts::madeCount();
        change(stack);
        // Two views and the tooltip read the rows after the change.
        for (int reader = 0; reader < 3; ++reader)
            QCOMPARE(entries.rows().size(), 3);
        QCOMPARE(listChanged.count(), lists);
        QCOMPARE(textsChanged.count(), texts);
        QCOMPARE(ClockRowTexts::madeCount() - made, formats);
        // And the rows read are those of the new state.
        for (const ClockRowData& row : entries.rows())
            QCOMPARE(row.texts, ClockRowTexts::of(row.content, entries.formatter()));
    }

    // Between two instants only home's zone and, sorted by time, the zones'
    // offsets can change the list; the tick finds out without making it again.
    void listFollowsTheInstant_data()
    {
        addColumns<QDateTime, QByteArray, QString>({"start", "homeAfter", "after"});
        QTest::newRow("summer time puts London level with Lagos, and first by name")
            << instant("2026-03-29T00:30:00Z") << QByteArray("America/New_York") << u"home lag lon"_s;
        QTest::newRow("an hour with no clock change: the same list")
            << instant("2026-03-28T00:30:00Z") << QByteArray("America/New_York") << u"home lon lag"_s;
        QTest::newRow("the system's zone changes: home follows at the tick")
            << instant("2026-03-28T00:30:00Z") << QByteArray("Europe/London") << u"lon lon lag"_s;
    }

    void listFollowsTheInstant()
    {
        auto [start, homeAfter, after] = fetchRow<QDateTime, QByteArray, QString>({"start", "homeAfter", "after"});
        RecordingPreferences store(QVariantMap{{"trackedCityIDs", QStringList{"lag", "lon"}}, {"sortMode", "time"}});
        ClockStack stack(store, *m_database, start, zone("America/New_York"));
        // Home's id ("home" when it stands alone), then the cities in their order.
        const auto order = [&] {
            return (QStringList{stack.entries.entries().first().id} + idsOf(stack.entries.trackedCities())).join(u' ');
        };
        const QString before = order();
        QCOMPARE(before, u"home lon lag"_s);
        QSignalSpy listChanged(&stack.entries, &ClockEntries::listChanged);
        stack.home = QTimeZone(homeAfter);
        stack.tick(3600);
        QCOMPARE(order(), after);
        QCOMPARE(listChanged.count(), after == before ? 0 : 1);
    }

    // The strips' working runs are kept across ticks, and follow home's
    // hours even while its row is hidden.
    void workingRunsFollowTheHours()
    {
        RecordingPreferences store(QVariantMap{{"trackedCityIDs", QStringList{"tok"}}, {"showsHomeZone", false}});
        ClockStack stack(store, *m_database, winter, QTimeZone("Europe/London"));
        const qint64 midnight = winter.toSecsSinceEpoch() - 12 * 3600;
        const auto runs = [&] { return stack.entries.workingRuns(midnight, midnight + 86400, 24); };
        const QList<Overlap::Run> before = runs();
        stack.tick(60);
        QCOMPARE(runs(), before);
        stack.settings.setWorkingHours(TimeRange{QTime(0, 0), QTime(3, 0)}, u"home"_s);
        QVERIFY(runs() != before);
    }

    // The tray's tooltip: the list's order, each time, a day label only off home's date.
    void glanceLines()
    {
        RecordingPreferences store(QVariantMap{{"trackedCityIDs", QStringList{"tok", "lon"}},
                                               {"customCityLabels", QVariantMap{{"lon", "Mum"}}}});
        const QDateTime late = QDateTime::fromSecsSinceEpoch(1768514400, Qt::UTC); // 22:00 UTC
        ClockStack stack(store, *m_database, late, QTimeZone("America/New_York"));
        const QStringList expected{u"New York City, New York 5:00\u202FPM"_s, u"Mum 10:00\u202FPM"_s,
                                   u"Tokyo 7:00\u202FAM tomorrow"_s};
        QCOMPARE(stack.entries.glanceLines(late), expected);
        // The shared rows' full texts and a line's texts alone (--print, a
        // calendar, another instant) write the same lines.
        QCOMPARE(ClockExport::lines(ClockExport::rowsAt(stack.entries.entries(), stack.entries.formatter(), late)),
                 expected);
    }

    // Beside the tray's icon: the marked clocks in the list's order, else
    // home; and the widest the text may grow ("_" is the narrow space).
    void trayTimes_data()
    {
        // first: the time drawn as the icon
        addColumns<QVariantMap, bool, QString, QString, QString>({"stored", "planned", "text", "guide", "first"});
        const auto row = [](const char* name, QVariantMap stored, bool planned, const char* text, const char* guide,
                            const char* first) {
            stored.insert(u"timeFormat"_s, stored.value(u"timeFormat"_s, u"twentyFourHour"_s));
            QTest::newRow(name) << stored << planned << QString::fromUtf8(text) << QString::fromUtf8(guide)
                                << QString::fromUtf8(first);
        };
        row("home alone, with its flag", {}, false, "🇬🇧 12:00", "🇬🇧 88:88", "12:00");
        row("marked, in the list's order, with flags", {{"trayCityIDs", QStringList{"tok", "ny"}}}, false,
            "🇺🇸 07:00 🇯🇵 21:00", "🇺🇸 88:88 🇯🇵 88:88", "07:00");
        row("12-hour, no flags: the titles",
            {{"timeFormat", "twelveHour"}, {"showsFlags", false}, {"trayCityIDs", QStringList{"tok"}}}, false,
            "Tokyo 9:00_PM", "Tokyo 88:88_AM", "9:00_PM");
        row("a marked clock no longer tracked: home", {{"trayCityIDs", QStringList{"osa"}}}, false, "🇬🇧 12:00",
            "🇬🇧 88:88", "12:00");
        row("a set time is marked, home without its flag", {{"showsFlags", false}}, true, "◷ 13:00", "◷ 88:88",
            "13:00");
    }

    void trayTimes()
    {
        auto [stored, planned, text, guide, first] =
            fetchRow<QVariantMap, bool, QString, QString, QString>({"stored", "planned", "text", "guide", "first"});
        RecordingPreferences store(stored);
        store.values.insert(u"trackedCityIDs"_s, QStringList{"tok", "ny"});
        ClockStack stack(store, *m_database, winter, QTimeZone("Europe/London"));
        if (planned) stack.time.setInstant(winter.addSecs(3600));
        const ClockEntries::TrayTimes times = stack.entries.trayTimes();
        QCOMPARE(times.text, text.replace(u'_', u'\u202F'));
        QCOMPARE(times.guide, guide.replace(u'_', u'\u202F'));
        QCOMPARE(times.first, first.replace(u'_', u'\u202F'));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
};

QTEST_GUILESS_MAIN(TestClockEntry)
#include "TestClockEntry.moc"
