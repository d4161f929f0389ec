#include "CityDatabase.h"

#include "CatalogueFile.h"
#include "ZoneNames.h"
#include "base/SharedOnce.h"
#include "platform/Bundle.h"
#include "platform/LibraryPages.h"
#include "platform/PrivateFiles.h"
#include "platform/SystemLocale.h"
#include "time/UtcOffset.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

using CatalogueIndex::Folding;

namespace {

constexpr double earthDiameterKm = 12742;
constexpr qint64 maximumIndexSize = qint64(1) << 30; // a catalogue a hundred times today's

// Match scores, lower is better: at the start of the name, at the start of
// another text, inside the name, inside another text.
constexpr int noMatch = 4;
constexpr size_t startScores = 2; // scores below this match at the start of a text

int matchScore(qsizetype keyInCity, qsizetype offsetInKey)
{
    return (keyInCity == 0 ? 0 : 1) + (offsetInKey == 0 ? 0 : 2);
}

// Ranking by (score, catalogue index) is four buckets filled in catalogue order.
class Ranking {
public:
    explicit Ranking(qsizetype limit)
        : m_limit(limit)
    {
    }
    void add(qsizetype city, int score)
    {
        if (score < noMatch) m_buckets[size_t(score)].append(city);
    }
    // Later cities cannot displace a full set of best-scored ones.
    bool full() const { return m_buckets[0].size() >= m_limit; }
    // `starting`: how many of them match at the start of a text.
    QList<qsizetype> take(qsizetype* starting) const
    {
        QList<qsizetype> results;
        *starting = 0;
        for (size_t score = 0; score < m_buckets.size(); ++score) {
            if (score == startScores) *starting = results.size();
            for (const qsizetype index : m_buckets[score]) {
                if (results.size() >= m_limit) {
                    if (score < startScores) *starting = results.size();
                    return results;
                }
                results.append(index);
            }
        }
        return results;
    }

private:
    qsizetype m_limit;
    std::array<QList<qsizetype>, noMatch> m_buckets;
};

} // namespace

CityDatabase::CityDatabase(const QString& catalogueFile, const icu::Locale& locale)
    : m_locale(locale)
    , m_folder(locale)
{
    const Folding folding = m_folder.isTurkic() ? Folding::turkic : Folding::standard;
    if (!openIndex(indexFileFor(catalogueFile), catalogueFile, folding)) buildFromCatalogue(catalogueFile, folding);
    if (m_view) m_zones.resize(m_view->zones().size());
}

CityDatabase::CityDatabase(const QString& catalogueFile)
    : CityDatabase(catalogueFile, SystemLocale::current())
{
}

CityDatabase::~CityDatabase() = default;

const CityDatabase& CityDatabase::shared()
{
    static SharedOnce<CityDatabase> database;
    return database.get([] {
        return std::make_unique<CityDatabase>(Bundle::resourcePath(QStringLiteral("cities"), QStringLiteral("json")));
    });
}

QString CityDatabase::indexFileFor(const QString& catalogueFile)
{
    QString name = catalogueFile;
    if (name.endsWith(QLatin1String(".json"))) name.chop(5);
    return name + QStringLiteral(".index");
}

bool CityDatabase::openIndex(const QString& indexFile, const QString& catalogueFile, Folding folding)
{
    // The catalogue file is the source of truth: an index older than it, or
    // made from a file of another size, describes something else.
    const QFileInfo source(catalogueFile);
    const QFileInfo index(indexFile);
    if (!source.isFile() || !index.isFile() || source.lastModified() > index.lastModified()) return false;
    // The index is checked once and then trusted, so what is read must not
    // change after the check: a file the user may write can be rewritten in
    // place (cp over it, rsync --inplace) or cut short while this runs. It is
    // mapped where only root writes it, else through a copy of the user's
    // own, made once per version of the file (or read into memory).
    QFile shipped(indexFile);
    if (!shipped.open(QIODevice::ReadOnly)) return false;
    const qint64 length = shipped.size();
    if (length <= 0 || length > maximumIndexSize) return false;
    const int copy = PrivateFiles::steadyCopy(shipped.handle(), length);
    const uchar* bytes = nullptr;
    if (copy >= 0 && m_indexFile.open(copy, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        bytes = m_indexFile.map(0, length);
    else if (copy >= 0)
        ::close(copy);
    if (!bytes) {
        m_built = shipped.read(length);
        if (m_built.size() == length) bytes = reinterpret_cast<const uchar*>(m_built.constData());
    }
    if (bytes) m_view = CatalogueIndex::View::open(QByteArrayView(bytes, length));
    if (m_view && m_view->header().folding == quint32(folding) &&
        m_view->header().sourceSize == quint64(source.size())) {
        m_origin = Origin::index;
        releasePages();
        return true;
    }
    m_view.reset();
    m_indexFile.close(); // unmaps
    m_built.clear();
    return false;
}

void CityDatabase::buildFromCatalogue(const QString& catalogueFile, Folding folding)
{
    QList<City> records{City::utc()};
    if (!CatalogueFile::load(catalogueFile, records)) return;
    m_built = CatalogueIndex::build(records, m_folder, folding, {quint64(QFileInfo(catalogueFile).size())});
    m_view = CatalogueIndex::View::open(m_built);
    if (m_view) m_origin = Origin::catalogue;
}

QTimeZone CityDatabase::zone(quint32 index) const
{
    const std::lock_guard lock(m_zonesLock);
    std::optional<QTimeZone>& zone = m_zones[index];
    if (!zone) zone = resolveTimeZone(m_view->string(m_view->zones()[index].identifier).toUtf8());
    return *zone;
}

const std::vector<QString>& CityDatabase::zoneNames() const
{
    std::call_once(m_zoneNamesOnce, [this] {
        const UDate now = UDate(QDateTime::currentMSecsSinceEpoch());
        const auto zones = m_view ? m_view->zones().size() : 0;
        m_zoneNames.reserve(zones);
        for (size_t z = 0; z < zones; ++z) {
            const QString resolvedId = QString::fromUtf8(zone(quint32(z)).id());
            const QString name =
                ZoneNames::genericName(resolvedId, m_locale, now).value_or(ZoneNames::fromIdentifier(resolvedId));
            m_zoneNames.push_back(m_folder.fold(name));
        }
    });
    return m_zoneNames;
}

std::optional<std::pair<QString, QString>> CityDatabase::zoneCity(quint32 zone) const
{
    if (!m_view || std::string(m_locale.getLanguage()) == "en") return std::nullopt;
    const std::lock_guard lock(m_zonesLock);
    if (m_zoneCities.empty()) m_zoneCities.resize(m_view->zones().size());
    if (zone >= m_zoneCities.size()) return std::nullopt;
    if (!m_zoneCities[zone]) {
        const QString identifier = m_view->string(m_view->zones()[zone].identifier).toString();
        const std::optional<QString> inEnglish = ZoneNames::exemplarCity(identifier, icu::Locale("en"));
        const std::optional<QString> local = ZoneNames::exemplarCity(identifier, m_locale);
        m_zoneCities[zone] =
            inEnglish && local && *inEnglish != *local ? std::optional(std::pair(*inEnglish, *local)) : std::nullopt;
    }
    return *m_zoneCities[zone];
}

QString CityDatabase::localNameOf(qsizetype index) const
{
    const auto& record = m_view->record(index);
    // The zone's namesake alone: the record of that name in that zone.
    const std::optional<std::pair<QString, QString>> named = zoneCity(record.zone);
    if (!named || m_view->string(record.name) != named->first) return {};
    // Arabic script joins with its own comma.
    const std::string language = m_locale.getLanguage();
    const QString comma =
        language == "ar" || language == "fa" || language == "ur" ? QStringLiteral("\u060c ") : QStringLiteral(", ");
    const std::optional<QString> country = ZoneNames::countryName(regionCodeOf(m_view->city(index).country), m_locale);
    return country ? named->second + comma + *country : named->second;
}

const CityDatabase::LocalNames& CityDatabase::localNames() const
{
    std::call_once(m_localNamesOnce, [this] {
        if (!m_view || std::string(m_locale.getLanguage()) == "en") return;
        const auto zones = m_view->zones();
        std::vector<bool> named(zones.size());
        for (size_t z = 0; z < zones.size(); ++z)
            named[z] = zoneCity(quint32(z)).has_value();
        for (qsizetype i = 0; i < size(); ++i) {
            if (!named[m_view->record(i).zone]) continue;
            if (localNameOf(i).isEmpty()) continue;
            m_localNames.folded.emplace_back(m_folder.fold(zoneCity(m_view->record(i).zone)->second), i);
        }
    });
    return m_localNames;
}

void CityDatabase::prepareSearch() const
{
    zoneNames(); // opens every zone too
    localNames();
}

void CityDatabase::releasePages() const
{
    // Only a mapping of the file: pages of memory of our own would be lost.
    if (m_origin == Origin::index && m_built.isEmpty())
        LibraryPages::releaseMapped(m_view->bytes().data(), size_t(m_view->bytes().size()));
}

City CityDatabase::city(qsizetype index) const
{
    City city = m_view->city(index);
    city.timeZone = zone(m_view->record(index).zone);
    city.localName = localNameOf(index);
    return city;
}

std::optional<City> CityDatabase::find(const QString& id) const
{
    if (!m_view) return std::nullopt;
    const auto byId = m_view->byId();
    const auto it = std::lower_bound(byId.begin(), byId.end(), QStringView(id), [this](quint32 city, QStringView key) {
        return m_view->string(m_view->record(city).id) < key;
    });
    if (it == byId.end() || m_view->string(m_view->record(*it).id) != id) return std::nullopt;
    return city(*it);
}

std::optional<City> CityDatabase::firstNamed(QStringView name) const
{
    for (qsizetype i = 0; i < size(); ++i)
        if (m_view->string(m_view->record(i).name) == name) return city(i);
    return std::nullopt;
}

std::optional<City> CityDatabase::firstInZone(QStringView identifier) const
{
    std::call_once(m_firstInZoneOnce, [this] {
        std::vector<bool> seen(m_view ? m_view->zones().size() : 0);
        for (qsizetype i = 0; i < size(); ++i) {
            const auto zone = m_view->record(i).zone;
            if (zone >= seen.size() || seen[zone]) continue;
            seen[zone] = true;
            m_firstInZone.insert(m_view->string(m_view->zones()[zone].identifier).toString(), i);
        }
    });
    const auto found = m_firstInZone.constFind(identifier.toString());
    if (found == m_firstInZone.cend()) return std::nullopt;
    return city(*found);
}

QList<City> CityDatabase::citiesAt(const QList<qsizetype>& positions) const
{
    QList<City> cities;
    cities.reserve(positions.size());
    for (const qsizetype position : positions)
        cities.append(city(position));
    return cities;
}

QList<City> CityDatabase::search(const QString& query, qsizetype limit, const QDateTime& at) const
{
    if (!m_view || limit <= 0) return {};
    const QString folded = m_folder.fold(query);
    QList<qsizetype> named;
    qsizetype starting = 0;
    if (!folded.isEmpty())
        named = folded.size() == 1 && folded != QChar(0) ? searchByText(folded, limit, &starting)
                                                         : searchByPairs(folded, limit, &starting);
    // A place by its name in the user's language ("Tokio", "東京") leads,
    // as a name that starts with the query does.
    if (!folded.isEmpty()) {
        QList<qsizetype> local;
        for (const auto& [name, index] : localNames().folded)
            if (name.startsWith(folded) && !named.contains(index)) local.append(index);
        if (!local.isEmpty()) {
            starting += local.size();
            named = local + named;
            if (named.size() > limit) named.resize(limit);
            starting = std::min(starting, named.size());
        }
    }
    // A city's name wins over the zone that shares it: "london" is the five
    // Londons, not every town on London's clock. A zone's towns follow only
    // when the query is written as a zone, or when no name holds it.
    const ZoneMatches zones = zoneMatches(query, at);
    if (!zones.writtenAsZone && !named.isEmpty()) return citiesAt(named);

    QList<qsizetype> found;
    QSet<qsizetype> seen;
    const auto add = [&](qsizetype index) {
        if (found.size() >= limit || seen.contains(index)) return;
        seen.insert(index);
        found.append(index);
    };
    // An offset or an abbreviation names several zones: each one's largest
    // city follows the names that start with the query ("IST": Istanbul,
    // then Kolkata, Jerusalem, Dublin), so that neither names that merely
    // hold it nor one crowded zone push the others off the list.
    for (qsizetype i = 0; i < starting; ++i)
        add(named.at(i));
    if (zones.representativesFirst) {
        std::vector<bool> represented(m_view->zones().size());
        for (const qsizetype index : zones.cities) {
            const quint32 zone = m_view->record(index).zone;
            if (!represented[zone]) represented[zone] = true, add(index);
        }
    }
    for (const qsizetype index : std::as_const(named))
        add(index);
    for (const qsizetype index : zones.cities)
        add(index);
    return citiesAt(found);
}

CityDatabase::ZoneMatches CityDatabase::zoneMatches(const QString& query, const QDateTime& at) const
{
    const std::optional<int> offset = UtcOffset::parse(query);
    const QString key = query.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!offset && key.size() < 2) return {};
    static const QRegularExpression abbreviationLike(QStringLiteral("^[A-Za-z]{2,5}$"));
    const bool abbreviation = !offset && abbreviationLike.match(key).hasMatch();
    const bool identifier = !offset && key.contains(QLatin1Char('/'));
    // An abbreviation names its zone all year: "IST" is Dublin's in summer
    // and Jerusalem's in winter, whichever season `at` falls in.
    const QDateTime halfAYearOn = at.addDays(182);
    const auto zones = m_view->zones();
    std::vector<bool> matched(zones.size());
    bool any = false, byAbbreviation = false;
    for (size_t z = 0; z < zones.size(); ++z) {
        if (offset) {
            matched[z] = zone(quint32(z)).offsetFromUtc(at) == *offset;
        } else if (identifier) {
            matched[z] = m_view->string(zones[z].key) == key;
        } else {
            const bool abbreviated =
                abbreviation && (zone(quint32(z)).abbreviation(at).compare(key, Qt::CaseInsensitive) == 0 ||
                                 zone(quint32(z)).abbreviation(halfAYearOn).compare(key, Qt::CaseInsensitive) == 0);
            byAbbreviation = byAbbreviation || abbreviated;
            matched[z] = abbreviated || m_view->string(zones[z].lastPart) == key;
        }
        any = any || matched[z];
    }
    ZoneMatches matches;
    matches.writtenAsZone = offset || identifier || byAbbreviation;
    matches.representativesFirst = offset || byAbbreviation;
    for (qsizetype i = 0; any && i < size(); ++i)
        if (matched[m_view->record(i).zone]) matches.cities.append(i);
    return matches;
}

std::vector<int> CityDatabase::zoneScores(const QString& folded) const
{
    // Each city's zone name is one more of its texts; zones are few, so they
    // are matched once per query.
    const std::vector<QString>& names = zoneNames();
    std::vector<int> scores(names.size(), noMatch);
    bool any = false;
    for (size_t z = 0; z < names.size(); ++z) {
        const qsizetype at = names[z].indexOf(folded);
        if (at >= 0) scores[z] = matchScore(1, at), any = true;
    }
    return any ? scores : std::vector<int>();
}

// One character: no pairs to narrow by, so one scan of all the keys at once,
// where finding a character is fastest.
QList<qsizetype> CityDatabase::searchByText(const QString& folded, qsizetype limit, qsizetype* starting) const
{
    const std::vector<int> zones = zoneScores(folded);
    const auto zoneScore = [&](qsizetype city) { return zones.empty() ? noMatch : zones[m_view->record(city).zone]; };
    Ranking ranking(limit);
    qsizetype unranked = 0; // cities before this one are ranked
    const auto rankZonesUpTo = [&](qsizetype end) {
        for (; !zones.empty() && unranked < end && !ranking.full(); ++unranked)
            ranking.add(unranked, zoneScore(unranked));
        unranked = std::max(unranked, end);
    };

    // The query holds no separator, so a hit never spans two keys; hits come
    // in buffer order, which is catalogue order.
    const QStringView text = m_view->searchText();
    const auto keyStarts = m_view->keyStarts();
    const auto firstKeys = m_view->firstKeys();
    qsizetype city = -1;
    int best = noMatch;
    for (qsizetype at = text.indexOf(folded); at >= 0;) {
        const qsizetype key = std::upper_bound(keyStarts.begin(), keyStarts.end(), quint32(at)) - keyStarts.begin() - 1;
        if (city < 0 || key >= qsizetype(firstKeys[size_t(city) + 1])) {
            if (city >= 0) ranking.add(city, best), unranked = city + 1;
            if (ranking.full()) return ranking.take(starting);
            city = std::upper_bound(firstKeys.begin(), firstKeys.end(), quint32(key)) - firstKeys.begin() - 1;
            rankZonesUpTo(city);
            if (ranking.full()) return ranking.take(starting);
            best = zoneScore(city);
        }
        best = std::min(best, matchScore(key - firstKeys[size_t(city)], at - keyStarts[size_t(key)]));
        // Only a key's first hit counts, and nothing beats a score of 0.
        const qsizetype next = best == 0 ? keyStarts[firstKeys[size_t(city) + 1]] : keyStarts[size_t(key) + 1];
        at = next < text.size() ? text.indexOf(folded, next) : -1;
    }
    if (city >= 0) ranking.add(city, best), unranked = city + 1;
    rankZonesUpTo(size());
    return ranking.take(starting);
}

// Longer queries: a city whose keys lack one of the query's character pairs
// cannot hold it, and most cities lack one; only the rest are read, a key at
// a time (which also keeps a query holding U+0000 from matching across keys).
QList<qsizetype> CityDatabase::searchByPairs(const QString& folded, qsizetype limit, qsizetype* starting) const
{
    const std::vector<int> zones = zoneScores(folded);
    const CatalogueIndex::PairSet wanted = CatalogueIndex::pairsOf(folded);
    const auto pairSets = m_view->pairSets();
    const QStringView text = m_view->searchText();
    const auto keyStarts = m_view->keyStarts();
    const auto firstKeys = m_view->firstKeys();
    Ranking ranking(limit);
    for (qsizetype city = 0; city < size() && !ranking.full(); ++city) {
        int best = zones.empty() ? noMatch : zones[m_view->record(city).zone];
        if (pairSets[size_t(city)].holds(wanted))
            for (size_t key = firstKeys[size_t(city)]; key < firstKeys[size_t(city) + 1] && best > 0; ++key) {
                const qsizetype length = qsizetype(keyStarts[key + 1] - keyStarts[key]) - 1;
                const qsizetype at = text.sliced(keyStarts[key], length).indexOf(folded);
                if (at >= 0) best = std::min(best, matchScore(qsizetype(key - firstKeys[size_t(city)]), at));
            }
        ranking.add(city, best);
    }
    return ranking.take(starting);
}

QList<City> CityDatabase::nearestCities(double latitude, double longitude, double radiusKm, qsizetype minimum,
                                        qsizetype maximum) const
{
    if (!m_view) return {};
    struct Candidate {
        double chord; // squared straight-line distance on the unit sphere
        qsizetype index;
    };
    const CatalogueIndex::UnitVector from = CatalogueIndex::unitVector(latitude, longitude);
    // The chord of an arc of θ radians is 2 sin(θ/2); past half the globe every point is within.
    const double arc = std::min(radiusKm / (earthDiameterKm / 2), std::numbers::pi);
    const double radiusChord = 4 * std::sin(arc / 2) * std::sin(arc / 2);
    const auto vectors = m_view->unitVectors();
    std::vector<Candidate> candidates;
    candidates.reserve(vectors.size());
    qsizetype within = 0;
    for (size_t i = 0; i < vectors.size(); ++i) {
        const CatalogueIndex::UnitVector& to = vectors[i];
        if (std::isnan(to.x)) continue; // universal time is nowhere
        const double dx = from.x - to.x, dy = from.y - to.y, dz = from.z - to.z;
        double chord = dx * dx + dy * dy + dz * dz;
        if (std::isnan(chord)) // a caller's NaN point must not break the ordering
            chord = std::numeric_limits<double>::infinity();
        within += chord <= radiusChord ? 1 : 0;
        candidates.push_back({chord, qsizetype(i)});
    }

    // Every candidate within the radius sorts before every one outside, so
    // counting them first gives the number of leading ones inside.
    const qsizetype total = qsizetype(candidates.size());
    const qsizetype count =
        std::clamp<qsizetype>(std::min(std::max(within, std::min(total, minimum)), maximum), 0, total);
    const auto nearer = [](const Candidate& a, const Candidate& b) {
        return a.chord < b.chord || (a.chord == b.chord && a.index < b.index);
    };
    std::partial_sort(candidates.begin(), candidates.begin() + count, candidates.end(), nearer);

    QList<City> results;
    results.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        results.append(city(candidates[size_t(i)].index));
    return results;
}
