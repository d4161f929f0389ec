#pragma once

#include <QList>
#include <QObject>
#include <QString>

// A calendar the user chose to see beside the clocks: the desktop's (by its
// id there), a folder of .ics files, an .ics file, or a subscription address.
struct CalendarSource {
    enum class Kind { desktop, folder, file, subscription };
    QString id{}; // ours, stable: "file-3"
    Kind kind = Kind::file;
    QString address{};
    QString name{};
    QString colour{}; // "#rrggbb", or empty
    bool enabled = true;

    bool operator==(const CalendarSource&) const = default;
};

// The calendars, in calendars.json beside the settings:
//   {"format": "horavia-calendars", "version": 1, "showsAllDay": false,
//    "sources": [{"id": "file-1", "kind": "file", "address": "/home/me/work.ics", "enabled": true}]}
// The file is read as hostile: whatever does not read is left out, and a
// file that does not read at all is kept aside and never overwritten.
class CalendarList : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype mostSources = 100;
    static constexpr qsizetype longestText = 2048;

    explicit CalendarList(QString fileName = defaultFileName(), QObject* parent = nullptr);

    QList<CalendarSource> sources() const { return m_sources; }
    bool anyEnabled() const;
    // All-day events in "next event" too (they are always in a day's list).
    bool showsAllDay() const { return m_showsAllDay; }

    // The new source's id; empty when it is refused (an address of no kind it
    // can be, or one already listed).
    QString add(CalendarSource source);
    void setEnabled(const QString& id, bool enabled);
    void remove(const QString& id);
    void setShowsAllDay(bool shows);
    // The desktop's calendars as it lists them now: new ones are added
    // switched off, known ones keep their switch and take the new name and
    // colour, and those gone are dropped.
    void setDesktopCalendars(const QList<CalendarSource>& listed);

    // Whether an address can be subscribed to: https or webcal, or http to this machine only.
    static bool isSubscribable(const QString& address);

    static QString defaultFileName();

Q_SIGNALS:
    void changed();

private:
    void load();
    void save();

    QString m_fileName;
    QList<CalendarSource> m_sources;
    bool m_showsAllDay = false;
    bool m_writable = true;
};
