#pragma once

#include "settings/SettingsTable.h"

#include <QList>
#include <QWidget>

#include <utility>

class QScrollArea;
class Calendars;
class AppSettings;
class DisplayedTime;
class LoginItem;
class QAction;
class QCheckBox;
class GlobalShortcut;
class QComboBox;
class QLabel;
class QTimeEdit;
class QProgressBar;
class QPushButton;
class Updater;

// The display choices, the tray and taskbar presence, opening at login, and the updates. Every
// control writes straight into the settings or the updater; the window keeps
// nothing of its own and shows the stored values whenever it opens.
class SettingsWindow : public QWidget {
    Q_OBJECT

public:
    // `showUpdate` opens the update window ("Show…").
    SettingsWindow(AppSettings& settings, DisplayedTime& time, Updater& updater, LoginItem& loginItem,
                   QAction* showUpdate, Calendars* calendars = nullptr, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    QComboBox* timeFormat() const { return m_timeFormat; }
    QComboBox* dateFormat() const { return m_dateFormat; }
    QLabel* preview() const { return m_preview; }
    // Shown while the settings could not be written to disk.
    QLabel* writeFailure() const { return m_writeFailure; }
    QCheckBox* showsMenuBarItem() const { return m_showsMenuBarItem; }
    QCheckBox* showsOffset() const { return m_showsOffset; }
    QComboBox* step() const { return m_step; }
    QComboBox* trayDisplay() const { return m_trayDisplay; }
    // The desktop-wide key for Show Clocks, where the desktop's portal binds
    // one; without it (or before it answers) the window says how to bind
    // horavia --toggle instead.
    void setGlobalShortcut(GlobalShortcut* shortcut);
    QLabel* shortcutText() const { return m_shortcutText; }
    QPushButton* changeShortcut() const { return m_changeShortcut; }
    // Working hours from and to, then waking hours from and to.
    QList<QTimeEdit*> hourFields() const { return {m_workFrom, m_workTo, m_awakeFrom, m_awakeTo}; }
    QCheckBox* showsDockIcon() const { return m_showsDockIcon; }
    QCheckBox* opensAtLogin() const { return m_opensAtLogin; }
    QCheckBox* checksAutomatically() const { return m_checksAutomatically; }
    QPushButton* checkNow() const { return m_checkNow; }
    QProgressBar* busy() const { return m_busy; }
    QLabel* status() const { return m_status; }
    QPushButton* showButton() const { return m_show; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A box for the flag `key`, labelled and kept as the table says.
    QCheckBox* flagBox(SettingKey key, QWidget* parent);
    void refreshSettings();
    void refreshShortcut();
    void refreshPreview();
    void setOpensAtLogin(bool opens);
    void refreshUpdates();

    AppSettings& m_settings;
    DisplayedTime& m_time;
    Updater& m_updater;
    LoginItem& m_loginItem;
    QComboBox* m_timeFormat = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QLabel* m_preview = nullptr;
    QLabel* m_writeFailure = nullptr;
    QList<std::pair<SettingKey, QCheckBox*>> m_flagBoxes;
    QCheckBox* m_showsFlags = nullptr;
    QCheckBox* m_showsOffset = nullptr;
    QComboBox* m_step = nullptr;
    QComboBox* m_trayDisplay = nullptr;
    QLabel* m_shortcutText = nullptr;
    QPushButton* m_changeShortcut = nullptr;
    GlobalShortcut* m_shortcut = nullptr;
    QTimeEdit* m_workFrom = nullptr;
    QTimeEdit* m_workTo = nullptr;
    QTimeEdit* m_awakeFrom = nullptr;
    QTimeEdit* m_awakeTo = nullptr;
    QCheckBox* m_showsHomeZone = nullptr;
    QCheckBox* m_showsMenuBarItem = nullptr;
    QCheckBox* m_showsDockIcon = nullptr;
    QCheckBox* m_opensAtLogin = nullptr;
    QCheckBox* m_checksAutomatically = nullptr;
    QPushButton* m_checkNow = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_show = nullptr;
    void fitToContent();
    QScrollArea* m_scroll = nullptr;
    bool m_wheelGuarded = false;
    static constexpr int contentWidth = 430;
};
