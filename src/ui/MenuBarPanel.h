#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>

class AppSettings;
class CityDatabase;
class Clock;
class ClockRow;
class QLabel;
class QVBoxLayout;
class RowButton;
class Updater;

// The tray panel: the user's own zone, then every tracked city, then the
// actions. 520 wide; its height follows the content. It only reads the
// settings; its actions open windows or quit.
class MenuBarPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int panelWidth = 520;

    struct Actions {
        std::function<void(const QString& windowId)> openWindow;
        std::function<void()> quit;
    };

    MenuBarPanel(AppSettings& settings, Clock& clock, Updater& updater, const CityDatabase& database, Actions actions,
                 QWidget* parent = nullptr);

    // Builds the rows ahead of showing, so that the first opening is quick.
    void prepare();

    // The rows on show, top to bottom.
    QList<ClockRow*> rows() const { return m_rows; }
    // The panel from top to bottom as tokens ("row:<id>", "divider", "empty",
    // "update", "choose", "settings", "about", "quit"), for tests.
    QStringList structure() const;
    // Whether a mouse click outside closed the panel less than `ms` ago
    // (that click may reach the tray icon too).
    bool closedByClickWithin(qint64 ms) const
    {
        return m_sinceClosedByClick.isValid() && m_sinceClosedByClick.elapsed() < ms;
    }

signals:
    // Escape, or an action that opened a window.
    void dismissed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();
    void refreshUpdateRow();
    void openWindow(const QString& id);

    AppSettings& m_settings;
    Clock& m_clock;
    Updater& m_updater;
    const CityDatabase& m_database;
    Actions m_actions;

    QVBoxLayout* m_clockList = nullptr;
    QList<ClockRow*> m_rows;
    QStringList m_rowIds;
    QWidget* m_homeDivider = nullptr;
    QLabel* m_empty = nullptr;
    RowButton* m_updateRow = nullptr;
    QHash<QWidget*, QString> m_tokens;
    QElapsedTimer m_sinceClosedByClick;
};
