#pragma once

#include "City.h"
#include "TextFolder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringView>

#include <optional>
#include <span>

// The catalogue in the form the application reads it: the records in
// catalogue order with their strings interned, the folded search keys in one
// buffer, each city's point on the unit sphere, and the records ordered by
// id. The build turns the catalogue file into such an image once
// (tools/horavia-catalogue-index) and the application maps it read-only;
// when that file is missing, damaged, stale or folded by other rules, the
// same image is built in memory from the catalogue file.
//
// Numbers are in the writing machine's byte order, which the header names;
// a header, a size and a checksum guard everything else.
namespace CatalogueIndex {

constexpr quint32 formatVersion = 2;

// Search keys are folded by the root rules or by the Turkic ones (TextFolder).
enum class Folding : quint32 { standard = 0, turkic = 1 };

// The catalogue file an image was made from, to tell when it is stale.
struct Source {
    quint64 size = 0; // bytes
};

struct Header {
    char magic[8];
    quint32 version;
    quint32 byteOrder;
    quint32 folding;
    quint32 checksum; // XXH3 (64-bit, low half) of every byte after the header
    quint64 sourceSize;
    quint32 cities, zones, strings, poolUnits, aliases, keys, textUnits, reserved;
};

struct StringRef {
    quint32 offset; // into the pool, in UTF-16 code units
    quint32 length;
};

// Strings are indices into the string table.
struct Record {
    quint32 id, name, region, country;
    quint32 firstAlias, aliasCount; // into the alias table
    quint32 zone;                   // into the zone table
    quint32 reserved;
    double latitude, longitude;
};

struct Zone {
    quint32 identifier; // as the catalogue writes it
    quint32 key;        // lower case, spaces for underscores
    quint32 lastPart;   // the key's part after its last "/"
    quint32 reserved;
};

// The pairs of adjacent characters in a text, hashed to 128 bits (pairs with
// U+0000 left out). A text holds a query only if its set holds the query's:
// a search skips a city when its set does not.
struct PairSet {
    quint64 bits[2];
    bool holds(const PairSet& wanted) const
    {
        return (bits[0] & wanted.bits[0]) == wanted.bits[0] && (bits[1] & wanted.bits[1]) == wanted.bits[1];
    }
};
PairSet pairsOf(QStringView text);

// A point on the unit sphere; NaN for the universal-time entry, which is nowhere.
struct UnitVector {
    double x, y, z;
};

UnitVector unitVector(double latitude, double longitude);

// The image of these records (the universal-time entry first), with search
// keys folded by `folder`, which must follow the rules `folding` names.
QByteArray build(const QList<City>& records, const TextFolder& folder, Folding folding, Source source);

// A checked image: every index in it lies within its tables.
class View {
public:
    // None when the bytes are not a whole, intact image of this format
    // (wrong magic, version or byte order, size, checksum, or an index
    // outside its table). The bytes must outlive the view.
    static std::optional<View> open(QByteArrayView bytes);

    const Header& header() const { return *m_header; }
    QByteArrayView bytes() const { return m_bytes; }
    qsizetype cityCount() const { return qsizetype(m_header->cities); }
    const Record& record(qsizetype city) const { return m_records[size_t(city)]; }
    QStringView string(quint32 index) const;
    QStringView alias(const Record& record, quint32 n) const { return string(m_aliases[record.firstAlias + n]); }
    std::span<const Zone> zones() const { return m_zones; }
    std::span<const UnitVector> unitVectors() const { return m_vectors; }
    // The cities ordered by id, equal ids in catalogue order.
    std::span<const quint32> byId() const { return m_byId; }
    // Every key of every city in catalogue order, each followed by U+0000;
    // keyStarts holds where each key starts (and, last, the text's length),
    // firstKeys the index of each city's first key (and, last, the number of keys).
    QStringView searchText() const { return m_text; }
    std::span<const quint32> keyStarts() const { return m_keyStarts; }
    std::span<const quint32> firstKeys() const { return m_firstKeys; }
    // Each city's keys as one set of character pairs.
    std::span<const PairSet> pairSets() const { return m_pairSets; }

    // The record as a City, without its time zone.
    City city(qsizetype index) const;

private:
    bool checkIndices() const;

    const Header* m_header = nullptr;
    QByteArrayView m_bytes;
    std::span<const Record> m_records;
    std::span<const UnitVector> m_vectors;
    std::span<const Zone> m_zones;
    std::span<const StringRef> m_strings;
    std::span<const quint32> m_aliases;
    std::span<const quint32> m_byId;
    std::span<const quint32> m_keyStarts;
    std::span<const quint32> m_firstKeys;
    std::span<const PairSet> m_pairSets;
    QStringView m_pool;
    QStringView m_text;
};

} // namespace CatalogueIndex
