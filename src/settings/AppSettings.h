#pragma once

#include "SettingsTable.h"
#include "SettingsTypes.h"
#include "catalogue/City.h"
#include "planning/Schedule.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariant>

#include <array>
#include <optional>
#include <type_traits>

class CityDatabase;
class Preferences;

// Every choice the user makes, loaded once at launch. Each assignment is
// written to the preferences at once and synchronised (also when the value is
// unchanged); the change signal fires only when the value really changed.
// Within a batch, the values are written and synchronised once, and the
// signals fire after the last of them, so that observers never see half of
// one action. Loading never writes. Lives on the main thread. What each key
// is called, holds, defaults to and shows is the settings table's; each value
// is held as the preferences file holds it and read through its type.
class AppSettings : public QObject {
    Q_OBJECT

public:
    using StringMap = QMap<QString, QString>;

    // Reads every key from the store; the database only names the default
    // tracked cities.
    AppSettings(Preferences& store, const CityDatabase& database, QObject* parent = nullptr);

    // The first city named "New York City", "Chicago", "Los Angeles",
    // "London" and "Melbourne" in catalogue order, skipping absent names.
    static QStringList defaultTrackedCityIDs(const CityDatabase& database);

    // The value of `key` as T: bool for a flag, int for minutes, QStringList
    // for ids, the enumeration for a choice, StringMap for texts by city and
    // TimeRange for a range.
    template <typename T> T value(SettingKey key) const;
    // Sets `key`, as its type takes it. A value its type refuses (a step of
    // 45 minutes) changes nothing; a list is cut to its bound; hiding the last
    // of the tray icon and the taskbar entry is refused.
    template <typename T> void set(SettingKey key, const T& value);
    // The trimmed text of the city `id` in a map of texts by city; none when unset or blank.
    std::optional<QString> text(SettingKey key, const QString& id) const;
    // The value as the preferences file holds it.
    QVariant stored(SettingKey key) const { return m_values.at(size_t(key)); }

    // One of the tray icon and the taskbar entry always stays, so that the
    // application can be reached: each may be hidden only while the other shows.
    bool mayHideMenuBarItem() const { return value<bool>(SettingKey::showsDockIcon); }
    bool mayHideDockIcon() const { return value<bool>(SettingKey::showsMenuBarItem); }

    static constexpr int trayCityLimit = settingRow(SettingKey::trayCityIDs).most;
    bool isShownInTray(const QString& id) const;
    // Whether the clock `id` may be marked now: it is, or there is room.
    bool mayShowInTray(const QString& id) const;
    // Marks or unmarks the clock `id`; a fourth is refused.
    void toggleShownInTray(const QString& id);

    // A city's own working hours ("home" for a home row without a city); none: the default.
    std::optional<TimeRange> workingHours(const QString& id) const;
    // None goes back to the default.
    void setWorkingHours(const std::optional<TimeRange>& range, const QString& id);
    // The working and waking hours and week of the city `id` in the country `regionCode`.
    Schedule scheduleFor(const QString& id, const QString& regionCode) const;

    // Defers the store's write and the change signals to the end of the
    // outermost batch.
    class Batch {
    public:
        explicit Batch(AppSettings& settings);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        AppSettings& m_settings;
    };

    // Whether the last write of the settings to disk failed. The values set
    // stay in force in memory until the next write succeeds or the application quits.
    bool lastWriteFailed() const { return m_lastWriteFailed; }

    // Tracks an untracked city (last in both lists) or untracks a tracked one
    // (every occurrence). Labels and emoji stay.
    void toggleTracking(const City& city);

    // The trimmed custom label; none when unset or blank.
    std::optional<QString> customLabel(const City& city) const;
    // The custom emoji, else the country flag while flags are shown.
    std::optional<QString> emoji(const City& city) const;
    // Whether a non-blank label or emoji is set (a flag does not count).
    bool hasCustomization(const City& city) const;
    // Stores the trimmed label; none or blank removes it.
    void setCustomLabel(const std::optional<QString>& label, const City& city);
    // Stores the first user-perceived character of the trimmed text; none or
    // blank removes it.
    void setCustomEmoji(const std::optional<QString>& emoji, const City& city);
    void resetCustomization(const City& city);

    // The tracked cities known to the catalogue, ordered by the sort mode
    // (zone offset at `at`, then name; name; or the manual order). Ties keep
    // the tracked order.
    QList<City> trackedCities(const QDateTime& at, const CityDatabase& database) const;

    // Moves the rows at `fromOffsets` of the displayed list to before row
    // `toOffset`, and switches to the manual order. Nothing happens when no
    // offset lies inside the list.
    void moveTrackedCities(const QSet<qsizetype>& fromOffsets, qsizetype toOffset, const QList<City>& displayed);

    // Sets the sort mode as the order picker does: choosing the manual order
    // first freezes the order shown now.
    void chooseSortMode(SortMode mode, const QDateTime& at, const CityDatabase& database);

    // Calls `slot` (on `context`'s thread, while it lives) after each change
    // of a key with any of `effects` (SettingEffect).
    template <typename Slot>
    QMetaObject::Connection whenChanged(unsigned effects, const QObject* context, Slot slot) const
    {
        return connect(this, &AppSettings::changed, context, [effects, slot](SettingKey key) {
            if (settingRow(key).effects & effects) slot();
        });
    }

signals:
    // The value of `key` changed; once per key at the end of a batch.
    void changed(SettingKey key);
    void lastWriteFailedChanged();

private:
    // The type that reads each kind of value.
    template <typename T> static constexpr bool reads(SettingType type)
    {
        if constexpr (std::is_enum_v<T>)
            return type == SettingType::choice;
        else if constexpr (std::is_same_v<T, bool>)
            return type == SettingType::flag;
        else if constexpr (std::is_same_v<T, int>)
            return type == SettingType::minutes;
        else if constexpr (std::is_same_v<T, QStringList>)
            return type == SettingType::cityIds;
        else if constexpr (std::is_same_v<T, StringMap>)
            return type == SettingType::textsByCity;
        else if constexpr (std::is_same_v<T, TimeRange>)
            return type == SettingType::timeRange;
        else
            return false;
    }
    static StringMap textsOf(const QVariant& stored);
    static QVariant storedTexts(const StringMap& map);
    // Writes `value` (as stored) when its type admits it and the rules allow.
    void assign(SettingKey key, const QVariant& value);
    void synchronize();
    void finishBatch();

    Preferences& m_store;
    int m_batchDepth = 0;
    QList<SettingKey> m_deferred; // the changes a batch holds back, each once
    bool m_lastWriteFailed = false;
    std::array<QVariant, settingCount> m_values;
};

template <typename T> T AppSettings::value(SettingKey key) const
{
    Q_ASSERT(reads<T>(settingRow(key).type));
    const QVariant& held = m_values.at(size_t(key));
    if constexpr (std::is_enum_v<T>)
        return fromRawValue<T>(held.toString()).value_or(T{});
    else if constexpr (std::is_same_v<T, StringMap>)
        return textsOf(held);
    else if constexpr (std::is_same_v<T, TimeRange>)
        return TimeRange::parse(held.toString()).value_or(TimeRange());
    else
        return held.value<T>();
}

template <typename T> void AppSettings::set(SettingKey key, const T& value)
{
    Q_ASSERT(reads<T>(settingRow(key).type));
    if constexpr (std::is_enum_v<T>)
        assign(key, rawValue(value));
    else if constexpr (std::is_same_v<T, StringMap>)
        assign(key, storedTexts(value));
    else if constexpr (std::is_same_v<T, TimeRange>)
        assign(key, value.toString());
    else
        assign(key, QVariant::fromValue(value));
}
