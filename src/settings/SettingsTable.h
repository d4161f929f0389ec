#pragma once

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

enum class SettingType { cityIds, choice, flag, textsByCity, timeRange, minutes };

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
    const char* fallback;   // the default as stored; empty for one worked out at launch
    const char* unreadable; // what a stored value of the wrong type or form becomes
    const char* label;      // the settings window's text for it, untranslated; none where it shows none
    unsigned effects;
};

inline constexpr SettingRow settingsTable[] = {
    {SettingKey::trackedCityIDs, "trackedCityIDs", SettingType::cityIds, "",
     "the default cities (New York City, Chicago, Los Angeles, London, Melbourne)", nullptr, SettingEffect::rows},
    {SettingKey::manualOrder, "manualOrder", SettingType::cityIds, "", "the tracked cities' order", nullptr,
     SettingEffect::rows},
    {SettingKey::sortMode, "sortMode", SettingType::choice, "time", "the default", nullptr, SettingEffect::rows},
    {SettingKey::timeFormat, "timeFormat", SettingType::choice, "system", "the default",
     QT_TRANSLATE_NOOP("Settings", "Time:"), SettingEffect::texts},
    {SettingKey::dateFormat, "dateFormat", SettingType::choice, "relative", "the default",
     QT_TRANSLATE_NOOP("Settings", "Other days:"), SettingEffect::texts},
    {SettingKey::showsHomeZone, "showsHomeZone", SettingType::flag, "true", "the default",
     QT_TRANSLATE_NOOP("Settings", "Show my time zone at the top"), SettingEffect::rows},
    {SettingKey::showsMenuBarItem, "showsMenuBarItem", SettingType::flag, "true", "the default",
     QT_TRANSLATE_NOOP("Settings", "Show in system tray"), SettingEffect::shell},
    {SettingKey::showsDockIcon, "showsDockIcon", SettingType::flag, "true", "the default",
     QT_TRANSLATE_NOOP("Settings", "Show in taskbar"), SettingEffect::shell},
    {SettingKey::showsFlags, "showsFlags", SettingType::flag, "true", "the default",
     QT_TRANSLATE_NOOP("Settings", "Show flags beside city names"), SettingEffect::names},
    {SettingKey::customCityLabels, "customCityLabels", SettingType::textsByCity, "", "none, when any value is not text",
     nullptr, SettingEffect::names},
    {SettingKey::customCityEmoji, "customCityEmoji", SettingType::textsByCity, "", "none, when any value is not text",
     nullptr, SettingEffect::names},
    {SettingKey::cityWorkingHours, "cityWorkingHours", SettingType::textsByCity, "",
     "none, when any value is not text; an unreadable city's entry is the default", nullptr, SettingEffect::hours},
    {SettingKey::defaultWorkingHours, "defaultWorkingHours", SettingType::timeRange, "09:00-17:00", "the default",
     QT_TRANSLATE_NOOP("Settings", "Working hours:"), SettingEffect::hours},
    {SettingKey::awakeHours, "awakeHours", SettingType::timeRange, "07:00-22:00", "the default",
     QT_TRANSLATE_NOOP("Settings", "Awake:"), SettingEffect::hours},
    {SettingKey::timeStepMinutes, "timeStepMinutes", SettingType::minutes, "30",
     "the default, for anything but the numbers 15, 30 and 60", QT_TRANSLATE_NOOP("Settings", "Time step:"),
     SettingEffect::grid},
    {SettingKey::showsOffsetFromHome, "showsOffsetFromHome", SettingType::flag, "true", "the default",
     QT_TRANSLATE_NOOP("Settings", "Show offset from my time"), SettingEffect::texts},
    {SettingKey::trayDisplay, "trayDisplay", SettingType::choice, "icon", "the default",
     QT_TRANSLATE_NOOP("Settings", "In the tray, show:"), SettingEffect::tray},
    {SettingKey::trayCityIDs, "trayCityIDs", SettingType::cityIds, "", "none: the home zone", nullptr,
     SettingEffect::tray},
};

constexpr const SettingRow& settingRow(SettingKey key)
{
    return settingsTable[int(key)];
}

// The table lists each key in its place.
consteval bool tableInOrder()
{
    for (int i = 0; i < int(std::size(settingsTable)); ++i)
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
