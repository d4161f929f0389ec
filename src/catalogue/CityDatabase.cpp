#include "CityDatabase.h"

#include "CatalogueFile.h"
#include "ZoneNames.h"
#include "platform/Bundle.h"
#include "platform/SystemLocale.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// "UTC+5:30", "GMT-3", "+0545", "−3:30": seconds east of UTC.
std::optional<int> parseOffset(const QString& query)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(?:utc|gmt)?\\s*([+\\-\\x{2212}])\\s*(\\d{1,2})(?::?(\\d{2}))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(query);
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (hours > 14 || minutes >= 60) return std::nullopt;
    const int seconds = hours * 3600 + minutes * 60;
    return match.captured(1) == QLatin1String("+") ? seconds : -seconds;
}

QString zoneKey(QString text)
{
    return text.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char(' '));
}

constexpr double earthDiameterKm = 12742;

} // namespace

CityDatabase::UnitVector CityDatabase::unitVector(double latitude, double longitude)
{
    constexpr double radians = std::numbers::pi / 180;
    const double phi = latitude * radians;
    const double lambda = longitude * radians;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

CityDatabase::CityDatabase(const QString& catalogueFile, const icu::Locale& locale)
    : m_folder(locale)
{
    load(catalogueFile, locale);
}

CityDatabase::CityDatabase(const QString& catalogueFile)
    : CityDatabase(catalogueFile, SystemLocale::current())
{
}

const CityDatabase& CityDatabase::shared()
{
    static const CityDatabase database(Bundle::resourcePath(QStringLiteral("cities"), QStringLiteral("json")));
    return database;
}

void CityDatabase::load(const QString& catalogueFile, const icu::Locale& locale)
{
    m_cities.append(City::utc());
    if (!CatalogueFile::load(catalogueFile, m_cities)) {
        m_cities.clear();
        return;
    }
    m_positionsByID.reserve(m_cities.size());
    for (qsizetype i = 0; i < m_cities.size(); ++i) {
        if (!m_positionsByID.contains(m_cities.at(i).id)) // the first record with an id wins
            m_positionsByID.insert(m_cities.at(i).id, i);
    }
    index(locale);
    // The zones, for searches by identifier, offset and abbreviation.
    QHash<QString, size_t> groupOf;
    for (qsizetype i = 0; i < m_cities.size(); ++i) {
        const City& city = m_cities.at(i);
        auto group = groupOf.constFind(city.timeZoneIdentifier);
        if (group == groupOf.cend()) {
            const QString identifier = zoneKey(city.timeZoneIdentifier);
            group = groupOf.insert(city.timeZoneIdentifier, m_zoneGroups.size());
            m_zoneGroups.push_back({city.timeZone, identifier, identifier.section(QLatin1Char('/'), -1), {}});
        }
        m_zoneGroups[*group].cities.append(i);
    }
    m_unitVectors.reserve(size_t(m_cities.size()));
    const QString& utcId = City::utc().id;
    for (const City& city : std::as_const(m_cities)) {
        constexpr double nowhere = std::numeric_limits<double>::quiet_NaN();
        m_unitVectors.push_back(city.id == utcId ? UnitVector{nowhere, nowhere, nowhere}
                                                 : unitVector(city.latitude, city.longitude));
    }
}

void CityDatabase::index(const icu::Locale& locale)
{
    const UDate now = UDate(QDateTime::currentMSecsSinceEpoch());
    QHash<QString, QString> foldedZoneNames; // by timeZoneIdentifier
    QHash<QString, QString> foldedShared;    // countries and regions repeat across records

    // Growing the buffers by doubling would touch about twice the memory.
    qsizetype length = 0;
    qsizetype keyCount = 0;
    for (const City& city : std::as_const(m_cities)) {
        length += city.name.size() + city.region.size() + city.country.size() + 40;
        for (const QString& alias : city.aliases)
            length += alias.size() + 1;
        keyCount += 4 + city.aliases.size();
    }
    m_searchText.reserve(length + length / 16);
    m_keyStarts.reserve(keyCount + 1);
    m_firstKeys.reserve(m_cities.size() + 1);
    const auto append = [this](const QString& folded) {
        m_keyStarts.append(m_searchText.size());
        m_searchText.append(folded);
        m_searchText.append(QChar(0));
    };
    const auto foldShared = [&](const QString& text) {
        auto it = foldedShared.constFind(text);
        if (it == foldedShared.cend()) it = foldedShared.insert(text, m_folder.fold(text));
        return it.value();
    };

    for (const City& city : std::as_const(m_cities)) {
        auto zoneName = foldedZoneNames.constFind(city.timeZoneIdentifier);
        if (zoneName == foldedZoneNames.cend()) {
            const QString resolvedId = QString::fromUtf8(city.timeZone.id());
            const QString name =
                ZoneNames::genericName(resolvedId, locale, now).value_or(ZoneNames::fromIdentifier(resolvedId));
            zoneName = foldedZoneNames.insert(city.timeZoneIdentifier, m_folder.fold(name));
        }
        m_firstKeys.append(m_keyStarts.size());
        append(m_folder.fold(city.name));
        append(foldShared(city.region));
        append(foldShared(city.country));
        for (const QString& alias : city.aliases)
            append(m_folder.fold(alias));
        append(zoneName.value());
    }
    m_firstKeys.append(m_keyStarts.size());
    m_keyStarts.append(m_searchText.size());
    m_searchText.squeeze();
}

namespace {

// Match scores, lower is better: at the start of the name, at the start of
// another text, inside the name, inside another text.
constexpr int noMatch = 4;

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
    QList<City> take(const QList<City>& cities) const
    {
        QList<City> results;
        for (const QList<qsizetype>& bucket : m_buckets)
            for (const qsizetype index : bucket) {
                if (results.size() >= m_limit) return results;
                results.append(cities.at(index));
            }
        return results;
    }

private:
    qsizetype m_limit;
    std::array<QList<qsizetype>, noMatch> m_buckets;
};

} // namespace

QList<City> CityDatabase::search(const QString& query, qsizetype limit, const QDateTime& at) const
{
    QList<City> found = searchByText(query, limit);
    if (found.size() >= limit) return found;
    // Zone matches follow, each city once.
    QSet<QString> seen;
    for (const City& city : std::as_const(found))
        seen.insert(city.id);
    for (const qsizetype index : zoneMatches(query, at)) {
        const City& city = m_cities.at(index);
        if (seen.contains(city.id)) continue;
        seen.insert(city.id);
        found.append(city);
        if (found.size() >= limit) break;
    }
    return found;
}

QList<qsizetype> CityDatabase::zoneMatches(const QString& query, const QDateTime& at) const
{
    const std::optional<int> offset = parseOffset(query);
    const QString key = zoneKey(query);
    if (!offset && key.size() < 2) return {};
    static const QRegularExpression abbreviationLike(QStringLiteral("^[A-Za-z]{2,5}$"));
    const bool abbreviation = !offset && abbreviationLike.match(key).hasMatch();
    const bool identifier = !offset && key.contains(QLatin1Char('/'));
    QList<qsizetype> matches;
    for (const ZoneGroup& group : m_zoneGroups) {
        bool match = false;
        if (offset)
            match = group.zone.offsetFromUtc(at) == *offset;
        else if (identifier)
            match = group.identifier == key;
        else
            match = group.lastPart == key ||
                    (abbreviation && group.zone.abbreviation(at).compare(key, Qt::CaseInsensitive) == 0);
        if (match) matches += group.cities;
    }
    std::sort(matches.begin(), matches.end());
    return matches;
}

QList<City> CityDatabase::searchByText(const QString& query, qsizetype limit) const
{
    const QString folded = m_folder.fold(query);
    if (folded.isEmpty() || limit <= 0) return {};
    if (folded.contains(QChar(0))) return searchOneKeyAtATime(folded, limit);

    // The query holds no separator, so a hit never spans two keys; hits come
    // in buffer order, which is catalogue order.
    Ranking ranking(limit);
    const QStringView text(m_searchText);
    qsizetype city = -1;
    int best = noMatch;
    for (qsizetype at = text.indexOf(folded); at >= 0;) {
        const qsizetype key = std::upper_bound(m_keyStarts.cbegin(), m_keyStarts.cend(), at) - m_keyStarts.cbegin() - 1;
        if (city < 0 || key >= m_firstKeys.at(city + 1)) {
            if (city >= 0) ranking.add(city, best);
            if (ranking.full()) return ranking.take(m_cities);
            city = std::upper_bound(m_firstKeys.cbegin(), m_firstKeys.cend(), key) - m_firstKeys.cbegin() - 1;
            best = noMatch;
        }
        best = std::min(best, matchScore(key - m_firstKeys.at(city), at - m_keyStarts.at(key)));
        // Only a key's first hit counts, and nothing beats a score of 0.
        const qsizetype next = best == 0 ? m_keyStarts.at(m_firstKeys.at(city + 1)) : m_keyStarts.at(key + 1);
        at = next < text.size() ? text.indexOf(folded, next) : -1;
    }
    if (city >= 0) ranking.add(city, best);
    return ranking.take(m_cities);
}

// For the odd query holding U+0000, which the single-buffer scan uses as its separator.
QList<City> CityDatabase::searchOneKeyAtATime(const QString& folded, qsizetype limit) const
{
    Ranking ranking(limit);
    const QStringView text(m_searchText);
    for (qsizetype city = 0; city < m_cities.size() && !ranking.full(); ++city) {
        int best = noMatch;
        for (qsizetype key = m_firstKeys.at(city); key < m_firstKeys.at(city + 1); ++key) {
            const qsizetype length = m_keyStarts.at(key + 1) - m_keyStarts.at(key) - 1;
            const qsizetype at = text.sliced(m_keyStarts.at(key), length).indexOf(folded);
            if (at >= 0) best = std::min(best, matchScore(key - m_firstKeys.at(city), at));
        }
        ranking.add(city, best);
    }
    return ranking.take(m_cities);
}

QList<City> CityDatabase::nearestCities(double latitude, double longitude, double radiusKm, qsizetype minimum,
                                        qsizetype maximum) const
{
    struct Candidate {
        double chord; // squared straight-line distance on the unit sphere
        qsizetype index;
    };
    const UnitVector from = unitVector(latitude, longitude);
    // The chord of an arc of θ radians is 2 sin(θ/2); past half the globe every point is within.
    const double arc = std::min(radiusKm / (earthDiameterKm / 2), std::numbers::pi);
    const double radiusChord = 4 * std::sin(arc / 2) * std::sin(arc / 2);
    std::vector<Candidate> candidates;
    candidates.reserve(m_unitVectors.size());
    qsizetype within = 0;
    for (size_t i = 0; i < m_unitVectors.size(); ++i) {
        const UnitVector& to = m_unitVectors[i];
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
        results.append(m_cities.at(candidates[size_t(i)].index));
    return results;
}
