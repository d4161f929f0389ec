#include "CalendarSettings.h"

#include "Controls.h"
#include "agenda/Calendars.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int sourceIdRole = Qt::UserRole + 1;

} // namespace

CalendarSettings::CalendarSettings(Calendars& calendars, QWidget* parent)
    : QGroupBox(parent)
    , m_calendars(calendars)
{
    //: Heading of Settings' group of the user's calendars
    setTitle(tr("Calendars"));
    auto* layout = new QVBoxLayout(this);
    m_empty = new QLabel(this);
    //: Settings, before any calendar was added
    m_empty->setText(tr("See your next events beside the clocks: add a calendar file, a folder of them, or the "
                        "address of a calendar to subscribe to."));
    m_empty->setWordWrap(true);
    m_empty->setFont(Controls::scaled(font(), Controls::callout));
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_empty);
    m_sources = new QListWidget(this);
    //: The list of the user's calendars in Settings
    m_sources->setAccessibleName(tr("Calendars"));
    m_sources->setMaximumHeight(110);
    layout->addWidget(m_sources);
    m_refusal = new QLabel(this);
    m_refusal->setWordWrap(true);
    m_refusal->setFont(m_empty->font());
    m_refusal->hide();
    layout->addWidget(m_refusal);

    // Two by two: in German or French one row of four is wider than the window.
    auto* buttons = new QGridLayout;
    auto* file = new QPushButton(tr("Add &File…"), this);
    auto* folder = new QPushButton(tr("Add F&older…"), this);
    auto* subscription = new QPushButton(tr("&Subscribe…"), this);
    m_remove = new QPushButton(tr("Re&move"), this);
    buttons->addWidget(file, 0, 0);
    buttons->addWidget(folder, 0, 1);
    buttons->addWidget(subscription, 1, 0);
    buttons->addWidget(m_remove, 1, 1);
    buttons->setColumnStretch(2, 1);
    layout->addLayout(buttons);
    m_allDay = new QCheckBox(tr("All-day events count as the ne&xt event"), this);
    layout->addWidget(m_allDay);

    connect(file, &QPushButton::clicked, this, &CalendarSettings::addFile);
    connect(folder, &QPushButton::clicked, this, &CalendarSettings::addFolder);
    connect(subscription, &QPushButton::clicked, this, &CalendarSettings::askAddress);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = m_sources->currentItem())
            m_calendars.list().remove(item->data(sourceIdRole).toString());
    });
    connect(m_sources, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_calendars.list().setEnabled(item->data(sourceIdRole).toString(), item->checkState() == Qt::Checked);
    });
    connect(m_sources, &QListWidget::currentRowChanged, this, [this](int row) { m_remove->setEnabled(row >= 0); });
    connect(m_allDay, &QCheckBox::clicked, &m_calendars.list(), &CalendarList::setShowsAllDay);
    connect(&m_calendars.list(), &CalendarList::changed, this, &CalendarSettings::refresh);
    connect(&m_calendars, &Calendars::sourcesChanged, this, &CalendarSettings::refresh);
    // The desktop's own calendars join the list as the service tells of
    // them; where the desktop has no such service, its client library is
    // not loaded at all.
    const QString service = QStringLiteral("org.gnome.evolution.dataserver.Sources5");
    if (QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        bus && (bus->isServiceRegistered(service).value() || bus->activatableServiceNames().value().contains(service)))
        m_calendars.listDesktopCalendars();
    refresh();
}

void CalendarSettings::refresh()
{
    const QList<CalendarSource> sources = m_calendars.list().sources();
    const QString current =
        m_sources->currentItem() ? m_sources->currentItem()->data(sourceIdRole).toString() : QString();
    const QSignalBlocker quiet(m_sources);
    m_sources->clear();
    for (const CalendarSource& source : sources) {
        const QString problem = source.enabled ? m_calendars.problem(source.id) : QString();
        const QString name = m_calendars.nameOf(source);
        //: A calendar in Settings that reads nothing: its name, and why ("Work — The file can't be read.")
        auto* item = new QListWidgetItem(problem.isEmpty() ? name : tr("%1 — %2").arg(name, problem), m_sources);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(source.enabled ? Qt::Checked : Qt::Unchecked);
        item->setData(sourceIdRole, source.id);
        item->setIcon(Controls::colourDot(source.colour, palette()));
        // The address, where it holds no secret a tooltip would show over a shoulder.
        if (source.kind != CalendarSource::Kind::subscription)
            item->setToolTip(QDir::toNativeSeparators(source.address));
        if (source.id == current) m_sources->setCurrentItem(item);
    }
    m_sources->setVisible(!sources.isEmpty());
    m_empty->setVisible(sources.isEmpty());
    m_remove->setEnabled(m_sources->currentItem() != nullptr);
    m_allDay->setChecked(m_calendars.list().showsAllDay());
}

void CalendarSettings::addFile()
{
    //: The title of the dialog that picks a calendar file; %1 is its file pattern
    const QString path = QFileDialog::getOpenFileName(window(), tr("Add Calendar File"), QDir::homePath(),
                                                      tr("Calendars (%1)").arg(QStringLiteral("*.ics")));
    if (!path.isEmpty()) m_calendars.list().add({.kind = CalendarSource::Kind::file, .address = path});
}

void CalendarSettings::addFolder()
{
    const QString path = QFileDialog::getExistingDirectory(window(), tr("Add Calendar Folder"), QDir::homePath());
    if (!path.isEmpty()) m_calendars.list().add({.kind = CalendarSource::Kind::folder, .address = path});
}

void CalendarSettings::askAddress()
{
    bool accepted = false;
    //: The dialog that takes a calendar's address to subscribe to
    const QString address = QInputDialog::getText(window(), tr("Subscribe to a Calendar"),
                                                  tr("The calendar's address (https: or webcal:):"), QLineEdit::Normal,
                                                  QString(), &accepted);
    if (accepted) subscribe(address.trimmed());
}

bool CalendarSettings::subscribe(const QString& address)
{
    const bool added =
        !m_calendars.list().add({.kind = CalendarSource::Kind::subscription, .address = address}).isEmpty();
    //: Settings, when an address given to subscribe to is refused
    m_refusal->setText(added ? QString()
                             : tr("That address can't be subscribed to: it must begin with https: or webcal:."));
    m_refusal->setVisible(!added);
    return added;
}
