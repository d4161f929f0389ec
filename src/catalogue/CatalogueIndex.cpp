#include "CatalogueIndex.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
// Inlined: a start-up that checks a few megabytes wants no library to load for it.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace CatalogueIndex {

namespace {

constexpr char magic[8] = {'H', 'R', 'V', 'I', 'N', 'D', 'E', 'X'};
constexpr quint32 byteOrderMark = 0x01020304;

// Where each table lies, from the header's counts; every table starts on an
// 8-byte boundary. 64-bit arithmetic throughout: counts come from the file.
struct Layout {
    quint64 records, vectors, zones, strings, aliases, byId, keyStarts, firstKeys, pairSets, pool, text, end;

    explicit Layout(const Header& h)
    {
        quint64 at = sizeof(Header);
        const auto place = [&at](quint64 bytes) {
            const quint64 start = at;
            at = (at + bytes + 7) & ~quint64(7);
            return start;
        };
        records = place(quint64(h.cities) * sizeof(Record));
        vectors = place(quint64(h.cities) * sizeof(UnitVector));
        zones = place(quint64(h.zones) * sizeof(Zone));
        strings = place(quint64(h.strings) * sizeof(StringRef));
        aliases = place(quint64(h.aliases) * sizeof(quint32));
        byId = place(quint64(h.cities) * sizeof(quint32));
        keyStarts = place((quint64(h.keys) + 1) * sizeof(quint32));
        firstKeys = place((quint64(h.cities) + 1) * sizeof(quint32));
        pairSets = place(quint64(h.cities) * sizeof(PairSet));
        pool = place(quint64(h.poolUnits) * sizeof(char16_t));
        text = place(quint64(h.textUnits) * sizeof(char16_t));
        end = at;
    }
};

quint32 checksumOf(QByteArrayView body)
{
    return quint32(XXH3_64bits(body.data(), size_t(body.size())));
}

QString zoneKey(const QString& identifier)
{
    return identifier.toLower().replace(QLatin1Char('_'), QLatin1Char(' '));
}

// Equal texts share one entry of the string table and one run of the pool.
class StringTable {
public:
    quint32 add(const QString& text)
    {
        auto it = m_indices.constFind(text);
        if (it == m_indices.cend()) {
            it = m_indices.insert(text, quint32(m_refs.size()));
            m_refs.append({quint32(m_pool.size()), quint32(text.size())});
            m_pool.append(text);
        }
        return it.value();
    }
    const QList<StringRef>& refs() const { return m_refs; }
    const QString& pool() const { return m_pool; }

private:
    QHash<QString, quint32> m_indices;
    QList<StringRef> m_refs;
    QString m_pool;
};

template <typename T> void put(QByteArray& image, quint64 offset, const T* data, qsizetype count)
{
    if (count > 0) std::memcpy(image.data() + offset, data, size_t(count) * sizeof(T));
}

} // namespace

PairSet pairsOf(QStringView text)
{
    PairSet set{{0, 0}};
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t a = text[i - 1].unicode(), b = text[i].unicode();
        if (a == 0 || b == 0) continue;
        const quint32 bit = ((quint32(a) * 0x9E3779B1u + b) * 0x85EBCA77u) >> 25; // 0 to 127
        set.bits[bit >> 6] |= quint64(1) << (bit & 63);
    }
    return set;
}

UnitVector unitVector(double latitude, double longitude)
{
    constexpr double radians = std::numbers::pi / 180;
    const double phi = latitude * radians;
    const double lambda = longitude * radians;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

QByteArray build(const QList<City>& records, const TextFolder& folder, Folding folding, Source source)
{
    StringTable strings;
    QList<Record> table;
    QList<UnitVector> vectors;
    QList<Zone> zones;
    QHash<QString, quint32> zoneIndex;
    QList<quint32> aliases;
    QString text;
    QList<quint32> keyStarts;
    QList<quint32> firstKeys;
    QHash<QString, QString> foldedShared; // countries and regions repeat across records

    const auto addKey = [&](const QString& folded) {
        keyStarts.append(quint32(text.size()));
        text.append(folded);
        text.append(QChar(0));
    };
    const auto foldShared = [&](const QString& value) {
        auto it = foldedShared.constFind(value);
        if (it == foldedShared.cend()) it = foldedShared.insert(value, folder.fold(value));
        return it.value();
    };
    const QString& utcId = City::utc().id;
    for (const City& city : records) {
        auto zone = zoneIndex.constFind(city.timeZoneIdentifier);
        if (zone == zoneIndex.cend()) {
            const QString key = zoneKey(city.timeZoneIdentifier);
            zone = zoneIndex.insert(city.timeZoneIdentifier, quint32(zones.size()));
            zones.append({strings.add(city.timeZoneIdentifier), strings.add(key),
                          strings.add(key.section(QLatin1Char('/'), -1)), 0});
        }
        Record record{strings.add(city.id),
                      strings.add(city.name),
                      strings.add(city.region),
                      strings.add(city.country),
                      quint32(aliases.size()),
                      quint32(city.aliases.size()),
                      zone.value(),
                      0,
                      city.latitude,
                      city.longitude};
        for (const QString& alias : city.aliases)
            aliases.append(strings.add(alias));
        table.append(record);
        constexpr double nowhere = std::numeric_limits<double>::quiet_NaN();
        vectors.append(city.id == utcId ? UnitVector{nowhere, nowhere, nowhere}
                                        : unitVector(city.latitude, city.longitude));
        firstKeys.append(quint32(keyStarts.size()));
        addKey(folder.fold(city.name));
        addKey(foldShared(city.region));
        addKey(foldShared(city.country));
        for (const QString& alias : city.aliases)
            addKey(folder.fold(alias));
    }
    firstKeys.append(quint32(keyStarts.size()));
    keyStarts.append(quint32(text.size()));
    QList<PairSet> pairSets;
    pairSets.reserve(table.size());
    for (qsizetype city = 0; city < table.size(); ++city) {
        const quint32 from = keyStarts[firstKeys[city]], to = keyStarts[firstKeys[city + 1]];
        pairSets.append(pairsOf(QStringView(text).sliced(from, to - from)));
    }

    QList<quint32> byId(table.size());
    for (qsizetype i = 0; i < byId.size(); ++i)
        byId[i] = quint32(i);
    std::stable_sort(byId.begin(), byId.end(),
                     [&](quint32 a, quint32 b) { return records.at(a).id < records.at(b).id; });

    Header header{};
    std::memcpy(header.magic, magic, sizeof magic);
    header.version = formatVersion;
    header.byteOrder = byteOrderMark;
    header.folding = quint32(folding);
    header.sourceSize = source.size;
    header.cities = quint32(table.size());
    header.zones = quint32(zones.size());
    header.strings = quint32(strings.refs().size());
    header.poolUnits = quint32(strings.pool().size());
    header.aliases = quint32(aliases.size());
    header.keys = quint32(keyStarts.size() - 1);
    header.textUnits = quint32(text.size());

    const Layout layout(header);
    QByteArray image(qsizetype(layout.end), '\0');
    put(image, layout.records, table.constData(), table.size());
    put(image, layout.vectors, vectors.constData(), vectors.size());
    put(image, layout.zones, zones.constData(), zones.size());
    put(image, layout.strings, strings.refs().constData(), strings.refs().size());
    put(image, layout.aliases, aliases.constData(), aliases.size());
    put(image, layout.byId, byId.constData(), byId.size());
    put(image, layout.keyStarts, keyStarts.constData(), keyStarts.size());
    put(image, layout.firstKeys, firstKeys.constData(), firstKeys.size());
    put(image, layout.pairSets, pairSets.constData(), pairSets.size());
    put(image, layout.pool, strings.pool().utf16(), strings.pool().size());
    put(image, layout.text, text.utf16(), text.size());
    header.checksum = checksumOf(QByteArrayView(image).sliced(sizeof(Header)));
    put(image, 0, &header, 1);
    return image;
}

std::optional<View> View::open(QByteArrayView bytes)
{
    if (quint64(bytes.size()) < sizeof(Header) || reinterpret_cast<quintptr>(bytes.data()) % alignof(double) != 0)
        return std::nullopt;
    const auto* header = reinterpret_cast<const Header*>(bytes.data());
    if (std::memcmp(header->magic, magic, sizeof magic) != 0 || header->version != formatVersion ||
        header->byteOrder != byteOrderMark || header->cities == 0 ||
        header->cities == std::numeric_limits<quint32>::max() || header->keys == std::numeric_limits<quint32>::max())
        return std::nullopt;
    const Layout layout(*header);
    if (layout.end != quint64(bytes.size())) return std::nullopt;
    if (checksumOf(bytes.sliced(sizeof(Header))) != header->checksum) return std::nullopt;

    const char* base = bytes.data();
    const auto table = [base](quint64 offset, quint64 count, auto* type) {
        using T = std::remove_pointer_t<decltype(type)>;
        return std::span<const T>(reinterpret_cast<const T*>(base + offset), size_t(count));
    };
    View view;
    view.m_header = header;
    view.m_bytes = bytes;
    view.m_records = table(layout.records, header->cities, static_cast<Record*>(nullptr));
    view.m_vectors = table(layout.vectors, header->cities, static_cast<UnitVector*>(nullptr));
    view.m_zones = table(layout.zones, header->zones, static_cast<Zone*>(nullptr));
    view.m_strings = table(layout.strings, header->strings, static_cast<StringRef*>(nullptr));
    view.m_aliases = table(layout.aliases, header->aliases, static_cast<quint32*>(nullptr));
    view.m_byId = table(layout.byId, header->cities, static_cast<quint32*>(nullptr));
    view.m_keyStarts = table(layout.keyStarts, quint64(header->keys) + 1, static_cast<quint32*>(nullptr));
    view.m_firstKeys = table(layout.firstKeys, quint64(header->cities) + 1, static_cast<quint32*>(nullptr));
    view.m_pairSets = table(layout.pairSets, header->cities, static_cast<PairSet*>(nullptr));
    view.m_pool = QStringView(reinterpret_cast<const char16_t*>(base + layout.pool), qsizetype(header->poolUnits));
    view.m_text = QStringView(reinterpret_cast<const char16_t*>(base + layout.text), qsizetype(header->textUnits));
    if (!view.checkIndices()) return std::nullopt;
    return view;
}

// A checksum catches damage, not a file made to look whole: every index is
// checked once here, so that no lookup needs to be.
bool View::checkIndices() const
{
    const quint64 strings = m_strings.size();
    for (const StringRef& ref : m_strings)
        if (quint64(ref.offset) + ref.length > quint64(m_pool.size())) return false;
    for (const quint32 alias : m_aliases)
        if (alias >= strings) return false;
    for (const Zone& zone : m_zones)
        if (zone.identifier >= strings || zone.key >= strings || zone.lastPart >= strings) return false;
    for (const Record& r : m_records) {
        if (r.id >= strings || r.name >= strings || r.region >= strings || r.country >= strings ||
            r.zone >= m_zones.size() || quint64(r.firstAlias) + r.aliasCount > m_aliases.size())
            return false;
    }
    for (const quint32 city : m_byId)
        if (city >= m_records.size()) return false;
    // Keys start in order, each city has at least one, and the last ends the text.
    if (m_keyStarts.front() != 0 || m_keyStarts.back() != quint64(m_text.size())) return false;
    for (size_t k = 1; k < m_keyStarts.size(); ++k)
        if (m_keyStarts[k] < m_keyStarts[k - 1]) return false;
    if (m_firstKeys.front() != 0 || m_firstKeys.back() != m_keyStarts.size() - 1) return false;
    for (size_t c = 1; c < m_firstKeys.size(); ++c)
        if (m_firstKeys[c] <= m_firstKeys[c - 1]) return false;
    return true;
}

QStringView View::string(quint32 index) const
{
    const StringRef& ref = m_strings[index];
    return m_pool.sliced(qsizetype(ref.offset), qsizetype(ref.length));
}

City View::city(qsizetype index) const
{
    const Record& r = record(index);
    City city;
    city.id = string(r.id).toString();
    city.name = string(r.name).toString();
    city.region = string(r.region).toString();
    city.country = string(r.country).toString();
    city.latitude = r.latitude;
    city.longitude = r.longitude;
    city.timeZoneIdentifier = string(m_zones[r.zone].identifier).toString();
    city.aliases.reserve(r.aliasCount);
    for (quint32 n = 0; n < r.aliasCount; ++n)
        city.aliases.append(alias(r, n).toString());
    return city;
}

} // namespace CatalogueIndex
