#pragma once

#include "SettingsTypes.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>

// Every stored choice, in the order of the table below.
enum class SettingKey {
    trackedCityIDs,
    manualOrder,
    sortMode,
    timeFormat,
    dateFormat,
    showsHomeZone,
    showsMenuBarItem,
    showsDockIcon,
    showsFlags,
    customCityLabels,
    customCityEmoji,
    cityWorkingHours,
    defaultWorkingHours,
    awakeHours,
    timeStepMinutes,
    showsOffsetFromHome,
    trayDisplay,
    trayCityIDs,
};

// How a value is stored, and what it must be to be read back. Whatever does
// not read (another type, an unknown word, a number that is no step) loads as
// the key's default and is never written back on its own.
enum class SettingType {
    cityIds,     // a list of texts; at most `most` of them, each once, where the row bounds it
    choice,      // one of an enumeration's raw values, letter case and all
    flag,        // true or false, not the words
    textsByCity, // text by city id; one value that is not text makes the whole map unreadable
    timeRange,   // "09:00-17:00"
    minutes,     // 15, 30 or 60, as a number
};

// What a change touches, so that each observer hears only what it shows.
namespace SettingEffect {
constexpr unsigned rows = 1;   // which clocks, in which order
constexpr unsigned names = 2;  // a city's title, emoji or flag
constexpr unsigned texts = 4;  // how times and days are written
constexpr unsigned hours = 8;  // working and waking hours
constexpr unsigned shell = 16; // the tray icon and the taskbar entry
constexpr unsigned grid = 32;  // the time cursor's step
constexpr unsigned tray = 64;  // what the tray shows beside or as its icon
} // namespace SettingEffect

struct SettingRow {
    SettingKey key;
    const char* name; // the preference key: part of the file format, never changed
    SettingType type;
    // The default as stored. Empty for the two lists worked out at launch: the
    // tracked cities (from the catalogue) and the manual order (the tracked
    // cities); every other empty list or map is empty.
    const char* fallback;
    const char* label; // the settings window's text for it, untranslated; none where it shows none
    unsigned effects;
    bool (*isChoice)(const QString&) = nullptr; // a choice's raw values
    int most = 0;                               // a list's bound; none when 0
};

inline constexpr SettingRow settingsTable[] = {
    {SettingKey::trackedCityIDs, "trackedCityIDs", SettingType::cityIds, "", nullptr, SettingEffect::rows},
    {SettingKey::manualOrder, "manualOrder", SettingType::cityIds, "", nullptr, SettingEffect::rows},
    {SettingKey::sortMode, "sortMode", SettingType::choice, "time", nullptr, SettingEffect::rows, isRawValue<SortMode>},
    //: Label of the choice of time format
    {SettingKey::timeFormat, "timeFormat", SettingType::choice, "system", QT_TRANSLATE_NOOP("Settings", "&Time:"),
     SettingEffect::texts, isRawValue<TimeFormat>},
    {SettingKey::dateFormat, "dateFormat", SettingType::choice, "relative",
     //: Label of the choice of how a day other than today is written
     QT_TRANSLATE_NOOP("Settings", "Other &days:"), SettingEffect::texts, isRawValue<DateFormat>},
    {SettingKey::showsHomeZone, "showsHomeZone", SettingType::flag, "true",
     QT_TRANSLATE_NOOP("Settings", "Show my time &zone at the top"), SettingEffect::rows},
    {SettingKey::showsMenuBarItem, "showsMenuBarItem", SettingType::flag, "true",
     QT_TRANSLATE_NOOP("Settings", "Show in system t&ray"), SettingEffect::shell},
    {SettingKey::showsDockIcon, "showsDockIcon", SettingType::flag, "true",
     QT_TRANSLATE_NOOP("Settings", "Show in task&bar"), SettingEffect::shell},
    {SettingKey::showsFlags, "showsFlags", SettingType::flag, "true",
     QT_TRANSLATE_NOOP("Settings", "Show fla&gs beside city names"), SettingEffect::names},
    {SettingKey::customCityLabels, "customCityLabels", SettingType::textsByCity, "", nullptr, SettingEffect::names},
    {SettingKey::customCityEmoji, "customCityEmoji", SettingType::textsByCity, "", nullptr, SettingEffect::names},
    // An entry that is no range leaves its city on the default.
    {SettingKey::cityWorkingHours, "cityWorkingHours", SettingType::textsByCity, "", nullptr, SettingEffect::hours},
    {SettingKey::defaultWorkingHours, "defaultWorkingHours", SettingType::timeRange, "09:00-17:00",
     QT_TRANSLATE_NOOP("Settings", "&Working hours:"), SettingEffect::hours},
    {SettingKey::awakeHours, "awakeHours", SettingType::timeRange, "07:00-22:00",
     QT_TRANSLATE_NOOP("Settings", "&Awake:"), SettingEffect::hours},
    {SettingKey::timeStepMinutes, "timeStepMinutes", SettingType::minutes, "30",
     //: Label of the choice of how far one step moves the chosen time
     QT_TRANSLATE_NOOP("Settings", "Time ste&p:"), SettingEffect::grid},
    {SettingKey::showsOffsetFromHome, "showsOffsetFromHome", SettingType::flag, "true",
     QT_TRANSLATE_NOOP("Settings", "Show offs&et from my time"), SettingEffect::texts},
    {SettingKey::trayDisplay, "trayDisplay", SettingType::choice, "icon",
     //: Label of the choice of what the system tray shows
     QT_TRANSLATE_NOOP("Settings", "&In the tray, show:"), SettingEffect::tray, isRawValue<TrayDisplay>},
    // None: the home zone.
    {SettingKey::trayCityIDs, "trayCityIDs", SettingType::cityIds, "", nullptr, SettingEffect::tray, nullptr, 3},
};

inline constexpr int settingCount = int(std::size(settingsTable));

constexpr const SettingRow& settingRow(SettingKey key)
{
    return settingsTable[int(key)];
}

// The table lists each key in its place.
consteval bool tableInOrder()
{
    for (int i = 0; i < settingCount; ++i)
        if (int(settingsTable[i].key) != i) return false;
    return true;
}
static_assert(tableInOrder());

inline QString keyName(SettingKey key)
{
    return QString::fromLatin1(settingRow(key).name);
}

inline QString settingLabel(SettingKey key)
{
    return QCoreApplication::translate("Settings", settingRow(key).label);
}
