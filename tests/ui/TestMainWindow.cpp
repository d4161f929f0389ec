#include "../support/CatalogueFiles.h"
#include "../support/ClockStack.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "base/Translations.h"
#include "catalogue/CityDatabase.h"
#include "chooser/CityListModel.h"
#include "map/MapProjection.h"
#include "map/WorldLand.h"
#include "settings/AppSettings.h"
#include "ui/Accessibility.h"
#include "ui/CityLabelEditor.h"
#include "ui/CityListTransfer.h"
#include "ui/Commands.h"
#include "ui/MainWindow.h"
#include "ui/WorldMapView.h"
#include "update/Updater.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QJsonArray records{cityRecord("par", "Paris", 48.86, 2.35, "Europe/Paris", "Île-de-France", "France"),
                                 cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "", "Japan")};
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
        Accessibility::install();
        Translations::install({}); // English, with its plural forms
    }

    void init()
    {
        m_store = RecordingPreferences();
        m_store.values = {{"trackedCityIDs", QStringList{"tok"}}};
        m_stack = std::make_unique<ClockStack>(m_store, *m_database);
        m_settings = &m_stack->settings;
        UpdateHost host;
        host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
        m_updater = std::make_unique<Updater>(m_store, QString(), QString(), host);
        m_commands = std::make_unique<Commands>(m_stack->time, m_stack->entries, *m_updater, Commands::Shell());
        m_window = std::make_unique<MainWindow>(*m_settings, m_stack->time, m_stack->entries, *m_database, m_land,
                                                *m_commands);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_stack.reset();
    }

    // A list dropped on the window imports: the missing city added, the
    // unknown one named; a differing label is kept unless the user agrees.
    void droppedListImports()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"list.json"_s);
        writeFile(path, R"({"format": "horavia-cities", "version": 1, "cities": [{"id": "tok", "label": "Office"},)"
                        R"({"id": "par"}, {"id": "gn999"}]})");
        m_settings->setCustomLabel(u"Work"_s, *m_database->find(u"tok"_s));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = m_window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_window.get(), &drop);

        QMessageBox* ask = nullptr;
        QTRY_VERIFY((ask = m_window->findChild<QMessageBox*>()) != nullptr);
        QCOMPARE(ask->informativeText(), u"They differ for Tokyo."_s);
        QVERIFY(m_settings->value<QStringList>(SettingKey::trackedCityIDs) == QStringList{u"tok"_s}); // nothing yet
        for (QAbstractButton* button : ask->buttons())
            if (button->text() == u"Keep Mine"_s) button->click();
        QMessageBox* told = nullptr;
        QTRY_VERIFY((told = m_window->findChild<QMessageBox*>()) != nullptr && told != ask);
        QCOMPARE(told->text(), u"Added 1 city from “list.json”."_s);
        QCOMPARE(told->informativeText(), u"Skipped 1 entry: “gn999”: not a city of the catalogue."_s);
        QCOMPARE(m_settings->value<QStringList>(SettingKey::trackedCityIDs), (QStringList{u"tok"_s, u"par"_s}));
        QCOMPARE(m_settings->value<AppSettings::StringMap>(SettingKey::customCityLabels).value(u"tok"_s), u"Work"_s);
        told->close();

        // Exported back: the list as the window shows it.
        const QString out = dir.filePath(u"out.json"_s);
        m_window->transfer().exportTo(out);
        QVERIFY(readFile(out).contains(R"("label": "Work")"));
    }

    void mapFocusAndClearSelection()
    {
        QToolButton* clear = m_window->clearSelectionButton();
        WorldMapView* map = m_window->map();
        const QPointF paris = MapProjection::project({2.0, 48.0}, map->mapRect().size()) + map->mapRect().topLeft();
        QTest::mouseClick(map, Qt::LeftButton, {}, paris.toPoint());
        QVERIFY(clear->isVisible());
        QCOMPARE(m_window->model().item(0).text, u"Near Paris, Île-de-France"_s);
        // Under the ring: the sun at Paris that day (15 January, in its own time).
        QCOMPARE(m_window->model().focusCaption(), u"Sunrise 8:38\u202FAM · Sunset 5:21\u202FPM"_s);
        QTest::keyClicks(m_window->searchField(), u"t"_s); // typing cancels the map selection
        QVERIFY(!clear->isVisible());
        QVERIFY(!m_window->map()->focus());
        m_window->model().setFocus(Coordinate{2.0, 48.0});
        clear->click();
        QVERIFY(!m_window->model().focus() && !clear->isVisible());
    }

    void rowMenu_data()
    {
        addColumns<QVariantMap, QStringList>({"custom", "entries"});
        const QStringList plain{"Rename…", "Copy Time", "Show in Tray", "", "Move Up", "Move Down", "", "Remove Tokyo"};
        QTest::newRow("a flag alone is no customisation") << QVariantMap() << plain;
        QTest::newRow("relabelled: reset, and the catalogue name")
            << QVariantMap{{"tok", "Office"}}
            << QStringList{"Rename…", "Reset Name and Emoji", "Copy Time", "Show in Tray", "", "Move Up", "Move Down",
                           "",        "Remove Tokyo"};
    }

    void rowMenu()
    {
        auto [custom, entries] = fetchRow<QVariantMap, QStringList>({"custom", "entries"});
        for (auto it = custom.cbegin(); it != custom.cend(); ++it)
            m_settings->setCustomLabel(it.value().toString(), m_database->find(it.key()).value_or(City()));
        QVERIFY(!m_window->makeRowMenu(0)); // a section title has none
        const std::unique_ptr<QMenu> menu(m_window->makeRowMenu(3));
        QStringList texts;
        for (QAction* action : menu->actions())
            texts.append(action->text());
        QCOMPARE(texts, entries);
        // Up to three clocks in the tray; the fourth must wait.
        m_settings->set(SettingKey::trayCityIDs, QStringList{u"a"_s, u"b"_s, u"c"_s});
        QVERIFY(!m_window->makeRowMenu(3)->actions().at(entries.indexOf(u"Show in Tray"_s))->isEnabled());
    }

    // Ctrl+Up and Ctrl+Down reorder as a drag does; focus and selection follow.
    void moveWithTheKeyboard()
    {
        m_settings->set(SettingKey::trackedCityIDs, QStringList{u"tok"_s, u"par"_s});
        m_settings->set(SettingKey::sortMode, SortMode::alphabetical); // Paris, Tokyo
        QListView* list = m_window->list();
        list->setFocus();
        list->setCurrentIndex(m_window->model().index(4)); // Tokyo
        // The current row changes to the new place, which is what makes the
        // view tell a screen reader of the focus there.
        QSignalSpy current(list->selectionModel(), &QItemSelectionModel::currentRowChanged);
        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.first().first().toModelIndex().row(), 3);
        QCOMPARE(m_window->model().item(3).city->id, u"tok"_s); // the order stored is the keyboard run's
        QVERIFY(list->selectionModel()->isSelected(list->currentIndex()));
        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier); // already first
        QCOMPARE(m_settings->value<QStringList>(SettingKey::manualOrder), (QStringList{"tok", "par"}));
        const std::unique_ptr<QMenu> menu(m_window->makeRowMenu(3));
        QVERIFY(!menu->actions().at(4)->isEnabled() && menu->actions().at(5)->isEnabled());
    }

    // The home row without a city keeps working hours alone.
    void homeWorkingHours()
    {
        const std::unique_ptr<QMenu> menu(m_window->makeRowMenu(1));
        QCOMPARE(menu->actions().size(), 2); // and Show in Tray
        menu->actions().first()->trigger();
        auto* editor = m_window->findChild<CityLabelEditor*>();
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), u"Working Hours for UTC"_s);
        QVERIFY(editor->nameField()->isHidden());
        editor->workFromField()->setText(u"7:30"_s);
        QVERIFY(!editor->saveButton()->isEnabled()); // one field alone is no range
        editor->workToField()->setText(u"15:30"_s);
        editor->saveButton()->click();
        QCOMPARE(m_settings->workingHours(u"home"_s), (TimeRange{QTime(7, 30), QTime(15, 30)}));
        QVERIFY(m_settings->value<AppSettings::StringMap>(SettingKey::customCityLabels).isEmpty());
    }

    // Hours are typed in the locale's digits or in Latin ones, and shown
    // hours first in a right-to-left interface.
    void labelEditorHours_data()
    {
        addColumns<QString, QString, QString, bool, QTime, QString>(
            {"locale", "from", "to", "valid", "start", "shown"});
        const auto row = [](const char* name, const char* locale, const char* from, const char* to, bool valid,
                            QTime start, const char* shown) {
            QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromUtf8(from) << QString::fromUtf8(to)
                                << valid << start << QString::fromUtf8(shown);
        };
        row("Latin digits", "en_US", "7:30", "15:30", true, QTime(7, 30), "07:30");
        row("an hour alone", "en_US", "7", "15", true, QTime(7, 0), "07:00");
        row("no such hour", "en_US", "25:00", "15:30", false, QTime(), "");
        row("one field alone is no range", "en_US", "7:30", "", false, QTime(), "");
        row("Arabic-Indic digits", "ar_EG", "٠٧:٣٠", "١٥:٣٠", true, QTime(7, 30), "٠٧:٣٠");
        row("Latin digits in Arabic", "ar_EG", "7:30", "15:30", true, QTime(7, 30), "٠٧:٣٠");
        row("Hebrew", "he_IL", "7:30", "15:30", true, QTime(7, 30), "07:30");
    }

    void labelEditorHours()
    {
        auto [locale, from, to, valid, start, shown] = fetchRow<QString, QString, QString, bool, QTime, QString>(
            {"locale", "from", "to", "valid", "start", "shown"});
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        const CityLabelEditor::Hours hours = CityLabelEditor::parseHours(from, to);
        QCOMPARE(hours.valid, valid);
        if (!valid) return;
        QCOMPARE(hours.range->from, start);
        m_settings->setWorkingHours(*hours.range, u"tok"_s);
        const CityLabelEditor editor(*m_settings, m_database->find(u"tok"_s).value_or(City()));
        QCOMPARE(editor.workFromField()->text(), shown);
        QCOMPARE(editor.workFromField()->layoutDirection(), Qt::LeftToRight);
    }

    void labelEditor()
    {
        const City tokyo = m_database->find(u"tok"_s).value_or(City());
        CityLabelEditor fresh(*m_settings, tokyo);
        QCOMPARE(fresh.emojiField()->placeholderText(), *flagEmoji(u"Japan"_s));
        QCOMPARE(fresh.nameField()->placeholderText(), u"Tokyo"_s);
        QVERIFY(!fresh.resetButton()->isEnabled());
        fresh.emojiField()->setText(u"🗼🗻"_s);
        QCOMPARE(fresh.emojiField()->text(), u"🗼"_s); // one character; Save itself is in the end-to-end run
        fresh.nameField()->setText(u"Office"_s);
        fresh.saveButton()->click();

        // Escape writes nothing; Reset clears the stored values whatever was typed.
        CityLabelEditor again(*m_settings, tokyo);
        QCOMPARE(again.nameField()->text(), u"Office"_s);
        again.nameField()->setText(u"Else"_s);
        QTest::keyClick(&again, Qt::Key_Escape);
        QCOMPARE(m_settings->customLabel(tokyo), std::optional(u"Office"_s));
        CityLabelEditor reset(*m_settings, tokyo);
        QVERIFY(reset.resetButton()->isEnabled());
        reset.nameField()->setText(u"Typed"_s);
        reset.resetButton()->click();
        QVERIFY(!m_settings->hasCustomization(tokyo));

        m_settings->set(SettingKey::showsFlags, false);
        QCOMPARE(CityLabelEditor(*m_settings, tokyo).emojiField()->placeholderText(), u"🌍"_s);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    WorldLand m_land;
    RecordingPreferences m_store;
    std::unique_ptr<ClockStack> m_stack;
    AppSettings* m_settings = nullptr;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<Commands> m_commands;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
