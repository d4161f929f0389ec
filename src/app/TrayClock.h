#pragma once

#include <QObject>

class AppSettings;
class Clock;
class ClockEntries;
class DisplayedTime;
class Tray;

// What the tray shows of the clocks: the tooltip, and the time beside the
// icon or as the icon. Refreshed at the minute's tick, a step, a new list or
// format, nothing else, and once for a tick that arrives as several changes.
class TrayClock : public QObject {
    Q_OBJECT

public:
    TrayClock(Tray& tray, const AppSettings& settings, const Clock& clock, const DisplayedTime& time,
              const ClockEntries& entries, QObject* parent = nullptr);

    void refresh();

private:
    void refreshSoon();

    Tray& m_tray;
    const AppSettings& m_settings;
    const Clock& m_clock;
    const DisplayedTime& m_time;
    const ClockEntries& m_entries;
    bool m_queued = false;
};
