#pragma once

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

// Preference keys; they are part of the on-disk format and never change.
namespace SettingsKeys {
inline const QString trackedCityIDs = QStringLiteral("trackedCityIDs");
inline const QString manualOrder = QStringLiteral("manualOrder");
inline const QString sortMode = QStringLiteral("sortMode");
inline const QString timeFormat = QStringLiteral("timeFormat");
inline const QString dateFormat = QStringLiteral("dateFormat");
inline const QString showsHomeZone = QStringLiteral("showsHomeZone");
inline const QString showsMenuBarItem = QStringLiteral("showsMenuBarItem");
inline const QString showsDockIcon = QStringLiteral("showsDockIcon");
inline const QString showsFlags = QStringLiteral("showsFlags");
inline const QString customCityLabels = QStringLiteral("customCityLabels");
inline const QString customCityEmoji = QStringLiteral("customCityEmoji");
inline const QString cityWorkingHours = QStringLiteral("cityWorkingHours");
inline const QString defaultWorkingHours = QStringLiteral("defaultWorkingHours");
inline const QString awakeHours = QStringLiteral("awakeHours");
inline const QString timeStepMinutes = QStringLiteral("timeStepMinutes");
inline const QString showsOffsetFromHome = QStringLiteral("showsOffsetFromHome");
} // namespace SettingsKeys

// Every choice the user makes, loaded once at launch. Each assignment is
// written to the preferences at once and synchronised (also when the value is
// unchanged); the change signal fires only when the value really changed.
// Within a batch, the values are written and synchronised once, and the
// signals fire after the last of them, so that observers never see half of
// one action. Loading never writes. Lives on the main thread.
class AppSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList trackedCityIDs READ trackedCityIDs WRITE setTrackedCityIDs NOTIFY trackedCityIDsChanged)
    Q_PROPERTY(QStringList manualOrder READ manualOrder WRITE setManualOrder NOTIFY manualOrderChanged)
    Q_PROPERTY(SortMode sortMode READ sortMode WRITE setSortMode NOTIFY sortModeChanged)
    Q_PROPERTY(TimeFormat timeFormat READ timeFormat WRITE setTimeFormat NOTIFY timeFormatChanged)
    Q_PROPERTY(DateFormat dateFormat READ dateFormat WRITE setDateFormat NOTIFY dateFormatChanged)
    Q_PROPERTY(bool showsHomeZone READ showsHomeZone WRITE setShowsHomeZone NOTIFY showsHomeZoneChanged)
    Q_PROPERTY(bool showsMenuBarItem READ showsMenuBarItem WRITE setShowsMenuBarItem NOTIFY showsMenuBarItemChanged)
    Q_PROPERTY(bool showsDockIcon READ showsDockIcon WRITE setShowsDockIcon NOTIFY showsDockIconChanged)
    Q_PROPERTY(bool showsFlags READ showsFlags WRITE setShowsFlags NOTIFY showsFlagsChanged)
    Q_PROPERTY(int timeStepMinutes READ timeStepMinutes WRITE setTimeStepMinutes NOTIFY timeStepMinutesChanged)
    Q_PROPERTY(bool showsOffsetFromHome READ showsOffsetFromHome WRITE setShowsOffsetFromHome NOTIFY
                   showsOffsetFromHomeChanged)

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

signals:
    void trackedCityIDsChanged();
    void manualOrderChanged();
    void sortModeChanged();
    void timeFormatChanged();
    void dateFormatChanged();
    void showsHomeZoneChanged();
    void showsMenuBarItemChanged();
    void showsDockIconChanged();
    void showsFlagsChanged();
    void customLabelsChanged();
    void customEmojiChanged();
    void timeStepMinutesChanged();
    void showsOffsetFromHomeChanged();
    // Any working or waking hours, a city's or the defaults.
    void workingHoursChanged();
    void lastWriteFailedChanged();

private:
    template <typename T>
    void assign(T& field, const T& value, const QString& key, const QVariant& stored, void (AppSettings::*changed)());

    void synchronize();
    void finishBatch();

    Preferences& m_store;
    int m_batchDepth = 0;
    QList<void (AppSettings::*)()> m_deferred; // the signals a batch holds back, each once
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
    TimeRange m_defaultWorkingHours{QTime(9, 0), QTime(17, 0)};
    TimeRange m_awakeHours{QTime(7, 0), QTime(22, 0)};
    StringMap m_cityWorkingHours;
};
