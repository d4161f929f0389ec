#include "Commands.h"

#include "Controls.h"
#include "Symbols.h"
#include "agenda/Calendars.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "clock/TimeLink.h"
#include "reminder/Reminder.h"
#include "update/Updater.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

Commands::Commands(DisplayedTime& time, ClockEntries& entries, Updater& updater, Shell shell, Calendars* calendars,
                   QObject* parent)
    : QObject(parent)
    , m_updater(updater)
    , m_shell(std::move(shell))
{
    const auto make = [this](const QString& title, const char* symbol, std::function<void()> handler) {
        auto* action = new QAction(title, this);
        action->setProperty(Symbols::actionProperty, QString::fromLatin1(symbol));
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] {
            if (handler) handler();
        });
        return action;
    };
    const auto opener = [this](WindowId id) {
        return [this, id] {
            if (m_shell.openWindow) m_shell.openWindow(id);
        };
    };
    const auto clipboard = [](std::function<QString()> text) {
        return [text = std::move(text)] { QGuiApplication::clipboard()->setText(text()); };
    };
    //: Opens the tray's panel of clocks
    m_showClocks = make(tr("Sh&ow Clocks"), "clock", [this] {
        if (m_shell.showClocks) m_shell.showClocks();
    });
    //: A tray menu item that opens the update
    m_showUpdate = make(tr("A Ne&w Version Is Available"), "arrow.down.circle.fill", opener(WindowId::update));
    //: Opens the window where cities are searched and added
    m_chooseCities = make(tr("C&hoose Cities…"), "globe", opener(WindowId::main));
    m_settings = make(tr("&Settings…"), "gearshape", opener(WindowId::settings));
    m_settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    m_about = make(tr("&About Horavia"), "info.circle", opener(WindowId::about));
    m_checkForUpdates = make(tr("Check for &Updates…"), "arrow.down.circle.fill", [this] { checkUpdates(); });
    m_quit = make(tr("&Quit Horavia"), "power", [this] {
        if (m_shell.quit) m_shell.quit();
    });
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quit->setMenuRole(QAction::QuitRole);
    //: Moves the chosen time to the next time all are in working hours
    m_nextOverlap = make(tr("&Next Overlap"), "calendar", [&entries] { entries.moveToNextOverlap(); });
    m_nextOverlap->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    //: Moves the chosen time to the start of the next event in the user's calendars
    m_nextEvent = make(tr("Next E&vent"), "calendar", [calendars] {
        if (calendars) calendars->moveToNextEvent();
    });
    m_nextEvent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    m_nextEvent->setVisible(calendars && calendars->list().anyEnabled());
    if (calendars)
        connect(&calendars->list(), &CalendarList::changed, m_nextEvent,
                [this, calendars] { m_nextEvent->setVisible(calendars->list().anyEnabled()); });
    //: Copies every clock's time at the chosen time as one line
    m_copyTimes = make(tr("Copy &Times"), "doc.on.doc",
                       clipboard([&entries, &time] { return entries.shareLine(time.instant()); }));
    //: Copies a link that opens the chosen time in Horavia
    m_copyLink = make(tr("Copy &Link"), "link", clipboard([&time] { return TimeLink::of(time.instant()); }));
    //: Saves a calendar event at the chosen time
    m_createEvent = make(tr("Create &Event…"), "calendar", [this] {
        if (m_shell.createEvent) m_shell.createEvent();
    });
    m_createEvent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    //: Sets a reminder at the chosen time
    m_remindMe = make(tr("&Remind Me…"), "bell", [this, &time] {
        QDateTime at = time.instant();
        if (time.isLive()) {
            // Now is no time to be reminded of: the next step of the grid is.
            const qint64 step = 60LL * time.stepMinutes();
            at = QDateTime::fromSecsSinceEpoch((at.toSecsSinceEpoch() / step + 1) * step, Qt::UTC);
        }
        remind(Reminder::at(at, {}, {}, time.homeZone()));
    });
    m_remindMe->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    //: Opens the list of reminders
    m_reminders = make(tr("Re&minders…"), "bell", opener(WindowId::reminders));
    const auto timeCommand = [&](const QString& title, QKeySequence keys, DisplayedTime::Move to) {
        QAction* action = make(title, "", [&time, to] { time.move(to); });
        action->setShortcut(keys);
        return action;
    };
    using Move = DisplayedTime::Move;
    // Time runs the way the strip draws it: leftwards in a right-to-left layout.
    const bool mirrored = QGuiApplication::isRightToLeft();
    const Qt::Key back = mirrored ? Qt::Key_Right : Qt::Key_Left;
    const Qt::Key forward = mirrored ? Qt::Key_Left : Qt::Key_Right;
    //: A step of time back on the strip
    m_time.earlier = timeCommand(tr("Earlier"), QKeySequence(back), Move::stepBack);
    //: A step of time back on the strip
    //: A step of time forward on the strip, as "Earlier" is one back (not "not now")
    m_time.later = timeCommand(tr("Later", "a step of time"), QKeySequence(forward), Move::stepForward);
    //: Moves the chosen time one hour back
    m_time.hourEarlier = timeCommand(tr("An Hour Earlier"), QKeySequence(Qt::SHIFT | back), Move::hourBack);
    //: Moves the chosen time one hour forward
    m_time.hourLater = timeCommand(tr("An Hour Later"), QKeySequence(Qt::SHIFT | forward), Move::hourForward);
    //: Moves the chosen time one day back
    m_time.dayEarlier = timeCommand(tr("A Day Earlier"), QKeySequence(Qt::Key_PageUp), Move::dayBack);
    //: Moves the chosen time one day forward
    m_time.dayLater = timeCommand(tr("A Day Later"), QKeySequence(Qt::Key_PageDown), Move::dayForward);
    //: Goes back from a chosen time to the current time
    m_time.now = make(tr("Now"), "", [&time] { time.goLive(); });
    m_time.now->setShortcut(QKeySequence(Qt::Key_Home));
    //: %1 is the key, as Qt names it in the language ("Ctrl+O")
    m_nextOverlap->setToolTip(tr("Go to the next time everyone is in working hours (%1)")
                                  .arg(m_nextOverlap->shortcut().toString(QKeySequence::NativeText)));

    connect(&m_updater, &Updater::phaseChanged, this, &Commands::followPhase);
    followPhase();
}

QList<QAction*> Commands::trayMenu() const
{
    return {m_showUpdate,   m_nextOverlap, m_nextEvent, m_copyTimes,       m_copyLink, m_createEvent, m_remindMe,
            m_chooseCities, m_settings,    m_about,     m_checkForUpdates, nullptr,    m_quit};
}

QList<QAction*> Commands::panelMenu() const
{
    return {m_showUpdate,   m_copyTimes, m_copyLink, m_createEvent, m_remindMe,
            m_chooseCities, m_settings,  m_about,    m_quit};
}

void Commands::remind(const Reminder& proposal) const
{
    if (m_shell.remind) m_shell.remind(proposal);
}

void Commands::checkUpdates()
{
    if (m_updater.phase().isBusy() || !m_updater.canReplaceItself()) return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&m_updater, &Updater::checkFinished, this, [this, connection] {
        disconnect(*connection);
        if (m_updater.phase().kind == Updater::Phase::Kind::available && m_shell.openWindow)
            m_shell.openWindow(WindowId::update);
    });
    m_updater.check(true);
}

void Commands::followPhase()
{
    m_showUpdate->setVisible(m_updater.phase().kind == Updater::Phase::Kind::available);
    // Disabled where this copy can't update itself, with the reason where a
    // menu or a screen reader shows an item's tip.
    const QString reason = m_updater.unavailableReason();
    m_checkForUpdates->setEnabled(!m_updater.phase().isBusy() && reason.isEmpty());
    m_checkForUpdates->setToolTip(reason.isEmpty() ? Controls::withoutMnemonic(m_checkForUpdates->text()) : reason);
    m_checkForUpdates->setVisible(m_updater.selfUpdating());
}
