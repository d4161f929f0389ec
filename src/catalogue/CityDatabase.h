#pragma once

#include "CatalogueIndex.h"
#include "City.h"
#include "TextFolder.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <unicode/locid.h>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// The city catalogue: the universal-time entry followed by the catalogue
// file's records in file order. Read from the prebuilt index beside the file
// (the same name ending in ".index") when that index is whole, current and
// folded by this locale's rules; else built from the file. Immutable after
// construction apart from caches it fills under a lock, so it may be read
// from any thread. Time zones are opened, and their names looked up, when
// first needed.
class CityDatabase {
public:
    // Where the catalogue came from.
    enum class Origin { none, index, catalogue };

    // A catalogue file that is missing or unreadable gives an empty database
    // (no cities at all, not even universal time). Folding and zone names use
    // the given locale for the life of the database.
    explicit CityDatabase(const QString& catalogueFile, const icu::Locale& locale);
    // As above, in the user's current locale.
    explicit CityDatabase(const QString& catalogueFile);
    ~CityDatabase();
    CityDatabase(const CityDatabase&) = delete;
    CityDatabase& operator=(const CityDatabase&) = delete;

    // The catalogue shipped in the application's resources, loaded on first use.
    static const CityDatabase& shared();
    // The prebuilt index that belongs to a catalogue file.
    static QString indexFileFor(const QString& catalogueFile);

    Origin origin() const { return m_origin; }
    qsizetype size() const { return m_view ? m_view->cityCount() : 0; }
    bool isEmpty() const { return size() == 0; }
    // The city at a position in catalogue order (0 is universal time).
    City city(qsizetype index) const;
    // The first record with this id.
    std::optional<City> find(const QString& id) const;
    // The first record with this name, or whose zone is this identifier.
    std::optional<City> firstNamed(QStringView name) const;
    std::optional<City> firstInZone(QStringView identifier) const;

    // Records whose folded texts contain the folded query, best first: a match
    // at the start of the name, then at the start of another text (region,
    // country, alias, the zone's localized name), then inside the name, then
    // inside another text; catalogue order among equals. The query is not
    // trimmed. A query written as a zone brings that zone's cities too: an
    // identifier ("Asia/Kolkata"), an offset from UTC at `at` ("UTC+5:30",
    // "GMT-3", "+0545") or an abbreviation the zone uses at `at` or half a
    // year on ("IST"); for the last two each zone's first city leads the
    // list. A zone's last part ("Kolkata") brings its cities only when no
    // name holds the query.
    QList<City> search(const QString& query, qsizetype limit,
                       const QDateTime& at = QDateTime::currentDateTimeUtc()) const;

    // Cities nearest to a point (degrees), nearest first, never the
    // universal-time entry: all of those within radiusKm, but at least
    // `minimum` and at most `maximum`. No trigonometry per city: each has a
    // point on the unit sphere, and the straight-line distance between two
    // such points orders them as the great-circle one does.
    QList<City> nearestCities(double latitude, double longitude, double radiusKm, qsizetype minimum,
                              qsizetype maximum) const;

    // Looks up the zones' names and opens their rules now, so that the first
    // search need not; searches do it themselves when it has not been done.
    void prepareSearch() const;
    // Hands the mapped index's pages back to the file cache (after the
    // checksum, and once start-up's lookups are done); they return as used.
    void releasePages() const;

private:
    bool openIndex(const QString& indexFile, const QString& catalogueFile, CatalogueIndex::Folding folding);
    void buildFromCatalogue(const QString& catalogueFile, CatalogueIndex::Folding folding);
    QTimeZone zone(quint32 index) const;
    const std::vector<QString>& zoneNames() const;
    QList<City> citiesAt(const QList<qsizetype>& positions) const;
    // Each zone's score for the query; empty when no zone name holds it.
    std::vector<int> zoneScores(const QString& folded) const;
    // `starting`: set to how many of the results match at the start of a text.
    QList<qsizetype> searchByText(const QString& folded, qsizetype limit, qsizetype* starting) const;
    QList<qsizetype> searchByPairs(const QString& folded, qsizetype limit, qsizetype* starting) const;
    struct ZoneMatches {
        QList<qsizetype> cities;           // of the zones `query` names, in catalogue order
        bool writtenAsZone = false;        // an identifier, an offset or an abbreviation in use
        bool representativesFirst = false; // it may name many zones: an offset or an abbreviation
    };
    ZoneMatches zoneMatches(const QString& query, const QDateTime& at) const;

    icu::Locale m_locale;
    TextFolder m_folder;
    Origin m_origin = Origin::none;
    QFile m_indexFile;  // mapped, when the prebuilt index is used
    QByteArray m_built; // else the image built from the catalogue file
    std::optional<CatalogueIndex::View> m_view;

    mutable std::mutex m_zonesLock;
    mutable std::vector<std::optional<QTimeZone>> m_zones; // by zone index, opened on first use
    mutable std::once_flag m_zoneNamesOnce;
    mutable std::vector<QString> m_zoneNames; // folded, by zone index
    // The places ICU names in the database's language, unlike English (the
    // zones' namesake cities, "Tokio"), folded, with their records: what
    // the search adds. Empty in English; made at the first search.
    struct LocalNames {
        std::vector<std::pair<QString, qsizetype>> folded;
    };
    const LocalNames& localNames() const;
    // A zone's city as English and the database's language name it, where
    // they differ; looked up once per zone, as its cities are first shown.
    std::optional<std::pair<QString, QString>> zoneCity(quint32 zone) const;
    // The record's name in the language with its country, or empty.
    QString localNameOf(qsizetype index) const;
    mutable std::vector<std::optional<std::optional<std::pair<QString, QString>>>> m_zoneCities; // by zone index
    mutable std::once_flag m_localNamesOnce;
    mutable LocalNames m_localNames;
    // The first record of each zone, found in one pass: the home row asks at every tick.
    mutable std::once_flag m_firstInZoneOnce;
    mutable QHash<QString, qsizetype> m_firstInZone;
};
