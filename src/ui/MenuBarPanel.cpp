#include "MenuBarPanel.h"

#include "Accessibility.h"
#include "AgendaView.h"
#include "ClockListView.h"
#include "Commands.h"
#include "PlanningBar.h"
#include "RowButton.h"
#include "TimeEntry.h"
#include "TimeStrip.h"
#include "agenda/Calendars.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "reminder/Reminder.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

namespace {

// Between the icon and the panel.
constexpr int panelGap = 4;

constexpr int panelInset = 6;

// A hairline with 4 points of air above and below.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("divider"));
        setFixedHeight(9);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QColor line = palette().color(QPalette::WindowText);
        line.setAlphaF(0.15);
        painter.fillRect(QRect(0, 4, width(), 1), line);
    }
};

} // namespace

MenuBarPanel::MenuBarPanel(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries,
                           const Commands& commands, Calendars* calendars, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_time(time)
    , m_entries(entries)
    , m_commands(commands)
    , m_timeCommands(commands.time())
{
    // Named for what it holds: the chooser is the window named Horavia.
    //: The name of the tray's panel of clocks
    setWindowTitle(tr("Clocks"));
    setAccessibleName(windowTitle());
    setMinimumWidth(panelWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(panelInset, panelInset, panelInset, panelInset);
    layout->setSpacing(0);

    m_planning = new PlanningBar(settings, time, entries, commands.nextOverlap(), commands.time(), this);
    layout->addWidget(m_planning);
    if (calendars) {
        m_agenda = new AgendaView(*calendars, time, entries, this);
        m_planning->strip()->setAgenda(&calendars->agenda());
        connect(m_agenda, &AgendaView::resized, this, &MenuBarPanel::updateSizeIfShown);
        connect(m_agenda, &AgendaView::remindRequested, this, [this](const Reminder& proposal) {
            emit dismissed();
            m_commands.remind(proposal);
        });
        layout->addWidget(m_agenda);
    }

    m_clocks = new ClockListView(entries, this);
    // No name of its own: the window is "Clocks", and a screen reader would say it twice.
    m_clocks->setAccessibleName(QString());
    m_clocks->viewport()->installEventFilter(this);
    layout->addWidget(m_clocks, 1);

    //: The panel when no city has been added
    m_empty = new QLabel(tr("No cities yet"), this);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setContentsMargins(0, 18, 0, 18);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_empty->hide();
    layout->addWidget(m_empty);
    layout->addWidget(new Divider(this));

    for (QAction* action : commands.panelMenu()) {
        auto* row = new RowButton(action, this);
        connect(row, &QAbstractButton::clicked, this, &MenuBarPanel::dismissed);
        connect(action, &QAction::changed, this, &MenuBarPanel::updateSize);
        layout->addWidget(row);
        // Shortcuts (Ctrl+Q) work while the panel has focus.
        if (!action->shortcut().isEmpty()) addAction(action);
    }

    // The list draws the rows; the panel follows their number and heights.
    QAbstractItemModel* rows = m_clocks->model();
    connect(rows, &QAbstractItemModel::modelReset, this, &MenuBarPanel::refresh);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &MenuBarPanel::updateSizeIfShown);
}

TimeEntry* MenuBarPanel::timeEntry()
{
    // Made at the first key: most openings never type a time.
    if (!m_timeEntry) {
        m_timeEntry = new TimeEntry(m_entries, m_time, this);
        static_cast<QVBoxLayout*>(layout())->insertWidget(layout()->indexOf(m_planning) + 1, m_timeEntry);
        connect(m_timeEntry, &TimeEntry::remindRequested, this,
                [this](const QDateTime& at, const TimePhrase::Place& place) {
                    emit dismissed();
                    m_commands.remind(Reminder::at(at, place.zone, place.name, m_time.homeZone()));
                });
        connect(m_timeEntry, &TimeEntry::left, this, [this] {
            updateSize();
            if (m_clocks->isVisible()) m_clocks->setFocus(Qt::OtherFocusReason);
        });
    }
    return m_timeEntry;
}

void MenuBarPanel::prepare()
{
    refresh();
    updateSize();
}

void MenuBarPanel::fitTo(const QRect& availableArea)
{
    m_availableHeight = availableArea.height();
    m_availableWidth = availableArea.width();
    updateSize();
}

void MenuBarPanel::updateSize()
{
    const int limit = heightLimit();
    // The list's own size is not watched by the panel's layout.
    m_clocks->updateGeometry();
    layout()->activate();
    fitHeight(limit);
}

void MenuBarPanel::fitHeight(int limit)
{
    const QSize wanted(widthFor(limit), std::min(std::max(sizeHint().height(), minimumSizeHint().height()), limit));
    if (size() != wanted) resize(wanted);
}

// Long zone names (German's "Nordamerikanische Ostküstenzeit") widen the
// panel rather than being cut, up to a width that still reads as a panel.
int MenuBarPanel::widthFor(int heightLimit) const
{
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    const int screenWidth = m_availableWidth > 0 ? m_availableWidth
                            : where              ? where->availableGeometry().width()
                                                 : widestPanel;
    const int wanted =
        m_clocks->naturalWidth() + 2 * panelInset +
        (m_clocks->sizeHint().height() > heightLimit ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    return std::max(panelWidth, std::min({wanted, widestPanel, screenWidth}));
}

int MenuBarPanel::heightLimit() const
{
    if (m_availableHeight > 0) return m_availableHeight;
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    return where ? where->availableGeometry().height() : QWIDGETSIZE_MAX;
}

void MenuBarPanel::updateSizeIfShown()
{
    if (isVisible()) updateSize();
}

void MenuBarPanel::refresh()
{
    const bool empty = m_entries.entries().isEmpty();
    m_clocks->setVisible(!empty);
    m_empty->setVisible(empty);
    if (isVisible()) updateSize();
}

void MenuBarPanel::showEvent(QShowEvent* event)
{
    refresh();
    updateSize();
    QWidget::showEvent(event);
}

void MenuBarPanel::hideEvent(QHideEvent* event)
{
    m_focusWhenActive = false;
    // A half-typed time does not wait for the next opening.
    if (m_timeEntry) m_timeEntry->reset();
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        m_sinceClosedByClick.start();
    else
        m_sinceClosedByClick.invalidate();
    QWidget::hideEvent(event);
}

void MenuBarPanel::changeEvent(QEvent* event)
{
    // Where the panel is a window of its own (Wayland), focus moving
    // elsewhere closes it, as a click outside closes a popup.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && windowType() != Qt::Popup)
        emit dismissed();
    QWidget::changeEvent(event);
}

bool MenuBarPanel::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // A line that comes or goes while the panel is open (a note, the typed
    // time's answers) asks for a new layout: the panel's height follows. The
    // layout has just been activated, and touching the list's geometry here
    // would post the next request, so only the height is fitted.
    if (event->type() == QEvent::LayoutRequest && isVisible()) fitHeight(heightLimit());
    return handled;
}

bool MenuBarPanel::eventFilter(QObject* watched, QEvent* event)
{
    // After Qt's own handling, which reports the window's activation; a key
    // that has moved the focus meanwhile keeps its place.
    if (watched == windowHandle() && event->type() == QEvent::FocusIn && m_focusWhenActive) {
        m_focusWhenActive = false;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible() && focusWidget() == this) focusFirst();
            },
            Qt::QueuedConnection);
    }
    // Shift and the wheel over the clocks move the time; the wheel alone scrolls.
    if (watched == m_clocks->viewport() && event->type() == QEvent::Wheel &&
        (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ShiftModifier))
        return m_time.turn(static_cast<QWheelEvent*>(event)->angleDelta()), true;
    return QWidget::eventFilter(watched, event);
}

void MenuBarPanel::keyPressEvent(QKeyEvent* event)
{
    // The time keys work from the moment the panel opens; Escape sends a
    // chosen time back to now before it closes the panel.
    if (m_timeCommands.handleKey(event, m_time)) return;
    if (event->key() == Qt::Key_Escape) {
        emit dismissed();
        return;
    }
    // A digit or a letter starts a typed time ("3pm Tokyo").
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isLetterOrNumber() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        timeEntry()->begin(typed);
        updateSize();
        return;
    }
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && event->modifiers() == Qt::NoModifier) {
        moveFocus(event->key() == Qt::Key_Down ? 1 : -1);
        return;
    }
    // A list taller than the screen scrolls to its end from the keyboard too.
    if (event->key() == Qt::Key_End) {
        m_clocks->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MenuBarPanel::moveFocus(int direction)
{
    // The clock rows, then the action rows, top to bottom.
    const int clocks = m_clocks->isVisible() ? m_clocks->model()->rowCount() : 0;
    QList<QWidget*> buttons;
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (button->isVisible() && button->isEnabled()) buttons.append(button);
    const qsizetype stops = clocks + buttons.size();
    if (stops == 0) return;
    qsizetype current = -1;
    if (focusWidget() == m_clocks && m_clocks->currentIndex().isValid())
        current = m_clocks->currentIndex().row();
    else if (const qsizetype button = buttons.indexOf(focusWidget()); button >= 0)
        current = clocks + button;
    const qsizetype next =
        current < 0 ? (direction > 0 ? 0 : stops - 1) : std::clamp<qsizetype>(current + direction, 0, stops - 1);
    const Qt::FocusReason reason = direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    if (next < clocks) {
        const QModelIndex row = m_clocks->model()->index(int(next), 0);
        m_clocks->setCurrentIndex(row);
        m_clocks->setFocus(reason);
        m_clocks->scrollTo(row);
    } else {
        buttons.at(next - clocks)->setFocus(reason);
    }
}

void MenuBarPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Window);
    painter.fillRect(rect(), window);
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.2);
    // The hairline blended over the window's colour once, then drawn opaque:
    // a translucent line down the side of a tall panel costs more than the
    // rest of the panel's background.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.fill(window);
    QPainter(&probe).fillRect(QRect(0, 0, 1, 1), border);
    const QColor line = probe.pixelColor(0, 0);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), line);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), line);
    painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), line);
}

void MenuBarPanel::showAt(const QRect& anchor)
{
    const bool anchored = anchor.isValid() && !anchor.isEmpty();
    const QPoint reference = anchored ? anchor.center() : QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(reference);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();

    fitTo(area);
    const QSize extent = size();
    const bool below = reference.y() < area.center().y();
    const int edgeTop = anchored ? anchor.top() : reference.y();
    const int edgeBottom = anchored ? anchor.bottom() : reference.y();
    int x = reference.x() - extent.width() / 2;
    int y = below ? edgeBottom + panelGap : edgeTop - panelGap - extent.height();
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - extent.width() + 1));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - extent.height() + 1));

    move(x, y);
    show();
    raise();
    // A popup takes the keys by its grab; asked to be active as well, it
    // made the window under it active first, and a screen reader said both.
    if (windowType() != Qt::Popup) activateWindow();
    focusWhenActive();
}

void MenuBarPanel::showAsWindow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) fitTo(screen->availableGeometry());
    show();
    raise();
    activateWindow();
    focusWhenActive();
}

void MenuBarPanel::focusWhenActive()
{
    // The panel holds the keys until its window has the system's focus, and
    // only then gives them to the first row: Qt reports the window active
    // (and the window under a popup active again) as that focus comes, and
    // a screen reader that had heard the row before would hear the windows
    // after it, then the list once more at the next key.
    setFocus(Qt::PopupFocusReason);
    QWindow* handle = windowHandle();
    if (!handle) return;
    if (QGuiApplication::focusWindow() == handle) return focusFirst();
    m_focusWhenActive = true;
    handle->removeEventFilter(this);
    handle->installEventFilter(this);
}

void MenuBarPanel::announceNextEvent()
{
    // After the row the focus lands on, which is said first.
    if (m_agenda) Accessibility::announce(this, m_agenda->spoken());
}

void MenuBarPanel::focusFirst()
{
    // The first clock, or the first action when there is none: a screen
    // reader names the row the arrows move from, and a keyboard user sees it.
    if (m_clocks->isVisible() && m_clocks->model()->rowCount() > 0) {
        const QModelIndex first = m_clocks->model()->index(0, 0);
        m_clocks->setCurrentIndex(first);
        m_clocks->scrollTo(first);
        m_clocks->setFocus(Qt::PopupFocusReason);
        announceNextEvent();
        return;
    }
    setFocus(Qt::PopupFocusReason);
    moveFocus(1);
}
