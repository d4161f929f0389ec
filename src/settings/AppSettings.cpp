#include "AppSettings.h"

#include "base/Preferences.h"
#include "catalogue/CityDatabase.h"
#include "catalogue/NameCollator.h"
#include "platform/SystemLocale.h"
#include "text/LocaleText.h"

#include <QHash>

#include <unicode/brkiter.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace {

std::optional<QString> trimmedText(const std::optional<QString>& text)
{
    if (!text) return std::nullopt;
    QString trimmed = text->trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    return trimmed;
}

// The first extended grapheme cluster: a flag pair, an emoji with its
// modifiers and joiners, or one letter with its marks.
QString firstGrapheme(const QString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> characters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) return text;
    const icu::UnicodeString source(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
    characters->setText(source);
    characters->first();
    const int32_t end = characters->next();
    return end == icu::BreakIterator::DONE ? text : text.left(end);
}

// `value` as the key's type admits it, tidied as stored; none when it does
// not read. The one rule per type, for a loaded value and a set one alike.
std::optional<QVariant> admitted(const SettingRow& row, const QVariant& value)
{
    switch (row.type) {
    case SettingType::cityIds: {
        std::optional<QStringList> ids = Preferences::asStringArray(value);
        if (!ids) return std::nullopt;
        if (row.most > 0) {
            ids->removeDuplicates();
            *ids = ids->mid(0, row.most);
        }
        return *ids;
    }
    case SettingType::choice: {
        const std::optional<QString> raw = Preferences::asString(value);
        if (!raw || !row.isChoice(*raw)) return std::nullopt;
        return *raw;
    }
    case SettingType::flag:
        if (const std::optional<bool> flag = Preferences::asBoolean(value)) return *flag;
        return std::nullopt;
    case SettingType::textsByCity: {
        const std::optional<QVariantMap> map = Preferences::asDictionary(value);
        if (!map) return std::nullopt;
        QVariantMap texts;
        for (auto it = map->cbegin(); it != map->cend(); ++it) {
            if (it.value().typeId() != QMetaType::QString) return std::nullopt;
            // Names from the editor, an imported file or a link, as text can hold them.
            texts.insert(it.key(), LocaleText::wellFormed(it.value().toString()));
        }
        return texts;
    }
    case SettingType::timeRange: {
        const std::optional<QString> text = Preferences::asString(value);
        const std::optional<TimeRange> range = text ? TimeRange::parse(*text) : std::nullopt;
        if (!range) return std::nullopt;
        return range->toString();
    }
    case SettingType::minutes: {
        // A whole number of minutes the time cursor can step by; other
        // numbers, and text that looks like one, are not.
        const int type = value.typeId();
        if (type != QMetaType::Int && type != QMetaType::LongLong && type != QMetaType::Double) return std::nullopt;
        const double minutes = value.toDouble();
        if (minutes != 15 && minutes != 30 && minutes != 60) return std::nullopt;
        return int(minutes);
    }
    }
    return std::nullopt;
}

// The table's default, as stored.
QVariant fallbackOf(const SettingRow& row)
{
    const QString text = QString::fromLatin1(row.fallback);
    switch (row.type) {
    case SettingType::cityIds:
        return QStringList();
    case SettingType::textsByCity:
        return QVariantMap();
    case SettingType::flag:
        return text == QLatin1String("true");
    case SettingType::minutes:
        return text.toInt();
    case SettingType::choice:
    case SettingType::timeRange:
        return text;
    }
    return {};
}

QStringList idsOf(const QList<City>& cities)
{
    QStringList ids;
    ids.reserve(cities.size());
    for (const City& city : cities)
        ids.append(city.id);
    return ids;
}

} // namespace

AppSettings::AppSettings(Preferences& store, const CityDatabase& database, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    for (const SettingRow& row : settingsTable) {
        QVariant fallback = fallbackOf(row);
        if (row.key == SettingKey::trackedCityIDs) fallback = defaultTrackedCityIDs(database);
        if (row.key == SettingKey::manualOrder) fallback = stored(SettingKey::trackedCityIDs);
        m_values.at(size_t(row.key)) = admitted(row, m_store.object(keyName(row.key))).value_or(fallback);
    }
}

QStringList AppSettings::defaultTrackedCityIDs(const CityDatabase& database)
{
    static const char* const names[] = {"New York City", "Chicago", "Los Angeles", "London", "Melbourne"};
    QStringList ids;
    for (const char* name : names) {
        if (const std::optional<City> city = database.firstNamed(QString::fromUtf8(name))) ids.append(city->id);
    }
    return ids;
}

AppSettings::StringMap AppSettings::textsOf(const QVariant& stored)
{
    const QVariantMap map = stored.toMap();
    StringMap texts;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        texts.insert(it.key(), it.value().toString());
    return texts;
}

QVariant AppSettings::storedTexts(const StringMap& map)
{
    QVariantMap stored;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        stored.insert(it.key(), it.value());
    return stored;
}

std::optional<QString> AppSettings::text(SettingKey key, const QString& id) const
{
    Q_ASSERT(settingRow(key).type == SettingType::textsByCity);
    const QVariantMap map = m_values.at(size_t(key)).toMap();
    const auto it = map.constFind(id);
    return it == map.cend() ? std::nullopt : trimmedText(it.value().toString());
}

void AppSettings::assign(SettingKey key, const QVariant& value)
{
    const std::optional<QVariant> kept = admitted(settingRow(key), value);
    if (!kept) return;
    const bool hidesLast = (key == SettingKey::showsMenuBarItem && !mayHideMenuBarItem()) ||
                           (key == SettingKey::showsDockIcon && !mayHideDockIcon());
    if (hidesLast && !kept->toBool()) return;
    QVariant& field = m_values.at(size_t(key));
    const bool differs = field != *kept;
    field = *kept;
    m_store.setObject(field, keyName(key));
    if (m_batchDepth > 0) {
        if (differs && !m_deferred.contains(key)) m_deferred.append(key);
        return;
    }
    synchronize();
    if (differs) emit changed(key);
}

void AppSettings::synchronize()
{
    const bool failed = !m_store.synchronize();
    if (failed == m_lastWriteFailed) return;
    m_lastWriteFailed = failed;
    emit lastWriteFailedChanged();
}

AppSettings::Batch::Batch(AppSettings& settings)
    : m_settings(settings)
{
    ++m_settings.m_batchDepth;
}

AppSettings::Batch::~Batch()
{
    if (--m_settings.m_batchDepth == 0) m_settings.finishBatch();
}

void AppSettings::finishBatch()
{
    synchronize();
    // Observers may start another batch; the held signals are taken first.
    const QList<SettingKey> deferred = std::exchange(m_deferred, {});
    for (const SettingKey key : deferred)
        emit changed(key);
}

bool AppSettings::isShownInTray(const QString& id) const
{
    return value<QStringList>(SettingKey::trayCityIDs).contains(id);
}

bool AppSettings::mayShowInTray(const QString& id) const
{
    const QStringList shown = value<QStringList>(SettingKey::trayCityIDs);
    return shown.contains(id) || shown.size() < trayCityLimit;
}

void AppSettings::toggleShownInTray(const QString& id)
{
    QStringList shown = value<QStringList>(SettingKey::trayCityIDs);
    if (shown.contains(id))
        shown.removeAll(id);
    else if (mayShowInTray(id))
        shown.append(id);
    else
        return;
    set(SettingKey::trayCityIDs, shown);
}

std::optional<TimeRange> AppSettings::workingHours(const QString& id) const
{
    const std::optional<QString> range = text(SettingKey::cityWorkingHours, id);
    return range ? TimeRange::parse(*range) : std::nullopt;
}

void AppSettings::setWorkingHours(const std::optional<TimeRange>& range, const QString& id)
{
    StringMap all = value<StringMap>(SettingKey::cityWorkingHours);
    if (range)
        all.insert(id, range->toString());
    else
        all.remove(id);
    set(SettingKey::cityWorkingHours, all);
}

Schedule AppSettings::scheduleFor(const QString& id, const QString& regionCode) const
{
    return {workingHours(id).value_or(value<TimeRange>(SettingKey::defaultWorkingHours)),
            value<TimeRange>(SettingKey::awakeHours), WorkWeek::forRegion(regionCode)};
}

void AppSettings::toggleTracking(const City& city)
{
    using enum SettingKey;
    // The first change notifies observers, who may rebuild whatever `city`
    // lives in; the identifier is kept before anything changes.
    const QString id = city.id;
    const Batch batch(*this);
    QStringList tracked = value<QStringList>(trackedCityIDs);
    QStringList order = value<QStringList>(manualOrder);
    if (!tracked.contains(id)) {
        set(trackedCityIDs, tracked << id);
        set(manualOrder, order << id);
        return;
    }
    tracked.removeAll(id);
    set(trackedCityIDs, tracked);
    order.removeAll(id);
    set(manualOrder, order);
}

std::optional<QString> AppSettings::customLabel(const City& city) const
{
    return text(SettingKey::customCityLabels, city.id);
}

std::optional<QString> AppSettings::emoji(const City& city) const
{
    if (std::optional<QString> custom = text(SettingKey::customCityEmoji, city.id)) return custom;
    if (value<bool>(SettingKey::showsFlags)) return flagEmoji(city.country);
    return std::nullopt;
}

bool AppSettings::hasCustomization(const City& city) const
{
    return text(SettingKey::customCityLabels, city.id) || text(SettingKey::customCityEmoji, city.id);
}

void AppSettings::setCustomLabel(const std::optional<QString>& label, const City& city)
{
    StringMap labels = value<StringMap>(SettingKey::customCityLabels);
    if (const std::optional<QString> text = trimmedText(label))
        labels.insert(city.id, *text);
    else
        labels.remove(city.id);
    set(SettingKey::customCityLabels, labels);
}

void AppSettings::setCustomEmoji(const std::optional<QString>& emoji, const City& city)
{
    StringMap all = value<StringMap>(SettingKey::customCityEmoji);
    if (const std::optional<QString> text = trimmedText(emoji))
        all.insert(city.id, firstGrapheme(*text));
    else
        all.remove(city.id);
    set(SettingKey::customCityEmoji, all);
}

void AppSettings::resetCustomization(const City& city)
{
    const Batch batch(*this);
    const QString id = city.id; // see toggleTracking
    for (const SettingKey key : {SettingKey::customCityLabels, SettingKey::customCityEmoji}) {
        StringMap texts = value<StringMap>(key);
        texts.remove(id);
        set(key, texts);
    }
}

QList<City> AppSettings::trackedCities(const QDateTime& at, const CityDatabase& database) const
{
    struct Row {
        City city;
        int offset; // seconds east of UTC at `at`, or the manual rank
    };
    std::vector<Row> rows;
    for (const QString& id : value<QStringList>(SettingKey::trackedCityIDs)) {
        if (std::optional<City> city = database.find(id)) rows.push_back({std::move(*city), 0});
    }

    const NameCollator& collator = NameCollator::forLocale(SystemLocale::current());
    const auto byName = [&](const Row& a, const Row& b) { return collator.compare(a.city.name, b.city.name) < 0; };

    switch (value<SortMode>(SettingKey::sortMode)) {
    case SortMode::time:
        for (Row& row : rows)
            row.offset = row.city.timeZone.offsetFromUtc(at);
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            return a.offset != b.offset ? a.offset < b.offset : byName(a, b);
        });
        break;
    case SortMode::alphabetical:
        std::stable_sort(rows.begin(), rows.end(), byName);
        break;
    case SortMode::manual: {
        // Stored data may repeat an id; its first position is its rank.
        const QStringList order = value<QStringList>(SettingKey::manualOrder);
        QHash<QString, int> ranks;
        for (int i = 0; i < order.size(); ++i)
            if (!ranks.contains(order.at(i))) ranks.insert(order.at(i), i);
        for (Row& row : rows)
            row.offset = ranks.value(row.city.id, std::numeric_limits<int>::max());
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.offset < b.offset; });
        break;
    }
    }

    QList<City> cities;
    cities.reserve(qsizetype(rows.size()));
    for (Row& row : rows)
        cities.append(std::move(row.city));
    return cities;
}

void AppSettings::moveTrackedCities(const QSet<qsizetype>& fromOffsets, qsizetype toOffset,
                                    const QList<City>& displayed)
{
    QStringList working = idsOf(displayed);
    QList<qsizetype> sources(fromOffsets.cbegin(), fromOffsets.cend());
    std::sort(sources.begin(), sources.end());

    QStringList moving;
    for (const qsizetype index : sources)
        if (index >= 0 && index < working.size()) moving.append(working.at(index));
    if (moving.isEmpty()) return;

    for (auto it = sources.crbegin(); it != sources.crend(); ++it)
        if (*it >= 0 && *it < working.size()) working.removeAt(*it);

    const qsizetype below = std::count_if(sources.cbegin(), sources.cend(), [&](qsizetype i) { return i < toOffset; });
    const qsizetype position = std::clamp<qsizetype>(toOffset - below, 0, working.size());
    for (qsizetype i = 0; i < moving.size(); ++i)
        working.insert(position + i, moving.at(i));

    for (const QString& id : value<QStringList>(SettingKey::trackedCityIDs))
        if (!working.contains(id)) working.append(id);

    set(SettingKey::manualOrder, working);
    set(SettingKey::sortMode, SortMode::manual);
}

void AppSettings::chooseSortMode(SortMode mode, const QDateTime& at, const CityDatabase& database)
{
    const Batch batch(*this);
    if (mode == SortMode::manual) set(SettingKey::manualOrder, idsOf(trackedCities(at, database)));
    set(SettingKey::sortMode, mode);
}

#include "moc_AppSettings.cpp"
