#include "AppSettings.h"

#include "catalogue/CityDatabase.h"
#include "catalogue/NameCollator.h"
#include "platform/Preferences.h"
#include "platform/SystemLocale.h"

#include <QHash>

#include <unicode/brkiter.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace {

template <typename Enum> Enum loadEnum(const Preferences& store, const QString& key, Enum fallback)
{
    const std::optional<QString> raw = store.string(key);
    return raw ? fromRawValue<Enum>(*raw).value_or(fallback) : fallback;
}

// A map with any non-string value is unusable as a whole.
AppSettings::StringMap loadStringMap(const Preferences& store, const QString& key)
{
    const std::optional<QVariantMap> stored = store.dictionary(key);
    AppSettings::StringMap map;
    if (!stored) return map;
    for (auto it = stored->cbegin(); it != stored->cend(); ++it) {
        if (it.value().typeId() != QMetaType::QString) return {};
        map.insert(it.key(), it.value().toString());
    }
    return map;
}

QVariant storedMap(const AppSettings::StringMap& map)
{
    QVariantMap stored;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        stored.insert(it.key(), it.value());
    return stored;
}

std::optional<QString> trimmedText(const std::optional<QString>& text)
{
    if (!text) return std::nullopt;
    QString trimmed = text->trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    return trimmed;
}

std::optional<QString> trimmedEntry(const AppSettings::StringMap& map, const QString& key)
{
    const auto it = map.constFind(key);
    return it == map.cend() ? std::nullopt : trimmedText(it.value());
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

// A whole number of minutes the time cursor can step by; other numbers, and
// text that looks like one, are not.
bool isStep(const QVariant& value)
{
    const int type = value.typeId();
    if (type != QMetaType::Int && type != QMetaType::LongLong && type != QMetaType::Double) return false;
    const double minutes = value.toDouble();
    return minutes == 15 || minutes == 30 || minutes == 60;
}

TimeRange loadRange(const Preferences& store, const QString& key, const TimeRange& fallback)
{
    const std::optional<QString> raw = store.string(key);
    return raw ? TimeRange::parse(*raw).value_or(fallback) : fallback;
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
    m_trackedCityIDs = m_store.stringArray(SettingsKeys::trackedCityIDs).value_or(defaultTrackedCityIDs(database));
    m_manualOrder = m_store.stringArray(SettingsKeys::manualOrder).value_or(m_trackedCityIDs);
    m_sortMode = loadEnum(m_store, SettingsKeys::sortMode, SortMode::time);
    m_timeFormat = loadEnum(m_store, SettingsKeys::timeFormat, TimeFormat::system);
    m_dateFormat = loadEnum(m_store, SettingsKeys::dateFormat, DateFormat::relative);
    m_showsHomeZone = m_store.boolean(SettingsKeys::showsHomeZone).value_or(true);
    m_showsMenuBarItem = m_store.boolean(SettingsKeys::showsMenuBarItem).value_or(true);
    m_showsDockIcon = m_store.boolean(SettingsKeys::showsDockIcon).value_or(true);
    m_showsFlags = m_store.boolean(SettingsKeys::showsFlags).value_or(true);
    m_customLabels = loadStringMap(m_store, SettingsKeys::customCityLabels);
    m_customEmoji = loadStringMap(m_store, SettingsKeys::customCityEmoji);
    const QVariant step = m_store.object(SettingsKeys::timeStepMinutes);
    if (isStep(step)) m_timeStepMinutes = step.toInt();
    m_showsOffsetFromHome = m_store.boolean(SettingsKeys::showsOffsetFromHome).value_or(true);
    m_defaultWorkingHours = loadRange(m_store, SettingsKeys::defaultWorkingHours, m_defaultWorkingHours);
    m_awakeHours = loadRange(m_store, SettingsKeys::awakeHours, m_awakeHours);
    m_cityWorkingHours = loadStringMap(m_store, SettingsKeys::cityWorkingHours);
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

template <typename T>
void AppSettings::assign(T& field, const T& value, const QString& key, const QVariant& stored,
                         void (AppSettings::*changed)())
{
    const bool differs = !(field == value);
    field = value;
    m_store.setObject(stored, key);
    if (m_batchDepth > 0) {
        if (differs && !m_deferred.contains(changed)) m_deferred.append(changed);
        return;
    }
    synchronize();
    if (differs) emit(this->*changed)();
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
    const QList<void (AppSettings::*)()> deferred = std::exchange(m_deferred, {});
    for (const auto changed : deferred)
        emit(this->*changed)();
}

void AppSettings::setTrackedCityIDs(const QStringList& ids)
{
    assign(m_trackedCityIDs, ids, SettingsKeys::trackedCityIDs, ids, &AppSettings::trackedCityIDsChanged);
}

void AppSettings::setManualOrder(const QStringList& ids)
{
    assign(m_manualOrder, ids, SettingsKeys::manualOrder, ids, &AppSettings::manualOrderChanged);
}

void AppSettings::setSortMode(SortMode mode)
{
    assign(m_sortMode, mode, SettingsKeys::sortMode, rawValue(mode), &AppSettings::sortModeChanged);
}

void AppSettings::setTimeFormat(TimeFormat format)
{
    assign(m_timeFormat, format, SettingsKeys::timeFormat, rawValue(format), &AppSettings::timeFormatChanged);
}

void AppSettings::setDateFormat(DateFormat format)
{
    assign(m_dateFormat, format, SettingsKeys::dateFormat, rawValue(format), &AppSettings::dateFormatChanged);
}

void AppSettings::setShowsHomeZone(bool shows)
{
    assign(m_showsHomeZone, shows, SettingsKeys::showsHomeZone, shows, &AppSettings::showsHomeZoneChanged);
}

void AppSettings::setShowsMenuBarItem(bool shows)
{
    if (!shows && !mayHideMenuBarItem()) return;
    assign(m_showsMenuBarItem, shows, SettingsKeys::showsMenuBarItem, shows, &AppSettings::showsMenuBarItemChanged);
}

void AppSettings::setShowsDockIcon(bool shows)
{
    if (!shows && !mayHideDockIcon()) return;
    assign(m_showsDockIcon, shows, SettingsKeys::showsDockIcon, shows, &AppSettings::showsDockIconChanged);
}

void AppSettings::setShowsFlags(bool shows)
{
    assign(m_showsFlags, shows, SettingsKeys::showsFlags, shows, &AppSettings::showsFlagsChanged);
}

void AppSettings::setCustomLabels(const StringMap& labels)
{
    assign(m_customLabels, labels, SettingsKeys::customCityLabels, storedMap(labels),
           &AppSettings::customLabelsChanged);
}

void AppSettings::setCustomEmoji(const StringMap& emoji)
{
    assign(m_customEmoji, emoji, SettingsKeys::customCityEmoji, storedMap(emoji), &AppSettings::customEmojiChanged);
}

void AppSettings::setTimeStepMinutes(int minutes)
{
    if (!isStep(minutes)) return;
    assign(m_timeStepMinutes, minutes, SettingsKeys::timeStepMinutes, minutes, &AppSettings::timeStepMinutesChanged);
}

void AppSettings::setShowsOffsetFromHome(bool shows)
{
    assign(m_showsOffsetFromHome, shows, SettingsKeys::showsOffsetFromHome, shows,
           &AppSettings::showsOffsetFromHomeChanged);
}

void AppSettings::setDefaultWorkingHours(const TimeRange& range)
{
    assign(m_defaultWorkingHours, range, SettingsKeys::defaultWorkingHours, range.toString(),
           &AppSettings::workingHoursChanged);
}

void AppSettings::setAwakeHours(const TimeRange& range)
{
    assign(m_awakeHours, range, SettingsKeys::awakeHours, range.toString(), &AppSettings::workingHoursChanged);
}

std::optional<TimeRange> AppSettings::workingHours(const QString& id) const
{
    const auto it = m_cityWorkingHours.constFind(id);
    return it == m_cityWorkingHours.cend() ? std::nullopt : TimeRange::parse(*it);
}

void AppSettings::setWorkingHours(const std::optional<TimeRange>& range, const QString& id)
{
    StringMap all = m_cityWorkingHours;
    if (range)
        all.insert(id, range->toString());
    else
        all.remove(id);
    assign(m_cityWorkingHours, all, SettingsKeys::cityWorkingHours, storedMap(all), &AppSettings::workingHoursChanged);
}

Schedule AppSettings::scheduleFor(const QString& id, const QString& regionCode) const
{
    return {workingHours(id).value_or(m_defaultWorkingHours), m_awakeHours, WorkWeek::forRegion(regionCode)};
}

void AppSettings::toggleTracking(const City& city)
{
    // The first change notifies observers, who may rebuild whatever `city`
    // lives in; the identifier is kept before anything changes.
    const QString id = city.id;
    const Batch batch(*this);
    if (!m_trackedCityIDs.contains(id)) {
        setTrackedCityIDs(m_trackedCityIDs + QStringList{id});
        setManualOrder(m_manualOrder + QStringList{id});
        return;
    }
    QStringList tracked = m_trackedCityIDs;
    tracked.removeAll(id);
    setTrackedCityIDs(tracked);
    QStringList order = m_manualOrder;
    order.removeAll(id);
    setManualOrder(order);
}

std::optional<QString> AppSettings::customLabel(const City& city) const
{
    return trimmedEntry(m_customLabels, city.id);
}

std::optional<QString> AppSettings::emoji(const City& city) const
{
    if (std::optional<QString> custom = trimmedEntry(m_customEmoji, city.id)) return custom;
    if (m_showsFlags) return flagEmoji(city.country);
    return std::nullopt;
}

bool AppSettings::hasCustomization(const City& city) const
{
    return trimmedEntry(m_customLabels, city.id) || trimmedEntry(m_customEmoji, city.id);
}

void AppSettings::setCustomLabel(const std::optional<QString>& label, const City& city)
{
    StringMap labels = m_customLabels;
    if (const std::optional<QString> value = trimmedText(label))
        labels.insert(city.id, *value);
    else
        labels.remove(city.id);
    setCustomLabels(labels);
}

void AppSettings::setCustomEmoji(const std::optional<QString>& emoji, const City& city)
{
    StringMap all = m_customEmoji;
    if (const std::optional<QString> value = trimmedText(emoji))
        all.insert(city.id, firstGrapheme(*value));
    else
        all.remove(city.id);
    setCustomEmoji(all);
}

void AppSettings::resetCustomization(const City& city)
{
    const Batch batch(*this);
    const QString id = city.id; // see toggleTracking
    StringMap labels = m_customLabels;
    labels.remove(id);
    setCustomLabels(labels);
    StringMap emoji = m_customEmoji;
    emoji.remove(id);
    setCustomEmoji(emoji);
}

QList<City> AppSettings::trackedCities(const QDateTime& at, const CityDatabase& database) const
{
    struct Row {
        City city;
        int offset; // seconds east of UTC at `at`, or the manual rank
    };
    std::vector<Row> rows;
    for (const QString& id : m_trackedCityIDs) {
        if (std::optional<City> city = database.find(id)) rows.push_back({std::move(*city), 0});
    }

    const NameCollator& collator = NameCollator::forLocale(SystemLocale::current());
    const auto byName = [&](const Row& a, const Row& b) { return collator.compare(a.city.name, b.city.name) < 0; };

    switch (m_sortMode) {
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
        QHash<QString, int> ranks;
        for (int i = 0; i < m_manualOrder.size(); ++i)
            if (!ranks.contains(m_manualOrder.at(i))) ranks.insert(m_manualOrder.at(i), i);
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

    for (const QString& id : std::as_const(m_trackedCityIDs))
        if (!working.contains(id)) working.append(id);

    setManualOrder(working);
    setSortMode(SortMode::manual);
}

void AppSettings::chooseSortMode(SortMode mode, const QDateTime& at, const CityDatabase& database)
{
    const Batch batch(*this);
    if (mode == SortMode::manual) setManualOrder(idsOf(trackedCities(at, database)));
    setSortMode(mode);
}

#include "moc_AppSettings.cpp"
