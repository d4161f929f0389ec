#pragma once

#include "City.h"
#include "TextFolder.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QStringView>

#include <unicode/locid.h>

#include <vector>

// Lookup of catalogue records by id, over the records the database holds.
class CityIndex {
public:
    CityIndex(const QList<City>& cities, const QHash<QString, qsizetype>& positions)
        : m_cities(cities)
        , m_positions(positions)
    {
    }
    // The record with this id, or null.
    const City* find(const QString& id) const
    {
        const auto it = m_positions.constFind(id);
        return it == m_positions.cend() ? nullptr : &m_cities.at(it.value());
    }
    bool contains(const QString& id) const { return m_positions.contains(id); }
    // The record with this id, or an empty record.
    City value(const QString& id) const
    {
        const City* city = find(id);
        return city ? *city : City();
    }
    qsizetype size() const { return m_positions.size(); }
    bool isEmpty() const { return m_positions.isEmpty(); }

private:
    const QList<City>& m_cities;
    const QHash<QString, qsizetype>& m_positions;
};

// The loaded city catalogue: the universal-time entry followed by the file's
// records in file order, an index by id, and the folded texts that text
// search matches against. Immutable after construction, so it may be read
// from any thread.
class CityDatabase {
public:
    // Loads the catalogue file; a file that is missing or unreadable gives an
    // empty database (no cities at all, not even universal time). Folding and
    // zone names use the given locale for the life of the database.
    explicit CityDatabase(const QString& catalogueFile, const icu::Locale& locale);
    // As above, in the user's current locale.
    explicit CityDatabase(const QString& catalogueFile);

    // The catalogue shipped in the application's resources, loaded on first use.
    static const CityDatabase& shared();

    const QList<City>& cities() const { return m_cities; }
    // For an id that occurs more than once, its first record.
    CityIndex citiesByID() const { return CityIndex(m_cities, m_positionsByID); }

    // Records whose folded texts contain the folded query, best first: a match
    // at the start of the name, then at the start of another text, then inside
    // the name, then inside another text; catalogue order among equals. The
    // query is not trimmed. After these come the cities of the zones the
    // query names: by identifier ("Asia/Kolkata", or its last part
    // "Kolkata"), by offset from UTC at `at` ("UTC+5:30", "GMT-3", "+0545")
    // or by the abbreviation in use at `at` ("IST").
    QList<City> search(const QString& query, qsizetype limit,
                       const QDateTime& at = QDateTime::currentDateTimeUtc()) const;

    // Cities nearest to a point (degrees), nearest first, never the
    // universal-time entry: all of those within radiusKm, but at least
    // `minimum` and at most `maximum`. No trigonometry per city: each has a
    // point on the unit sphere, made at load, and the straight-line distance
    // between two such points orders them as the great-circle one does.
    QList<City> nearestCities(double latitude, double longitude, double radiusKm, qsizetype minimum,
                              qsizetype maximum) const;

private:
    void load(const QString& catalogueFile, const icu::Locale& locale);
    void index(const icu::Locale& locale);
    QList<City> searchByText(const QString& query, qsizetype limit) const;
    QList<City> searchOneKeyAtATime(const QString& folded, qsizetype limit) const;
    // The positions of the cities of the zones `query` names, in catalogue order.
    QList<qsizetype> zoneMatches(const QString& query, const QDateTime& at) const;

    TextFolder m_folder;
    QList<City> m_cities;
    QHash<QString, qsizetype> m_positionsByID; // into m_cities
    // Every folded key in catalogue order, each followed by U+0000, so that one
    // scan of one buffer answers a query. m_keyStarts holds where each key
    // starts (and, last, the buffer's length); m_firstKeys the index of each
    // city's first key (and, last, the number of keys).
    QString m_searchText;
    QList<qsizetype> m_keyStarts;
    QList<qsizetype> m_firstKeys;
    // Per city, its point on the unit sphere; NaN for the universal-time entry.
    struct UnitVector {
        double x, y, z;
    };
    std::vector<UnitVector> m_unitVectors;
    // Each zone of the catalogue once, in order of first use, with its cities.
    struct ZoneGroup {
        QTimeZone zone;
        QString identifier; // lower case, spaces for underscores
        QString lastPart;   // the same of what follows the last "/"
        QList<qsizetype> cities;
    };
    std::vector<ZoneGroup> m_zoneGroups;
    static UnitVector unitVector(double latitude, double longitude);
};
