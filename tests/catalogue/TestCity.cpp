#include "catalogue/CatalogueFile.h"
#include "catalogue/City.h"

#include <QTest>

class TestCity : public QObject {
    Q_OBJECT

private slots:
    void decodesRecords_data();
    void decodesRecords();
    void rejectsWholeFile_data();
    void rejectsWholeFile();
    void unknownZoneKeepsIdentifier();
    void equalityAndHashing();
    void displayName();
    void universalTimeEntry();
    void flags_data();
    void flags();
    void regionFlags_data();
    void regionFlags();
};

void TestCity::decodesRecords_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("aliases");
    QTest::addColumn<double>("latitude");

    const QByteArray base = R"("i":"x","n":"Berlin","r":"","c":"Germany","la":52,"lo":13.4,"z":"Europe/Berlin")";
    QTest::newRow("no aliases key") << "[{" + base + "}]" << QStringList() << 52.0;
    QTest::newRow("null aliases") << "[{" + base + R"(,"a":null}])" << QStringList() << 52.0;
    QTest::newRow("empty aliases") << "[{" + base + R"(,"a":[]}])" << QStringList() << 52.0;
    QTest::newRow("aliases in order") << "[{" + base + R"(,"a":["B","A"]}])" << QStringList{"B", "A"} << 52.0;
    QTest::newRow("unknown keys ignored")
        << "[{" + base + R"(,"zz":{"deep":[1,2]},"q":null}])" << QStringList() << 52.0;
    QTest::newRow("keys in any order")
        << QByteArray(R"([{"z":"Europe/Berlin","la":52.5,"lo":13.4,"c":"Germany","r":"","n":"Berlin","i":"x"}])")
        << QStringList() << 52.5;
}

void TestCity::decodesRecords()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, aliases);
    QFETCH(double, latitude);

    const auto cities = CatalogueFile::decode(json);
    QVERIFY(cities);
    QCOMPARE(cities->size(), 1);
    const City& city = cities->first();
    QCOMPARE(city.id, QStringLiteral("x"));
    QCOMPARE(city.name, QStringLiteral("Berlin"));
    QCOMPARE(city.aliases, aliases);
    QCOMPARE(city.latitude, latitude);
    QCOMPARE(city.timeZone.id(), QByteArray("Europe/Berlin"));
}

void TestCity::rejectsWholeFile_data()
{
    QTest::addColumn<QByteArray>("json");
    const QByteArray good = R"({"i":"a","n":"A","r":"","c":"C","la":1,"lo":2,"z":"UTC"})";
    QTest::newRow("missing country in second record")
        << "[" + good + R"(,{"i":"b","n":"B","r":"","la":1,"lo":2,"z":"UTC"}])";
    QTest::newRow("missing region") << QByteArray(R"([{"i":"a","n":"A","c":"C","la":1,"lo":2,"z":"UTC"}])");
    QTest::newRow("latitude as text") << QByteArray(R"([{"i":"a","n":"A","r":"","c":"C","la":"1","lo":2,"z":"UTC"}])");
    QTest::newRow("id as number") << QByteArray(R"([{"i":7,"n":"A","r":"","c":"C","la":1,"lo":2,"z":"UTC"}])");
    QTest::newRow("region null") << QByteArray(R"([{"i":"a","n":"A","r":null,"c":"C","la":1,"lo":2,"z":"UTC"}])");
    QTest::newRow("alias not a string") << "[" + good.chopped(1) + R"(,"a":["x",3]}])";
    QTest::newRow("aliases as text") << "[" + good.chopped(1) + R"(,"a":"x"}])";
    QTest::newRow("top level object") << good;
    QTest::newRow("element not an object") << "[" + good + ",[]]";
    QTest::newRow("truncated") << "[" + good;
    QTest::newRow("trailing garbage") << "[" + good + "] x";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("invalid UTF-8") << QByteArray(
        "[{\"i\":\"\xff\",\"n\":\"A\",\"r\":\"\",\"c\":\"C\",\"la\":1,\"lo\":2,\"z\":\"UTC\"}]");
}

void TestCity::rejectsWholeFile()
{
    QFETCH(QByteArray, json);
    QVERIFY(!CatalogueFile::decode(json));
}

void TestCity::unknownZoneKeepsIdentifier()
{
    const auto cities = CatalogueFile::decode(
        R"([{"i":"a","n":"A","r":"","c":"C","la":1,"lo":2,"z":"Mars/Olympus_Mons"},
            {"i":"b","n":"B","r":"","c":"C","la":1,"lo":2,"z":"America/Ciudad_Juarez"}])");
    QVERIFY(cities);
    const City& unknown = cities->at(0);
    QCOMPARE(unknown.timeZoneIdentifier, QStringLiteral("Mars/Olympus_Mons"));
    QVERIFY(unknown.timeZone.isValid());
    QCOMPARE(unknown.timeZone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(1'700'000'000)), 0);
    // Newer than ICU's own copy of the rules, but the system database knows it.
    QCOMPARE(cities->at(1).timeZone.id(), QByteArray("America/Ciudad_Juarez"));
}

void TestCity::equalityAndHashing()
{
    City a;
    a.id = QStringLiteral("gn1");
    a.name = QStringLiteral("Accra");
    a.latitude = 0.0;
    a.longitude = 5.5;
    a.aliases = {QStringLiteral("Akra")};
    a.timeZone = resolveTimeZone("Africa/Accra");

    City negativeZero = a;
    negativeZero.latitude = -0.0;
    QCOMPARE(negativeZero, a);
    QCOMPARE(qHash(negativeZero), qHash(a));

    City otherAlias = a;
    otherAlias.aliases = {QStringLiteral("Akkra")};
    QVERIFY(!(otherAlias == a));
    QVERIFY(qHash(otherAlias) != qHash(a));

    City otherZone = a;
    otherZone.timeZone = resolveTimeZone("Europe/London");
    QVERIFY(!(otherZone == a));

    // The alias list is hashed with its length, so moving a text between
    // neighbouring fields does not collide.
    City split = a;
    split.aliases = {QStringLiteral("Ak"), QStringLiteral("ra")};
    QVERIFY(qHash(split) != qHash(a));
}

void TestCity::displayName()
{
    City city;
    city.name = QStringLiteral("Toronto");
    QCOMPARE(city.displayName(), QStringLiteral("Toronto"));
    city.region = QStringLiteral("Ontario");
    QCOMPARE(city.displayName(), QStringLiteral("Toronto, Ontario"));
}

void TestCity::universalTimeEntry()
{
    const City& utc = City::utc();
    QCOMPARE(utc.id, QStringLiteral("utc"));
    QCOMPARE(utc.name, QStringLiteral("UTC"));
    QCOMPARE(utc.aliases, (QStringList{"Coordinated Universal Time", "GMT", "Greenwich Mean Time", "Zulu"}));
    QCOMPARE(utc.timeZone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(0)), 0);
    QCOMPARE(&City::utc(), &utc);
    QVERIFY(!flagEmoji(utc.country));
}

void TestCity::flags_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("region"); // empty: no flag

    QTest::newRow("plain") << "Germany"
                           << "DE";
    QTest::newRow("case and diacritics") << "GERMANY"
                                         << "DE";
    QTest::newRow("Saint spelled out") << "Saint Lucia"
                                       << "LC";
    QTest::newRow("St. abbreviated") << "St. Lucia"
                                     << "LC";
    QTest::newRow("ampersand") << "Bosnia & Herzegovina"
                               << "BA";
    QTest::newRow("and") << "Bosnia and Herzegovina"
                         << "BA";
    QTest::newRow("with The") << "The Gambia"
                              << "GM";
    QTest::newRow("without The") << "Gambia"
                                 << "GM";
    QTest::newRow("accented") << "Curaçao"
                              << "CW";
    QTest::newRow("fixed: Ivory Coast") << "Ivory Coast"
                                        << "CI";
    QTest::newRow("fixed: Turkey") << "Turkey"
                                   << "TR";
    QTest::newRow("fixed: Congo") << "Republic of the Congo"
                                  << "CG";
    QTest::newRow("fixed: DR Congo") << "Democratic Republic of the Congo"
                                     << "CD";
    QTest::newRow("fixed: Bonaire") << "Bonaire, Saint Eustatius and Saba"
                                    << "BQ";
    QTest::newRow("fixed: Vatican") << "Vatican"
                                    << "VA";
    QTest::newRow("fixed: Palestine") << "Palestinian Territory"
                                      << "PS";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("unknown") << "Atlantis"
                             << "";
    QTest::newRow("punctuation only") << ", . -"
                                      << "";
}

void TestCity::flags()
{
    QFETCH(QString, country);
    QFETCH(QString, region);
    const std::optional<QString> flag = flagEmoji(country);
    if (region.isEmpty()) {
        QVERIFY2(!flag, qPrintable(flag.value_or(QString())));
        return;
    }
    QVERIFY(flag);
    QCOMPARE(*flag, *flagEmojiForRegion(region));
}

void TestCity::regionFlags_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("flag");
    QTest::newRow("upper") << "CI" << QString::fromUtf8("\U0001F1E8\U0001F1EE");
    QTest::newRow("lower is upper-cased") << "tr" << QString::fromUtf8("\U0001F1F9\U0001F1F7");
    QTest::newRow("A and Z bounds") << "AZ" << QString::fromUtf8("\U0001F1E6\U0001F1FF");
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("beyond Unicode") << QString::fromUtf8("\U000FFFFF") << QString();
}

void TestCity::regionFlags()
{
    QFETCH(QString, code);
    QFETCH(QString, flag);
    QCOMPARE(flagEmojiForRegion(code).value_or(QString()), flag);
}

QTEST_GUILESS_MAIN(TestCity)
#include "TestCity.moc"
