#include "../support/CatalogueFiles.h"
#include "../support/DataTable.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/CityDatabase.h"
#include "catalogue/TextFolder.h"
#include "catalogue/ZoneNames.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const icu::Locale english("en_US");

// The prebuilt index of `catalogue`, as the build makes it.
QByteArray indexFor(const QString& catalogue)
{
    QList<City> all{City::utc()};
    all += CatalogueFile::decode(readFile(catalogue)).value();
    return CatalogueIndex::build(all, TextFolder(), CatalogueIndex::Folding::standard,
                                 {quint64(QFileInfo(catalogue).size())});
}

} // namespace

class TestCityDatabase : public QObject {
    Q_OBJECT

private slots:
    void unreadableFilesGiveEmptyDatabase_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("one record missing a key") << R"([{"i":"a","n":"A","r":"","la":1,"lo":2,"z":"UTC"}])"_ba;
        QTest::newRow("no file") << QByteArray();
    }

    void unreadableFilesGiveEmptyDatabase()
    {
        QFETCH(QByteArray, contents);
        const QString path = contents.isNull() ? m_dir.filePath(u"absent.json"_s) : writeCatalogue(m_dir, contents);
        const CityDatabase database(path, english);
        QVERIFY(database.isEmpty());
        QVERIFY(database.search(u"utc"_s, 10).isEmpty());
        QVERIFY(database.nearestCities(0, 0, 1500, 12, 60).isEmpty());
    }

    void universalTimeFirstAndFirstIdWins()
    {
        const QJsonArray records{cityRecord("utc", "Impostor"), cityRecord("dup", "First", 10, 10),
                                 cityRecord("dup", "Second", 10, 10)};
        const CityDatabase database(writeCatalogue(m_dir, records), english);
        QCOMPARE(database.size(), 4);
        QCOMPARE(database.city(0), City::utc());
        QCOMPARE(database.city(1).name, u"Impostor"_s);
        QCOMPARE(database.find(u"utc"_s).value_or(City()), City::utc());
        QCOMPARE(database.find(u"dup"_s).value_or(City()).name, u"First"_s);
        // Neither the built-in entry nor a file record that claims its id is a
        // place; a minimum above the catalogue's size gives every place.
        QCOMPARE(idsOf(database.nearestCities(0, 0, 1, 5, 5)), (QStringList{"dup", "dup"}));
    }

    void searchRanking_data()
    {
        addColumns<QString, QStringList>({"query", "expected"});

        QTest::newRow("score table") << "par" << QStringList{"paris", "parisII", "alias", "montparnasse", "region"};
        QTest::newRow("folding both sides") << "ZÜRICH" << QStringList{"zurich"};
        QTest::newRow("utc entry first") << "utc" << QStringList{"utc"};
        QTest::newRow("gmt: the alias, then the zones on GMT now")
            << "gmt" << QStringList{"utc", "region", "montparnasse", "alias", "paris", "parisII", "nul"};
        QTest::newRow("time zone name") << "central europ" << QStringList{"zurich"};
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("no match") << "xyzzy" << QStringList();
        QTest::newRow("query holding U+0000") << u"L\u0000T"_s << QStringList{"nul"};
    }

    void searchRanking()
    {
        auto [query, expected] = fetchRow<QString, QStringList>({"query", "expected"});
        const QJsonArray records{
            cityRecord("region", "Somewhere", 0, 0, "Africa/Abidjan", "Comparative Shire"),
            cityRecord("montparnasse", "Montparnasse"),
            cityRecord("alias", "Lutetia", 0, 0, "Africa/Abidjan", QString(), "Testland", {"Parisii"}),
            cityRecord("paris", "Paris"),
            cityRecord("parisII", "Paris II"),
            cityRecord("zurich", "Zürich", 0, 0, "Europe/Zurich"),
            cityRecord("nul", u"Nul\u0000Town"_s),
        };
        const CityDatabase database(writeCatalogue(m_dir, records), english);
        QCOMPARE(idsOf(database.search(query, 200)), expected);
    }

    // After the name matches: the cities of the zones a query names by
    // identifier, offset or abbreviation at the moment of the search.
    void searchByZone_data()
    {
        addColumns<QString, QString, QStringList>({"query", "at", "expected"});
        const QString january = u"2026-01-15T12:00:00Z"_s;
        QTest::newRow("identifier") << "Asia/Kolkata" << january << QStringList{"kolkata", "mumbai"};
        QTest::newRow("its last part is a name first: no zone-mates") << "Kolkata" << january << QStringList{"kolkata"};
        QTest::newRow("its last part when no name holds it") << "urumqi" << january << QStringList{"lhasa"};
        QTest::newRow("spaces for underscores") << "america/sao paulo" << january << QStringList{"saopaulo"};
        QTest::newRow("UTC+5:30") << "UTC+5:30" << january << QStringList{"kolkata", "mumbai"};
        QTest::newRow("+0545") << "+0545" << january << QStringList{"kathmandu"};
        QTest::newRow("+1 in winter") << "+1" << january << QStringList{"zurich"};
        QTest::newRow("+1 in summer: Dublin") << "+1" << u"2026-07-15T12:00:00Z"_s << QStringList{"dublin"};
        // Each zone's first city leads, and an abbreviation names its zone all year.
        QTest::newRow("IST in winter") << "IST" << january << QStringList{"kolkata", "jerusalem", "dublin", "mumbai"};
        QTest::newRow("a name is no zone") << "mumbai" << january << QStringList{"mumbai"};
        QTest::newRow("no such offset") << "UTC+15" << january << QStringList();
    }

    void searchByZone()
    {
        auto [query, at, expected] = fetchRow<QString, QString, QStringList>({"query", "at", "expected"});
        const QJsonArray records{
            cityRecord("kolkata", "Kolkata", 22.6, 88.4, "Asia/Kolkata"),
            cityRecord("zurich", "Zürich", 47.4, 8.5, "Europe/Zurich"),
            cityRecord("mumbai", "Mumbai", 19.1, 72.9, "Asia/Kolkata"),
            cityRecord("kathmandu", "Kathmandu", 27.7, 85.3, "Asia/Kathmandu"),
            cityRecord("saopaulo", "São Paulo", -23.5, -46.6, "America/Sao_Paulo"),
            cityRecord("jerusalem", "Jerusalem", 31.8, 35.2, "Asia/Jerusalem"),
            cityRecord("dublin", "Dublin", 53.3, -6.3, "Europe/Dublin"),
            cityRecord("lhasa", "Lhasa", 29.7, 91.1, "Asia/Urumqi"),
        };
        const CityDatabase database(writeCatalogue(m_dir, records), english);
        QCOMPARE(idsOf(database.search(query, 200, QDateTime::fromString(at, Qt::ISODate))), expected);
    }

    // A zone's namesake city in the user's language, with its country, as
    // ICU names them; found by that name and by the catalogue's; others, and
    // every place in English, as the catalogue has them.
    void placesInTheLanguage_data()
    {
        addColumns<QString, QString, QString, QString>({"locale", "query", "first", "shown"});
        const auto row = [](const char* locale, const char* query, const char* first, const char* shown) {
            QTest::newRow(QByteArray(locale).append(": ").append(query).constData())
                << QString::fromLatin1(locale) << QString::fromUtf8(query) << QString::fromLatin1(first)
                << QString::fromUtf8(shown);
        };
        row("de_DE", "Tokio", "tokyo", "Tokio, Japan");
        row("de_DE", "Tokyo", "tokyo", "Tokio, Japan");
        row("fr_FR", "Londres", "london", "Londres, Royaume-Uni");
        row("es_ES", "Londres", "london", "Londres, Reino Unido");
        row("pt_BR", "Tóquio", "tokyo", "Tóquio, Japão");
        row("ja_JP", "東京", "tokyo", "東京, 日本");
        row("ja_JP", "ロンドン", "london", "ロンドン, イギリス");
        row("zh_CN", "东京", "tokyo", "东京, 日本");
        row("ar_EG", "القاهرة", "cairo", "القاهرة، مصر");
        row("he_IL", "טוקיו", "tokyo", "טוקיו, יפן");
        // Not the zone's namesake: the catalogue's name, whole.
        row("fr_FR", "London", "london", "Londres, Royaume-Uni");
        row("fr_FR", "Ontario", "londonon", "London, Ontario");
        // The same in both languages: as the catalogue has it.
        row("de_DE", "Berlin", "berlin", "Berlin");
        row("en_US", "Tokyo", "tokyo", "Tokyo, Tokyo");
    }

    void placesInTheLanguage()
    {
        const auto [locale, query, first, shown] =
            fetchRow<QString, QString, QString, QString>({"locale", "query", "first", "shown"});
        const QJsonArray records{
            cityRecord("tokyo", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "Tokyo", "Japan"),
            cityRecord("london", "London", 51.5, -0.1, "Europe/London", "", "United Kingdom"),
            cityRecord("londonon", "London", 43.0, -81.2, "America/Toronto", "Ontario", "Canada"),
            cityRecord("cairo", "Cairo", 30.1, 31.2, "Africa/Cairo", "", "Egypt"),
            cityRecord("berlin", "Berlin", 52.5, 13.4, "Europe/Berlin", "", "Germany"),
        };
        const CityDatabase database(writeCatalogue(m_dir, records), icu::Locale(locale.toLatin1().constData()));
        const QList<City> found = database.search(query, 5);
        QVERIFY(!found.isEmpty());
        const City& city = found.first();
        QCOMPARE(city.id, first);
        QCOMPARE(city.displayName(), shown);
        QCOMPARE(database.find(first)->displayName(), shown); // a stored id shows the same
    }

    void turkishFolding()
    {
        const QJsonArray records{cityRecord("i", "Iğdır"), cityRecord("d", "İzmir")};
        const QString file = writeCatalogue(m_dir, records);
        // In Turkish, capital I is the dotless ı and İ is the dotted i.
        const CityDatabase turkish(file, icu::Locale("tr_TR"));
        QCOMPARE(idsOf(turkish.search(u"IĞ"_s, 5)), QStringList{"i"});
        QCOMPARE(idsOf(turkish.search(u"igd"_s, 5)), QStringList());
        QCOMPARE(idsOf(turkish.search(u"izm"_s, 5)), QStringList{"d"});
        // Elsewhere the dotless ı is a letter of its own, not an i with a mark.
        const CityDatabase english(file, ::english);
        QCOMPARE(idsOf(english.search(u"igd"_s, 5)), QStringList{"i"});
        QCOMPARE(idsOf(english.search(u"izm"_s, 5)), QStringList{"d"});
    }

    void nearest_data()
    {
        addColumns<double, double, double, int, int, QStringList>(
            {"latitude", "longitude", "radius", "minimum", "maximum", "expected"});

        // A cluster of 80 towns around 50N 10E (each about 0.01 degree apart, so
        // all inside 1500 km), and three islands far out in the Pacific.
        QStringList cluster60;
        for (int i = 0; i < 60; ++i)
            cluster60.append(u"t%1"_s.arg(i));
        QTest::newRow("dense area capped at maximum") << 50.0 << 10.0 << 1500.0 << 12 << 60 << cluster60;
        QTest::newRow("mid-ocean gets minimum")
            << -30.0 << -140.0 << 1500.0 << 3 << 60 << QStringList{"island1", "island2", "island3"};
        QTest::newRow("map click: single nearest however far")
            << -30.0 << -140.0 << 700.0 << 1 << 1 << QStringList{"island1"};
        QTest::newRow("radius boundary counts inside") << 0.0 << 0.0 << 0.0 << 0 << 5 << QStringList{"origin"};
        // 0.01 degree of latitude is 1.11 km: four steps are inside 5 km, five are not.
        QTest::newRow("radius in kilometres")
            << 50.0 << 10.0 << 5.0 << 0 << 60 << QStringList{"t0", "t1", "t2", "t3", "t4"};
        QTest::newRow("a point that is not a number finds nothing within")
            << qQNaN() << 10.0 << 5000.0 << 0 << 60 << QStringList();
    }

    void nearest()
    {
        auto [latitude, longitude, radius, minimum, maximum, expected] =
            fetchRow<double, double, double, int, int, QStringList>(
                {"latitude", "longitude", "radius", "minimum", "maximum", "expected"});

        QJsonArray records;
        records.append(cityRecord("origin", "Null Island", 0, 0));
        for (int i = 0; i < 80; ++i)
            records.append(cityRecord(u"t%1"_s.arg(i), "Town", 50 + i * 0.01, 10));
        records.append(cityRecord("island3", "Far", -10, -100));
        records.append(cityRecord("island1", "Near", -25, -130));
        records.append(cityRecord("island2", "Mid", -20, -120));
        const CityDatabase database(writeCatalogue(m_dir, records), english);

        QCOMPARE(idsOf(database.nearestCities(latitude, longitude, radius, minimum, maximum)), expected);
    }

    // The prebuilt index is used only when whole and current; otherwise the
    // catalogue file gives the same answers.
    void prebuiltIndex_data()
    {
        addColumns<QString, bool>({"damage", "used"});
        QTest::newRow("whole") << "" << true;
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("truncated") << "truncated" << false;
        QTest::newRow("wrong version") << "version" << false;
        QTest::newRow("bit flip") << "flip" << false;
        QTest::newRow("catalogue newer than the index") << "newer" << false;
        QTest::newRow("made for other folding rules") << "turkish" << false;
    }

    void prebuiltIndex()
    {
        auto [damage, used] = fetchRow<QString, bool>({"damage", "used"});
        QTemporaryDir dir;
        QJsonArray records{cityRecord("paris", "Paris", 48.86, 2.35, "Europe/Paris", "", "France", {"Lutetia"}),
                           cityRecord("berlin", "Berlin", 52.52, 13.40, "Europe/Berlin")};
        const QString catalogue = writeCatalogue(dir, records);
        const QString index = CityDatabase::indexFileFor(catalogue);
        QByteArray written = indexFor(catalogue);
        if (damage == u"truncated") written.chop(written.size() / 2);
        if (damage == u"version") written[8] = char(written[8] + 1);
        if (damage == u"flip") written[written.size() / 2] = char(written[written.size() / 2] ^ 0x10);
        if (damage != u"missing") writeFile(index, written);
        const QDateTime built = QDateTime::currentDateTimeUtc();
        QFile(catalogue).setFileTime(built.addSecs(-60), QFileDevice::FileModificationTime);
        if (damage == u"newer") {
            records.append(cityRecord("oslo", "Oslo", 59.91, 10.75, "Europe/Oslo"));
            writeCatalogue(dir, records);
            QFile(catalogue).setFileTime(built.addSecs(60), QFileDevice::FileModificationTime);
        }
        const CityDatabase database(catalogue, damage == u"turkish" ? icu::Locale("tr_TR") : english);

        QCOMPARE(database.origin(), used ? CityDatabase::Origin::index : CityDatabase::Origin::catalogue);
        QCOMPARE(database.size(), damage == u"newer" ? 4 : 3);
        QCOMPARE(idsOf(database.search(u"lut"_s, 5)), QStringList{"paris"});
        QCOMPARE(idsOf(database.search(u"Europe/Paris"_s, 5)), QStringList{"paris"});
        QCOMPARE(database.find(u"berlin"_s).value().timeZone.id(), "Europe/Berlin"_ba);
        QCOMPARE(idsOf(database.nearestCities(52, 13, 1, 1, 1)), QStringList{"berlin"});
        QCOMPARE(database.find(u"oslo"_s).has_value(), damage == u"newer");
    }

    // The index checked at open may be rewritten in place or cut short
    // while the application runs (cp over it, rsync --inplace): what was
    // checked is what is read, with the answers it gave before.
    void indexChangedUnderIt_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("rewritten in place") << "rewritten";
        QTest::newRow("cut to nothing") << "truncated";
        QTest::newRow("zeroed") << "zeroed";
    }
    void indexChangedUnderIt()
    {
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QJsonArray records{cityRecord("paris", "Paris", 48.86, 2.35, "Europe/Paris"),
                                 cityRecord("berlin", "Berlin", 52.52, 13.40, "Europe/Berlin")};
        const QString catalogue = writeCatalogue(dir, records);
        const QString index = CityDatabase::indexFileFor(catalogue);
        const QByteArray written = indexFor(catalogue);
        writeFile(index, written);
        QFile(catalogue).setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60), QFileDevice::FileModificationTime);
        const CityDatabase database(catalogue, english);
        QCOMPARE(database.origin(), CityDatabase::Origin::index);

        QFile file(index);
        QVERIFY(file.open(QIODevice::ReadWrite)); // in place: same inode, no truncation first
        if (change == u"rewritten") file.write(QByteArray(written.size(), '\xff'));
        if (change == u"truncated") QVERIFY(file.resize(0));
        if (change == u"zeroed") file.write(QByteArray(written.size(), '\0'));
        file.close();
        database.releasePages(); // what was read is read again

        QCOMPARE(idsOf(database.search(u"par"_s, 5)), QStringList{"paris"});
        QCOMPARE(database.find(u"berlin"_s).value().name, u"Berlin"_s);
        QCOMPARE(idsOf(database.nearestCities(52, 13, 1, 1, 1)), QStringList{"berlin"});
        QCOMPARE(database.city(2).timeZone.id(), "Europe/Berlin"_ba);
    }

    void shippedCatalogue()
    {
        const CityDatabase database(::shippedCatalogue(), english);
        QCOMPARE(database.size(), 26410);
        QCOMPARE(database.city(0), City::utc());
        for (const char* name : {"New York City", "Chicago", "Los Angeles", "London", "Melbourne"}) {
            const QList<City> found = database.search(QString::fromUtf8(name), 1);
            QVERIFY2(!found.isEmpty() && found.first().name == QString::fromUtf8(name), name);
        }
        QCOMPARE(database.search(u"ZURICH"_s, 1).first().name, u"Zürich"_s);
        QCOMPARE(database.search(u"calcutta"_s, 1).first().name, u"Kolkata"_s);
        // Every city resolves to a zone the system knows and to a flag.
        for (qsizetype i = 1; i < database.size(); ++i) {
            const City city = database.city(i);
            QVERIFY2(city.timeZone.id() == city.timeZoneIdentifier.toUtf8(), qPrintable(city.timeZoneIdentifier));
            QVERIFY2(flagEmoji(city.country), qPrintable(city.country));
        }
        // Skipping cities by their character pairs loses none that hold the
        // query in a key or in their zone's name.
        const TextFolder folder(english);
        const UDate now = UDate(QDateTime::currentMSecsSinceEpoch());
        for (const char* query : {"ber", "new y", "são", "øs", "ville", "an", "qz", "s\u00a0p"}) {
            const QString folded = folder.fold(QString::fromUtf8(query));
            QStringList holding;
            for (qsizetype i = 0; i < database.size(); ++i) {
                const City city = database.city(i);
                const QString zone = QString::fromUtf8(city.timeZone.id());
                const QString zoneName =
                    ZoneNames::genericName(zone, english, now).value_or(ZoneNames::fromIdentifier(zone));
                for (const QString& key : QStringList{city.name, city.region, city.country, zoneName} + city.aliases)
                    if (folder.fold(key).contains(folded)) {
                        holding.append(city.id);
                        break;
                    }
            }
            QStringList found;
            for (const City& city : database.search(QString::fromUtf8(query), database.size()))
                found.append(city.id);
            found.sort();
            holding.sort();
            QCOMPARE(found, holding);
        }
        const QList<City> nearParis = database.nearestCities(48.8566, 2.3522, 700, 1, 1);
        QCOMPARE(nearParis.size(), 1);
        QCOMPARE(nearParis.first().name, u"Paris"_s);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCityDatabase)
#include "TestCityDatabase.moc"
