#include "AppSettings.h"

#include "catalogue/CityDatabase.h"
#include "catalogue/NameCollator.h"
#include "platform/Preferences.h"
#include "platform/SystemLocale.h"
#include "text/LocaleText.h"

#include <QHash>

#include <unicode/brkiter.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace {

QString fallbackOf(SettingKey key)
{
    return QString::fromLatin1(settingRow(key).fallback);
}

template <typename Enum> Enum loadEnum(const Preferences& store, SettingKey key)
{
    const Enum fallback = fromRawValue<Enum>(fallbackOf(key)).value_or(Enum{});
    const std::optional<QString> raw = store.string(keyName(key));
    return raw ? fromRawValue<Enum>(*raw).value_or(fallback) : fallback;
}

bool loadFlag(const Preferences& store, SettingKey key)
{
    return store.boolean(keyName(key)).value_or(fallbackOf(key) == QLatin1String("true"));
}

// A map with any non-string value is unusable as a whole.
AppSettings::StringMap loadStringMap(const Preferences& store, SettingKey key)
{
    const std::optional<QVariantMap> stored = store.dictionary(keyName(key));
    AppSettings::StringMap map;
    if (!stored) return map;
    for (auto it = stored->cbegin(); it != stored->cend(); ++it) {
        if (it.value().typeId() != QMetaType::QString) return {};
        map.insert(it.key(), LocaleText::wellFormed(it.value().toString()));
    }
    return map;
}

// Names from the editor, an imported file or a link as text can hold them.
AppSettings::StringMap wellFormed(AppSettings::StringMap map)
{
    for (QString& value : map)
        value = LocaleText::wellFormed(value);
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

TimeRange loadRange(const Preferences& store, SettingKey key)
{
    const TimeRange fallback = TimeRange::parse(fallbackOf(key)).value_or(TimeRange());
    const std::optional<QString> raw = store.string(keyName(key));
    return raw ? TimeRange::parse(*raw).value_or(fallback) : fallback;
}

// Each once, at most as many as the tray shows.
QStringList trayIds(QStringList ids)
{
    ids.removeDuplicates();
    return ids.mid(0, AppSettings::trayCityLimit);
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
    using enum SettingKey;
    m_trackedCityIDs = m_store.stringArray(keyName(trackedCityIDs)).value_or(defaultTrackedCityIDs(database));
    m_manualOrder = m_store.stringArray(keyName(manualOrder)).value_or(m_trackedCityIDs);
    m_sortMode = loadEnum<SortMode>(m_store, sortMode);
    m_timeFormat = loadEnum<TimeFormat>(m_store, timeFormat);
    m_dateFormat = loadEnum<DateFormat>(m_store, dateFormat);
    m_showsHomeZone = loadFlag(m_store, showsHomeZone);
    m_showsMenuBarItem = loadFlag(m_store, showsMenuBarItem);
    m_showsDockIcon = loadFlag(m_store, showsDockIcon);
    m_showsFlags = loadFlag(m_store, showsFlags);
    m_customLabels = loadStringMap(m_store, customCityLabels);
    m_customEmoji = loadStringMap(m_store, customCityEmoji);
    const QVariant step = m_store.object(keyName(timeStepMinutes));
    m_timeStepMinutes = isStep(step) ? step.toInt() : QByteArray(settingRow(timeStepMinutes).fallback).toInt();
    m_showsOffsetFromHome = loadFlag(m_store, showsOffsetFromHome);
    m_trayDisplay = loadEnum<TrayDisplay>(m_store, trayDisplay);
    m_trayCityIDs = trayIds(m_store.stringArray(keyName(trayCityIDs)).value_or(QStringList()));
    m_defaultWorkingHours = loadRange(m_store, defaultWorkingHours);
    m_awakeHours = loadRange(m_store, awakeHours);
    m_cityWorkingHours = loadStringMap(m_store, cityWorkingHours);
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

template <typename T> void AppSettings::assign(T& field, const T& value, SettingKey key, const QVariant& stored)
{
    const bool differs = !(field == value);
    field = value;
    m_store.setObject(stored, keyName(key));
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

void AppSettings::setTrackedCityIDs(const QStringList& ids)
{
    assign(m_trackedCityIDs, ids, SettingKey::trackedCityIDs, ids);
}

void AppSettings::setManualOrder(const QStringList& ids)
{
    assign(m_manualOrder, ids, SettingKey::manualOrder, ids);
}

void AppSettings::setSortMode(SortMode mode)
{
    assign(m_sortMode, mode, SettingKey::sortMode, rawValue(mode));
}

void AppSettings::setTimeFormat(TimeFormat format)
{
    assign(m_timeFormat, format, SettingKey::timeFormat, rawValue(format));
}

void AppSettings::setDateFormat(DateFormat format)
{
    assign(m_dateFormat, format, SettingKey::dateFormat, rawValue(format));
}

void AppSettings::setShowsHomeZone(bool shows)
{
    assign(m_showsHomeZone, shows, SettingKey::showsHomeZone, shows);
}

void AppSettings::setShowsMenuBarItem(bool shows)
{
    if (!shows && !mayHideMenuBarItem()) return;
    assign(m_showsMenuBarItem, shows, SettingKey::showsMenuBarItem, shows);
}

void AppSettings::setShowsDockIcon(bool shows)
{
    if (!shows && !mayHideDockIcon()) return;
    assign(m_showsDockIcon, shows, SettingKey::showsDockIcon, shows);
}

void AppSettings::setShowsFlags(bool shows)
{
    assign(m_showsFlags, shows, SettingKey::showsFlags, shows);
}

void AppSettings::setCustomLabels(const StringMap& labels)
{
    const StringMap kept = wellFormed(labels);
    assign(m_customLabels, kept, SettingKey::customCityLabels, storedMap(kept));
}

void AppSettings::setCustomEmoji(const StringMap& emoji)
{
    const StringMap kept = wellFormed(emoji);
    assign(m_customEmoji, kept, SettingKey::customCityEmoji, storedMap(kept));
}

void AppSettings::setTimeStepMinutes(int minutes)
{
    if (!isStep(minutes)) return;
    assign(m_timeStepMinutes, minutes, SettingKey::timeStepMinutes, minutes);
}

void AppSettings::setTrayDisplay(TrayDisplay display)
{
    assign(m_trayDisplay, display, SettingKey::trayDisplay, rawValue(display));
}

void AppSettings::setTrayCityIDs(const QStringList& ids)
{
    const QStringList kept = trayIds(ids);
    assign(m_trayCityIDs, kept, SettingKey::trayCityIDs, kept);
}

bool AppSettings::mayShowInTray(const QString& id) const
{
    return m_trayCityIDs.contains(id) || m_trayCityIDs.size() < trayCityLimit;
}

void AppSettings::toggleShownInTray(const QString& id)
{
    if (m_trayCityIDs.contains(id)) {
        QStringList ids = m_trayCityIDs;
        ids.removeAll(id);
        setTrayCityIDs(ids);
    } else if (mayShowInTray(id)) {
        setTrayCityIDs(m_trayCityIDs + QStringList{id});
    }
}

void AppSettings::setShowsOffsetFromHome(bool shows)
{
    assign(m_showsOffsetFromHome, shows, SettingKey::showsOffsetFromHome, shows);
}

void AppSettings::setDefaultWorkingHours(const TimeRange& range)
{
    assign(m_defaultWorkingHours, range, SettingKey::defaultWorkingHours, range.toString());
}

void AppSettings::setAwakeHours(const TimeRange& range)
{
    assign(m_awakeHours, range, SettingKey::awakeHours, range.toString());
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
    assign(m_cityWorkingHours, all, SettingKey::cityWorkingHours, storedMap(all));
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
