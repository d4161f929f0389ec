#include "../support/CatalogueFiles.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "clock/ClockEntry.h"
#include "settings/AppSettings.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Row {
    QString id;
    QString title;
    QString originalName; // empty: none
    QString emoji;        // empty: none
    ClockEntry::Kind kind;
};

QList<Row> rows(const QList<ClockEntry>& entries)
{
    QList<Row> result;
    for (const ClockEntry& e : entries)
        result.append({e.id, e.title, e.originalName.value_or(QString()), e.emoji.value_or(QString()), e.kind});
    return result;
}

QString describe(const QList<Row>& rows)
{
    QStringList parts;
    for (const Row& r : rows)
        parts.append(u"%1|%2|%3|%4|%5"_s.arg(r.id, r.title, r.originalName, r.emoji,
                                             r.kind == ClockEntry::Kind::home ? u"home"_s : u"tracked"_s));
    return parts.join(u" ; "_s);
}

const QString us = *flagEmoji(u"United States"_s);
const QString jp = *flagEmoji(u"Japan"_s);
const QString gb = *flagEmoji(u"United Kingdom"_s);
const QDateTime winter = QDateTime::fromSecsSinceEpoch(1768478400, Qt::UTC); // 2026-01-15 12:00 UTC

} // namespace

Q_DECLARE_METATYPE(QList<Row>)

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
        QTest::addColumn<QList<Row>>("expected");

        const auto home = ClockEntry::Kind::home;
        const auto tracked = ClockEntry::Kind::tracked;
        const QString nyName = u"New York City, New York"_s;

        QTest::newRow("home off, nothing tracked")
            << QVariantMap{{"trackedCityIDs", QStringList{}}, {"showsHomeZone", false}} << "Asia/Tokyo"_ba
            << QList<Row>{};
        QTest::newRow("nothing tracked: stand-alone home from the first city of the zone")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << "Asia/Tokyo"_ba
            << QList<Row>{{"home", "Tokyo", "", jp, home}};
        QTest::newRow("tracked city in the home zone becomes home, under its label")
            << QVariantMap{{"trackedCityIDs", QStringList{"lon", "ny"}},
                           {"customCityLabels", QVariantMap{{"ny", " Office "}}}}
            << "America/New_York"_ba
            << QList<Row>{{"ny", "Office", nyName, us, home}, {"lon", "London, England", "", gb, tracked}};
        QTest::newRow("two cities in the home zone: the first in order is home")
            << QVariantMap{{"trackedCityIDs", QStringList{"ny", "bk"}}, {"sortMode", "alphabetical"}}
            << "America/New_York"_ba
            << QList<Row>{{"bk", "Brooklyn, New York", "", us, home}, {"ny", nyName, "", us, tracked}};
        QTest::newRow("home off: every tracked city, none promoted")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok", "ny"}}, {"showsHomeZone", false}}
            << "America/New_York"_ba << QList<Row>{{"ny", nyName, "", us, tracked}, {"tok", "Tokyo", "", jp, tracked}};
        QTest::newRow("fixed-offset zone without a city")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok"}}} << "Etc/GMT+5"_ba
            << QList<Row>{{"home", "GMT+5", "", "", home}, {"tok", "Tokyo", "", jp, tracked}};
        QTest::newRow("zone without a city: last part, spaces for underscores")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << "America/Argentina/Buenos_Aires"_ba
            << QList<Row>{{"home", "Buenos Aires", "", "", home}};
        QTest::newRow("UTC takes the built-in entry")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << "UTC"_ba << QList<Row>{{"home", "UTC", "", "", home}};
        QTest::newRow("stand-alone home ignores the label but keeps the emoji")
            << QVariantMap{{"trackedCityIDs", QStringList{"lon"}},
                           {"customCityLabels", QVariantMap{{"tok", "Kaisha"}}},
                           {"customCityEmoji", QVariantMap{{"tok", "🗼"}}}}
            << "Asia/Tokyo"_ba
            << QList<Row>{{"home", "Tokyo", "", "🗼", home}, {"lon", "London, England", "", gb, tracked}};
        QTest::newRow("flags off: only custom emoji") << QVariantMap{{"trackedCityIDs", QStringList{"ny", "tok"}},
                                                                     {"showsFlags", false},
                                                                     {"customCityEmoji", QVariantMap{{"tok", "🍣"}}}}
                                                      << "Europe/London"_ba
                                                      << QList<Row>{{"home", "London, England", "", "", home},
                                                                    {"ny", nyName, "", "", tracked},
                                                                    {"tok", "Tokyo", "", "🍣", tracked}};
        QTest::newRow("unknown ids produce no row")
            << QVariantMap{{"trackedCityIDs", QStringList{"gone", "tok"}}, {"showsHomeZone", false}} << "Asia/Tokyo"_ba
            << QList<Row>{{"tok", "Tokyo", "", jp, tracked}};
    }

    void entries()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QByteArray, home);
        QFETCH(QList<Row>, expected);

        RecordingPreferences store;
        store.values = stored;
        const AppSettings settings(store, *m_database);
        const QList<ClockEntry> built = ClockEntry::entries(settings, winter, QTimeZone(home), *m_database);
        QCOMPARE(describe(rows(built)), describe(expected));
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
