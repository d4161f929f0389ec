#include "MenuBarPanel.h"

#include "ClockRow.h"
#include "PlanningBar.h"
#include "RowButton.h"
#include "TimeStrip.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

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

// Asks for the whole height of its list, so the panel grows with the list
// until the screen stops it; only then does the list scroll.
class ClockListArea : public QScrollArea {
public:
    explicit ClockListArea(QWidget* parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFocusPolicy(Qt::NoFocus);
        viewport()->setAutoFillBackground(false);
    }

    QSize sizeHint() const override
    {
        const QSize content = widget() ? widget()->sizeHint() : QSize();
        return {content.width(), content.height() + 2 * frameWidth()};
    }
    QSize minimumSizeHint() const override { return {0, 0}; }

protected:
    // The panel decides what the keys do: rows take the focus, the list follows.
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

} // namespace

MenuBarPanel::MenuBarPanel(AppSettings& settings, DisplayedTime& time, const ClockEntries& entries,
                           const QList<QAction*>& actions, QAction* nextOverlap, const TimeCommands& timeCommands,
                           QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_time(time)
    , m_entries(entries)
    , m_timeCommands(timeCommands)
{
    setWindowTitle(QStringLiteral("Horavia"));
    setAccessibleName(QStringLiteral("Horavia"));
    setFixedWidth(panelWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(panelInset, panelInset, panelInset, panelInset);
    layout->setSpacing(0);

    m_planning = new PlanningBar(settings, time, entries, nextOverlap, timeCommands, this);
    layout->addWidget(m_planning);

    m_scroll = new ClockListArea(this);
    m_scroll->viewport()->installEventFilter(this);
    auto* list = new QWidget(m_scroll);
    list->setObjectName(QStringLiteral("clockList"));
    list->setAccessibleName(QStringLiteral("Clocks"));
    list->setAutoFillBackground(false);
    m_clockList = new QVBoxLayout(list);
    m_clockList->setContentsMargins(0, 0, 0, 0);
    m_clockList->setSpacing(0);
    m_scroll->setWidget(list);
    layout->addWidget(m_scroll, 1);

    m_empty = new QLabel(QStringLiteral("No cities yet"), this);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setContentsMargins(0, 18, 0, 18);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_empty->hide();
    layout->addWidget(m_empty);
    layout->addWidget(new Divider(this));

    for (QAction* action : actions) {
        auto* row = new RowButton(action, this);
        connect(row, &QAbstractButton::clicked, this, &MenuBarPanel::dismissed);
        connect(action, &QAction::changed, this, &MenuBarPanel::updateSize);
        layout->addWidget(row);
        // Shortcuts (Ctrl+Q) work while the panel has focus.
        if (!action->shortcut().isEmpty()) addAction(action);
    }

    // Everything the rows show; while hidden the panel skips the work and
    // catches up when shown.
    const auto refreshIfShown = [this] {
        if (isVisible()) refresh();
    };
    connect(&m_time, &DisplayedTime::instantChanged, this, refreshIfShown);
    connect(&m_entries, &ClockEntries::changed, this, refreshIfShown);
    for (auto signal :
         {&AppSettings::timeFormatChanged, &AppSettings::dateFormatChanged, &AppSettings::showsOffsetFromHomeChanged})
        connect(&m_settings, signal, this, refreshIfShown);
}

void MenuBarPanel::prepare()
{
    refresh();
}

void MenuBarPanel::fitTo(const QRect& availableArea)
{
    m_availableHeight = availableArea.height();
    updateSize();
}

void MenuBarPanel::updateSize()
{
    int limit = m_availableHeight;
    if (limit <= 0) {
        const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
        limit = where ? where->availableGeometry().height() : QWIDGETSIZE_MAX;
    }
    // The list's own size is not watched by the panel's layout.
    m_scroll->updateGeometry();
    layout()->activate();
    resize(panelWidth, std::min(std::max(sizeHint().height(), minimumSizeHint().height()), limit));
}

void MenuBarPanel::refresh()
{
    const QDateTime now = m_time.instant();
    const ClockFormatter formatter = m_entries.formatter();
    const QList<ClockEntry>& entries = m_entries.entries();

    QStringList ids;
    for (const ClockEntry& entry : entries)
        ids.append(entry.id);
    const bool homeDivider =
        !entries.isEmpty() && entries.first().kind == ClockEntry::Kind::home && entries.size() >= 2;

    // Rows are rebuilt only when the list itself changed; otherwise each
    // row takes its new content and repaints if its texts differ.
    if (ids != m_rowIds || homeDivider != (m_homeDivider != nullptr)) {
        qDeleteAll(m_rows);
        m_rows.clear();
        delete m_homeDivider;
        m_homeDivider = nullptr;
        QWidget* list = m_scroll->widget();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            auto* row = new ClockRow(list);
            m_clockList->addWidget(row);
            row->show(); // at once, not when the layout gets round to it
            m_rows.append(row);
            if (i == 0 && homeDivider) {
                m_homeDivider = new Divider(list);
                m_clockList->addWidget(m_homeDivider);
                m_homeDivider->show();
            }
        }
        m_rowIds = ids;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ClockEntry& entry = entries.at(i);
        ClockRow::Content content;
        content.title = entry.title;
        content.timeZone = entry.timeZone;
        content.now = now;
        content.isHome = entry.kind == ClockEntry::Kind::home;
        content.selection = ClockRow::Selection::hidden;
        content.emoji = entry.emoji;
        content.schedule = entry.schedule;
        content.showsOffset = m_settings.showsOffsetFromHome();
        content.place = entry.place;
        m_rows.at(i)->setContent(content, formatter);
    }
    m_scroll->setVisible(!entries.isEmpty());
    m_empty->setVisible(entries.isEmpty());
    updateSize();
}

void MenuBarPanel::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void MenuBarPanel::hideEvent(QHideEvent* event)
{
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

bool MenuBarPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Shift and the wheel over the clocks move the time; the wheel alone scrolls.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel &&
        (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ShiftModifier))
        return m_planning->strip()->handleWheel(static_cast<QWheelEvent*>(event));
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
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && event->modifiers() == Qt::NoModifier) {
        moveFocus(event->key() == Qt::Key_Down ? 1 : -1);
        return;
    }
    // A list taller than the screen scrolls to its end from the keyboard too.
    if (event->key() == Qt::Key_End) {
        m_scroll->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MenuBarPanel::moveFocus(int direction)
{
    // The clock rows, then the action rows, top to bottom.
    QList<QWidget*> stops;
    for (ClockRow* row : std::as_const(m_rows))
        stops.append(row);
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (button->isVisible() && button->isEnabled()) stops.append(button);
    if (stops.isEmpty()) return;
    const qsizetype current = stops.indexOf(focusWidget());
    const qsizetype next = current < 0 ? (direction > 0 ? 0 : stops.size() - 1)
                                       : std::clamp<qsizetype>(current + direction, 0, stops.size() - 1);
    QWidget* target = stops.at(next);
    target->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (auto* row = qobject_cast<ClockRow*>(target)) m_scroll->ensureWidgetVisible(row, 0, 0);
}

void MenuBarPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.2);
    painter.setPen(border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
