#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

// Calls back when a file's contents change, however it is changed: written
// in place, or replaced by a rename (as the settings are saved), created or
// removed. The kernel tells (inotify, through QFileSystemWatcher): nothing
// wakes while the file stays as it is.
class SettingsWatch : public QObject {
public:
    SettingsWatch(const QString& fileName, std::function<void()> changed);

private:
    void watch();
    void look();

    QString m_fileName;
    std::function<void()> m_changed;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QByteArray m_contents;
};
