#include "../support/CatalogueFiles.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "settings/AppSettings.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// How many times `spy` heard that `key` changed.
int heard(const QSignalSpy& spy, SettingKey key)
{
    return int(std::count_if(spy.cbegin(), spy.cend(),
                             [key](const QList<QVariant>& args) { return args.at(0).value<SettingKey>() == key; }));
}

// A value of the row's type other than its default, and one that does not read.
struct Sample {
    QVariant stored;
    QVariant loaded;
    QVariant unreadable;
};

Sample sampleOf(const SettingRow& row)
{
    switch (row.type) {
    case SettingType::cityIds:
        return {QVariantList{"tok", "la"}, QStringList{"tok", "la"}, QVariantList{1, 2}};
    case SettingType::choice:
        for (const QString& raw : {u"alphabetical"_s, u"twelveHour"_s, u"abbreviated"_s, u"timeBesideIcon"_s})
            if (row.isChoice(raw)) return {raw, raw, raw.toUpper()};
        break;
    case SettingType::flag:
        return {false, false, u"false"_s};
    case SettingType::textsByCity: {
        const QVariantMap texts{{"tok", "22:00-06:00"}};
        return {texts, texts, QVariantMap{{"tok", "Office"}, {"ny", 3}}};
    }
    case SettingType::timeRange:
        return {u"22:00-06:00"_s, u"22:00-06:00"_s, u"25:00-22:00"_s};
    case SettingType::minutes:
        return {15.0, 15, 45};
    }
    return {};
}

// The table's default as stored, the catalogue's cities for the lists worked out at launch.
QVariant defaultOf(const SettingRow& row)
{
    const QString fallback = QString::fromLatin1(row.fallback);
    switch (row.type) {
    case SettingType::cityIds:
        return row.key == SettingKey::trayCityIDs ? QStringList() : QStringList{"ny", "la", "lon", "mel"};
    case SettingType::flag:
        return fallback == u"true"_s;
    case SettingType::minutes:
        return fallback.toInt();
    case SettingType::textsByCity:
        return QVariantMap();
    case SettingType::choice:
    case SettingType::timeRange:
        return fallback;
    }
    return {};
}

// Sets `key` through its typed setter to what stores as `stored`.
void setFromStored(AppSettings& settings, const SettingRow& row, const QVariant& stored)
{
    const QString text = stored.toString();
    switch (row.type) {
    case SettingType::cityIds:
        return settings.set(row.key, stored.toStringList());
    case SettingType::flag:
        return settings.set(row.key, stored.toBool());
    case SettingType::minutes:
        return settings.set(row.key, stored.toInt());
    case SettingType::timeRange:
        return settings.set(row.key, TimeRange::parse(text).value_or(TimeRange()));
    case SettingType::textsByCity: {
        AppSettings::StringMap texts;
        const QVariantMap map = stored.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            texts.insert(it.key(), it.value().toString());
        return settings.set(row.key, texts);
    }
    case SettingType::choice:
        switch (row.key) {
        case SettingKey::sortMode:
            return settings.set(row.key, fromRawValue<SortMode>(text).value());
        case SettingKey::timeFormat:
            return settings.set(row.key, fromRawValue<TimeFormat>(text).value());
        case SettingKey::dateFormat:
            return settings.set(row.key, fromRawValue<DateFormat>(text).value());
        case SettingKey::trayDisplay:
            return settings.set(row.key, fromRawValue<TrayDisplay>(text).value());
        default:
            QFAIL("a choice without its enumeration here");
        }
    }
}

// 2026-01-15 12:00 UTC (London on GMT) and 2026-07-15 12:00 UTC (London on BST).
const QDateTime winter = QDateTime::fromSecsSinceEpoch(1768478400, Qt::UTC);
const QDateTime summer = QDateTime::fromSecsSinceEpoch(1784116800, Qt::UTC);

} // namespace

class TestAppSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No Chicago, and a second London that must not win over the first.
        const QJsonArray records{
            cityRecord("ny", "New York City", 40.7, -74, "America/New_York", "New York", "United States"),
            cityRecord("lon", "London", 51.5, -0.1, "Europe/London", "England", "United Kingdom"),
            cityRecord("lon2", "London", 43, -81.2, "America/Toronto", "Ontario", "Canada"),
            cityRecord("la", "Los Angeles", 34, -118.2, "America/Los_Angeles", "California", "United States"),
            cityRecord("mel", "Melbourne", -37.8, 145, "Australia/Melbourne", "Victoria", "Australia"),
            cityRecord("rey", "Reykjavík", 64.1, -21.9, "Atlantic/Reykjavik", QString(), "Iceland"),
            cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", QString(), "Japan"),
            cityRecord("z10", "Zone 10"),
            cityRecord("z9", "zone 9"),
        };
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
    }

    void init() { m_store = RecordingPreferences(); }

    // Every key of the table: its default, a stored value, one that does not
    // read, and a value set, written, told once and loaded back.
    void everyKey_data()
    {
        addColumns<SettingKey>({"key"});
        for (const SettingRow& row : settingsTable)
            QTest::newRow(row.name) << row.key;
    }

    void everyKey()
    {
        const SettingRow& row = settingRow(std::get<0>(fetchRow<SettingKey>({"key"})));
        const QString name = keyName(row.key);
        const Sample sample = sampleOf(row);

        const QVariant fallback = make()->stored(row.key);
        QCOMPARE(fallback, defaultOf(row));
        QVERIFY(fallback != sample.loaded);

        m_store.values.insert(name, sample.stored);
        QCOMPARE(make()->stored(row.key), sample.loaded);
        m_store.values.insert(name, sample.unreadable);
        QCOMPARE(make()->stored(row.key), fallback);
        QVERIFY(m_store.writes.isEmpty()); // loading never writes

        m_store.values.remove(name);
        const auto settings = make();
        QSignalSpy changes(settings.get(), &AppSettings::changed);
        // The same value: written and synchronised, but nobody is told.
        setFromStored(*settings, row, fallback);
        QCOMPARE(m_store.writes, QStringList{name});
        QCOMPARE(m_store.synchronizations, 1);
        QCOMPARE(changes.count(), 0);

        setFromStored(*settings, row, sample.loaded);
        QCOMPARE(m_store.writes, (QStringList{name, name}));
        QCOMPARE(m_store.synchronizations, 2);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(heard(changes, row.key), 1);
        QCOMPARE(m_store.values.value(name), sample.loaded);
        QCOMPARE(make()->stored(row.key), sample.loaded);
    }

    // What a key's own rule makes of a stored value, beyond its type's.
    void loadsStoredValues_data()
    {
        addColumns<SettingKey, QVariant, QVariant>({"key", "stored", "expected"});
        const SettingKey tracked = SettingKey::trackedCityIDs;
        const QVariant defaults = QStringList{"ny", "la", "lon", "mel"};
        QTest::newRow("tracked: kept with unknown id")
            << tracked << QVariant(QStringList{"tok", "gone"}) << QVariant(QStringList{"tok", "gone"});
        QTest::newRow("tracked: empty list is a choice")
            << tracked << QVariant(QStringList{}) << QVariant(QStringList{});
        QTest::newRow("manual: unusable follows tracked") << SettingKey::manualOrder << QVariant(true) << defaults;
        QTest::newRow("trayCityIDs: repeats go, and past three")
            << SettingKey::trayCityIDs << QVariant(QStringList{"tok", "tok", "ny", "la", "lon"})
            << QVariant(QStringList{"tok", "ny", "la"});
        QTest::newRow("labels: a lone surrogate is replaced")
            << SettingKey::customCityLabels << QVariant(QVariantMap{{"ny", u"\xd800x"_s}})
            << QVariant(QVariantMap{{"ny", u"\xfffdx"_s}});
    }

    void loadsStoredValues()
    {
        auto [key, stored, expected] = fetchRow<SettingKey, QVariant, QVariant>({"key", "stored", "expected"});
        m_store.values.insert(keyName(key), stored);
        QCOMPARE(make()->stored(key), expected);
        QVERIFY(m_store.writes.isEmpty());
    }

    // A city's broken range falls back to the default hours alone.
    void workingHours()
    {
        m_store.values = {{"defaultWorkingHours", "08:30-16:30"},
                          {"cityWorkingHours", QVariantMap{{"tok", "22:00-06:00"}, {"ny", "9-5"}}}};
        const auto settings = make();
        QCOMPARE(settings->workingHours(u"tok"_s), (TimeRange{QTime(22, 0), QTime(6, 0)}));
        QCOMPARE(settings->workingHours(u"ny"_s), std::nullopt);
        QCOMPARE(settings->scheduleFor(u"ny"_s, u"US"_s).working, (TimeRange{QTime(8, 30), QTime(16, 30)}));

        QSignalSpy changed(settings.get(), &AppSettings::changed);
        settings->setWorkingHours(TimeRange{QTime(10, 0), QTime(18, 0)}, u"ny"_s);
        settings->setWorkingHours(std::nullopt, u"tok"_s);
        QCOMPARE(m_store.values.value(u"cityWorkingHours"_s).toMap(), (QVariantMap{{"ny", "10:00-18:00"}}));
        QCOMPARE(heard(changed, SettingKey::cityWorkingHours), 2);
        QCOMPARE(make()->workingHours(u"ny"_s), (TimeRange{QTime(10, 0), QTime(18, 0)}));
    }

    // A label is trimmed; an emoji keeps its first whole character; a blank
    // (or no label) removes either. One action, one write.
    void customTexts_data()
    {
        // stored, when empty: removed
        addColumns<SettingKey, QString, QString>({"key", "text", "stored"});
        const SettingKey label = SettingKey::customCityLabels, emoji = SettingKey::customCityEmoji;
        QTest::newRow("label trimmed") << label << u"  Mum \n"_s << u"Mum"_s;
        QTest::newRow("label of spaces removes") << label << u"   "_s << QString();
        QTest::newRow("no label removes") << label << QString() << QString();
        QTest::newRow("label: unicode space trimmed") << label << u"\u3000Büro\u00a0"_s << u"Büro"_s;
        QTest::newRow("two flags keep the first") << emoji << u"🇯🇵🇫🇷"_s << u"🇯🇵"_s;
        QTest::newRow("family sequence stays whole") << emoji << u"👩‍👩‍👧x"_s << u"👩‍👩‍👧"_s;
        QTest::newRow("skin tone stays whole") << emoji << u"👋🏽👋"_s << u"👋🏽"_s;
        QTest::newRow("letter with combining mark") << emoji << u"e\u0301t"_s << u"e\u0301"_s;
    }

    void customTexts()
    {
        auto [key, text, stored] = fetchRow<SettingKey, QString, QString>({"key", "text", "stored"});
        m_store.values.insert(keyName(key), QVariantMap{{"ny", "Old"}});
        const auto settings = make();
        QSignalSpy changed(settings.get(), &AppSettings::changed);
        if (key == SettingKey::customCityLabels)
            settings->setCustomLabel(text.isNull() ? std::nullopt : std::optional(text), city("ny"));
        else
            settings->setCustomEmoji(text, city("ny"));
        const QVariantMap written = m_store.values.value(keyName(key)).toMap();
        QCOMPARE(written.value(u"ny"_s).toString(), stored);
        QCOMPARE(written.contains(u"ny"_s), !stored.isEmpty());
        QCOMPARE(key == SettingKey::customCityLabels
                     ? settings->customLabel(city("ny")).value_or(QString())
                     : settings->value<AppSettings::StringMap>(SettingKey::customCityEmoji).value(u"ny"_s),
                 stored);
        QCOMPARE(settings->hasCustomization(city("ny")), !stored.isEmpty());
        QCOMPARE(m_store.writes, QStringList{keyName(key)});
        QCOMPARE(m_store.synchronizations, 1);
        QCOMPARE(heard(changed, key), 1);
    }

    void emojiFallsBackToFlag()
    {
        m_store.values.insert(keyName(SettingKey::customCityEmoji), QVariantMap{{"tok", " 🗻 "}, {"ny", "  "}});
        const auto settings = make();
        QCOMPARE(settings->emoji(city("tok")), std::optional(u"🗻"_s));
        QCOMPARE(settings->emoji(city("ny")), flagEmoji(u"United States"_s));
        QVERIFY(settings->hasCustomization(city("tok")));
        QVERIFY(!settings->hasCustomization(city("ny")));     // a blank entry or a flag is no customization
        QCOMPARE(settings->emoji(City::utc()), std::nullopt); // flags off: the clocks' own table
    }

    void resetCustomization()
    {
        m_store.values.insert(keyName(SettingKey::customCityLabels), QVariantMap{{"ny", "Home"}, {"la", "Sun"}});
        m_store.values.insert(keyName(SettingKey::customCityEmoji), QVariantMap{{"ny", "🗽"}});
        const auto settings = make();
        settings->resetCustomization(city("ny"));
        QVERIFY(!settings->hasCustomization(city("ny")));
        QCOMPARE(settings->value<AppSettings::StringMap>(SettingKey::customCityLabels),
                 (AppSettings::StringMap{{"la", "Sun"}}));
        QCOMPARE(m_store.writes,
                 (QStringList{keyName(SettingKey::customCityLabels), keyName(SettingKey::customCityEmoji)}));
        QCOMPARE(m_store.synchronizations, 1); // one action, one write
    }

    void toggleTracking()
    {
        m_store.values.insert(keyName(SettingKey::customCityLabels), QVariantMap{{"la", "Sun"}});
        const auto settings = make();
        QSignalSpy changes(settings.get(), &AppSettings::changed);
        // One action is one change: whoever hears of the list finds its order made too.
        QStringList orderHeard;
        connect(settings.get(), &AppSettings::changed, this, [&](SettingKey key) {
            if (key == SettingKey::trackedCityIDs) orderHeard = settings->value<QStringList>(SettingKey::manualOrder);
        });

        settings->toggleTracking(city("tok"));
        QCOMPARE(orderHeard, (QStringList{"ny", "la", "lon", "mel", "tok"}));
        QCOMPARE(settings->value<QStringList>(SettingKey::trackedCityIDs),
                 (QStringList{"ny", "la", "lon", "mel", "tok"}));
        QCOMPARE(m_store.writes, (QStringList{keyName(SettingKey::trackedCityIDs), keyName(SettingKey::manualOrder)}));

        settings->toggleTracking(city("la"));
        settings->toggleTracking(city("la"));
        QCOMPARE(settings->value<QStringList>(SettingKey::trackedCityIDs),
                 (QStringList{"ny", "lon", "mel", "tok", "la"}));
        QCOMPARE(settings->value<QStringList>(SettingKey::manualOrder), (QStringList{"ny", "lon", "mel", "tok", "la"}));
        QCOMPARE(settings->customLabel(city("la")), std::optional(u"Sun"_s));
        QCOMPARE(heard(changes, SettingKey::trackedCityIDs), 3);
        QCOMPARE(m_store.synchronizations, 3); // once per action

        // Stored data may repeat an id; untracking removes every copy.
        settings->set(SettingKey::trackedCityIDs, QStringList{"ny", "lon", "ny"});
        settings->toggleTracking(city("ny"));
        QCOMPARE(settings->value<QStringList>(SettingKey::trackedCityIDs), QStringList{"lon"});
    }

    // Up to three clocks show in the tray; a fourth is refused until one goes.
    void showInTray()
    {
        const auto settings = make();
        QSignalSpy changes(settings.get(), &AppSettings::changed);
        for (const char* id : {"tok", "ny", "la", "lon", "ny", "lon"})
            settings->toggleShownInTray(QString::fromLatin1(id));
        QCOMPARE(settings->value<QStringList>(SettingKey::trayCityIDs), (QStringList{"tok", "la", "lon"}));
        QCOMPARE(heard(changes, SettingKey::trayCityIDs), 5); // the refused fourth changes nothing
    }

    // The application stays reachable: the last of the tray icon and the
    // taskbar entry is never hidden, whichever order they are switched in.
    void oneOfTrayAndTaskbarStays_data()
    {
        addColumns<QStringList, bool, bool>({"hidden", "tray", "taskbar"});
        QTest::newRow("the tray, then the taskbar") << QStringList{"tray", "taskbar"} << false << true;
        QTest::newRow("the taskbar, then the tray") << QStringList{"taskbar", "tray"} << true << false;
    }

    void oneOfTrayAndTaskbarStays()
    {
        auto [hidden, tray, taskbar] = fetchRow<QStringList, bool, bool>({"hidden", "tray", "taskbar"});
        const auto settings = make();
        for (const QString& which : hidden)
            which == "tray" ? settings->set(SettingKey::showsMenuBarItem, false)
                            : settings->set(SettingKey::showsDockIcon, false);
        QCOMPARE(settings->value<bool>(SettingKey::showsMenuBarItem), tray);
        QCOMPARE(settings->value<bool>(SettingKey::showsDockIcon), taskbar);
        QCOMPARE(settings->mayHideMenuBarItem(), taskbar);
        QCOMPARE(settings->mayHideDockIcon(), tray);
        QCOMPARE(m_store.writes.size(), 1); // a refused one writes nothing
    }

    void sortModes_data()
    {
        addColumns<SortMode, QDateTime, QStringList>({"mode", "at", "expected"});

        // Tracked: tok, z10, lon2, lon, gone (unknown), rey, z9, ny. Two Londons, kept in
        // tracked order where they tie; ny listed twice in the manual order.
        QTest::newRow("time, winter: equal offsets by name")
            << SortMode::time << winter << QStringList{"lon2", "ny", "lon", "rey", "z9", "z10", "tok"};
        QTest::newRow("time, summer: London an hour ahead")
            << SortMode::time << summer << QStringList{"lon2", "ny", "rey", "z9", "z10", "lon", "tok"};
        QTest::newRow("alphabetical, digits by value")
            << SortMode::alphabetical << winter << QStringList{"lon2", "lon", "ny", "rey", "tok", "z9", "z10"};
        QTest::newRow("manual, unlisted last in tracked order")
            << SortMode::manual << winter << QStringList{"ny", "lon", "tok", "z10", "lon2", "rey", "z9"};
    }

    void sortModes()
    {
        auto [mode, at, expected] = fetchRow<SortMode, QDateTime, QStringList>({"mode", "at", "expected"});
        m_store.values.insert(keyName(SettingKey::trackedCityIDs),
                              QStringList{"tok", "z10", "lon2", "lon", "gone", "rey", "z9", "ny"});
        m_store.values.insert(keyName(SettingKey::manualOrder), QStringList{"ny", "gone", "lon", "tok", "ny"});
        m_store.values.insert(keyName(SettingKey::sortMode), rawValue(mode));
        const auto settings = make();
        QCOMPARE(idsOf(settings->trackedCities(at, *m_database)), expected);
    }

    void moveTrackedCities_data()
    {
        // expected, when empty: nothing changes
        addColumns<QList<qsizetype>, qsizetype, QStringList>({"from", "to", "expected"});

        QTest::newRow("first to end") << QList<qsizetype>{0} << qsizetype(3) << QStringList{"ny", "tok", "lon", "gone"};
        QTest::newRow("last to front") << QList<qsizetype>{2} << qsizetype(0)
                                       << QStringList{"tok", "lon", "ny", "gone"};
        QTest::newRow("two rows to the middle")
            << QList<qsizetype>{0, 2} << qsizetype(2) << QStringList{"ny", "lon", "tok", "gone"};
        QTest::newRow("destination past the end")
            << QList<qsizetype>{1} << qsizetype(99) << QStringList{"lon", "tok", "ny", "gone"};
        QTest::newRow("out-of-range source skipped")
            << QList<qsizetype>{1, 7} << qsizetype(0) << QStringList{"ny", "lon", "tok", "gone"};
        QTest::newRow("only out of range") << QList<qsizetype>{5} << qsizetype(0) << QStringList();
    }

    void moveTrackedCities()
    {
        auto [from, to, expected] = fetchRow<QList<qsizetype>, qsizetype, QStringList>({"from", "to", "expected"});
        m_store.values.insert(keyName(SettingKey::trackedCityIDs), QStringList{"tok", "gone", "ny", "lon"});
        m_store.values.insert(keyName(SettingKey::sortMode), u"alphabetical"_s);
        const auto settings = make();
        const QList<City> displayed = settings->trackedCities(winter, *m_database); // lon, ny, tok
        QCOMPARE(idsOf(displayed), (QStringList{"lon", "ny", "tok"}));

        settings->moveTrackedCities(QSet<qsizetype>(from.cbegin(), from.cend()), to, displayed);
        if (expected.isEmpty()) {
            QCOMPARE(settings->value<SortMode>(SettingKey::sortMode), SortMode::alphabetical);
            QVERIFY(m_store.writes.isEmpty());
            return;
        }
        QCOMPARE(settings->value<QStringList>(SettingKey::manualOrder), expected);
        QCOMPARE(settings->value<SortMode>(SettingKey::sortMode), SortMode::manual);
        QCOMPARE(m_store.writes, (QStringList{keyName(SettingKey::manualOrder), keyName(SettingKey::sortMode)}));
        QCOMPARE(idsOf(settings->trackedCities(winter, *m_database)), expected.mid(0, 3));
    }

    void chooseSortMode()
    {
        m_store.values.insert(keyName(SettingKey::trackedCityIDs), QStringList{"tok", "gone", "ny", "lon"});
        m_store.values.insert(keyName(SettingKey::manualOrder), QStringList{"lon", "tok"});
        const auto settings = make();

        settings->chooseSortMode(SortMode::alphabetical, winter, *m_database);
        QCOMPARE(settings->value<QStringList>(SettingKey::manualOrder), (QStringList{"lon", "tok"}));
        settings->chooseSortMode(SortMode::time, winter, *m_database);

        // The order shown by time becomes the custom order, without unknown ids.
        settings->chooseSortMode(SortMode::manual, winter, *m_database);
        QCOMPARE(settings->value<QStringList>(SettingKey::manualOrder), (QStringList{"ny", "lon", "tok"}));
        QCOMPARE(settings->value<SortMode>(SettingKey::sortMode), SortMode::manual);
        QCOMPARE(m_store.writes.mid(m_store.writes.size() - 2),
                 (QStringList{keyName(SettingKey::manualOrder), keyName(SettingKey::sortMode)}));

        // Choosing it again freezes the custom order as displayed.
        settings->set(SettingKey::manualOrder, QStringList{"tok", "gone", "lon"});
        settings->chooseSortMode(SortMode::manual, winter, *m_database);
        QCOMPARE(settings->value<QStringList>(SettingKey::manualOrder), (QStringList{"tok", "lon", "ny"}));
    }

private:
    City city(const char* id) const { return m_database->find(QString::fromLatin1(id)).value_or(City()); }
    std::unique_ptr<AppSettings> make() { return std::make_unique<AppSettings>(m_store, *m_database); }

    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    RecordingPreferences m_store;
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "TestAppSettings.moc"
