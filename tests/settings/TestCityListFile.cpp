#include "../support/CatalogueFiles.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "settings/AppSettings.h"
#include "settings/CityListFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray listOf(const QByteArray& cities, const QByteArray& version = "1")
{
    return R"({"format": "horavia-cities", "version": )" + version + R"(, "cities": [)" + cities + "]}";
}

} // namespace

class TestCityListFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QJsonArray records{
            cityRecord("par", "Paris", 48.86, 2.35, "Europe/Paris", "Île-de-France", "France"),
            cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "", "Japan"),
            cityRecord("ny", "New York City", 40.7, -74, "America/New_York", "New York", "United States")};
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
    }

    // Exported on one machine, imported on a fresh home: the same list, in
    // the same order, with the same labels, emoji and hours.
    void exportThenImportOnAFreshHome()
    {
        RecordingPreferences mine(QVariantMap{{"trackedCityIDs", QStringList{"tok", "par"}},
                                              {"sortMode", "manual"},
                                              {"manualOrder", QStringList{"tok", "par"}},
                                              {"customCityLabels", QVariantMap{{"par", "Mum"}}},
                                              {"customCityEmoji", QVariantMap{{"tok", "🗼"}}},
                                              {"cityWorkingHours", QVariantMap{{"par", "08:00-16:00"}}}});
        AppSettings here(mine, *m_database);
        const QList<City> order = here.trackedCities(QDateTime::currentDateTimeUtc(), *m_database);
        const QByteArray file = CityListFile::write(here, order);

        RecordingPreferences fresh(QVariantMap{{"trackedCityIDs", QStringList{}}});
        AppSettings there(fresh, *m_database);
        QSignalSpy changed(&there, &AppSettings::changed);
        const CityListFile::Read read = CityListFile::read(file, *m_database);
        QVERIFY2(read.error.isEmpty() && read.skipped.isEmpty(), qPrintable(read.error + read.skipped.join(u'|')));
        QCOMPARE(CityListFile::compare(read, there).added, (QStringList{"tok", "par"}));
        const int writesBefore = fresh.synchronizations;
        CityListFile::apply(read, there, false);
        QCOMPARE(fresh.synchronizations, writesBefore + 1); // one change
        QCOMPARE(there.value<QStringList>(SettingKey::trackedCityIDs), (QStringList{"tok", "par"}));
        QCOMPARE(there.value<QStringList>(SettingKey::manualOrder), (QStringList{"tok", "par"}));
        QCOMPARE(there.value<AppSettings::StringMap>(SettingKey::customCityLabels),
                 here.value<AppSettings::StringMap>(SettingKey::customCityLabels));
        QCOMPARE(there.value<AppSettings::StringMap>(SettingKey::customCityEmoji),
                 here.value<AppSettings::StringMap>(SettingKey::customCityEmoji));
        QCOMPARE(there.workingHours(u"par"_s), here.workingHours(u"par"_s));
        // Imported again: nothing to add, nothing differs.
        const CityListFile::Changes again = CityListFile::compare(read, there);
        QVERIFY(again.added.isEmpty() && again.differing.isEmpty());
    }

    // What differs is asked about; without leave, only what is missing is set.
    void differingValuesWaitForLeave()
    {
        RecordingPreferences store(QVariantMap{{"trackedCityIDs", QStringList{"par"}},
                                               {"customCityLabels", QVariantMap{{"par", "Home"}}},
                                               {"cityWorkingHours", QVariantMap{{"par", "08:00-16:00"}}}});
        AppSettings settings(store, *m_database);
        const CityListFile::Read read = CityListFile::read(
            listOf(R"({"id": "par", "label": "Mum", "emoji": "🥐", "workingHours": "10:00-18:00"}, {"id": "ny"})"),
            *m_database);
        const CityListFile::Changes changes = CityListFile::compare(read, settings);
        QCOMPARE(changes.added, QStringList{u"ny"_s});
        QCOMPARE(changes.differing, QStringList{u"par"_s});
        CityListFile::apply(read, settings, false);
        QCOMPARE(settings.value<AppSettings::StringMap>(SettingKey::customCityLabels).value(u"par"_s), u"Home"_s);
        QCOMPARE(settings.value<AppSettings::StringMap>(SettingKey::customCityEmoji).value(u"par"_s),
                 u"🥐"_s); // there was none
        QCOMPARE(settings.workingHours(u"par"_s)->toString(), u"08:00-16:00"_s);
        QCOMPARE(settings.value<QStringList>(SettingKey::trackedCityIDs), (QStringList{"par", "ny"}));
        CityListFile::apply(read, settings, true);
        QCOMPARE(settings.value<AppSettings::StringMap>(SettingKey::customCityLabels).value(u"par"_s), u"Mum"_s);
        QCOMPARE(settings.workingHours(u"par"_s)->toString(), u"10:00-18:00"_s);
    }

    // Files from anywhere: refused whole, or the bad parts named and skipped.
    void hostileFiles_data()
    {
        addColumns<QByteArray, QString, QStringList, QStringList>({"file", "error", "ids", "skipped"});
        const QStringList none;
        const auto row = [](const char* name, const QByteArray& file, const char* error, const QStringList& ids,
                            const QStringList& skipped) {
            QTest::newRow(name) << file << QString::fromUtf8(error) << ids << skipped;
        };
        row("empty", "", "The file is not a list of Horavia’s cities.", none, none);
        row("not JSON", "cities: Paris", "The file is not a list of Horavia’s cities.", none, none);
        row("another format", R"({"format": "x", "version": 1, "cities": []})",
            "The file is not a list of Horavia’s cities.", none, none);
        row("a newer version", listOf("", "2"),
            "The file is from another version of Horavia (2), which this one cannot read.", none, none);
        row("a version as text", listOf("", "\"1\""),
            "The file is from another version of Horavia (?), which this one cannot read.", none, none);
        row("not UTF-8",
            listOf(R"({"id": "par", "label": "M)"
                   "\xff"
                   R"(m"})"),
            "The file is not text in UTF-8.", none, none);
        row("too large", listOf(R"({"id": "par", "label": ")" + QByteArray(300 * 1024, 'x') + R"("})"),
            "The file is larger than a list of cities can be (256 KB).", none, none);
        QByteArray many;
        for (int i = 0; i < 1001; ++i)
            many += QByteArray(i ? "," : "") + R"({"id":"par"})";
        row("too many cities", listOf(many), "The file lists more than 1000 cities.", none, none);
        row("a million entries", listOf(QByteArray(1000000 * 3, ',').prepend("1").append("1")),
            "The file is larger than a list of cities can be (256 KB).", none, none);
        row("unknown and duplicate ids", listOf(R"({"id": "par"}, {"id": "gn999"}, {"id": "par"}, {"id": 7}, "tok")"),
            "", {u"par"_s},
            {u"“gn999”: not a city of the catalogue"_s, u"Paris: listed twice"_s, u"entry 4: no city"_s,
             u"entry 5: no city"_s});
        row("values out of range",
            listOf(R"({"id": "par", "label": 5, "emoji": "abcdefghijklmnopqrstu", "workingHours": "25:00-26:00"},)"
                   R"({"id": "tok", "label": "a\u0007b", "workingHours": ["09:00-17:00"]})"),
            "", {u"par"_s, u"tok"_s},
            {u"Paris’s label: not text"_s, u"Paris’s emoji “abcdefghijklmnopqrstu”: not one Horavia can take"_s,
             u"Paris’s working hours “25:00-26:00”: not ones Horavia can take"_s,
             u"Tokyo’s label “a?b”: not one Horavia can take"_s, u"Tokyo’s working hours: not text"_s});
        row("a label too long", listOf(R"({"id": "par", "label": ")" + QByteArray(201, 'x') + R"("})"), "", {u"par"_s},
            {u"Paris’s label “xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…”: not one Horavia can take"_s});
        row("nulls are absent", listOf(R"({"id": "par", "label": null})"), "", {u"par"_s}, none);
    }

    // A label with an unpaired surrogate keeps its text, the half character
    // replaced, whether it comes from a file or the editor (the settings'
    // own table has one stored so).
    void loneSurrogates_data()
    {
        addColumns<QByteArray, QString>({"label", "kept"});
        QTest::newRow("a high one alone") << QByteArray(R"(\ud800x)") << u"\uFFFDx"_s;
        QTest::newRow("a low one alone") << QByteArray(R"(a\udc00)") << u"a\uFFFD"_s;
        QTest::newRow("two highs") << QByteArray(R"(\ud83d\ud83d\ude00)") << u"\uFFFD😀"_s;
        QTest::newRow("a pair is a character") << QByteArray(R"(\ud83d\ude00 Office)") << u"😀 Office"_s;
    }
    void loneSurrogates()
    {
        const auto [label, kept] = fetchRow<QByteArray, QString>({"label", "kept"});
        const CityListFile::Read read =
            CityListFile::read(listOf(R"({"id": "par", "label": ")" + label + R"("})"), *m_database);
        QCOMPARE(read.entries.value(0).label, std::optional<QString>(kept));
        RecordingPreferences store;
        AppSettings settings(store, *m_database);
        const QString raw = QJsonDocument::fromJson("[\"" + label + "\"]").array().at(0).toString();
        settings.setCustomLabel(raw, *m_database->find(u"par"_s));
        QCOMPARE(settings.value<AppSettings::StringMap>(SettingKey::customCityLabels).value(u"par"_s), kept);
    }
    void hostileFiles()
    {
        const auto [file, error, ids, skipped] =
            fetchRow<QByteArray, QString, QStringList, QStringList>({"file", "error", "ids", "skipped"});
        const CityListFile::Read read = CityListFile::read(file, *m_database);
        QCOMPARE(read.error, error);
        QStringList read_ids;
        for (const CityListFile::Entry& entry : read.entries)
            read_ids << entry.id;
        QCOMPARE(read_ids, ids);
        QCOMPARE(read.skipped, skipped);
        // A refused file, or one with nothing to add, changes nothing.
        RecordingPreferences store(QVariantMap{{"trackedCityIDs", QStringList{"ny"}}});
        AppSettings settings(store, *m_database);
        if (ids.isEmpty()) {
            CityListFile::apply(read, settings, true);
            QCOMPARE(settings.value<QStringList>(SettingKey::trackedCityIDs), QStringList{u"ny"_s});
        }
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
};

QTEST_GUILESS_MAIN(TestCityListFile)
#include "TestCityListFile.moc"
