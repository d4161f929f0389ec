#include "app/HoraviaApp.h"
#include "ui/MenuBarPanel.h"
#include "ui/SettingsWindow.h"
#include "ui/WindowRegistry.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

// The application in a Wayland session (run by wayland.sh under a headless
// compositor): every window maps, and the tray panel, which no client may
// place there, is a frameless window of its own that Escape and the tray
// close. Any warning, from Qt's Wayland plugin included, fails a test.
// (weston's headless backend has no seat, so focus never moves there; the
// panel closing when it loses focus is tested offscreen.)
class TestWaylandShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QGuiApplication::platformName().startsWith(u"wayland"_s))
            QFAIL("run under a Wayland compositor with QT_QPA_PLATFORM=wayland");
        m_app = std::make_unique<HoraviaApp>();
        m_app->start();
    }

    void init() { QTest::failOnWarning(QRegularExpression(u".*"_s)); }

    void everyWindowMaps_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::newRow("main") << WindowId::main;
        QTest::newRow("settings") << WindowId::settings;
        QTest::newRow("about") << WindowId::about;
        QTest::newRow("update") << WindowId::update;
    }

    void everyWindowMaps()
    {
        QFETCH(WindowId, id);
        QWidget* window = m_app->windows().open(id);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowHandle()->flags() & Qt::FramelessWindowHint, Qt::WindowFlags());
    }

    void panelIsAFramelessWindow()
    {
        m_app->togglePanel();
        MenuBarPanel* panel = m_app->panel();
        QVERIFY(panel);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QVERIFY(panel->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(panel->windowType(), Qt::Window);
        QCOMPARE(panel->width(), 520);

        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        m_app->togglePanel();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        m_app->togglePanel();
        QVERIFY(!panel->isVisible());
    }

    // The taskbar lists every window here: the switch says so instead of
    // changing nothing.
    void taskbarSwitchSaysWhy()
    {
        auto* settings = static_cast<SettingsWindow*>(m_app->windows().open(WindowId::settings));
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        QVERIFY(!settings->showsDockIcon()->isEnabled());
        QVERIFY(settings->showsDockIcon()->isChecked());
        QVERIFY(
            settings->showsDockIcon()->accessibleDescription().startsWith(u"This desktop shows every open window"_s));
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    std::unique_ptr<HoraviaApp> m_app;
};

QTEST_MAIN(TestWaylandShell)
#include "TestWaylandShell.moc"
