#include "../support/CatalogueFiles.h"
#include "../support/ManualTimer.h"
#include "../support/RecordingPreferences.h"
#include "app/AppSettings.h"
#include "catalogue/CityDatabase.h"
#include "clock/Clock.h"
#include "ui/ClockRow.h"
#include "ui/MenuBarPanel.h"
#include "update/Updater.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

using Phase = Updater::Phase;
Q_DECLARE_METATYPE(Updater::Phase)

namespace {

const QStringList actions{"choose", "settings", "about", "quit"};

} // namespace

class TestMenuBarPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void structure_data();
    void structure();
    void updateRowFollowsThePhase_data();
    void updateRowFollowsThePhase();
    void rowsAreReusedAcrossTicks();
    void actionsAndKeys();

private:
    std::unique_ptr<MenuBarPanel> make();

    QTemporaryDir m_dir;
    std::unique_ptr<CityDatabase> m_database;
    RecordingPreferences m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<Clock> m_clock;
    ManualTimer* m_clockTimer = nullptr;
    QDateTime m_wall;
    std::unique_ptr<Updater> m_updater;
    QStringList m_opened;
    int m_quits = 0;
};

void TestMenuBarPanel::initTestCase()
{
    const QJsonArray records{
        cityRecord("tok", "Tokyo", 35.7, 139.7, "Asia/Tokyo", "", "Japan"),
        cityRecord("lon", "London", 51.5, -0.1, "Europe/London", "England", "United Kingdom"),
        cityRecord("ny", "New York City", 40.7, -74, "America/New_York", "New York", "United States")};
    m_database = std::make_unique<CityDatabase>(writeCatalogue(m_dir, records), icu::Locale("en_US"));
}

void TestMenuBarPanel::init()
{
    m_store = RecordingPreferences();
    m_opened.clear();
    m_quits = 0;
}

std::unique_ptr<MenuBarPanel> TestMenuBarPanel::make()
{
    m_settings = std::make_unique<AppSettings>(m_store, *m_database);
    m_wall = QDateTime::fromSecsSinceEpoch(1768478400, Qt::UTC);
    auto timer = std::make_unique<ManualTimer>();
    m_clockTimer = timer.get();
    m_clock = std::make_unique<Clock>(
        m_wall, [this] { return m_wall; }, std::move(timer));
    UpdateHost host;
    host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
    m_updater = std::make_unique<Updater>(m_store, QString(), QString(), host);
    MenuBarPanel::Actions panelActions;
    panelActions.openWindow = [this](const QString& id) { m_opened.append(id); };
    panelActions.quit = [this] { ++m_quits; };
    auto panel = std::make_unique<MenuBarPanel>(*m_settings, *m_clock, *m_updater, *m_database, panelActions);
    panel->show();
    return panel;
}

void TestMenuBarPanel::structure_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("expected");

    // The tests run with TZ=UTC: home is the built-in universal-time entry.
    QTest::newRow("nothing at all") << QVariantMap{{"trackedCityIDs", QStringList{}}, {"showsHomeZone", false}}
                                    << QStringList{"empty", "divider"} + actions;
    QTest::newRow("home only, no divider under it")
        << QVariantMap{{"trackedCityIDs", QStringList{}}} << QStringList{"row:home", "divider"} + actions;
    QTest::newRow("home and one city") << QVariantMap{{"trackedCityIDs", QStringList{"tok"}}}
                                       << QStringList{"row:home", "divider", "row:tok", "divider"} + actions;
    QTest::newRow("cities without home") << QVariantMap{{"trackedCityIDs", QStringList{"tok", "ny"}},
                                                        {"showsHomeZone", false}}
                                         << QStringList{"row:ny", "row:tok", "divider"} + actions;
    QTest::newRow("a tracked city keeps the home zone")
        << QVariantMap{{"trackedCityIDs", QStringList{"tok", "lon"}}, {"sortMode", "alphabetical"}}
        << QStringList{"row:home", "divider", "row:lon", "row:tok", "divider"} + actions;
}

void TestMenuBarPanel::structure()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, expected);
    m_store.values = stored;
    const auto panel = make();
    QCOMPARE(panel->structure(), expected);
    QCOMPARE(panel->width(), 520);
    if (!panel->rows().isEmpty() && m_settings->showsHomeZone()) QVERIFY(panel->rows().first()->content().isHome);
}

void TestMenuBarPanel::updateRowFollowsThePhase_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<bool>("shown");
    QTest::newRow("idle") << Phase::idle() << false;
    QTest::newRow("checking") << Phase::checking() << false;
    QTest::newRow("up to date") << Phase::upToDate() << false;
    QTest::newRow("available") << Phase::available("Notes") << true;
    QTest::newRow("downloading") << Phase::downloading() << false;
    QTest::newRow("failed") << Phase::failed("No") << false;
}

void TestMenuBarPanel::updateRowFollowsThePhase()
{
    QFETCH(Phase, phase);
    QFETCH(bool, shown);
    m_store.values = {{"trackedCityIDs", QStringList{}}, {"showsHomeZone", false}};
    const auto panel = make();
    m_updater->setPhase(phase);
    const QStringList structure = panel->structure();
    QCOMPARE(structure.contains(QStringLiteral("update")), shown);
    if (shown) QCOMPARE(structure.indexOf(QStringLiteral("update")), structure.indexOf(QStringLiteral("choose")) - 1);
}

void TestMenuBarPanel::rowsAreReusedAcrossTicks()
{
    m_store.values = {{"trackedCityIDs", QStringList{"tok", "ny"}}};
    const auto panel = make();
    const QList<ClockRow*> before = panel->rows();
    QCOMPARE(before.size(), 3);

    m_wall = m_wall.addSecs(60);
    m_clockTimer->fire();
    QCOMPARE(panel->rows(), before);                                      // same widgets, new times
    QCOMPARE(before.at(1)->texts().time, QStringLiteral("7:01\u202FAM")); // 12:01 UTC in New York

    m_settings->setSortMode(SortMode::alphabetical);
    QCOMPARE(panel->rows(), before); // ny already sorted first: nothing to rebuild
    m_settings->toggleTracking(m_database->citiesByID().value(QStringLiteral("lon")));
    QCOMPARE(panel->rows().size(), 4);
    QCOMPARE(panel->structure().mid(0, 5), (QStringList{"row:home", "divider", "row:lon", "row:ny", "row:tok"}));
}

void TestMenuBarPanel::actionsAndKeys()
{
    m_store.values = {{"trackedCityIDs", QStringList{}}};
    const auto panel = make();
    QSignalSpy dismissed(panel.get(), &MenuBarPanel::dismissed);
    const QList<QAbstractButton*> buttons = panel->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (button->isVisible() && button->text() != QLatin1String("Quit Horavia")) button->click();
    QCOMPARE(m_opened, (QStringList{"main", "settings", "about"}));
    QCOMPARE(dismissed.count(), 3);

    QTest::keyClick(panel.get(), Qt::Key_Escape);
    QCOMPARE(dismissed.count(), 4);
    panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    QTest::keyClick(panel.get(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_quits, 1);
}

QTEST_MAIN(TestMenuBarPanel)
#include "TestMenuBarPanel.moc"
