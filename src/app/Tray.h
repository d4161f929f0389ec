#pragma once

#include <QObject>
#include <QRect>

#include <chrono>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierItem;

// The application's place in the tray: its own StatusNotifier item where
// the desktop runs a watcher, else Qt's icon (XEmbed on X11). The menu is
// the same commands either way; a host that opens the menu on a click finds
// "Show Clocks" first.
class Tray : public QObject {
    Q_OBJECT

public:
    // Null where there is no tray to show an icon in.
    static std::unique_ptr<Tray> make(QAction* showClocks, const QList<QAction*>& menu, QObject* parent = nullptr);
    ~Tray() override;

    void setVisible(bool visible);
    bool isVisible() const;
    // Whether a tray shows the icon now.
    bool isShown() const;
    void setToolTip(const QString& text);
    // The text beside the icon, where the host shows one; empty for none.
    void setLabel(const QString& text, const QString& guide);
    // The time drawn as the icon; empty for the application's icon. A time
    // set away from now is drawn apart from the present.
    void setTimeIcon(const QString& time, bool chosen = false);
    // Where the icon is on screen, where known; else an empty rectangle.
    QRect anchor() const;
    // Calls `then` once a tray shows the icon, with its place known where
    // the tray gives one (an X11 tray embeds it a moment after the start),
    // or with false when none has within `wait`: a start at login before
    // the desktop's tray, or on a desktop with none.
    void whenShown(std::chrono::milliseconds wait, QObject* context, std::function<void(bool shown)> then);
    // Calls `then` once a StatusNotifier host has read the icon, so that it
    // is drawn before other work holds the event loop (a window made at
    // the start takes longer than the icon), or after `wait` when none has;
    // at once where no such host is asked.
    void afterHostReadIcon(std::chrono::milliseconds wait, QObject* context, std::function<void()> then);
    // Draws the eye to the icon where the tray can (a StatusNotifier host).
    void setNeedsAttention(bool needs);
    StatusNotifierItem* item() const { return m_item.get(); }

signals:
    // A click; `anchor` as anchor() or the point the host gave.
    void activated(const QRect& anchor);
    void middleClicked();
    // A wheel's turn, in a QWheelEvent's angle units.
    void scrolled(int angleDelta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Tray(QObject* parent);
    void showMenuAt(const QPoint& at);
    bool placed() const;
    QMenu& menu();

    std::unique_ptr<StatusNotifierItem> m_item;
    QSystemTrayIcon* m_icon = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QList<QAction*> m_actions;
    QString m_timeIcon;
    bool m_timeIconChosen = false;
};
