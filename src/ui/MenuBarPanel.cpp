#include "MenuBarPanel.h"

#include "ClockRow.h"
#include "RowButton.h"
#include "app/AppSettings.h"
#include "catalogue/CityDatabase.h"
#include "clock/Clock.h"
#include "clock/ClockEntry.h"
#include "clock/ClockFormatter.h"
#include "update/Updater.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int panelInset = 6;

// A hairline with 4 points of air above and below.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent)
        : QWidget(parent)
    {
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

MenuBarPanel::MenuBarPanel(AppSettings& settings, Clock& clock, Updater& updater, const CityDatabase& database,
                           Actions actions, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_updater(updater)
    , m_database(database)
    , m_actions(std::move(actions))
{
    setWindowTitle(QStringLiteral("Horavia"));
    setAccessibleName(QStringLiteral("Horavia"));
    setFixedWidth(panelWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(panelInset, panelInset, panelInset, panelInset);
    layout->setSpacing(0);

    auto* list = new QWidget(this);
    m_clockList = new QVBoxLayout(list);
    m_clockList->setContentsMargins(0, 0, 0, 0);
    m_clockList->setSpacing(0);
    layout->addWidget(list);

    m_empty = new QLabel(QStringLiteral("No cities yet"), this);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setContentsMargins(0, 18, 0, 18);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_empty->hide();
    layout->addWidget(m_empty);
    m_tokens.insert(m_empty, QStringLiteral("empty"));

    auto* divider = new Divider(this);
    layout->addWidget(divider);
    m_tokens.insert(divider, QStringLiteral("divider"));

    const auto addAction = [&](const QString& token, const QString& symbol, const QString& title,
                               std::function<void()> action) {
        auto* button = new RowButton(symbol, title, this);
        connect(button, &QAbstractButton::clicked, this, std::move(action));
        layout->addWidget(button);
        m_tokens.insert(button, token);
        return button;
    };
    m_updateRow =
        addAction(QStringLiteral("update"), QStringLiteral("arrow.down.circle.fill"),
                  QStringLiteral("A New Version Is Available"), [this] { openWindow(QStringLiteral("update")); });
    addAction(QStringLiteral("choose"), QStringLiteral("globe"), QStringLiteral("Choose Cities…"),
              [this] { openWindow(QStringLiteral("main")); });
    addAction(QStringLiteral("settings"), QStringLiteral("gearshape"), QStringLiteral("Settings…"),
              [this] { openWindow(QStringLiteral("settings")); });
    addAction(QStringLiteral("about"), QStringLiteral("info.circle"), QStringLiteral("About Horavia"),
              [this] { openWindow(QStringLiteral("about")); });
    addAction(QStringLiteral("quit"), QStringLiteral("power"), QStringLiteral("Quit Horavia"), [this] {
        if (m_actions.quit) m_actions.quit();
    });

    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    quit->setContext(Qt::WindowShortcut);
    connect(quit, &QShortcut::activated, this, [this] {
        if (m_actions.quit) m_actions.quit();
    });

    // Everything the rows show; while hidden the panel skips the work and
    // catches up when shown.
    const auto refreshIfShown = [this] {
        if (isVisible()) refresh();
    };
    connect(&m_clock, &Clock::nowChanged, this, refreshIfShown);
    for (auto signal :
         {&AppSettings::trackedCityIDsChanged, &AppSettings::manualOrderChanged, &AppSettings::sortModeChanged,
          &AppSettings::timeFormatChanged, &AppSettings::dateFormatChanged, &AppSettings::showsHomeZoneChanged,
          &AppSettings::showsFlagsChanged, &AppSettings::customLabelsChanged, &AppSettings::customEmojiChanged})
        connect(&m_settings, signal, this, refreshIfShown);
    connect(&m_updater, &Updater::phaseChanged, this, &MenuBarPanel::refreshUpdateRow);
    // The rows are built when the panel is first shown or prepared.
    refreshUpdateRow();
}

void MenuBarPanel::prepare()
{
    refresh();
}

void MenuBarPanel::refresh()
{
    const QDateTime now = m_clock.now();
    const ClockFormatter formatter(m_settings.timeFormat(), m_settings.dateFormat());
    const QList<ClockEntry> entries = ClockEntry::entries(m_settings, now, formatter.homeTimeZone(), m_database);

    QStringList ids;
    for (const ClockEntry& entry : entries)
        ids.append(entry.id);
    const bool homeDivider =
        !entries.isEmpty() && entries.first().kind == ClockEntry::Kind::home && entries.size() >= 2;

    // Rows are rebuilt only when the list itself changed; otherwise each
    // row takes its new content and repaints if its texts differ.
    if (ids != m_rowIds || homeDivider != (m_homeDivider != nullptr)) {
        for (ClockRow* row : std::as_const(m_rows)) {
            m_tokens.remove(row);
            delete row;
        }
        m_rows.clear();
        if (m_homeDivider) {
            m_tokens.remove(m_homeDivider);
            delete m_homeDivider;
            m_homeDivider = nullptr;
        }
        for (qsizetype i = 0; i < entries.size(); ++i) {
            auto* row = new ClockRow(m_clockList->parentWidget());
            m_clockList->addWidget(row);
            row->show(); // at once, not when the layout gets round to it
            m_rows.append(row);
            m_tokens.insert(row, QStringLiteral("row:") + entries.at(i).id);
            if (i == 0 && homeDivider) {
                m_homeDivider = new Divider(m_clockList->parentWidget());
                m_clockList->addWidget(m_homeDivider);
                m_homeDivider->show();
                m_tokens.insert(m_homeDivider, QStringLiteral("divider"));
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
        m_rows.at(i)->setContent(content, formatter);
    }
    m_clockList->parentWidget()->setVisible(!entries.isEmpty());
    m_empty->setVisible(entries.isEmpty());
    adjustSize();
}

void MenuBarPanel::refreshUpdateRow()
{
    m_updateRow->setVisible(m_updater.phase().kind == Updater::Phase::Kind::available);
    adjustSize();
}

void MenuBarPanel::openWindow(const QString& id)
{
    emit dismissed();
    if (m_actions.openWindow) m_actions.openWindow(id);
}

QStringList MenuBarPanel::structure() const
{
    QStringList tokens;
    const auto visit = [&](QLayout* layout, auto& self) -> void {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            QWidget* widget = item->widget();
            if (!widget || widget->isHidden()) continue;
            if (m_tokens.contains(widget))
                tokens.append(m_tokens.value(widget));
            else if (widget->layout())
                self(widget->layout(), self);
        }
    };
    visit(layout(), visit);
    return tokens;
}

void MenuBarPanel::showEvent(QShowEvent* event)
{
    refresh();
    refreshUpdateRow();
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

void MenuBarPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit dismissed();
        return;
    }
    QWidget::keyPressEvent(event);
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
