#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <span>

// Persisted by their raw value, which equals the case name; cases are listed
// in the order pickers show them.
enum class TimeFormat { system, twelveHour, twentyFourHour };
enum class DateFormat { relative, abbreviated, numeric };
enum class SortMode { time, alphabetical, manual };
enum class TrayDisplay { icon, timeBesideIcon, timeAsIcon };

template <typename Enum> struct EnumCase {
    Enum value;
    const char* rawValue;
    const char* label; // shown by the pickers (the dates' in the user's own format instead), untranslated
};

inline constexpr EnumCase<TimeFormat> timeFormatCases[] = {
    //: The time format the system sets
    {TimeFormat::system, "system", QT_TRANSLATE_NOOP("Settings", "Match System")},
    //: The time format with AM and PM
    {TimeFormat::twelveHour, "twelveHour", QT_TRANSLATE_NOOP("Settings", "12-Hour")},
    //: The time format from 0 to 23
    {TimeFormat::twentyFourHour, "twentyFourHour", QT_TRANSLATE_NOOP("Settings", "24-Hour")},
};
inline constexpr EnumCase<DateFormat> dateFormatCases[] = {
    //: Other days written as yesterday or tomorrow
    {DateFormat::relative, "relative", QT_TRANSLATE_NOOP("Settings", "Yesterday / Tomorrow")},
    // Settings shows these two as samples in the user's own format.
    {DateFormat::abbreviated, "abbreviated", "Sat, Sep 12"},
    {DateFormat::numeric, "numeric", "9/12"},
};
inline constexpr EnumCase<SortMode> sortModeCases[] = {
    //: Sort order of the cities: by their time
    {SortMode::time, "time", QT_TRANSLATE_NOOP("Settings", "By Time")},
    //: Sort order of the cities: by name
    {SortMode::alphabetical, "alphabetical", QT_TRANSLATE_NOOP("Settings", "Alphabetically")},
    //: Sort order of the cities: as the user placed them
    {SortMode::manual, "manual", QT_TRANSLATE_NOOP("Settings", "Custom")},
};

inline constexpr EnumCase<TrayDisplay> trayDisplayCases[] = {
    //: What the tray shows: the icon alone
    {TrayDisplay::icon, "icon", QT_TRANSLATE_NOOP("Settings", "Icon")},
    //: What the tray shows
    {TrayDisplay::timeBesideIcon, "timeBesideIcon", QT_TRANSLATE_NOOP("Settings", "Time beside the icon")},
    //: What the tray shows: the time drawn in place of the icon
    {TrayDisplay::timeAsIcon, "timeAsIcon", QT_TRANSLATE_NOOP("Settings", "Time as the icon")},
};

inline std::span<const EnumCase<TrayDisplay>> enumCases(TrayDisplay)
{
    return trayDisplayCases;
}
inline std::span<const EnumCase<TimeFormat>> enumCases(TimeFormat)
{
    return timeFormatCases;
}
inline std::span<const EnumCase<DateFormat>> enumCases(DateFormat)
{
    return dateFormatCases;
}
inline std::span<const EnumCase<SortMode>> enumCases(SortMode)
{
    return sortModeCases;
}

template <typename Enum> QString rawValue(Enum value)
{
    for (const auto& c : enumCases(value))
        if (c.value == value) return QString::fromLatin1(c.rawValue);
    return {};
}

// A picker's text for a case, in the interface's language.
template <typename Enum> QString choiceLabel(const EnumCase<Enum>& choice)
{
    return QCoreApplication::translate("Settings", choice.label);
}

template <typename Enum> QString label(Enum value)
{
    for (const auto& c : enumCases(value))
        if (c.value == value) return choiceLabel(c);
    return {};
}

// Exact, case-sensitive match of a raw value; none for anything else.
template <typename Enum> std::optional<Enum> fromRawValue(const QString& raw)
{
    for (const auto& c : enumCases(Enum{}))
        if (raw == QLatin1String(c.rawValue)) return c.value;
    return std::nullopt;
}

// Whether `raw` is one of the raw values; a settings table row's test of a stored choice.
template <typename Enum> bool isRawValue(const QString& raw)
{
    return fromRawValue<Enum>(raw).has_value();
}
