#pragma once

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
    const char* label; // shown by the pickers (the dates' in the user's own format instead)
};

inline constexpr EnumCase<TimeFormat> timeFormatCases[] = {
    {TimeFormat::system, "system", "Match System"},
    {TimeFormat::twelveHour, "twelveHour", "12-Hour"},
    {TimeFormat::twentyFourHour, "twentyFourHour", "24-Hour"},
};
inline constexpr EnumCase<DateFormat> dateFormatCases[] = {
    {DateFormat::relative, "relative", "Yesterday / Tomorrow"},
    {DateFormat::abbreviated, "abbreviated", "Sat, Sep 12"},
    {DateFormat::numeric, "numeric", "9/12"},
};
inline constexpr EnumCase<SortMode> sortModeCases[] = {
    {SortMode::time, "time", "By Time"},
    {SortMode::alphabetical, "alphabetical", "Alphabetically"},
    {SortMode::manual, "manual", "Custom"},
};

inline constexpr EnumCase<TrayDisplay> trayDisplayCases[] = {
    {TrayDisplay::icon, "icon", "Icon"},
    {TrayDisplay::timeBesideIcon, "timeBesideIcon", "Time beside the icon"},
    {TrayDisplay::timeAsIcon, "timeAsIcon", "Time as the icon"},
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

template <typename Enum> QString label(Enum value)
{
    for (const auto& c : enumCases(value))
        if (c.value == value) return QString::fromUtf8(c.label);
    return {};
}

// Exact, case-sensitive match of a raw value; none for anything else.
template <typename Enum> std::optional<Enum> fromRawValue(const QString& raw)
{
    for (const auto& c : enumCases(Enum{}))
        if (raw == QLatin1String(c.rawValue)) return c.value;
    return std::nullopt;
}
