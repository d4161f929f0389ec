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

#include <optional>

class CityDatabase;
class Preferences;

// Every choice the user makes, loaded once at launch. Each assignment is
// written to the preferences at once and synchronised (also when the value is
// unchanged); the change signal fires only when the value really changed.
// Within a batch, the values are written and synchronised once, and the
// signals fire after the last of them, so that observers never see half of
// one action. Loading never writes. Lives on the main thread. What each key
// is called, holds, defaults to and shows as is the settings table's.
class AppSettings : public QObject {
    Q_OBJECT
    // Read and written by name (the key's, in the settings table); changes are told through changed().
    Q_PROPERTY(QStringList trackedCityIDs READ trackedCityIDs WRITE setTrackedCityIDs)
    Q_PROPERTY(QStringList manualOrder READ manualOrder WRITE setManualOrder)
    Q_PROPERTY(SortMode sortMode READ sortMode WRITE setSortMode)
    Q_PROPERTY(TimeFormat timeFormat READ timeFormat WRITE setTimeFormat)
    Q_PROPERTY(DateFormat dateFormat READ dateFormat WRITE setDateFormat)
    Q_PROPERTY(bool showsHomeZone READ showsHomeZone WRITE setShowsHomeZone)
    Q_PROPERTY(bool showsMenuBarItem READ showsMenuBarItem WRITE setShowsMenuBarItem)
    Q_PROPERTY(bool showsDockIcon READ showsDockIcon WRITE setShowsDockIcon)
    Q_PROPERTY(bool showsFlags READ showsFlags WRITE setShowsFlags)
    Q_PROPERTY(int timeStepMinutes READ timeStepMinutes WRITE setTimeStepMinutes)
    Q_PROPERTY(bool showsOffsetFromHome READ showsOffsetFromHome WRITE setShowsOffsetFromHome)
    Q_PROPERTY(TrayDisplay trayDisplay READ trayDisplay WRITE setTrayDisplay)
    Q_PROPERTY(QStringList trayCityIDs READ trayCityIDs WRITE setTrayCityIDs)

public:
    using StringMap = QMap<QString, QString>;

    // Reads every key from the store; the database only names the default
    // tracked cities.
    AppSettings(Preferences& store, const CityDatabase& database, QObject* parent = nullptr);

    // The first city named "New York City", "Chicago", "Los Angeles",
    // "London" and "Melbourne" in catalogue order, skipping absent names.
    static QStringList defaultTrackedCityIDs(const CityDatabase& database);

    QStringList trackedCityIDs() const { return m_trackedCityIDs; }
    QStringList manualOrder() const { return m_manualOrder; }
    SortMode sortMode() const { return m_sortMode; }
    TimeFormat timeFormat() const { return m_timeFormat; }
    DateFormat dateFormat() const { return m_dateFormat; }
    bool showsHomeZone() const { return m_showsHomeZone; }
    bool showsMenuBarItem() const { return m_showsMenuBarItem; }
    bool showsDockIcon() const { return m_showsDockIcon; }
    // One of the tray icon and the taskbar entry always stays, so that the
    // application can be reached: each may be hidden only while the other shows.
    bool mayHideMenuBarItem() const { return m_showsDockIcon; }
    bool mayHideDockIcon() const { return m_showsMenuBarItem; }
    bool showsFlags() const { return m_showsFlags; }
    StringMap customLabels() const { return m_customLabels; }
    StringMap customEmoji() const { return m_customEmoji; }
    // 15, 30 or 60: the time cursor's step.
    int timeStepMinutes() const { return m_timeStepMinutes; }
    bool showsOffsetFromHome() const { return m_showsOffsetFromHome; }
    TrayDisplay trayDisplay() const { return m_trayDisplay; }
    // The clocks marked to show in the tray (at most trayCityLimit); none: the home zone.
    QStringList trayCityIDs() const { return m_trayCityIDs; }
    static constexpr int trayCityLimit = 3;
    bool isShownInTray(const QString& id) const { return m_trayCityIDs.contains(id); }
    // Whether the clock `id` may be marked now: it is, or there is room.
    bool mayShowInTray(const QString& id) const;
    TimeRange defaultWorkingHours() const { return m_defaultWorkingHours; }
    TimeRange awakeHours() const { return m_awakeHours; }
    // A city's own working hours ("home" for a home row without a city); none: the default.
    std::optional<TimeRange> workingHours(const QString& id) const;
    // The working and waking hours and week of the city `id` in the country `regionCode`.
    Schedule scheduleFor(const QString& id, const QString& regionCode) const;

    void setTrackedCityIDs(const QStringList& ids);
    void setManualOrder(const QStringList& ids);
    void setSortMode(SortMode mode);
    void setTimeFormat(TimeFormat format);
    void setDateFormat(DateFormat format);
    void setShowsHomeZone(bool shows);
    // Hiding the one that is left is refused.
    void setShowsMenuBarItem(bool shows);
    void setShowsDockIcon(bool shows);
    void setShowsFlags(bool shows);
    void setCustomLabels(const StringMap& labels);
    void setCustomEmoji(const StringMap& emoji);
    // Values other than 15, 30 and 60 are ignored.
    void setTimeStepMinutes(int minutes);
    void setShowsOffsetFromHome(bool shows);
    void setTrayDisplay(TrayDisplay display);
    // Repeats go, and what is past the limit.
    void setTrayCityIDs(const QStringList& ids);
    // Marks or unmarks the clock `id`; a fourth is refused.
    void toggleShownInTray(const QString& id);
    void setDefaultWorkingHours(const TimeRange& range);
    void setAwakeHours(const TimeRange& range);
    // None goes back to the default.
    void setWorkingHours(const std::optional<TimeRange>& range, const QString& id);

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
    template <typename Slot> QMetaObject::Connection whenChanged(unsigned effects, const QObject* context, Slot slot)
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
    template <typename T> void assign(T& field, const T& value, SettingKey key, const QVariant& stored);

    void synchronize();
    void finishBatch();

    Preferences& m_store;
    int m_batchDepth = 0;
    QList<SettingKey> m_deferred; // the changes a batch holds back, each once
    bool m_lastWriteFailed = false;
    QStringList m_trackedCityIDs;
    QStringList m_manualOrder;
    SortMode m_sortMode = SortMode::time;
    TimeFormat m_timeFormat = TimeFormat::system;
    DateFormat m_dateFormat = DateFormat::relative;
    bool m_showsHomeZone = true;
    bool m_showsMenuBarItem = true;
    bool m_showsDockIcon = true;
    bool m_showsFlags = true;
    StringMap m_customLabels;
    StringMap m_customEmoji;
    int m_timeStepMinutes = 30;
    bool m_showsOffsetFromHome = true;
    TrayDisplay m_trayDisplay = TrayDisplay::icon;
    QStringList m_trayCityIDs;
    TimeRange m_defaultWorkingHours;
    TimeRange m_awakeHours;
    StringMap m_cityWorkingHours;
};
