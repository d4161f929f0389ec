#include "SettingsWindow.h"

#include "CalendarSettings.h"
#include "Controls.h"
#include "agenda/Calendars.h"
#include "clock/ClockFormatter.h"
#include "clock/DateFormats.h"
#include "clock/DisplayedTime.h"
#include "platform/GlobalShortcut.h"
#include "platform/LoginItem.h"
#include "platform/SystemLocale.h"
#include "settings/AppSettings.h"
#include "text/LocaleText.h"
#include "ui/platform/ActivationPolicies.h"
#include "update/Updater.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QString statusText(const Updater::Phase& phase)
{
    switch (phase.kind) {
    case Updater::Phase::Kind::upToDate:
        return SettingsWindow::tr("Horavia is up to date.");
    case Updater::Phase::Kind::available:
        return SettingsWindow::tr("A new version is available.");
    case Updater::Phase::Kind::failed:
        return phase.text;
    default:
        return phase.progressText();
    }
}

} // namespace

SettingsWindow::SettingsWindow(AppSettings& settings, DisplayedTime& time, Updater& updater, LoginItem& loginItem,
                               QAction* showUpdate, Calendars* calendars, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_time(time)
    , m_updater(updater)
    , m_loginItem(loginItem)
{
    setWindowTitle(tr("Settings"));
    setFixedWidth(contentWidth);
    // Taller than a small screen with every section: the sections scroll.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The keys go to the controls; the view follows the focus.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    auto* body = new QWidget(m_scroll);
    auto* layout = new QVBoxLayout(body);
    m_scroll->setWidget(body);
    outer->addWidget(m_scroll);

    // Said where the changes are made: they hold until Horavia quits, but
    // the next start would not find them.
    m_writeFailure = new QLabel(tr("Your settings couldn't be saved. Changes apply until you quit Horavia."), this);
    m_writeFailure->setWordWrap(true);
    m_writeFailure->setAccessibleName(m_writeFailure->text());
    m_writeFailure->setVisible(m_settings.lastWriteFailed());
    layout->addWidget(m_writeFailure);

    //: Heading of Settings' group of formats
    auto* format = new QGroupBox(tr("Format"), this);
    auto* formatForm = new QFormLayout(format);
    m_timeFormat = new QComboBox(format);
    for (const EnumCase<TimeFormat>& choice : timeFormatCases)
        m_timeFormat->addItem(choiceLabel(choice), int(choice.value));
    m_dateFormat = new QComboBox(format);
    m_dateFormat->addItem(label(DateFormat::relative), int(DateFormat::relative));
    // The samples in the user's own format, from one fixed day (a Saturday, September 12).
    const qint64 sample = QDateTime(QDate(2026, 9, 12), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
    const icu::Locale locale = ClockFormatter(TimeFormat::system, DateFormat::relative).locale();
    m_dateFormat->addItem(DateFormats::format(locale, "EEEMMMd", sample), int(DateFormat::abbreviated));
    m_dateFormat->addItem(DateFormats::format(locale, "Md", sample), int(DateFormat::numeric));
    formatForm->addRow(settingLabel(SettingKey::timeFormat), m_timeFormat);
    formatForm->addRow(settingLabel(SettingKey::dateFormat), m_dateFormat);
    m_preview = new QLabel(format);
    m_preview->setFont(Controls::scaled(font(), Controls::callout));
    m_preview->setForegroundRole(QPalette::PlaceholderText);
    formatForm->addRow(m_preview);
    layout->addWidget(format);

    //: Heading of Settings' group of what shows where
    auto* appearance = new QGroupBox(tr("Appearance"), this);
    auto* appearanceLayout = new QVBoxLayout(appearance);
    m_showsFlags = flagBox(SettingKey::showsFlags, appearance);
    m_showsHomeZone = flagBox(SettingKey::showsHomeZone, appearance);
    // The tray icon and the taskbar entry are this desktop's menu bar item and Dock icon.
    m_showsMenuBarItem = flagBox(SettingKey::showsMenuBarItem, appearance);
    m_showsDockIcon = flagBox(SettingKey::showsDockIcon, appearance);
    m_opensAtLogin = new QCheckBox(tr("Open at &login"), appearance);
    for (QCheckBox* box : {m_showsFlags, m_showsHomeZone, m_showsMenuBarItem})
        appearanceLayout->addWidget(box);
    m_trayDisplay = new QComboBox(appearance);
    for (const EnumCase<TrayDisplay>& choice : trayDisplayCases)
        m_trayDisplay->addItem(choiceLabel(choice), int(choice.value));
    auto* trayRow = new QHBoxLayout;
    auto* trayLabel = new QLabel(settingLabel(SettingKey::trayDisplay), appearance);
    trayLabel->setBuddy(m_trayDisplay);
    // The label without its colon, whichever the language writes.
    static const QRegularExpression colon(QStringLiteral("[\\s:\\x{ff1a}]+$"));
    m_trayDisplay->setAccessibleName(Controls::withoutMnemonic(settingLabel(SettingKey::trayDisplay)).remove(colon));
    trayRow->addSpacing(20); // under the tray's box, as its detail
    trayRow->addWidget(trayLabel);
    trayRow->addWidget(m_trayDisplay);
    trayRow->addStretch(1);
    appearanceLayout->addLayout(trayRow);
    appearanceLayout->addWidget(m_showsDockIcon);
    if (!ActivationPolicies::controlsTaskbarEntry()) {
        // A switch that changes nothing is worse than none: it says why.
        auto* taskbarNote =
            new QLabel(tr("This desktop shows every open window in its taskbar; Horavia can't leave its windows out."),
                       appearance);
        taskbarNote->setWordWrap(true);
        taskbarNote->setFont(Controls::scaled(font(), Controls::callout));
        taskbarNote->setForegroundRole(QPalette::PlaceholderText);
        taskbarNote->setContentsMargins(20, 0, 0, 0);
        m_showsDockIcon->setAccessibleDescription(taskbarNote->text());
        appearanceLayout->addWidget(taskbarNote);
    }
    appearanceLayout->addWidget(m_opensAtLogin);
    // The key that opens the clocks, under the tray's choices.
    auto* keyboardRow = new QHBoxLayout;
    m_shortcutText = new QLabel(appearance);
    m_shortcutText->setWordWrap(true);
    m_shortcutText->setFont(Controls::scaled(font(), Controls::callout));
    m_shortcutText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: Button: changes the key that opens the clocks
    m_changeShortcut = new QPushButton(tr("&Change…"), appearance);
    m_changeShortcut->setAccessibleName(tr("Change the Show Clocks shortcut"));
    keyboardRow->addWidget(m_shortcutText, 1);
    keyboardRow->addWidget(m_changeShortcut);
    appearanceLayout->addLayout(keyboardRow);
    connect(m_changeShortcut, &QPushButton::clicked, this, [this] {
        if (m_shortcut) m_shortcut->configure();
    });
    layout->addWidget(appearance);

    refreshShortcut();

    //: Heading of Settings' group of working hours and time steps
    auto* planning = new QGroupBox(tr("Planning"), this);
    auto* planningForm = new QFormLayout(planning);
    const auto hours = [planning](const QString& name) {
        auto* edit = new QTimeEdit(planning);
        // Hours first in a right-to-left window too, in the locale's digits
        // ("٠٩:٠٠"): a time edit lays out its sections in the direction it
        // has when its format is set, so the direction comes first.
        edit->setLayoutDirection(Qt::LeftToRight);
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
        edit->setAccessibleName(name);
        return edit;
    };
    m_workFrom = hours(tr("Working hours from"));
    m_workTo = hours(tr("Working hours to"));
    m_awakeFrom = hours(tr("Awake from"));
    m_awakeTo = hours(tr("Awake to"));
    const auto span = [](QTimeEdit* from, QTimeEdit* to) {
        auto* row = new QHBoxLayout;
        //: Working or awake hours: %1 and %2 are the fields of their start and end times
        Controls::fieldsInSentence(row, tr("%1 to %2", "hours"), from, to);
        row->addStretch(1);
        return row;
    };
    // A row of two fields: its label's mnemonic leads to the first.
    const auto spanLabel = [planning](SettingKey key, QWidget* first) {
        auto* label = new QLabel(settingLabel(key), planning);
        label->setBuddy(first);
        return label;
    };
    planningForm->addRow(spanLabel(SettingKey::defaultWorkingHours, m_workFrom), span(m_workFrom, m_workTo));
    planningForm->addRow(spanLabel(SettingKey::awakeHours, m_awakeFrom), span(m_awakeFrom, m_awakeTo));
    m_step = new QComboBox(planning);
    for (const int minutes : {15, 30, 60})
        m_step->addItem(tr("%n minutes", nullptr, minutes), minutes);
    m_step->setAccessibleName(tr("Time step"));
    planningForm->addRow(settingLabel(SettingKey::timeStepMinutes), m_step);
    m_showsOffset = flagBox(SettingKey::showsOffsetFromHome, planning);
    planningForm->addRow(m_showsOffset);
    layout->addWidget(planning);

    //: Heading of Settings' group of software updates
    auto* updates = new QGroupBox(tr("Updates"), this);
    auto* updatesLayout = new QVBoxLayout(updates);
    m_checksAutomatically = new QCheckBox(tr("Check for &updates automatically"), updates);
    updatesLayout->addWidget(m_checksAutomatically);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    m_checkNow = new QPushButton(tr("Check &Now"), updates);
    m_busy = Controls::busyIndicator(updates);
    m_status = new QLabel(updates);
    m_status->setFont(Controls::scaled(font(), Controls::callout));
    m_status->setForegroundRole(QPalette::PlaceholderText);
    m_status->setWordWrap(true);
    m_status->setMaximumHeight(2 * QFontMetrics(m_status->font()).lineSpacing() + 2);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: Button: shows the waiting update
    m_show = new QPushButton(tr("S&how…"), updates);
    row->addWidget(m_checkNow);
    row->addWidget(m_busy);
    row->addWidget(m_status, 1);
    row->addWidget(m_show);
    updatesLayout->addLayout(row);
    layout->addWidget(updates);
    if (calendars) {
        layout->addWidget(new CalendarSettings(*calendars, this));
        // The list shows once there is a calendar in it.
        connect(&calendars->list(), &CalendarList::changed, this, &SettingsWindow::fitToContent, Qt::QueuedConnection);
    }
    if (!m_updater.selfUpdating()) {
        // A packaged copy: the controls would only promise what never happens.
        for (QWidget* control : std::initializer_list<QWidget*>{m_checksAutomatically, m_checkNow, m_status, m_show})
            control->hide();
        auto* packaged = new QLabel(tr("Updates to Horavia come from your package manager."), updates);
        packaged->setWordWrap(true);
        updatesLayout->addWidget(packaged);
    }

    connect(m_trayDisplay, &QComboBox::activated, this,
            [this] { m_settings.set(SettingKey::trayDisplay, TrayDisplay(m_trayDisplay->currentData().toInt())); });
    connect(m_timeFormat, &QComboBox::activated, this,
            [this] { m_settings.set(SettingKey::timeFormat, TimeFormat(m_timeFormat->currentData().toInt())); });
    connect(m_dateFormat, &QComboBox::activated, this,
            [this] { m_settings.set(SettingKey::dateFormat, DateFormat(m_dateFormat->currentData().toInt())); });
    connect(m_step, &QComboBox::activated, this,
            [this] { m_settings.set(SettingKey::timeStepMinutes, m_step->currentData().toInt()); });
    // Written when a field is left or Return pressed, not at every digit typed.
    for (QTimeEdit* edit : {m_workFrom, m_workTo})
        connect(edit, &QTimeEdit::editingFinished, this, [this] {
            m_settings.set(SettingKey::defaultWorkingHours, TimeRange{m_workFrom->time(), m_workTo->time()});
        });
    for (QTimeEdit* edit : {m_awakeFrom, m_awakeTo})
        connect(edit, &QTimeEdit::editingFinished, this, [this] {
            m_settings.set(SettingKey::awakeHours, TimeRange{m_awakeFrom->time(), m_awakeTo->time()});
        });
    connect(m_opensAtLogin, &QCheckBox::clicked, this, &SettingsWindow::setOpensAtLogin);
    connect(m_checksAutomatically, &QCheckBox::clicked, &m_updater, &Updater::setChecksAutomatically);
    connect(m_checkNow, &QPushButton::clicked, this, [this] { m_updater.check(true); });
    connect(m_show, &QPushButton::clicked, showUpdate, &QAction::trigger);

    // The window shows every setting that has a label.
    connect(&m_settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (settingRow(key).label || key == SettingKey::cityWorkingHours) refreshSettings();
    });
    connect(&m_settings, &AppSettings::lastWriteFailedChanged, this,
            [this] { m_writeFailure->setVisible(m_settings.lastWriteFailed()); });
    connect(&m_updater, &Updater::phaseChanged, this, &SettingsWindow::refreshUpdates);
    connect(&m_updater, &Updater::checksAutomaticallyChanged, this, &SettingsWindow::refreshUpdates);
    // The preview follows the clock only while the window is on screen.
    connect(&m_time, &DisplayedTime::instantChanged, this, [this] {
        if (isVisible()) refreshPreview();
    });
    // Closed from the keyboard as the other windows are; Escape in
    // keyPressEvent, so that an open drop-down takes it first.
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    refreshSettings();
    refreshUpdates();
}

void SettingsWindow::keyPressEvent(QKeyEvent* event)
{
    // Here only what no control took: a drop-down or a field's menu closes itself first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

SettingsWindow::~SettingsWindow()
{
    // A field with the focus finishes its editing as the window's widgets
    // go, after this window is gone: nothing of it may be written then.
    for (QTimeEdit* edit : hourFields())
        edit->disconnect(this);
}

void SettingsWindow::showEvent(QShowEvent* event)
{
    if (!m_wheelGuarded) {
        m_wheelGuarded = true;
        const QList<QWidget*> controls = m_scroll->widget()->findChildren<QWidget*>();
        for (QWidget* control : controls)
            if (qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QComboBox*>(control)) {
                control->setFocusPolicy(Qt::StrongFocus);
                control->installEventFilter(this);
            }
    }
    // The desktop's session settings may have changed the entry meanwhile.
    m_opensAtLogin->setChecked(m_loginItem.isEnabled());
    refreshPreview();
    QWidget::showEvent(event);
}

QCheckBox* SettingsWindow::flagBox(SettingKey key, QWidget* parent)
{
    auto* box = new QCheckBox(settingLabel(key), parent);
    connect(box, &QCheckBox::clicked, &m_settings, [this, key](bool checked) { m_settings.set(key, checked); });
    m_flagBoxes.append({key, box});
    return box;
}

void SettingsWindow::refreshSettings()
{
    m_timeFormat->setCurrentIndex(m_timeFormat->findData(int(m_settings.value<TimeFormat>(SettingKey::timeFormat))));
    m_dateFormat->setCurrentIndex(m_dateFormat->findData(int(m_settings.value<DateFormat>(SettingKey::dateFormat))));
    for (const auto& [key, box] : std::as_const(m_flagBoxes))
        box->setChecked(m_settings.value<bool>(key));
    m_step->setCurrentIndex(m_step->findData(m_settings.value<int>(SettingKey::timeStepMinutes)));
    m_workFrom->setTime(m_settings.value<TimeRange>(SettingKey::defaultWorkingHours).from);
    m_workTo->setTime(m_settings.value<TimeRange>(SettingKey::defaultWorkingHours).to);
    m_awakeFrom->setTime(m_settings.value<TimeRange>(SettingKey::awakeHours).from);
    m_awakeTo->setTime(m_settings.value<TimeRange>(SettingKey::awakeHours).to);
    m_trayDisplay->setCurrentIndex(
        m_trayDisplay->findData(int(m_settings.value<TrayDisplay>(SettingKey::trayDisplay))));
    m_trayDisplay->setEnabled(m_settings.value<bool>(SettingKey::showsMenuBarItem));
    // Whichever of the two is the only one left on cannot be switched off.
    m_showsMenuBarItem->setEnabled(m_settings.mayHideMenuBarItem());
    m_showsDockIcon->setEnabled(m_settings.mayHideDockIcon() && ActivationPolicies::controlsTaskbarEntry());
    // Where the desktop lists every window, the box says what is so.
    if (!ActivationPolicies::controlsTaskbarEntry()) m_showsDockIcon->setChecked(true);
    refreshPreview();
}

void SettingsWindow::setGlobalShortcut(GlobalShortcut* shortcut)
{
    m_shortcut = shortcut;
    if (shortcut) {
        connect(shortcut, &GlobalShortcut::availableChanged, this, &SettingsWindow::refreshShortcut);
        connect(shortcut, &GlobalShortcut::triggerChanged, this, &SettingsWindow::refreshShortcut);
    }
    refreshShortcut();
}

void SettingsWindow::refreshShortcut()
{
    const bool bound = m_shortcut && m_shortcut->isAvailable();
    QString text;
    QString shown;
    if (!bound) {
        // The command is no text to translate, read left to right in every
        // language and kept on one line where the sentence wraps.
        const QString command = QStringLiteral("horavia --toggle");
        //: %1 is the command itself, "horavia --toggle"
        const QString sentence = tr("To open the clocks from the keyboard, bind the command “%1” to a key in your "
                                    "desktop's keyboard settings.");
        text = sentence.arg(LocaleText::isolated(command));
        shown = sentence.toHtmlEscaped().arg(QStringLiteral("<nobr>%1</nobr>").arg(LocaleText::isolated(command)));
    } else if (m_shortcut->trigger().isEmpty()) {
        text = tr("Show Clocks: no key yet");
    } else {
        //: %1 the key that opens the clocks
        text = tr("Show Clocks: %1").arg(m_shortcut->trigger());
    }
    m_shortcutText->setTextFormat(shown.isEmpty() ? Qt::PlainText : Qt::RichText);
    m_shortcutText->setText(shown.isEmpty() ? text : shown);
    m_shortcutText->setAccessibleName(text);
    m_changeShortcut->setVisible(bound);
}

void SettingsWindow::setOpensAtLogin(bool opens)
{
    const std::optional<QString> failure = m_loginItem.setEnabled(opens);
    m_opensAtLogin->setChecked(m_loginItem.isEnabled());
    if (!failure) return;
    qWarning("Open at login: %s", qPrintable(*failure));
    QMessageBox::warning(this, tr("Open at Login"),
                         //: %1 the reason
                         tr("Horavia couldn't change whether it opens at login.\n\n%1").arg(*failure));
}

void SettingsWindow::refreshPreview()
{
    const ClockFormatter formatter(m_settings.value<TimeFormat>(SettingKey::timeFormat),
                                   m_settings.value<DateFormat>(SettingKey::dateFormat), m_time.homeZone(),
                                   SystemLocale::current());
    const QDateTime now = m_time.instant();
    const QTimeZone home = formatter.homeTimeZone();
    //: The date format's preview: %1 a time, %2 its day as a line of clocks says it ("9:30 AM tomorrow")
    m_preview->setText(tr("A city a day ahead reads: %1 %2")
                           .arg(formatter.timeText(now, home),
                                formatter.dayLabel(1, now.addSecs(86400), home, DayLabelPlace::inLine)));
}

void SettingsWindow::refreshUpdates()
{
    const Updater::Phase phase = m_updater.phase();
    // A copy that can't update itself says why, and promises no checks.
    const bool can = m_updater.canReplaceItself();
    m_checksAutomatically->setChecked(can && m_updater.checksAutomatically());
    m_checksAutomatically->setEnabled(can);
    m_checkNow->setEnabled(!phase.isBusy() && can);
    m_busy->setVisible(phase.isBusy() && m_updater.selfUpdating());
    m_status->setText(statusText(phase));
    m_show->setVisible(phase.kind == Updater::Phase::Kind::available);
    fitToContent();
}

void SettingsWindow::fitToContent()
{
    // 430 wide; the height follows the content (a status of two lines), up
    // to the screen's, less room for the window's frame.
    QLayout* layout = m_scroll->widget()->layout();
    layout->activate();
    const int content =
        layout->hasHeightForWidth() ? layout->totalHeightForWidth(width()) : layout->totalSizeHint().height();
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    const int room = where ? where->availableGeometry().height() - 60 : content;
    setFixedHeight(std::min(content, room));
    // A scroll bar takes its room beside the sections, not from them.
    setFixedWidth(contentWidth + (content > room ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0));
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel scrolls the sections; it changes a field or a choice only
    // once that has the focus, as a click or a Tab gives it.
    if (event->type() == QEvent::Wheel) {
        auto* control = qobject_cast<QWidget*>(watched);
        if (control && !control->hasFocus()) {
            QCoreApplication::sendEvent(m_scroll->viewport(), event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
