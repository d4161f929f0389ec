#include "MainWindow.h"

#include "Accessibility.h"
#include "AgendaView.h"
#include "CityLabelEditor.h"
#include "CityListDelegate.h"
#include "CityListTransfer.h"
#include "Commands.h"
#include "PlanningBar.h"
#include "RowListView.h"
#include "Symbols.h"
#include "TimeStrip.h"
#include "UpdateRibbon.h"
#include "WorldMapView.h"
#include "agenda/Calendars.h"
#include "catalogue/CityDatabase.h"
#include "chooser/CityListModel.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "settings/AppSettings.h"
#include "text/LocaleText.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStyleHints>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <QWheelEvent>

namespace {

constexpr int clearSelectionInset = 8;
constexpr int ribbonAnimationMs = 220;
constexpr int caretRestMs = 10000;
constexpr int rowLeavingMs = 180;
constexpr int undoNoticeMs = 8000;

} // namespace

MainWindow::MainWindow(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries,
                       const CityDatabase& database, const WorldLand& land, const Commands& commands,
                       Calendars* calendars, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_time(time)
    , m_entries(entries)
    , m_database(database)
    , m_commands(commands)
{
    setWindowTitle(QStringLiteral("Horavia"));
    resize(720, 600);
    m_model = new CityListModel(settings, entries, database, time, this);

    m_transfer = new CityListTransfer(settings, database, this);
    setAcceptDrops(true);

    QMenu* application = menuBar()->addMenu(QStringLiteral("&Horavia"));
    application->addAction(commands.about());
    application->addAction(commands.checkForUpdates());
    application->addSeparator();
    application->addAction(commands.copyLink());
    application->addAction(commands.createEvent());
    addAction(commands.createEvent());
    application->addAction(commands.nextOverlap());
    addAction(commands.nextOverlap()); // its shortcut works anywhere in the window
    application->addAction(commands.nextEvent());
    addAction(commands.nextEvent());
    application->addAction(commands.remindMe());
    addAction(commands.remindMe());
    application->addAction(commands.reminders());
    application->addSeparator();
    application->addAction(tr("E&xport Cities…"), m_transfer, &CityListTransfer::exportCities);
    application->addAction(tr("&Import Cities…"), m_transfer, &CityListTransfer::importCities);
    application->addSeparator();
    application->addAction(commands.settings());
    application->addSeparator();
    //: Menu item
    auto* close = application->addAction(tr("&Close Window"), this, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    application->addAction(commands.quit());
    buildToolbar();

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_ribbon = new UpdateRibbon(content);
    m_ribbon->setGraphicsEffect(new QGraphicsOpacityEffect(m_ribbon));
    m_ribbon->hide();
    connect(m_ribbon, &QAbstractButton::clicked, commands.showUpdate(), &QAction::trigger);
    connect(commands.showUpdate(), &QAction::changed, this, &MainWindow::followUpdateAction);
    layout->addWidget(m_ribbon);

    WorldMapView::Sources sources;
    sources.instant = [this] { return m_time.instant(); };
    sources.tracked = [this] { return m_entries.trackedCities(); };
    sources.listed = [this] { return m_model->results(); };
    sources.focus = [this] { return m_model->focus(); };
    sources.setFocus = [this](const std::optional<Coordinate>& focus) { m_model->setFocus(focus); };
    sources.focusCaption = [this] { return m_model->focusCaption(); };
    sources.upcoming = [this] { return m_time.likelyNext(); };
    sources.nextTick = [this] { return m_time.nextTick(); };
    m_map = new WorldMapView(land, database, std::move(sources), content);
    m_map->installEventFilter(this);
    m_clearSelection = new QToolButton(m_map);
    //: Clears the point chosen on the map
    m_clearSelection->setToolTip(tr("Clear Selection"));
    //: Clears the point chosen on the map
    m_clearSelection->setAccessibleName(tr("Clear Selection"));
    m_clearSelection->setAutoRaise(false);
    m_clearSelection->hide();
    connect(m_clearSelection, &QToolButton::clicked, this, [this] { m_model->setFocus(std::nullopt); });
    tintSymbols();
    layout->addWidget(m_map);

    auto* divider = new QFrame(content);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setForegroundRole(QPalette::Mid);
    layout->addWidget(divider);

    m_planning = new PlanningBar(settings, time, entries, commands.nextOverlap(), commands.time(), content);
    layout->addWidget(m_planning);
    if (calendars) {
        auto* agenda = new AgendaView(*calendars, time, entries, content);
        connect(agenda, &AgendaView::remindRequested, this, [&commands](const Reminder& r) { commands.remind(r); });
        layout->addWidget(agenda);
        m_planning->strip()->setAgenda(&calendars->agenda());
    }

    m_list = new RowListView(content); // read with its section titles as headings
    m_list->setModel(m_model);
    m_delegate = new CityListDelegate(m_list);
    m_list->setItemDelegate(m_delegate);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setDropIndicatorShown(true);
    m_list->setMouseTracking(true);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    //: The chooser's list of cities
    m_list->setAccessibleName(tr("Cities"));
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    layout->addWidget(m_list, 1);

    // After a removal, for a few seconds: what went, and a way back.
    auto* undoFrame = new QFrame(content);
    undoFrame->setFrameShape(QFrame::StyledPanel);
    m_undoBar = undoFrame;
    auto* undoRow = new QHBoxLayout(m_undoBar);
    undoRow->setContentsMargins(12, 4, 8, 4);
    m_undoText = new QLabel(m_undoBar);
    undoRow->addWidget(m_undoText, 1);
    auto* undoButton = new QPushButton(tr("&Undo"), m_undoBar);
    undoButton->setAccessibleName(tr("Undo"));
    undoRow->addWidget(undoButton);
    m_undoBar->hide();
    layout->addWidget(m_undoBar);
    m_undoExpiry = new QTimer(this);
    m_undoExpiry->setSingleShot(true);
    m_undoExpiry->setInterval(undoNoticeMs);
    connect(m_undoExpiry, &QTimer::timeout, m_undoBar, &QWidget::hide);
    auto* undo = new QAction(tr("Undo"), this);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, &MainWindow::undoRemoval);
    connect(undoButton, &QPushButton::clicked, this, &MainWindow::undoRemoval);
    addAction(undo);
    setCentralWidget(content);

    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) { m_model->activate(index.row()); });
    // A typed time, once chosen, is shown: the search gives way to the clocks at it.
    connect(m_model, &CityListModel::timeChosen, this, [this](const QDateTime& at) {
        m_time.setInstant(at);
        m_search->clear();
    });
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        const CityListModel::Item& item = m_model->item(index.row());
        if (item.kind != CityListModel::ItemKind::row) return;
        if (item.rowKind == CityListModel::RowKind::tracked && item.city) editLabel(*item.city);
        if (item.rowKind == CityListModel::RowKind::home) editHomeHours(m_model->row(item).content.title);
    });
    connect(m_list, &QListView::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = m_list->indexAt(at);
        if (!index.isValid()) return;
        if (QMenu* menu = makeRowMenu(index.row())) {
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(m_list->viewport()->mapToGlobal(at));
        }
    });

    // The map draws the list's focus and results, the shared entries' cities
    // and the displayed instant; it repaints when any of them changes.
    connect(m_model, &CityListModel::focusChanged, this, [this] {
        m_map->update();
        m_clearSelection->setVisible(m_model->focus().has_value());
    });
    connect(m_model, &CityListModel::resultsChanged, m_map, qOverload<>(&QWidget::update));
    connect(&m_entries, &ClockEntries::listChanged, m_map, qOverload<>(&QWidget::update));
    connect(&m_time, &DisplayedTime::instantChanged, m_map, &WorldMapView::showInstant);
    connect(&m_settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (key != SettingKey::sortMode) return;
        for (QAction* action : m_orders->actions())
            action->setChecked(SortMode(action->data().toInt()) == m_settings.value<SortMode>(SettingKey::sortMode));
    });
    // A caret that blinks for ever keeps the application awake; as on GTK
    // desktops it rests after ten idle seconds and blinks again on input.
    m_caretRest = new QTimer(this);
    m_caretRest->setSingleShot(true);
    m_caretRest->setInterval(caretRestMs);
    connect(m_caretRest, &QTimer::timeout, this, [this] {
        m_flashTime = QGuiApplication::styleHints()->cursorFlashTime();
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    });
    m_caretRest->start();

    followUpdateAction();
    m_search->setFocus();
}

void MainWindow::wakeCaret()
{
    if (QGuiApplication::styleHints()->cursorFlashTime() == 0 && m_flashTime > 0)
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
    m_caretRest->start();
}

void MainWindow::buildToolbar()
{
    QToolBar* toolbar = addToolBar(tr("Search"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setVisible(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);

    m_search = new QLineEdit(toolbar);
    m_search->setPlaceholderText(tr("Search cities and time zones"));
    // The clear button in our own symbol: Qt's asks the desktop's icon theme
    // for its picture, milliseconds of every start.
    m_clearSearch = m_search->addAction(QIcon(), QLineEdit::TrailingPosition);
    m_clearSearch->setText(tr("Clear Search"));
    m_clearSearch->setToolTip(tr("Clear Search"));
    m_clearSearch->setVisible(false);
    connect(m_clearSearch, &QAction::triggered, m_search, &QLineEdit::clear);
    connect(m_search, &QLineEdit::textChanged, m_clearSearch,
            [this](const QString& text) { m_clearSearch->setVisible(!text.isEmpty()); });
    m_search->setAccessibleName(tr("Search cities and time zones"));
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, m_model, &CityListModel::setSearchText);
    // A typed time's answer comes under the field while the focus stays in it.
    connect(m_search, &QLineEdit::textChanged, this, [this] {
        if (m_model->rowCount() > 0 && m_model->item(0).kind == CityListModel::ItemKind::answer)
            Accessibility::announce(m_search, m_model->item(0).spoken);
    });
    toolbar->addWidget(m_search);

    auto* find = new QAction(this);
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    addAction(find);

    m_order = new QToolButton(toolbar);
    //: The button that chooses the order of the list
    m_order->setText(tr("Order"));
    m_order->setToolTip(tr("Change the order cities are listed in"));
    //: The button that chooses the order of the list
    m_order->setAccessibleName(tr("Order"));
    m_order->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(m_order);
    m_orders = new QActionGroup(menu);
    m_orders->setExclusive(true);
    for (const EnumCase<SortMode>& choice : sortModeCases) {
        QAction* action = menu->addAction(choiceLabel(choice));
        action->setCheckable(true);
        action->setData(int(choice.value));
        action->setChecked(choice.value == m_settings.value<SortMode>(SettingKey::sortMode));
        m_orders->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, mode = choice.value] { m_settings.chooseSortMode(mode, m_time.instant(), m_database); });
    }
    m_order->setMenu(menu);
    toolbar->addWidget(m_order);
}

void MainWindow::showEvent(QShowEvent* event)
{
    placeClearSelection();
    QMainWindow::showEvent(event);
}

void MainWindow::followUpdateAction()
{
    // The ribbon slides in from the top and fades in, and out again.
    const bool wanted = m_commands.showUpdate()->isVisible();
    if (wanted == (m_ribbon->isVisible() && m_ribbon->maximumHeight() > 0)) return;
    const int height = m_ribbon->sizeHint().height();
    auto* slide = new QPropertyAnimation(m_ribbon, "maximumHeight", m_ribbon);
    slide->setDuration(ribbonAnimationMs);
    slide->setStartValue(wanted ? 0 : height);
    slide->setEndValue(wanted ? height : 0);
    auto* fade = new QPropertyAnimation(m_ribbon->graphicsEffect(), "opacity", m_ribbon);
    fade->setDuration(ribbonAnimationMs);
    fade->setStartValue(wanted ? 0.0 : 1.0);
    fade->setEndValue(wanted ? 1.0 : 0.0);
    if (wanted) {
        m_ribbon->setMaximumHeight(0);
        m_ribbon->show();
    } else {
        connect(slide, &QPropertyAnimation::finished, m_ribbon, [this] {
            if (!m_commands.showUpdate()->isVisible()) m_ribbon->hide();
        });
    }
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void MainWindow::tintSymbols()
{
    const QColor ink = palette().color(QPalette::ButtonText);
    m_order->setIcon(Symbols::icon(QStringLiteral("arrow.up.arrow.down"), ink));
    m_clearSelection->setIcon(Symbols::icon(QStringLiteral("xmark"), ink));
    m_clearSearch->setIcon(Symbols::icon(QStringLiteral("xmark"), palette().color(QPalette::PlaceholderText)));
}

void MainWindow::changeEvent(QEvent* event)
{
    // The desktop switched between dark and light: the symbols take the new ink.
    if (event->type() == QEvent::PaletteChange && m_clearSelection) tintSymbols();
    QMainWindow::changeEvent(event);
}

void MainWindow::placeClearSelection()
{
    m_clearSelection->adjustSize();
    const QRectF map = m_map->mapRect();
    m_clearSelection->move(int(map.right()) - m_clearSelection->width() - clearSelectionInset,
                           int(map.top()) + clearSelectionInset);
}

void MainWindow::editLabel(const City& city)
{
    auto* editor = new CityLabelEditor(m_settings, city, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->open();
}

void MainWindow::editHomeHours(const QString& title)
{
    City home; // a stand-in for the editor: only its id and name are read
    home.id = QStringLiteral("home");
    home.name = title;
    editLabel(home);
}

QMenu* MainWindow::makeRowMenu(int row)
{
    const CityListModel::Item& item = m_model->item(row);
    if (item.kind == CityListModel::ItemKind::row && item.rowKind == CityListModel::RowKind::home) {
        auto* menu = new QMenu(this);
        //: Opens the editor of a city's working hours
        menu->addAction(tr("Working Hours…"), this,
                        [this, title = m_model->row(item).content.title] { editHomeHours(title); });
        addTrayToggle(*menu, item.city ? item.city->id : QStringLiteral("home"));
        return menu;
    }
    if (item.kind != CityListModel::ItemKind::row || item.rowKind != CityListModel::RowKind::tracked || !item.city)
        return nullptr;
    const City city = *item.city;
    const QColor ink = palette().color(QPalette::WindowText);
    auto* menu = new QMenu(this);
    menu->addAction(Symbols::icon(QStringLiteral("pencil"), ink), tr("Rename…"), this,
                    [this, city] { editLabel(city); })
        ->setShortcut(QKeySequence(Qt::Key_F2));
    if (m_settings.hasCustomization(city))
        //: Removes a city's own name and emoji
        menu->addAction(Symbols::icon(QStringLiteral("arrow.uturn.backward"), ink), tr("Reset Name and Emoji"), this,
                        [this, city] { m_settings.resetCustomization(city); });
    //: Copies one city's time
    menu->addAction(tr("Copy Time"), this,
                    [time = m_model->row(item).texts.time] { QGuiApplication::clipboard()->setText(time); });
    addTrayToggle(*menu, city.id);
    menu->addSeparator();
    auto* up = menu->addAction(tr("Move Up"), this, [this, city] { moveCity(city, -1); });
    up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    up->setEnabled(canMove(row, -1));
    auto* down = menu->addAction(tr("Move Down"), this, [this, city] { moveCity(city, 1); });
    down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    down->setEnabled(canMove(row, 1));
    menu->addSeparator();
    const QPersistentModelIndex index = m_model->index(row);
    menu->addAction(Symbols::icon(QStringLiteral("minus.circle"), ink),
                    //: %1 a city
                    tr("Remove %1").arg(LocaleText::isolated(city.name)), this, [this, index] {
                        if (index.isValid()) removeRow(index.row());
                    });
    return menu;
}

void MainWindow::addTrayToggle(QMenu& menu, const QString& id)
{
    // Up to three clocks show in the tray; a fourth waits for one to go.
    //: Whether this city's time shows in the system tray
    QAction* shown = menu.addAction(tr("Show in Tray"), this, [this, id] { m_settings.toggleShownInTray(id); });
    shown->setCheckable(true);
    shown->setChecked(m_settings.isShownInTray(id));
    shown->setEnabled(m_settings.mayShowInTray(id) && m_settings.value<bool>(SettingKey::showsMenuBarItem));
}

int MainWindow::rowOf(const QString& cityId) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const CityListModel::Item& item = m_model->item(row);
        if (item.kind == CityListModel::ItemKind::row && item.rowKind == CityListModel::RowKind::tracked && item.city &&
            item.city->id == cityId)
            return row;
    }
    return -1;
}

bool MainWindow::canMove(int row, int direction) const
{
    const int neighbour = row + direction;
    if (row < 0 || neighbour < 0 || neighbour >= m_model->rowCount()) return false;
    const CityListModel::Item& item = m_model->item(neighbour);
    return !m_model->isFiltering() && item.kind == CityListModel::ItemKind::row &&
           item.rowKind == CityListModel::RowKind::tracked;
}

void MainWindow::moveCity(const City& city, int direction)
{
    // As a drag does: the order becomes the custom one. The focus and the
    // selection go with the city, so a screen reader hears it in its new place.
    const QString id = city.id;
    const int row = rowOf(id);
    if (!canMove(row, direction)) return;
    m_model->moveTrackedRows({row}, direction < 0 ? row - 1 : row + 2);
    const int moved = rowOf(id);
    if (moved < 0) return;
    m_list->setCurrentIndex(m_model->index(moved));
    m_list->scrollTo(m_model->index(moved));
}

void MainWindow::removeRow(int row)
{
    // The row slides shut and fades, then the city goes.
    const QPersistentModelIndex index = m_model->index(row);
    if (!index.isValid() || m_delegate->isLeaving(index)) return;
    auto* leaving = new QVariantAnimation(this);
    leaving->setDuration(rowLeavingMs);
    leaving->setStartValue(1.0);
    leaving->setEndValue(0.0);
    leaving->setEasingCurve(QEasingCurve::InOutQuad);
    connect(leaving, &QVariantAnimation::valueChanged, this,
            [this, index](const QVariant& shown) { m_delegate->setShown(index, shown.toReal()); });
    connect(leaving, &QVariantAnimation::finished, this, [this, index] {
        m_delegate->forget(index);
        if (!index.isValid()) return;
        const CityListModel::Item& item = m_model->item(index.row());
        if (!item.city) return;
        // Enough to put the city back where it was; its label and emoji stay stored.
        m_removed = Removal{item.city->name, item.city->id, m_settings.value<QStringList>(SettingKey::trackedCityIDs),
                            m_settings.value<QStringList>(SettingKey::manualOrder)};
        m_model->remove(index.row());
        //: %1 a city; said after it was removed (with Undo)
        m_undoText->setText(tr("Removed %1.").arg(LocaleText::isolated(m_removed->name)));
        m_undoBar->setAccessibleName(m_undoText->text());
        m_undoBar->show();
        m_undoExpiry->start();
    });
    leaving->start(QAbstractAnimation::DeleteWhenStopped);
}

void MainWindow::undoRemoval()
{
    if (!m_removed) return;
    const Removal removed = *std::exchange(m_removed, std::nullopt);
    m_undoBar->hide();
    m_undoExpiry->stop();
    if (m_settings.value<QStringList>(SettingKey::trackedCityIDs).contains(removed.id))
        return; // tracked again meanwhile
    m_settings.set(SettingKey::trackedCityIDs, removed.tracked);
    m_settings.set(SettingKey::manualOrder, removed.manualOrder);
    const int row = rowOf(removed.id);
    if (row < 0) return;
    m_list->setFocus(Qt::OtherFocusReason);
    m_list->setCurrentIndex(m_model->index(row));
}

void MainWindow::moveIntoList()
{
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->flags(m_model->index(row)) & Qt::ItemIsSelectable) {
            m_list->setFocus(Qt::TabFocusReason);
            m_list->setCurrentIndex(m_model->index(row));
            return;
        }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_map && event->type() == QEvent::Resize) placeClearSelection();
    // Shift and the wheel over the list move the time; the wheel alone scrolls.
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::Wheel &&
        (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ShiftModifier))
        return m_time.turn(static_cast<QWheelEvent*>(event)->angleDelta()), true;
    if (watched == m_search && (event->type() == QEvent::KeyPress || event->type() == QEvent::FocusIn ||
                                event->type() == QEvent::MouseButtonPress))
        wakeCaret();
    // The field's own Ctrl+E (to the end of the line, as End does) would
    // hide "Create Event…" wherever the search has the focus: from the first.
    if (watched == m_search && event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == m_commands.createEvent()->shortcut())
        return true;
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_search) {
        if (key->key() == Qt::Key_Down) {
            moveIntoList();
            return true;
        }
        if (key->key() == Qt::Key_Escape && !m_search->text().isEmpty()) {
            m_search->clear();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_model->leadsWithAnswer()) {
            m_model->activate(0);
            return true;
        }
    } else if (watched == m_list) {
        // The time keys work in the list as in the strip.
        if (m_commands.time().handleKey(key, m_time)) return true;
        const int row = m_list->currentIndex().row();
        if (row < 0) return false;
        const CityListModel::Item& item = m_model->item(row);
        const bool isRow = item.kind == CityListModel::ItemKind::row;
        const bool isAnswer = item.kind == CityListModel::ItemKind::answer;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space) &&
            (isAnswer || (isRow && item.rowKind == CityListModel::RowKind::result))) {
            m_model->activate(row);
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            m_commands.copyTimes()->trigger();
            return true;
        }
        if (key->key() == Qt::Key_F2 && isRow && item.rowKind != CityListModel::RowKind::result) {
            if (item.city)
                editLabel(*item.city);
            else
                editHomeHours(m_model->row(item).content.title);
            return true;
        }
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            if (QMenu* menu = makeRowMenu(row)) {
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(m_list->viewport()->mapToGlobal(m_list->visualRect(m_list->currentIndex()).center()));
            }
            return true;
        }
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && key->modifiers() == Qt::ControlModifier &&
            isRow && item.rowKind == CityListModel::RowKind::tracked && item.city) {
            moveCity(*item.city, key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && isRow &&
            item.rowKind == CityListModel::RowKind::tracked) {
            removeRow(row);
            return true;
        }
        if (key->key() == Qt::Key_Up && row == 0) {
            m_search->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// The one local file a drag carries, else nothing.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile()) return {};
    return data->urls().first().toLocalFile();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    m_transfer->importFrom(path);
}
