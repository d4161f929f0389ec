#include "SettingsWatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// More than the settings ever hold: a larger file is not read whole to be compared.
constexpr qint64 comparedBytes = 4 * 1024 * 1024;

QByteArray contentsOf(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(comparedBytes);
}

} // namespace

SettingsWatch::SettingsWatch(const QString& fileName, std::function<void()> changed)
    : m_fileName(fileName)
    , m_changed(std::move(changed))
    , m_contents(contentsOf(fileName))
{
    // A save is a few events (a temporary file written, then renamed over
    // the old one): they are taken together.
    m_settle.setSingleShot(true);
    m_settle.setInterval(50);
    connect(&m_settle, &QTimer::timeout, this, &SettingsWatch::look);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    watch();
}

void SettingsWatch::watch()
{
    // The file itself for a write in place; its folder, or the nearest one
    // that exists, for a rename, a creation or a removal.
    QStringList wanted;
    if (QFileInfo::exists(m_fileName)) wanted << m_fileName;
    QDir folder = QFileInfo(m_fileName).absoluteDir();
    while (!folder.exists() && !folder.isRoot())
        folder.setPath(QFileInfo(folder.absolutePath()).absolutePath());
    wanted << folder.absolutePath();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString& path : watched)
        if (!wanted.contains(path)) m_watcher.removePath(path);
    for (const QString& path : std::as_const(wanted))
        if (!watched.contains(path)) m_watcher.addPath(path);
}

void SettingsWatch::look()
{
    watch(); // a renamed-over file is a new one, to be watched anew
    QByteArray contents = contentsOf(m_fileName);
    if (contents == m_contents) return;
    m_contents = std::move(contents);
    m_changed();
}
