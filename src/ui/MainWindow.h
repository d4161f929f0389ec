#pragma once

#include "catalogue/City.h"

#include <QMainWindow>

class Calendars;
class AppSettings;
class CityDatabase;
class CityListDelegate;
class CityListModel;
class CityListTransfer;
class ClockEntries;
class DisplayedTime;
class PlanningBar;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QListView;
class QTimer;
class QToolButton;
class UpdateRibbon;
class WorldMapView;
class Commands;
struct WorldLand;

// The city chooser: search, the world map, and the list of tracked cities
// or of results. Every change goes straight into the settings; the window
// holds only the search text, the map focus and the city being renamed.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries, const CityDatabase& database,
               const WorldLand& land, const Commands& commands, Calendars* calendars = nullptr,
               QWidget* parent = nullptr);

    CityListModel& model() const { return *m_model; }
    QLineEdit* searchField() const { return m_search; }
    QListView* list() const { return m_list; }
    WorldMapView* map() const { return m_map; }
    UpdateRibbon* ribbon() const { return m_ribbon; }
    QToolButton* clearSelectionButton() const { return m_clearSelection; }
    QToolButton* orderButton() const { return m_order; }
    PlanningBar* planning() const { return m_planning; }

    // Opens the label editor over the window.
    void editLabel(const City& city);
    // The working hours of the home row that has no city of its own.
    void editHomeHours(const QString& title);
    // The context menu of a tracked row or the home row (none for other lines).
    QMenu* makeRowMenu(int row);
    // Ctrl+Up and Ctrl+Down: a tracked city one place up (-1) or down (1),
    // switching to the custom order.
    void moveCity(const City& city, int direction);
    // Stops tracking a tracked row's city once the row has slid out; for a
    // few seconds a notice offers to undo it (as Ctrl+Z does).
    void removeRow(int row);
    // Puts the last removed city back where it was.
    void undoRemoval();
    QWidget* undoNotice() const { return m_undoBar; }
    // Export Cities… and Import Cities…, and the import of a dropped file.
    CityListTransfer& transfer() const { return *m_transfer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A city list dropped on the window is imported.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolbar();
    void followUpdateAction();
    void tintSymbols();
    void placeClearSelection();
    void moveIntoList();
    void wakeCaret();
    void addTrayToggle(QMenu& menu, const QString& id);
    int rowOf(const QString& cityId) const;
    bool canMove(int row, int direction) const;

    AppSettings& m_settings;
    DisplayedTime& m_time;
    const ClockEntries& m_entries;
    const CityDatabase& m_database;
    PlanningBar* m_planning = nullptr;
    const Commands& m_commands;
    CityListModel* m_model = nullptr;
    CityListTransfer* m_transfer = nullptr;
    QLineEdit* m_search = nullptr;
    QAction* m_clearSearch = nullptr;
    QToolButton* m_order = nullptr;
    QActionGroup* m_orders = nullptr;
    UpdateRibbon* m_ribbon = nullptr;
    WorldMapView* m_map = nullptr;
    QToolButton* m_clearSelection = nullptr;
    QListView* m_list = nullptr;
    CityListDelegate* m_delegate = nullptr;
    QTimer* m_caretRest = nullptr;
    struct Removal {
        QString name;
        QString id;
        QStringList tracked;
        QStringList manualOrder;
    };
    std::optional<Removal> m_removed;
    QWidget* m_undoBar = nullptr;
    QLabel* m_undoText = nullptr;
    QTimer* m_undoExpiry = nullptr;
    int m_flashTime = 0;
};
