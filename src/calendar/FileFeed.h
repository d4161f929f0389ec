#pragma once

#include "IcsCalendar.h"
#include "agenda/CalendarFeed.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// An .ics file, or a folder of them (the layout vdirsyncer and khal keep:
// one event per file, the calendar's name and colour in files named
// "displayname" and "color"). Read at once and again after each change the
// file system reports: the folder's for files made, renamed or deleted,
// each file's for one rewritten in place.
class FileFeed : public QObject, public CalendarFeed {
    Q_OBJECT

public:
    static constexpr int mostFiles = 10000;
    static constexpr int mostWatchedFiles = 500;
    static constexpr qint64 mostBytes = 64 * 1024 * 1024;

    FileFeed(const CalendarSource& source, std::function<void()> changed);

    QList<Occurrence> occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const override;
    QString problem() const override { return m_problem; }
    QString name() const override { return m_name; }

private:
    void read();
    void readFolder();
    void readFile(const QString& path, qint64* budget);

    CalendarSource m_source;
    std::function<void()> m_changed;
    QFileSystemWatcher m_watch;
    QTimer m_settle;
    QList<IcsCalendar> m_calendars;
    QString m_problem;
    QString m_name;
};
