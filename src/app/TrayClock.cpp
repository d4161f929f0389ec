#include "TrayClock.h"

#include "Tray.h"
#include "clock/Clock.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "settings/AppSettings.h"

TrayClock::TrayClock(Tray& tray, const AppSettings& settings, const Clock& clock, const DisplayedTime& time,
                     const ClockEntries& entries, QObject* parent)
    : QObject(parent)
    , m_tray(tray)
    , m_settings(settings)
    , m_clock(clock)
    , m_time(time)
    , m_entries(entries)
{
    settings.whenChanged(SettingEffect::tray, this, [this] { refreshSoon(); });
    connect(&clock, &Clock::nowChanged, this, &TrayClock::refreshSoon);
    connect(&entries, &ClockEntries::listChanged, this, &TrayClock::refreshSoon);
    connect(&entries, &ClockEntries::textsChanged, this, &TrayClock::refreshSoon);
    connect(&time, &DisplayedTime::liveChanged, this, &TrayClock::refreshSoon);
}

void TrayClock::refreshSoon()
{
    // A live tick arrives as the clock's change and as the rows': the tray
    // is refreshed once for both, when the event loop is next free.
    if (m_queued) return;
    m_queued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_queued = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void TrayClock::refresh()
{
    // A time set with the wheel over the item shows there too, marked.
    QStringList lines = m_entries.glanceLines(m_time.isLive() ? m_clock.now() : m_time.instant());
    if (!m_time.isLive() && !lines.isEmpty()) lines.first().prepend(QStringLiteral("◷ "));
    m_tray.setToolTip(lines.isEmpty() ? QStringLiteral("Horavia") : lines.join(QLatin1Char('\n')));
    const auto display = m_settings.value<TrayDisplay>(SettingKey::trayDisplay);
    const ClockEntries::TrayTimes times =
        display == TrayDisplay::icon ? ClockEntries::TrayTimes() : m_entries.trayTimes();
    if (display == TrayDisplay::timeBesideIcon)
        m_tray.setLabel(times.text, times.guide);
    else
        m_tray.setLabel(QString(), QString());
    m_tray.setTimeIcon(display == TrayDisplay::timeAsIcon ? times.first : QString(), !m_time.isLive());
}
