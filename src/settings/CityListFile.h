#pragma once

#include "planning/Schedule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class AppSettings;
class CityDatabase;
struct City;

// The tracked cities as a small versioned JSON file, to move them between
// machines: in their order, with labels, emoji and working hours.
//   {"format": "horavia-cities", "version": 1,
//    "cities": [{"id": "gn2988507", "label": "Mum", "emoji": "🥐", "workingHours": "09:00-17:00"}]}
// A file to import comes from anywhere: everything in it is checked, and
// what is refused is named.
namespace CityListFile {

constexpr qint64 largestFile = 256 * 1024;
constexpr qsizetype mostCities = 1000;
constexpr qsizetype longestLabel = 200;

struct Entry {
    QString id;
    std::optional<QString> label;
    std::optional<QString> emoji;
    std::optional<TimeRange> workingHours;
};

// The file for the cities in `order` (the list as the user sees it).
QByteArray write(const AppSettings& settings, const QList<City>& order);

struct Read {
    QList<Entry> entries; // known cities, each once, in the file's order
    QStringList skipped;  // what was left out, and why
    QString error;        // the whole file refused: not a list, too large, too many
};
Read read(const QByteArray& bytes, const CityDatabase& database);

// What importing `read` would do: the cities to add, and those whose label,
// emoji or working hours here differ from the file's (replaced only when
// the user agrees).
struct Changes {
    QStringList added;
    QStringList differing;
};
Changes compare(const Read& read, const AppSettings& settings);

// Adds the missing cities at the end, in the file's order, and sets the
// values the file gives where there are none here, or everywhere with
// `replaceDiffering`. One change of the settings, however many cities.
void apply(const Read& read, AppSettings& settings, bool replaceDiffering);

} // namespace CityListFile
