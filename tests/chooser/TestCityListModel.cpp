#include "../support/CatalogueFiles.h"
#include "../support/ClockStack.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "chooser/CityListModel.h"
#include "clock/ClockEntries.h"
#include "clock/RowRoles.h"
#include "settings/AppSettings.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Item = CityListModel::Item;

namespace {

// The list as lines: "§title" for sections, "kind:title" for rows (with "✓"
// when checked, "/original" when relabelled), "note", "none:<search>".
QStringList lines(const CityListModel& model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row) {
        const Item& item = model.item(row);
        switch (item.kind) {
        case CityListModel::ItemKind::section:
            out.append("§" + item.text);
            break;
        case CityListModel::ItemKind::note:
            out.append(u"note"_s);
            break;
        case CityListModel::ItemKind::noResults:
            out.append("none:" + item.text);
            break;
        case CityListModel::ItemKind::answer:
            out.append((item.at.isValid() ? u"answer:"_s : u"refusal:"_s) + item.text);
            break;
        case CityListModel::ItemKind::row: {
            static const QStringList kinds{"home", "tracked", "result"};
            const ClockRowContent& content = model.row(item).content;
            QString line = kinds.at(int(item.rowKind)) + ":" + content.title;
            if (content.originalName) line += "/" + *content.originalName;
            if (content.selection == ClockRowContent::Selection::checked) line += " ✓";
            out.append(line);
        }
        }
    }
    return out;
}

} // namespace

class TestCityListModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The tests run with TZ=UTC: "acc" shares the home zone.
        const QJsonArray records{cityRecord("par", "Paris", 48.86, 2.35, "Europe/Paris", "Île-de-France", "France"),
                                 cityRecord("pam", "Pamplona", 42.8, -1.6, "Europe/Madrid", "Navarre", "Spain"),
                                 cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "", "Japan"),
                                 cityRecord("acc", "Accra", 5.6, -0.2, "UTC", "", "Ghana")};
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
    }

    void lines_data()
    {
        addColumns<QVariantMap, QString, QStringList>({"stored", "search", "expected"});

        const QVariantMap none{{"trackedCityIDs", QStringList{}}};
        QTest::newRow("nothing tracked") << none << QString()
                                         << QStringList{"§Your Time Zone", "home:UTC", "§Cities You Track", "note"};
        QTest::newRow("home row off") << QVariantMap{{"trackedCityIDs", QStringList{}}, {"showsHomeZone", false}}
                                      << QString() << QStringList{"§Cities You Track", "note"};
        QTest::newRow("a tracked city in the home zone heads the tracked section")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok", "acc"}}} << QString()
            << QStringList{"§Cities You Track", "tracked:Accra", "tracked:Tokyo"};
        QTest::newRow("relabelled tracked row keeps its catalogue name")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok"}}, {"customCityLabels", QVariantMap{{"tok", "Office"}}}}
            << QString() << QStringList{"§Your Time Zone", "home:UTC", "§Cities You Track", "tracked:Office/Tokyo"};
        QTest::newRow("search with checkmarks and labels")
            << QVariantMap{{"trackedCityIDs", QStringList{"par"}}, {"customCityLabels", QVariantMap{{"par", "Mum"}}}}
            << "pa"
            << QStringList{"§Results", "result:Mum/Paris, Île-de-France ✓", "result:Pamplona, Navarre",
                           "result:Tokyo"}; // Japan has "pa" too
        QTest::newRow("search without a match") << none << "xyzzy" << QStringList{"§Results", "none:xyzzy"};
        // Typed times lead; the search's own matches follow, and no "No Results" under an answer.
        QTest::newRow("a time in a city")
            << none << "3pm Tokyo" << QStringList{"answer:Show 3:00\u202FPM in Tokyo · Fri, Jan 16"};
        QTest::newRow("a tracked city answers under its label")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok"}}, {"customCityLabels", QVariantMap{{"tok", "Office"}}}}
            << "tomorrow 9:30 tok" << QStringList{"answer:Show 9:30\u202FAM in Office · Fri, Jan 16"};
        QTest::newRow("an abbreviation says its reading")
            << none << "noon JST" << QStringList{"answer:Show 12:00\u202FPM in Tokyo · Fri, Jan 16 · read as JST"};
        QTest::newRow("a skipped time")
            << none << "Mar 8 2:30am America/New_York"
            << QStringList{"refusal:2:30\u202FAM does not exist in New York on Sun, Mar 8: the clocks skip it"};
        QTest::newRow("two days") << none << "Mon 9am Tue"
                                  << QStringList{"refusal:Which day? “Mon 9am Tue” names none, or more than one"};
        QTest::newRow("a time beyond the week")
            << none << "Jan 30 9am"
            << QStringList{"refusal:9:00\u202FAM on Fri, Jan 30 in UTC is more than a week from now"};
    }

    void lines()
    {
        auto [stored, search, expected] = fetchRow<QVariantMap, QString, QStringList>({"stored", "search", "expected"});
        m_store.values = stored;
        ClockStack stack(m_store, *m_database);
        CityListModel model(stack.settings, stack.entries, *m_database, stack.time);
        model.setSearchText(search);
        QCOMPARE(::lines(model).join(" | "), expected.join(" | "));
    }

    void mapFocusAndTyping()
    {
        m_store.values = {{"trackedCityIDs", QStringList{}}};
        ClockStack stack(m_store, *m_database);
        CityListModel model(stack.settings, stack.entries, *m_database, stack.time);
        QSignalSpy results(&model, &CityListModel::resultsChanged);
        model.setFocus(Coordinate{2.0, 48.0}); // near Paris
        QCOMPARE(::lines(model).first(), u"§Near Paris, Île-de-France"_s);
        QCOMPARE(model.results().first().id, u"par"_s);
        QCOMPARE(results.count(), 1);

        model.setSearchText(u"tok"_s); // typing clears the focus
        QVERIFY(!model.focus());
        QCOMPARE(::lines(model), (QStringList{"§Results", "result:Tokyo"}));
        model.setFocus(Coordinate{2.0, 48.0});
        model.setSearchText(QString()); // clearing keeps it
        QVERIFY(model.focus());
    }

    void actions()
    {
        m_store.values = {{"trackedCityIDs", QStringList{"tok", "par"}}, {"sortMode", "alphabetical"}};
        ClockStack stack(m_store, *m_database);
        AppSettings& settings = stack.settings;
        CityListModel model(settings, stack.entries, *m_database, stack.time);
        const QStringList tracked{"§Your Time Zone", "home:UTC", "§Cities You Track"};
        QCOMPARE(::lines(model), tracked + QStringList({"tracked:Paris, Île-de-France", "tracked:Tokyo"}));
        QVERIFY(model.item(4).index % 2 == 1); // the second row is striped
        QVERIFY(model.data(model.index(4), Qt::AccessibleTextRole).toString().contains(u", tracked"_s));
        // Sunrise and sunset in the tooltip and said too: Tokyo, 2026-01-15 (January light).
        QCOMPARE(model.data(model.index(4), Qt::ToolTipRole).toString(),
                 u"Sunrise 6:50\u202FAM · Sunset 4:50\u202FPM"_s);
        // Said with a comma: a screen reader reads "·" out as "middle dot".
        QVERIFY(model.data(model.index(4), Qt::AccessibleTextRole)
                    .toString()
                    .endsWith(u", sunrise 6:50\u202FAM, sunset 4:50\u202FPM"_s));

        // Dragging Tokyo above Paris switches to the custom order.
        QVERIFY(model.moveTrackedRows({4}, 3));
        QCOMPARE(settings.value<SortMode>(SettingKey::sortMode), SortMode::manual);
        QCOMPARE(::lines(model), tracked + QStringList({"tracked:Tokyo", "tracked:Paris, Île-de-France"}));
        model.activate(3); // a tracked row is no toggle
        QCOMPARE(settings.value<QStringList>(SettingKey::trackedCityIDs).size(), 2);
        // A removal is reported as one, so the view keeps its place.
        QSignalSpy removed(&model, &CityListModel::rowsRemoved);
        QSignalSpy reset(&model, &CityListModel::modelReset);
        model.remove(3);
        QCOMPARE(settings.value<QStringList>(SettingKey::trackedCityIDs), QStringList{"par"});
        QCOMPARE(removed.count(), 1);
        QCOMPARE(reset.count(), 0);

        model.setSearchText(u"tokyo"_s);
        model.activate(1);
        QCOMPARE(::lines(model), (QStringList{"§Results", "result:Tokyo ✓"}));
        model.activate(1);
        QCOMPARE(::lines(model), (QStringList{"§Results", "result:Tokyo"}));
        QVERIFY(!model.moveTrackedRows({1}, 0)); // a result row is not moved
    }

    // An answer is a row to choose; a refusal is none, and activating it
    // sets nothing (an answer said and chosen with Return, and a refusal's
    // words, are the planning run's).
    void answers()
    {
        m_store.values = {{"trackedCityIDs", QStringList{}}};
        ClockStack stack(m_store, *m_database);
        CityListModel model(stack.settings, stack.entries, *m_database, stack.time);
        QSignalSpy chosen(&model, &CityListModel::timeChosen);
        model.setSearchText(u"3pm Tokyo"_s);
        QVERIFY(model.leadsWithAnswer());
        QVERIFY(model.flags(model.index(0)) & Qt::ItemIsSelectable);
        model.setSearchText(u"3pm Xyzzy"_s);
        QVERIFY(!model.leadsWithAnswer());
        QVERIFY(!(model.flags(model.index(0)) & Qt::ItemIsSelectable));
        model.activate(0);
        QCOMPARE(chosen.count(), 0);
    }

    // A view that hears of a shorter list before the model has rebuilt
    // (a row leaving with its animation) reads only rows that are there.
    void aRowThatHasGoneReadsEmpty()
    {
        m_store.values = {{"trackedCityIDs", QStringList{"tok", "acc"}}};
        ClockStack stack(m_store, *m_database);
        CityListModel* model = nullptr;
        QStringList seen;
        connect(&stack.entries, &ClockEntries::listChanged, this, [&] {
            for (int row = 0; row < model->rowCount(); ++row)
                if (const auto* shown = model->data(model->index(row), RowRoles::row).value<const ClockRowData*>())
                    seen.append(shown->content.title);
        });
        CityListModel built(stack.settings, stack.entries, *m_database, stack.time);
        model = &built;
        stack.settings.toggleTracking(m_database->find(u"tok"_s).value_or(City()));
        QCOMPARE(seen.size(), 2); // Accra's row, and the empty one of the row that went
        QCOMPARE(::lines(built), (QStringList{"§Cities You Track", "tracked:Accra"}));
    }

    // A tick, or a chosen time, changes texts only: the search does not run
    // again and no row is added, removed or reset, so the view keeps its place.
    void aNewInstantChangesOnlyTexts()
    {
        m_store.values = {{"trackedCityIDs", QStringList{"tok"}}};
        ClockStack stack(m_store, *m_database);
        CityListModel model(stack.settings, stack.entries, *m_database, stack.time);
        model.setSearchText(u"pa"_s);
        QSignalSpy results(&model, &CityListModel::resultsChanged);
        QSignalSpy structure(&model, &CityListModel::modelReset);
        QSignalSpy inserted(&model, &CityListModel::rowsInserted);
        QSignalSpy changed(&model, &CityListModel::dataChanged);
        const QString before = model.row(model.item(1)).texts.time;
        // Results are formatted when read: a tick makes only the shared rows' texts (home and Tokyo).
        const qint64 made = ClockRowTexts::madeCount();
        stack.tick(60);
        QCOMPARE(ClockRowTexts::madeCount() - made, 2);
        QVERIFY(model.row(model.item(1)).texts.time != before);
        QCOMPARE(ClockRowTexts::madeCount() - made, 3);
        stack.time.setInstant(stack.wall.addSecs(3 * 3600));
        QCOMPARE(model.row(model.item(1)).content.now, stack.wall.addSecs(3 * 3600));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(results.count() + structure.count() + inserted.count(), 0);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    RecordingPreferences m_store;
};

QTEST_GUILESS_MAIN(TestCityListModel)
#include "TestCityListModel.moc"
