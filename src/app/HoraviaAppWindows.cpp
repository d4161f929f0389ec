#include "HoraviaApp.h"
#include "agenda/Calendars.h"
#include "catalogue/CityDatabase.h"
#include "map/WorldLand.h"
#include "settings/AppSettings.h"
#include "ui/AboutWindow.h"
#include "ui/Commands.h"
#include "ui/MainWindow.h"
#include "ui/RemindersWindow.h"
#include "ui/SettingsWindow.h"
#include "ui/UpdateWindow.h"
#include "ui/platform/ActivationPolicies.h"
#include "update/BundleInfo.h"

#include <QWindow>

// The application's windows, each made when it is first opened.
void HoraviaApp::addWindows()
{
    m_windows.add(WindowId::main, [this] {
        return std::make_unique<MainWindow>(*m_settings, *m_time, *m_entries, CityDatabase::shared(),
                                            WorldLand::shared(), *m_commands, m_calendars.get());
    });

    m_windows.add(WindowId::settings, [this] {
        auto window = std::make_unique<SettingsWindow>(*m_settings, *m_time, *m_updater, *m_loginItem,
                                                       m_commands->showUpdate(), m_calendars.get());
        window->setGlobalShortcut(m_shortcut.get());
        return window;
    });

    m_windows.add(WindowId::reminders, [this] {
        return std::make_unique<RemindersWindow>(reminders(),
                                                 [this](const Reminder& reminder) { openReminderSheet(reminder); });
    });

    m_windows.add(WindowId::about,
                  [] { return std::make_unique<AboutWindow>(BundleInfo::read(BundleInfo::runningBundlePath())); });
    m_windows.add(WindowId::update, [this] { return std::make_unique<UpdateWindow>(*m_updater); });

    // The dock policy follows the setting from the first window on.
    m_windows.onCreated = [this](QWidget* window) {
        window->winId(); // the platform window, for its hints
        m_activationPolicy->adopt(window->windowHandle());
        if (!m_policyApplied) {
            m_policyApplied = true;
            m_activationPolicy->apply(m_settings->value<bool>(SettingKey::showsDockIcon));
        }
    };
    connect(m_settings.get(), &AppSettings::changed, this, [this](SettingKey key) {
        if (key == SettingKey::showsDockIcon && m_policyApplied)
            m_activationPolicy->apply(m_settings->value<bool>(SettingKey::showsDockIcon));
    });
}
