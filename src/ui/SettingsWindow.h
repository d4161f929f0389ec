#pragma once

#include <QWidget>

class AppSettings;
class Clock;
class LoginItem;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
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
    SettingsWindow(AppSettings& settings, Clock& clock, Updater& updater, LoginItem& loginItem, QAction* showUpdate,
                   QWidget* parent = nullptr);

    QComboBox* timeFormat() const { return m_timeFormat; }
    QComboBox* dateFormat() const { return m_dateFormat; }
    QLabel* preview() const { return m_preview; }
    QCheckBox* showsMenuBarItem() const { return m_showsMenuBarItem; }
    QCheckBox* showsDockIcon() const { return m_showsDockIcon; }
    QCheckBox* opensAtLogin() const { return m_opensAtLogin; }
    QPushButton* checkNow() const { return m_checkNow; }
    QProgressBar* busy() const { return m_busy; }
    QLabel* status() const { return m_status; }
    QPushButton* showButton() const { return m_show; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshSettings();
    void refreshPreview();
    void setOpensAtLogin(bool opens);
    void refreshUpdates();

    AppSettings& m_settings;
    Clock& m_clock;
    Updater& m_updater;
    LoginItem& m_loginItem;
    QComboBox* m_timeFormat = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QLabel* m_preview = nullptr;
    QCheckBox* m_showsFlags = nullptr;
    QCheckBox* m_showsHomeZone = nullptr;
    QCheckBox* m_showsMenuBarItem = nullptr;
    QCheckBox* m_showsDockIcon = nullptr;
    QCheckBox* m_opensAtLogin = nullptr;
    QCheckBox* m_checksAutomatically = nullptr;
    QPushButton* m_checkNow = nullptr;
    QProgressBar* m_busy = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_show = nullptr;
};
