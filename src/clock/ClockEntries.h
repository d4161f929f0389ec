#pragma once

#include "ClockEntry.h"
#include "ClockFormatter.h"
#include "ClockRowContent.h"
#include "TimeAnswer.h"
#include "planning/Overlap.h"

#include <QObject>

#include <functional>

class AppSettings;
class CityDatabase;
class DisplayedTime;

// The one list of clock rows every view shows, built once per change of the
// settings (or, sorted by time, of the order at the displayed instant) and
// shared by the tray panel, the chooser, the map, the tooltip and the
// command line. Each row's texts are made here, once per tick, step or
// change of format, and only once someone has asked for them.
class ClockEntries : public QObject {
    Q_OBJECT

public:
    // The home zone is the displayed time's.
    ClockEntries(AppSettings& settings, const CityDatabase& database, DisplayedTime& time, QObject* parent = nullptr);

    const QList<ClockEntry>& entries() const { return m_entries; }
    // The entries' rows, in the same order, with their texts at the displayed instant.
    const QList<ClockRowData>& rows() const;
    QTimeZone homeZone() const;
    // The texts of the rows as the settings format them now, in home's zone.
    ClockFormatter formatter() const;
    // The tracked cities in the order shown.
    QList<City> trackedCities() const;
    // Home and every tracked city with their working hours.
    QList<Overlap::Participant> participants() const;
    // Overlap::workingRuns of the participants, kept while the list and the
    // hours stay: the time strips (of their widths) draw the same day at
    // every step.
    const QList<Overlap::Run>& workingRuns(qint64 from, qint64 until, int columns) const;

    // One line per clock at `at`, in the list's order: title, time, and the
    // day label when its date is not home's ("Tokyo 8:00 AM tomorrow"). For
    // the tray icon's tooltip.
    QStringList glanceLines(const QDateTime& at) const;

    // What the tray shows beside or as its icon, at the displayed instant:
    // the clocks marked for it in the list's order, else the home zone, each
    // after its emoji or flag, else its title ("🇯🇵 9:15 PM 🇬🇧 12:15 PM").
    // `guide` is as wide as the text can grow in this format, so that a
    // host keeps the room; `first` is the first clock's time alone. A set
    // time is marked as not live.
    struct TrayTimes {
        QString text;
        QString guide;
        QString first;
    };
    TrayTimes trayTimes() const;

    // Every clock at `at` on one line to share, time first, with home's date
    // at the end and a day label where a date differs: "3:00 PM Berlin ·
    // 9:00 AM New York · 7:00 AM Tokyo Tomorrow (Tue, Dec 9)".
    QString shareLine(const QDateTime& at) const;

    // A calendar event's instant: the displayed one when it was set, else
    // the next step of the time grid after now (never the current second).
    QDateTime eventStart() const;
    // Lines as glanceLines gives them, but a day label is always a date
    // ("Wed, Dec 9", not "Tomorrow"): a calendar reads them days later.
    QStringList datedLines(const QDateTime& at) const;

    // A typed time ("3pm Tokyo") read against these clocks and the
    // catalogue at the real now: its answers, or why it reads as none;
    // empty when the text is no time.
    QList<TimeAnswer::Answer> answers(const QString& typed) const;

    // Moves the displayed time to the start of the next span in which home
    // and every tracked city are at work, or, failing that within a week,
    // the best partial one, and says what it found.
    void moveToNextOverlap();

signals:
    // The entries changed: rows came, went, moved or show something else.
    void listChanged();
    // Only the texts of rows `first` to `last` changed (a tick, a step, a format).
    void textsChanged(int first, int last);

private:
    void update();
    void followInstant();
    void refreshTexts();
    QList<ClockRowData> rowsOf(const QList<ClockEntry>& entries) const;
    void makeTexts(QList<ClockRowData>& rows) const;

    AppSettings& m_settings;
    const CityDatabase& m_database;
    DisplayedTime& m_time;
    QList<ClockEntry> m_entries;
    // What the entries' order was made with besides the settings: home's
    // zone, and sorted by time, each entry's offset at the instant.
    struct MadeFor {
        QByteArray homeId;
        QList<int> offsets;
        friend bool operator==(const MadeFor&, const MadeFor&) = default;
    };
    MadeFor madeFor() const;
    MadeFor m_madeFor;
    bool m_showsOffset = false;
    mutable QList<ClockRowData> m_rows;
    mutable bool m_textsMade = false;
    struct Runs {
        qint64 from = 0;
        qint64 until = 0;
        int columns = -1;
        QList<Overlap::Run> runs;
    };
    mutable QList<Runs> m_runs; // one per strip width, the latest first
};
