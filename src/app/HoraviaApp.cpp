#include "HoraviaApp.h"

#include "AppSettings.h"
#include "catalogue/CityDatabase.h"
#include "clock/Clock.h"
#include "platform/ActivationPolicy.h"
#include "platform/JsonPreferences.h"
#include "ui/MenuBarPanel.h"
#include "ui/Symbols.h"
#include "update/UpdateAddresses.h"
#include "update/Updater.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

constexpr int panelGap = 4;
// A click on the tray icon that closes the open panel reaches the icon too;
// within this time after the panel closed, it must not reopen it.
constexpr qint64 reopenGuardMs = 100;

} // namespace

HoraviaApp::HoraviaApp(QObject* parent)
    : QObject(parent)
    , m_preferences(std::make_unique<JsonPreferences>(JsonPreferences::defaultFileName()))
{
    m_settings = std::make_unique<AppSettings>(*m_preferences, CityDatabase::shared());
    m_clock = std::make_unique<Clock>(Clock::systemTime());
    m_updater = std::make_unique<Updater>(*m_preferences, UpdateAddresses::notes(), UpdateAddresses::payload(),
                                          UpdateHost::forApplication(&m_network, [] { QCoreApplication::quit(); }));
    m_activationPolicy = ActivationPolicy::create();

    // The dock policy follows the setting from the first window on.
    m_windows.onCreated = [this](QWidget* window) {
        m_activationPolicy->adopt(window);
        if (!m_policyApplied) {
            m_policyApplied = true;
            m_activationPolicy->apply(m_settings->showsDockIcon());
        }
    };
    connect(m_settings.get(), &AppSettings::showsDockIconChanged, this, [this] {
        if (m_policyApplied) m_activationPolicy->apply(m_settings->showsDockIcon());
    });
}

HoraviaApp::~HoraviaApp()
{
    delete m_panel;
}

void HoraviaApp::start()
{
    // The icon first: the panel and the menu are built once it is up.
    m_tray = new QSystemTrayIcon(Symbols::applicationIcon(), this);
    m_tray->setToolTip(QStringLiteral("Horavia"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A quick second click arrives as a double click; it toggles too.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick ||
            reason == QSystemTrayIcon::MiddleClick)
            togglePanel();
    });
    connect(m_settings.get(), &AppSettings::showsMenuBarItemChanged, this, &HoraviaApp::updateTrayVisibility);
    connect(m_updater.get(), &Updater::phaseChanged, this, &HoraviaApp::updateCommands);
    updateTrayVisibility();

    // Without any tray the panel becomes an ordinary window, so the clocks
    // and the actions stay within reach.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (m_windows.contains(QStringLiteral("main"))) {
            openWindow(QStringLiteral("main"));
        } else {
            ensurePanel();
            m_panel->setWindowFlags(Qt::Window);
            m_panel->show();
        }
        return;
    }
    QTimer::singleShot(0, this, [this] {
        ensurePanel();
        m_panel->prepare();
    });
}

void HoraviaApp::ensurePanel()
{
    if (m_panel) return;
    MenuBarPanel::Actions actions;
    actions.openWindow = [this](const QString& id) { openWindow(id); };
    actions.quit = [] { QCoreApplication::quit(); };
    m_panel = new MenuBarPanel(*m_settings, *m_clock, *m_updater, CityDatabase::shared(), actions);
    m_panel->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_panel->setAttribute(Qt::WA_NoMouseReplay);
    connect(m_panel, &MenuBarPanel::dismissed, m_panel, &QWidget::hide);

    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->addAction(QStringLiteral("Choose Cities…"), this, [this] { openWindow(QStringLiteral("main")); });
    m_trayMenu->addAction(QStringLiteral("Settings…"), this, [this] { openWindow(QStringLiteral("settings")); });
    m_trayMenu->addAction(QStringLiteral("About Horavia"), this, [this] { openWindow(QStringLiteral("about")); });
    m_checkAction = m_trayMenu->addAction(QStringLiteral("Check for Updates…"), this, &HoraviaApp::checkForUpdates);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(QStringLiteral("Quit Horavia"), this, [] { QCoreApplication::quit(); });
    m_tray->setContextMenu(m_trayMenu.get());
    updateCommands();
}

void HoraviaApp::updateTrayVisibility()
{
    m_tray->setVisible(m_settings->showsMenuBarItem());
    if (!m_settings->showsMenuBarItem() && (m_panel->windowFlags() & Qt::Popup)) m_panel->hide();
}

void HoraviaApp::updateCommands()
{
    m_checkAction->setEnabled(canCheckForUpdates());
}

void HoraviaApp::openWindow(const QString& id)
{
    if (m_panel && (m_panel->windowFlags() & Qt::Popup)) m_panel->hide();
    m_windows.open(id);
    if (m_policyApplied) m_activationPolicy->activate();
}

bool HoraviaApp::canCheckForUpdates() const
{
    return !m_updater->phase().isBusy();
}

void HoraviaApp::checkForUpdates()
{
    if (!canCheckForUpdates()) return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(m_updater.get(), &Updater::checkFinished, this, [this, connection] {
        disconnect(*connection);
        if (m_updater->phase().kind == Updater::Phase::Kind::available) openWindow(QStringLiteral("update"));
    });
    m_updater->check(true);
}

void HoraviaApp::togglePanel()
{
    ensurePanel();
    if (m_panel->isVisible() || m_panel->closedByClickWithin(reopenGuardMs)) {
        m_panel->hide();
        return;
    }
    showPanelAt(m_tray ? m_tray->geometry() : QRect());
}

void HoraviaApp::showPanelAt(const QRect& anchor)
{
    const bool anchored = anchor.isValid() && !anchor.isEmpty();
    const QPoint reference = anchored ? anchor.center() : QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(reference);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();

    m_panel->adjustSize();
    const QSize size = m_panel->size();
    const bool below = reference.y() < area.center().y();
    const int edgeTop = anchored ? anchor.top() : reference.y();
    const int edgeBottom = anchored ? anchor.bottom() : reference.y();
    int x = reference.x() - size.width() / 2;
    int y = below ? edgeBottom + panelGap : edgeTop - panelGap - size.height();
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - size.width() + 1));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - size.height() + 1));

    m_panel->move(x, y);
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
    m_panel->setFocus(Qt::PopupFocusReason);
}
