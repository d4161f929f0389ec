#pragma once

#include "SunTimes.h"
#include "catalogue/City.h"
#include "planning/Schedule.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>

class AppSettings;
class CityDatabase;
struct ClockRowContent;

// One row of a clock list: the user's own zone first (when shown), then each
// tracked city in the settings' order.
struct ClockEntry {
    enum class Kind { home, tracked };

    QString id; // the city's id, or "home" for a home row without a tracked city
    QString title;
    std::optional<QString> originalName; // the city's own name when title is a custom label
    // The catalogue's name when title is the place's name in the user's
    // language ("Tokyo, Tokyo" beside "東京, 日本"): what scripts read.
    std::optional<QString> catalogueTitle;
    std::optional<QString> emoji;
    QTimeZone timeZone;
    Kind kind = Kind::tracked;
    std::optional<City> city;   // none for a home row without a tracked city
    Schedule schedule;          // the working hours and week of its place
    std::optional<Place> place; // the city's, or for a home row the first catalogue city in its zone

    friend bool operator==(const ClockEntry&, const ClockEntry&) = default;

    // What its row shows at `now`: the one mapping from an entry to a row.
    ClockRowContent rowContent(const QDateTime& now, bool showsOffset) const;
    // The entry a catalogue city would have if tracked, for rows of cities
    // that are not (search results).
    static ClockEntry forCity(const AppSettings& settings, const City& city);

    // The rows for the settings at `now`; `homeTimeZone` is the system's zone.
    static QList<ClockEntry> entries(const AppSettings& settings, const QDateTime& now, const QTimeZone& homeTimeZone,
                                     const CityDatabase& database);
};
