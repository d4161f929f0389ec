#pragma once

#include "TimeCommands.h"

#include <QElapsedTimer>
#include <QList>
#include <QWidget>

class AgendaView;
class Calendars;
class AppSettings;
class ClockEntries;
class ClockListView;
class Commands;
class DisplayedTime;
class PlanningBar;
class QAction;
class QLabel;
class TimeEntry;

// The tray panel: the time strip, the user's own zone, then every tracked
// city, then the actions. 520 wide; its height follows the content up to the height of the
// screen, beyond which the clock list scrolls and the actions stay in view.
// It only reads the settings; its actions open windows or quit.
class MenuBarPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int panelWidth = 520;
    static constexpr int widestPanel = 680;

    // The panel's commands show as rows below the clocks, top to bottom
    // (each row follows its action's visibility and enabled state). An action
    // with a shortcut works while the panel has focus. Next Overlap sits
    // beside the time strip; the time keys run the time commands.
    // With `calendars`, the next event shows above the clocks while one is on.
    MenuBarPanel(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries, const Commands& commands,
                 Calendars* calendars = nullptr, QWidget* parent = nullptr);

    // Builds the rows ahead of showing, so that the first opening is quick.
    void prepare();
    // The room the panel may take on its screen (the available geometry).
    void fitTo(const QRect& availableArea);
    // Shows the panel under (or above) `anchor` (the tray icon), else at the
    // pointer, within the screen's available area, and takes the focus.
    void showAt(const QRect& anchor);
    // Shows the panel as an ordinary window, where there is no icon to open under.
    void showAsWindow();

    // The clocks, top to bottom.
    ClockListView* clocks() const { return m_clocks; }
    PlanningBar* planning() const { return m_planning; }
    AgendaView* agenda() const { return m_agenda; }
    // The field a typed time goes into, above the clocks.
    TimeEntry* timeEntry();
    // Whether a mouse click outside closed the panel less than `ms` ago
    // (that click may reach the tray icon too).
    bool closedByClickWithin(qint64 ms) const
    {
        return m_sinceClosedByClick.isValid() && m_sinceClosedByClick.elapsed() < ms;
    }

signals:
    // Escape, an action that opened a window, or (for a panel that is not a
    // popup) focus moving to another window.
    void dismissed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();
    void updateSize();
    void fitHeight(int limit);
    int heightLimit() const;
    int widthFor(int heightLimit) const;
    void updateSizeIfShown();
    // Up and Down: through the clock rows and the action rows.
    void moveFocus(int direction);
    void focusWhenActive();
    void focusFirst();
    void announceNextEvent();

    AppSettings& m_settings;
    DisplayedTime& m_time;
    const ClockEntries& m_entries;
    PlanningBar* m_planning = nullptr;
    AgendaView* m_agenda = nullptr;
    TimeEntry* m_timeEntry = nullptr;
    const Commands& m_commands;
    TimeCommands m_timeCommands;

    ClockListView* m_clocks = nullptr;
    QLabel* m_empty = nullptr;
    int m_availableHeight = 0;
    int m_availableWidth = 0;
    QElapsedTimer m_sinceClosedByClick;
    bool m_focusWhenActive = false;
};
