#include "FileFeed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

FileFeed::FileFeed(const CalendarSource& source, std::function<void()> changed)
    : m_source(source)
    , m_changed(std::move(changed))
{
    // Writers make a file in steps (khal writes a temporary and links it):
    // the calendar is read once they have settled.
    m_settle.setSingleShot(true);
    m_settle.setInterval(150);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        read();
        m_changed();
    });
    connect(&m_watch, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watch, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    read();
}

QList<Occurrence> FileFeed::occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const
{
    QList<Occurrence> all;
    for (const IcsCalendar& calendar : m_calendars)
        all.append(calendar.expand(from, to, home));
    std::sort(all.begin(), all.end(), startsBefore);
    return all;
}

void FileFeed::read()
{
    m_calendars.clear();
    m_problem.clear();
    if (!m_watch.files().isEmpty()) m_watch.removePaths(m_watch.files());
    if (!m_watch.directories().isEmpty()) m_watch.removePaths(m_watch.directories());
    if (m_source.kind == CalendarSource::Kind::folder) {
        readFolder();
        return;
    }
    // The folder too: a file replaced by a rename is a new file, which the old watch does not see.
    const QFileInfo info(m_source.address);
    m_watch.addPath(info.absolutePath());
    qint64 budget = mostBytes;
    readFile(m_source.address, &budget);
    m_name = m_calendars.isEmpty() ? QString() : m_calendars.first().name();
    if (info.exists()) m_watch.addPath(m_source.address);
}

void FileFeed::readFolder()
{
    const QDir folder(m_source.address);
    if (!folder.exists()) {
        //: A calendar folder that is not there
        m_problem = QCoreApplication::translate("Calendars", "The folder isn't there.");
        m_watch.addPath(QFileInfo(m_source.address).absolutePath());
        return;
    }
    m_watch.addPath(folder.absolutePath());
    const auto line = [&folder](const QString& name) {
        QFile file(folder.filePath(name));
        return file.size() < 1024 && file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readLine()).trimmed()
                                                                    : QString();
    };
    m_name = line(QStringLiteral("displayname"));
    const QStringList names = folder.entryList({QStringLiteral("*.ics")}, QDir::Files | QDir::Readable, QDir::Name);
    qint64 budget = mostBytes;
    int watched = 0;
    for (const QString& name : names.mid(0, mostFiles)) {
        const QString path = folder.filePath(name);
        readFile(path, &budget);
        if (watched++ < mostWatchedFiles) m_watch.addPath(path);
    }
    if (names.size() > mostFiles)
        //: %n is how many of a calendar folder's files are read
        m_problem = QCoreApplication::translate("Calendars", "Only the first %n files are read.", nullptr, mostFiles);
}

void FileFeed::readFile(const QString& path, qint64* budget)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (m_source.kind == CalendarSource::Kind::file)
            //: A calendar file that cannot be read
            m_problem = QCoreApplication::translate("Calendars", "The file can't be read.");
        return;
    }
    if (file.size() > *budget) {
        //: A calendar too large to read
        m_problem = QCoreApplication::translate("Calendars", "The calendar is too large.");
        return;
    }
    const QByteArray bytes = file.read(*budget);
    *budget -= bytes.size();
    QString why;
    if (auto calendar = IcsCalendar::read(bytes, &why)) {
        m_calendars.append(std::move(*calendar));
    } else if (m_source.kind == CalendarSource::Kind::file) {
        //: A calendar file that is not in the iCalendar format
        m_problem = QCoreApplication::translate("Calendars", "The file isn't a calendar.");
    }
}
