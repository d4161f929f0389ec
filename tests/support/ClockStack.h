#pragma once

#include "ManualTimer.h"
#include "clock/Clock.h"
#include "clock/ClockEntries.h"
#include "clock/DisplayedTime.h"
#include "settings/AppSettings.h"

// What every clock view reads, at a wall time the test sets and moves with
// tick(): the settings, the clock, the displayed time and the shared rows.
// `home` stands for the system's zone.
struct ClockStack {
    ClockStack(Preferences& store, const CityDatabase& database,
               const QDateTime& start = QDateTime::fromSecsSinceEpoch(1768478400, QTimeZone::utc()), // 2026-01-15 12:00
               const QTimeZone& systemZone = QTimeZone::systemTimeZone())
        : home(systemZone)
        , wall(start)
        , timer(new ManualTimer)
        , settings(store, database)
        , clock(
              start, [this] { return wall; }, std::unique_ptr<ContinuousTimer>(timer))
        , time(
              clock, [this] { return settings.value<int>(SettingKey::timeStepMinutes); }, [this] { return this->home; })
        , entries(settings, database, time)
    {
    }

    void tick(qint64 seconds = 60)
    {
        wall = wall.addSecs(seconds);
        timer->fire();
    }

    QTimeZone home;
    QDateTime wall;
    ManualTimer* timer;
    AppSettings settings;
    Clock clock;
    DisplayedTime time;
    ClockEntries entries;
};
