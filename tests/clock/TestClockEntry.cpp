#include "../support/CatalogueFiles.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "clock/ClockEntry.h"
#include "settings/AppSettings.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
        };
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
    }

    void entries_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("home off, nothing tracked")
            << QVariantMap{{"trackedCityIDs", QStringList{}}, {"showsHomeZone", false}} << "Asia/Tokyo"_ba
            << QStringList();
        QTest::newRow("nothing tracked: stand-alone home from the first city of the zone")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << "Asia/Tokyo"_ba << QStringList{"home:home=Tokyo 🇯🇵"};
        QTest::newRow("tracked city in the home zone becomes home, under its label")
            << QVariantMap{{"trackedCityIDs", QStringList{"lon", "ny"}},
                           {"customCityLabels", QVariantMap{{"ny", " Office "}}}}
            << "America/New_York"_ba
            << QStringList{"home:ny=Office/New York City, New York 🇺🇸", "tracked:lon=London, England 🇬🇧"};
        QTest::newRow("two cities in the home zone: the first in order is home")
            << QVariantMap{{"trackedCityIDs", QStringList{"ny", "bk"}}, {"sortMode", "alphabetical"}}
            << "America/New_York"_ba
            << QStringList{"home:bk=Brooklyn, New York 🇺🇸", "tracked:ny=New York City, New York 🇺🇸"};
        QTest::newRow("home off: every tracked city, none promoted")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok", "ny"}}, {"showsHomeZone", false}}
            << "America/New_York"_ba << QStringList{"tracked:ny=New York City, New York 🇺🇸", "tracked:tok=Tokyo 🇯🇵"};
        QTest::newRow("fixed-offset zone without a city")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok"}}} << "Etc/GMT+5"_ba
            << QStringList{"home:home=GMT+5", "tracked:tok=Tokyo 🇯🇵"};
        QTest::newRow("zone without a city: last part, spaces for underscores")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << "America/Argentina/Buenos_Aires"_ba
            << QStringList{"home:home=Buenos Aires"};
        QTest::newRow("UTC takes the built-in entry")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << "UTC"_ba << QStringList{"home:home=UTC"};
        QTest::newRow("stand-alone home ignores the label but keeps the emoji")
            << QVariantMap{{"trackedCityIDs", QStringList{"lon"}},
                           {"customCityLabels", QVariantMap{{"tok", "Kaisha"}}},
                           {"customCityEmoji", QVariantMap{{"tok", "🗼"}}}}
            << "Asia/Tokyo"_ba << QStringList{"home:home=Tokyo 🗼", "tracked:lon=London, England 🇬🇧"};
        QTest::newRow("flags off: only custom emoji")
            << QVariantMap{{"trackedCityIDs", QStringList{"ny", "tok"}},
                           {"showsFlags", false},
                           {"customCityEmoji", QVariantMap{{"tok", "🍣"}}}}
            << "Europe/London"_ba
            << QStringList{"home:home=London, England", "tracked:ny=New York City, New York", "tracked:tok=Tokyo 🍣"};
        QTest::newRow("unknown ids produce no row")
            << QVariantMap{{"trackedCityIDs", QStringList{"gone", "tok"}}, {"showsHomeZone", false}} << "Asia/Tokyo"_ba
            << QStringList{"tracked:tok=Tokyo 🇯🇵"};
    }

    void entries()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QByteArray, home);
        QFETCH(QStringList, expected);

        RecordingPreferences store;
        store.values = stored;
        const AppSettings settings(store, *m_database);
        QCOMPARE(describe(ClockEntry::entries(settings, winter, QTimeZone(home), *m_database)), expected);
    }

    void homeRowCarriesItsZoneAndCity()
    {
        RecordingPreferences store;
        store.values = {{"trackedCityIDs", QStringList{"osa"}}};
        const AppSettings settings(store, *m_database);

        const QList<ClockEntry> promoted = ClockEntry::entries(settings, winter, QTimeZone("Asia/Tokyo"), *m_database);
        QCOMPARE(promoted.size(), 1);
        QCOMPARE(promoted.first().city->id, u"osa"_s);
        QCOMPARE(promoted.first().timeZone.id(), "Asia/Tokyo"_ba);

        // A stand-alone home row names a city but is not one.
        const QList<ClockEntry> standalone =
            ClockEntry::entries(settings, winter, QTimeZone("Europe/London"), *m_database);
        QCOMPARE(standalone.first().id, u"home"_s);
        QVERIFY(!standalone.first().city);
        QCOMPARE(standalone.first().timeZone.id(), "Europe/London"_ba);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
};

QTEST_GUILESS_MAIN(TestClockEntry)
#include "TestClockEntry.moc"
