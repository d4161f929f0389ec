#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <array>
#include <optional>

// A daily span of wall-clock time, from inclusive to exclusive. One that ends
// at or before its start runs past midnight (22:00–06:00).
struct TimeRange {
    QTime from;
    QTime to;

    bool wraps() const { return to <= from; }
    bool contains(const QTime& time) const
    {
        return wraps() ? (time >= from || time < to) : (time >= from && time < to);
    }
    // "09:00-17:00"; none for anything else (a missing or out-of-range field).
    static std::optional<TimeRange> parse(const QString& text);
    QString toString() const;

    friend bool operator==(const TimeRange&, const TimeRange&) = default;
};

// The days a country works, from CLDR's week data through ICU: Friday and
// Saturday off in Saudi Arabia, Saturday and Sunday in Germany.
class WorkWeek {
public:
    WorkWeek(); // Monday to Friday
    // `regionCode`: two letters ("DE"); an unknown or empty code gives the world's default.
    static WorkWeek forRegion(const QString& regionCode);
    // `dayOfWeek`: 1 (Monday) to 7, as QDate gives it.
    bool isWorkday(int dayOfWeek) const { return m_workdays.at(size_t(dayOfWeek - 1)); }

    friend bool operator==(const WorkWeek&, const WorkWeek&) = default;

private:
    std::array<bool, 7> m_workdays{};
};

// Where a zone's day stands at an instant, said in words too, never by colour alone.
enum class DayPart { working, awake, night };

QString dayPartText(DayPart part);

// One place's working hours, waking hours and week.
struct Schedule {
    TimeRange working;
    TimeRange awake;
    WorkWeek week;

    // Whether `at` falls in working hours in `zone`. Hours past midnight
    // belong to the day the span began.
    bool isWorking(const QDateTime& at, const QTimeZone& zone) const;
    DayPart partAt(const QDateTime& at, const QTimeZone& zone) const;
    // The same, from the wall-clock date and time in the zone.
    bool isWorkingLocal(const QDateTime& local) const;
    DayPart partAtLocal(const QDateTime& local) const;

    friend bool operator==(const Schedule&, const Schedule&) = default;
};
