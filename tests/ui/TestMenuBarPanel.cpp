#include "../support/CatalogueFiles.h"
#include "../support/ClockStack.h"
#include "../support/DataTable.h"
#include "../support/RecordingPreferences.h"
#include "catalogue/CityDatabase.h"
#include "clock/ClockRowsModel.h"
#include "clock/RowRoles.h"
#include "reminder/Reminder.h"
#include "ui/Accessibility.h"
#include "ui/ClockListView.h"
#include "ui/ClockRowPainter.h"
#include "ui/Commands.h"
#include "ui/MenuBarPanel.h"
#include "ui/PlanningBar.h"
#include "ui/TimeEntry.h"
#include "ui/TimeStrip.h"
#include "update/Updater.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList actionRows{"Copy Times",     "Copy Link", "Create Event…", "Remind Me…",
                             "Choose Cities…", "Settings…", "About Horavia", "Quit Horavia"};

// The clock rows the panel's list shows, top to bottom.
QList<ClockRowData> rowsOf(const MenuBarPanel& panel)
{
    QList<ClockRowData> rows;
    const QAbstractItemModel* model = panel.clocks()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(*model->index(row, 0).data(RowRoles::row).value<const ClockRowData*>());
    return rows;
}

// The panel top to bottom as a reader sees it: row titles, dividers, labels, action rows.
QStringList structure(QLayout* layout)
{
    QStringList parts;
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* widget = layout->itemAt(i)->widget();
        if (!widget || widget->isHidden()) continue;
        if (auto* list = qobject_cast<ClockListView*>(widget)) {
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                const QModelIndex index = list->model()->index(row, 0);
                parts.append("row:" + index.data().toString());
                if (index.data(RowRoles::divider).toBool()) parts.append("divider");
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            parts.append(button->text());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            parts.append(label->text());
        } else if (widget->objectName() == "divider") {
            parts.append("divider");
        }
    }
    return parts;
}

} // namespace

class TestMenuBarPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QJsonArray records{
            cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "", "Japan"),
            cityRecord("lon", "London", 51.5, -0.1, "Europe/London", "England", "United Kingdom"),
            cityRecord("ny", "New York City", 40.7, -74, "America/New_York", "New York", "United States")};
        for (int i = 0; i < 50; ++i)
            records.append(cityRecord(u"c%1"_s.arg(i), u"Town %1"_s.arg(i)));
        m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
    }

    void init()
    {
        m_store = RecordingPreferences();
        m_opened.clear();
        m_quits = 0;
        m_events = 0;
        m_reminded = 0;
    }

    void structure_data()
    {
        addColumns<QVariantMap, QStringList>({"stored", "expected"});

        // The tests run with TZ=UTC: home is the built-in universal-time entry.
        QTest::newRow("nothing at all") << QVariantMap{{"trackedCityIDs", QStringList{}}, {"showsHomeZone", false}}
                                        << QStringList{"No cities yet", "divider"} + actionRows;
        QTest::newRow("home only, no divider under it")
            << QVariantMap{{"trackedCityIDs", QStringList{}}} << QStringList{"row:UTC", "divider"} + actionRows;
        QTest::newRow("home and one city") << QVariantMap{{"trackedCityIDs", QStringList{"tok"}}}
                                           << QStringList{"row:UTC", "divider", "row:Tokyo", "divider"} + actionRows;
        QTest::newRow("cities without home")
            << QVariantMap{{"trackedCityIDs", QStringList{"tok", "ny"}}, {"showsHomeZone", false}}
            << QStringList{"row:New York City, New York", "row:Tokyo", "divider"} + actionRows;
    }

    void structure()
    {
        auto [stored, expected] = fetchRow<QVariantMap, QStringList>({"stored", "expected"});
        m_store.values = stored;
        const auto panel = make();
        QCOMPARE(::structure(panel->layout()), expected);
    }

    // The strip's day runs from its leading edge: rightwards, or leftwards
    // in a right-to-left layout; a point and its instant map both ways, and
    // the arrow pointing back in time is Earlier.
    void stripRunsFromTheLeadingEdge_data()
    {
        addColumns<Qt::LayoutDirection, int, double>({"direction", "hour", "fromLeft"});
        for (const auto& [hour, fraction] : {std::pair{0, 0.0}, {6, 0.25}, {18, 0.75}}) {
            QTest::addRow("%02d:00 left to right", hour) << Qt::LeftToRight << hour << fraction;
            QTest::addRow("%02d:00 right to left", hour) << Qt::RightToLeft << hour << 1 - fraction;
        }
    }
    void stripRunsFromTheLeadingEdge()
    {
        const auto [direction, hour, fromLeft] =
            fetchRow<Qt::LayoutDirection, int, double>({"direction", "hour", "fromLeft"});
        m_store.values = {{"trackedCityIDs", QStringList{"tok"}}};
        QApplication::setLayoutDirection(direction);
        const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        const auto panel = make();
        QCOMPARE(m_commands->time().earlier->shortcut(),
                 QKeySequence(direction == Qt::LeftToRight ? Qt::Key_Left : Qt::Key_Right));
        auto* strip = panel->findChild<TimeStrip*>();
        QVERIFY(strip);
        strip->resize(416, strip->height()); // a 400-wide ruler between insets of 8
        const QDateTime at(QDate(2026, 1, 15), QTime(hour, 0), QTimeZone::utc()); // home's day, in UTC
        QCOMPARE(strip->xOf(at), 8 + 400 * fromLeft);
        QCOMPARE(strip->instantAt(strip->xOf(at)), at);
    }

    // A tick redraws the rows and keeps the list; only a new list starts it afresh.
    void rowsAreKeptAcrossTicks()
    {
        m_store.values = {{"trackedCityIDs", QStringList{"tok", "ny"}}};
        const auto panel = make();
        QSignalSpy resets(panel->clocks()->model(), &QAbstractItemModel::modelReset);
        m_stack->tick(60);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(rowsOf(*panel).at(1).texts.time, u"7:01\u202FAM"_s); // 12:01 UTC in New York
        m_settings->toggleTracking(m_database->find(u"lon"_s).value_or(City()));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(
            ::structure(panel->layout()).mid(0, 5),
            (QStringList{"row:UTC", "divider", "row:New York City, New York", "row:London, England", "row:Tokyo"}));
    }

    void aLongListScrollsAndKeepsTheActions()
    {
        QStringList many;
        for (int i = 0; i < 50; ++i)
            many.append(u"c%1"_s.arg(i));
        m_store.values = {{"trackedCityIDs", many}};
        const auto panel = make();
        ClockListView* scroll = panel->clocks();
        QScrollBar* bar = scroll->verticalScrollBar();

        // Room for everything: the panel is as tall as its content and nothing scrolls.
        panel->fitTo(QRect(0, 0, 1280, 4000));
        const int fullHeight = panel->height();
        QVERIFY(fullHeight > 800);
        QCOMPARE(bar->maximum(), 0);

        panel->fitTo(QRect(0, 28, 1280, 772));
        QCOMPARE(panel->height(), 772);
        QVERIFY(bar->maximum() > 0);
        for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
            if (button->isHidden()) continue;
            const QRect inPanel(button->mapTo(panel.get(), QPoint(0, 0)), button->size());
            QVERIFY2(panel->rect().contains(inPanel), qPrintable(button->text()));
        }

        QTest::keyClick(panel.get(), Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        // Down and Up go through the rows, then the actions; the list follows the focus.
        QTest::keyClick(panel.get(), Qt::Key_Down);
        QCOMPARE(panel->focusWidget(), scroll);
        QCOMPARE(scroll->currentIndex().row(), 0);
        QCOMPARE(bar->value(), 0);
        for (int i = 0; i < 51; ++i)
            QTest::keyClick(panel->focusWidget(), Qt::Key_Down);
        QCOMPARE(qobject_cast<QAbstractButton*>(panel->focusWidget())->text(), u"Copy Times"_s);
        QTest::keyClick(panel->focusWidget(), Qt::Key_Up);
        QCOMPARE(panel->focusWidget(), scroll);
        QCOMPARE(scroll->currentIndex().row(), 50);
        QCOMPARE(bar->value(), bar->maximum());
        QWheelEvent wheel(QPointF(10, 10), scroll->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(scroll->viewport(), &wheel); // the wheel alone scrolls
        QVERIFY(bar->value() < bar->maximum());

        // Back to a short list: the panel shrinks to its content again.
        m_settings->set(SettingKey::trackedCityIDs, QStringList{u"tok"_s});
        QVERIFY2(panel->height() < 400, qPrintable(QString::number(panel->height())));
    }

    // Long names widen the panel rather than being cut, up to its widest;
    // back to short names, it narrows again.
    void widensForLongNames()
    {
        m_store.values = {{"trackedCityIDs", QStringList{"tok", "ny"}}};
        const auto panel = make();
        panel->fitTo(QRect(0, 0, 1280, 800));
        QCOMPARE(panel->width(), MenuBarPanel::panelWidth);

        const City tokyo = m_database->find(u"tok"_s).value_or(City());
        m_settings->setCustomLabel(u"Tokyo, where the head office of the company is"_s, tokyo);
        panel->fitTo(QRect(0, 0, 1280, 800));
        QVERIFY2(panel->width() > MenuBarPanel::panelWidth, qPrintable(QString::number(panel->width())));
        QVERIFY(panel->width() >= panel->clocks()->naturalWidth());
        const auto laidOut = [&panel](const ClockRowData& row, int width) {
            return ClockRowPainter::layoutFor(row.content, row.texts, ClockListView::parts, panel->clocks()->font(),
                                              width);
        };
        for (const ClockRowData& row : rowsOf(*panel))
            for (const auto part : {ClockRowLayout::title, ClockRowLayout::zoneName})
                QCOMPARE(laidOut(row, panel->clocks()->naturalWidth()).parts[part].width,
                         laidOut(row, 100000).parts[part].width);

        m_settings->setCustomLabel(
            u"Tokyo, where the head office of the company is, and also where the shop is"_s.repeated(3), tokyo);
        panel->fitTo(QRect(0, 0, 1280, 800));
        QCOMPARE(panel->width(), MenuBarPanel::widestPanel);
        panel->fitTo(QRect(0, 0, 600, 800)); // a narrow screen is its limit
        QCOMPARE(panel->width(), 600);

        m_settings->setCustomLabel(std::nullopt, tokyo);
        panel->fitTo(QRect(0, 0, 1280, 800));
        QCOMPARE(panel->width(), MenuBarPanel::panelWidth);
    }

    // A screen reader finds the panel as a window of the application, even
    // as a popup (the end-to-end keyboard run reads the rest of its tree,
    // the rows named as shown).
    void readsAsAListOfRows()
    {
        Accessibility::install();
        m_store.values = {{"trackedCityIDs", QStringList{"tok"}}};
        const auto panel = make();
        panel->hide();
        panel->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
        panel->show();
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(panel.get());
        QVERIFY(application->indexOfChild(window) >= 0);
        // The strip is a slider with a value a screen reader reads and hears change.
        QAccessibleValueInterface* strip =
            QAccessible::queryAccessibleInterface(panel->findChild<TimeStrip*>())->valueInterface();
        QVERIFY(strip);
        QCOMPARE(strip->currentValue().toInt(), 0);
        m_commands->time().later->trigger();
        QCOMPARE(strip->currentValue().toInt(), strip->minimumStepSize().toInt());
        QCOMPARE(strip->maximumValue().toInt(), 7 * 24 * 60);
        panel->hide();
        QCOMPARE(application->indexOfChild(window), -1); // a closed popup is gone
    }

    void actionsAndKeys()
    {
        m_store.values = {{"trackedCityIDs", QStringList{}}};
        const auto panel = make();
        QSignalSpy dismissed(panel.get(), &MenuBarPanel::dismissed);
        const QList<QAbstractButton*> buttons = panel->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons)
            if (button->isVisible() && button->text() != QLatin1String("Quit Horavia")) button->click();
        QCOMPARE(m_opened, (QList<WindowId>{WindowId::main, WindowId::settings, WindowId::about}));
        QCOMPARE(m_events, 1);
        QCOMPARE(m_reminded, 1);
        QCOMPARE(dismissed.count(), 7);

        // Return presses a focused button, as Space does.
        Accessibility::install();
        m_opened.clear();
        const auto settings = std::find_if(buttons.begin(), buttons.end(),
                                           [](QAbstractButton* b) { return b->text() == u"Settings…"_s; });
        QVERIFY(settings != buttons.end());
        panel->show();
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        (*settings)->setFocus();
        QTest::keyClick(*settings, Qt::Key_Return);
        QTRY_COMPARE(m_opened, QList<WindowId>{WindowId::settings});
        QTest::keyClick(*settings, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(m_opened.size(), 2);

        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        QTest::keyClick(panel.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_quits, 1);
    }

    // The panel is a window named Clocks whose first row takes the focus
    // once the window has the system's: a screen reader names what the
    // arrows move from (the Orca run hears it), and Down goes on from there.
    void opensOnItsFirstRow()
    {
        Accessibility::install();
        m_store.values = {{"trackedCityIDs", QStringList{"tok"}}};
        const auto panel = make();
        panel->hide();
        panel->showAt(QRect(600, 0, 24, 24));
        QCOMPARE(QAccessible::queryAccessibleInterface(panel.get())->text(QAccessible::Name), u"Clocks"_s);
        QTRY_COMPARE(panel->focusWidget(), panel->clocks());
        QCOMPARE(panel->clocks()->currentIndex().row(), 0);
        QTest::keyClick(panel->focusWidget(), Qt::Key_Down); // the screen reader run goes on down
        QCOMPARE(panel->clocks()->currentIndex().row(), 1);
        // Opened again, it starts from the top, not where the last opening left it.
        panel->hide();
        panel->showAt(QRect(600, 0, 24, 24));
        QTRY_COMPARE(panel->focusWidget(), panel->clocks());
        QCOMPARE(panel->clocks()->currentIndex().row(), 0);
    }

    // The time keys work as soon as the panel opens; Escape first goes back
    // to now, then closes.
    void timeKeys()
    {
        m_store.values = {{"trackedCityIDs", QStringList{"ny"}}};
        const auto panel = make();
        QSignalSpy dismissed(panel.get(), &MenuBarPanel::dismissed);
        const QList<QPair<int, QString>> keys{{Qt::Key_Right, u"7:30\u202FAM"_s}, // 12:00 UTC, 7:00 in New York
                                              {Qt::Key_Right, u"8:00\u202FAM"_s},
                                              {Qt::Key_PageDown, u"8:00\u202FAM"_s},
                                              {Qt::Key_Left, u"7:30\u202FAM"_s}};
        for (const auto& [key, expected] : keys) {
            QTest::keyClick(panel.get(), Qt::Key(key));
            QCOMPARE(rowsOf(*panel).at(1).texts.time, expected);
        }
        QVERIFY(!m_stack->time.isLive());
        QVERIFY(panel->planning()->line()->text().startsWith(u"Fri, Jan 16, 12:30\u202FPM"_s));
        QTest::keyClick(panel.get(), Qt::Key_Escape);
        QVERIFY(m_stack->time.isLive());
        QCOMPARE(dismissed.count(), 0);
        QCOMPARE(rowsOf(*panel).at(1).texts.time, u"7:00\u202FAM"_s);
        // Shift and the wheel over the clocks step the time too.
        QWidget* clocks = panel->clocks()->viewport();
        QWheelEvent wheel(QPointF(10, 10), clocks->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(clocks, &wheel);
        QCOMPARE(rowsOf(*panel).at(1).texts.time, u"7:30\u202FAM"_s);
        QTest::keyClick(panel.get(), Qt::Key_Escape);
        QTest::keyClick(panel.get(), Qt::Key_Escape);
        QCOMPARE(dismissed.count(), 1);
    }

    // As a window of its own (on Wayland), the panel goes when another window
    // takes the focus; a popup closes on the outside click instead.
    void focusMovingAwayDismissesAWindowPanel()
    {
        const auto panel = make();
        panel->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        QSignalSpy dismissed(panel.get(), &MenuBarPanel::dismissed);
        panel->show();
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.get()));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(dismissed.count(), 1);
    }

private:
    std::unique_ptr<MenuBarPanel> make();

    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    RecordingPreferences m_store;
    std::unique_ptr<ClockStack> m_stack;
    AppSettings* m_settings = nullptr;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<Commands> m_commands;
    QList<WindowId> m_opened;
    int m_quits = 0;
    int m_events = 0;
    int m_reminded = 0; // a reminder typed in the field is the reminders run's
};

std::unique_ptr<MenuBarPanel> TestMenuBarPanel::make()
{
    m_stack.reset();
    m_stack = std::make_unique<ClockStack>(m_store, *m_database);
    m_settings = &m_stack->settings;
    UpdateHost host;
    host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
    m_updater = std::make_unique<Updater>(m_store, u"https://updates.invalid/updates.txt"_s, QString(), host);
    Commands::Shell shell;
    shell.openWindow = [this](WindowId id) { m_opened.append(id); };
    shell.quit = [this] { ++m_quits; };
    shell.createEvent = [this] { ++m_events; };
    shell.remind = [this](const Reminder&) { ++m_reminded; };
    m_commands = std::make_unique<Commands>(m_stack->time, m_stack->entries, *m_updater, shell);
    auto panel = std::make_unique<MenuBarPanel>(*m_settings, m_stack->time, m_stack->entries, *m_commands);
    panel->show();
    return panel;
}

QTEST_MAIN(TestMenuBarPanel)
#include "TestMenuBarPanel.moc"
