#include "../support/DataTable.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/City.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCity : public QObject {
    Q_OBJECT

private slots:
    void decodesRecords_data()
    {
        addColumns<QByteArray, QStringList, double>({"json", "aliases", "latitude"});

        const QByteArray base = R"("i":"x","n":"Berlin","r":"","c":"Germany","la":52,"lo":13.4,"z":"Europe/Berlin")";
        QTest::newRow("no aliases key") << "[{" + base + "}]" << QStringList() << 52.0;
        QTest::newRow("empty aliases") << "[{" + base + R"(,"a":[]}])" << QStringList() << 52.0;
        QTest::newRow("aliases in order") << "[{" + base + R"(,"a":["B","A"]}])" << QStringList{"B", "A"} << 52.0;
        QTest::newRow("unknown keys ignored")
            << "[{" + base + R"(,"zz":{"deep":[1,2]},"q":null}])" << QStringList() << 52.0;
        QTest::newRow("keys in any order")
            << R"([{"z":"Europe/Berlin","la":52.5,"lo":13.4,"c":"Germany","r":"","n":"Berlin","i":"x"}])"_ba
            << QStringList() << 52.5;
    }

    void decodesRecords()
    {
        auto [json, aliases, latitude] = fetchRow<QByteArray, QStringList, double>({"json", "aliases", "latitude"});

        const auto cities = CatalogueFile::decode(json);
        QVERIFY(cities);
        QCOMPARE(cities->size(), 1);
        const City& city = cities->first();
        QCOMPARE(city.id, u"x"_s);
        QCOMPARE(city.name, u"Berlin"_s);
        QCOMPARE(city.aliases, aliases);
        QCOMPARE(city.latitude, latitude);
        QCOMPARE(city.timeZoneIdentifier, u"Europe/Berlin"_s);
    }

    void rejectsWholeFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray good = R"({"i":"a","n":"A","r":"","c":"C","la":1,"lo":2,"z":"UTC"})";
        QTest::newRow("missing country in second record")
            << "[" + good + R"(,{"i":"b","n":"B","r":"","la":1,"lo":2,"z":"UTC"}])";
        QTest::newRow("latitude as text") << R"([{"i":"a","n":"A","r":"","c":"C","la":"1","lo":2,"z":"UTC"}])"_ba;
        QTest::newRow("alias not a string") << "[" + good.chopped(1) + R"(,"a":["x",3]}])";
        QTest::newRow("top level object") << good;
        QTest::newRow("trailing garbage") << "[" + good + "] x";
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("invalid UTF-8") << QByteArray(
            "[{\"i\":\"\xff\",\"n\":\"A\",\"r\":\"\",\"c\":\"C\",\"la\":1,\"lo\":2,\"z\":\"UTC\"}]");
    }

    void rejectsWholeFile()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!CatalogueFile::decode(json));
    }

    void unknownZoneKeepsIdentifier()
    {
        const auto cities =
            CatalogueFile::decode(R"([{"i":"a","n":"A","r":"","c":"C","la":1,"lo":2,"z":"Mars/Olympus_Mons"}])");
        QVERIFY(cities);
        QCOMPARE(cities->at(0).timeZoneIdentifier, u"Mars/Olympus_Mons"_s);
        const QTimeZone unknown = resolveTimeZone("Mars/Olympus_Mons");
        QVERIFY(unknown.isValid());
        QCOMPARE(unknown.offsetFromUtc(QDateTime::fromSecsSinceEpoch(1'700'000'000)), 0);
        // Newer than ICU's own copy of the rules, but the system database knows it.
        QCOMPARE(resolveTimeZone("America/Ciudad_Juarez").id(), "America/Ciudad_Juarez"_ba);
    }

    void flags_data()
    {
        // region, when empty: no flag
        addColumns<QString, QString>({"country", "region"});

        // Case, "Saint" and "&" spelled either way, a leading "The", accents, fixed entries, no match.
        const QString rows =
            QStringLiteral("Germany=DE|GERMANY=DE|Saint Lucia=LC|St. Lucia=LC|Bosnia & Herzegovina=BA|"
                           "Bosnia and Herzegovina=BA|The Gambia=GM|Gambia=GM|Curaçao=CW|Ivory Coast=CI|"
                           "Democratic Republic of the Congo=CD|Republic of the Congo=CG|=|Atlantis=|, . -=");
        for (const QString& row : rows.split(QLatin1Char('|')))
            QTest::newRow(qPrintable(row)) << row.section(QLatin1Char('='), 0, 0) << row.section(QLatin1Char('='), 1);
    }

    void flags()
    {
        auto [country, region] = fetchRow<QString, QString>({"country", "region"});
        const std::optional<QString> flag = flagEmoji(country);
        if (region.isEmpty()) {
            QVERIFY2(!flag, qPrintable(flag.value_or(QString())));
            return;
        }
        QVERIFY(flag);
        QCOMPARE(*flag, *flagEmojiForRegion(region));
    }

    void regionFlags_data()
    {
        addColumns<QString, QString>({"code", "flag"});
        QTest::newRow("lower is upper-cased") << "tr" << QString::fromUtf8("\U0001F1F9\U0001F1F7");
        QTest::newRow("A and Z bounds") << "AZ" << QString::fromUtf8("\U0001F1E6\U0001F1FF");
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("beyond Unicode") << QString::fromUtf8("\U000FFFFF") << QString();
    }

    void regionFlags()
    {
        auto [code, flag] = fetchRow<QString, QString>({"code", "flag"});
        QCOMPARE(flagEmojiForRegion(code).value_or(QString()), flag);
    }
};

QTEST_GUILESS_MAIN(TestCity)
#include "TestCity.moc"
