#include "JsonPreferences.h"

#include "platform/PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 largestFile = 16 << 20; // far beyond any real settings file

// None when the file exists but is not a JSON object; an empty map when it
// is missing or empty, which is no damage.
// Only a regular file is read, and it is opened without waiting: a FIFO or a
// device at the name must not hold up the start (or `--print`) for ever.
std::optional<QVariantMap> readValues(const QString& fileName)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) return QVariantMap();
        return std::nullopt;
    }
    QFile file;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > largestFile ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(largestFile + 1);
    if (bytes.trimmed().isEmpty()) return QVariantMap();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    return document.object().toVariantMap();
}

// The whole file or nothing: written beside the target, flushed to disk,
// then renamed over it. The temporary is made anew, exclusively: whatever
// was left at its name (a link, a FIFO) goes first and is never written
// through or waited on.
bool replaceAtomically(const QString& target, const QString& temporary, const QByteArray& bytes)
{
    const QByteArray temp = QFile::encodeName(temporary);
    struct stat existing {};
    const mode_t mode = ::stat(QFile::encodeName(target).constData(), &existing) == 0 && S_ISREG(existing.st_mode)
                            ? existing.st_mode & 0777
                            : 0600;
    if (::unlink(temp.constData()) != 0 && errno != ENOENT) return false;
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool written = ::fchmod(fd, mode) == 0;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        done += n > 0 ? n : 0;
    }
    written = ::fsync(fd) == 0 && written;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temp.constData(), QFile::encodeName(target).constData()) == 0) return true;
    ::unlink(temp.constData());
    return false;
}

} // namespace

namespace {

class Snapshot final : public Preferences {
public:
    explicit Snapshot(QVariantMap values)
        : m_values(std::move(values))
    {
    }
    QVariant object(const QString& key) const override { return m_values.value(key); }
    void setObject(const QVariant& value, const QString& key) override { m_values.insert(key, value); }
    void remove(const QString& key) override { m_values.remove(key); }
    bool synchronize() override { return true; }

private:
    QVariantMap m_values;
};

} // namespace

std::unique_ptr<Preferences> JsonPreferences::snapshot(const QString& fileName)
{
    return std::make_unique<Snapshot>(readValues(fileName).value_or(QVariantMap()));
}

JsonPreferences::JsonPreferences(const QString& fileName)
    : m_fileName(fileName)
{
    removeLeftovers();
    m_stamp = stampOf(fileName);
    const std::optional<QVariantMap> values = readValues(fileName);
    m_unreadable = !values;
    m_values = values.value_or(QVariantMap());
}

JsonPreferences::~JsonPreferences()
{
    if (m_writeTimer && hasPendingChanges()) synchronize();
}

void JsonPreferences::writeChangesAfter(std::chrono::milliseconds delay)
{
    if (!m_writeTimer) {
        m_writeTimer = std::make_unique<QTimer>();
        m_writeTimer->setSingleShot(true);
        m_writeTimer->callOnTimeout([this] { synchronize(); });
    }
    m_writeTimer->setInterval(delay);
    if (hasPendingChanges()) m_writeTimer->start();
}

void JsonPreferences::changed()
{
    // The first change arms the timer; those that follow join its write.
    if (m_writeTimer && !m_writeTimer->isActive()) m_writeTimer->start();
}

QString JsonPreferences::defaultFileName()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/horavia/settings.json");
}

JsonPreferences::Stamp JsonPreferences::stampOf(const QString& fileName)
{
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0) return {};
    return {qint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

// Only one copy runs per user, so whatever a writer leaves beside the file
// when it opens belongs to a writer that is gone: the lock files of earlier
// versions, and this store's own temporary. (A save file's temporary would
// carry six random letters, which no rule could tell from a name the user
// gave a copy of their own, such as "settings.json.backup".)
void JsonPreferences::removeLeftovers() const
{
    const QString file = writtenFileName();
    for (const QString& leftover : {file + QStringLiteral(".lock"), file + QStringLiteral(".lock.rmlink"),
                                    m_fileName + QStringLiteral(".lock"), temporaryFileName()}) {
        const QFileInfo info(leftover);
        if (info.exists() && !info.isSymLink() && info.isFile() && info.ownerId() == ::geteuid())
            QFile::remove(leftover);
    }
}

// A settings file the user made a link (to a folder of dotfiles, say) is
// written where the link points, and stays a link.
QString JsonPreferences::writtenFileName() const
{
    const QFileInfo info(m_fileName);
    if (!info.isSymLink()) return m_fileName;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

QString JsonPreferences::temporaryFileName() const
{
    return writtenFileName() + QStringLiteral(".saving");
}

QVariant JsonPreferences::object(const QString& key) const
{
    return m_values.value(key);
}

void JsonPreferences::setObject(const QVariant& value, const QString& key)
{
    m_values.insert(key, value);
    m_changed.insert(key, value);
    m_removed.remove(key);
    changed();
}

void JsonPreferences::remove(const QString& key)
{
    m_values.remove(key);
    m_changed.remove(key);
    m_removed.insert(key);
    changed();
}

bool JsonPreferences::synchronize()
{
    setAsideUnreadableFile();
    if (stampOf(m_fileName) != m_stamp) {
        // Written by someone else since: start from theirs, then ours on top.
        if (const std::optional<QVariantMap> theirs = readValues(m_fileName)) {
            m_values = *theirs;
            for (auto it = m_changed.cbegin(); it != m_changed.cend(); ++it)
                m_values.insert(it.key(), it.value());
            for (const QString& key : std::as_const(m_removed))
                m_values.remove(key);
        }
    }
    const QString target = writtenFileName();
    // The folder is the user's alone: where others may write, they could
    // swap the file or put a FIFO at the temporary's name. (A file the user
    // made a link is written where it points, in a folder of their choice.)
    if (target == m_fileName && !PrivateFiles::ensureFolder(QFileInfo(target).absolutePath())) return false;
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(m_values)).toJson(QJsonDocument::Indented);
    if (!replaceAtomically(target, temporaryFileName(), bytes)) return false;
    m_stamp = stampOf(m_fileName);
    m_changed.clear();
    m_removed.clear();
    if (m_writeTimer) m_writeTimer->stop(); // written: nothing left to wake for
    return true;
}

void JsonPreferences::setAsideUnreadableFile()
{
    if (!m_unreadable) return;
    m_unreadable = false;
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = m_fileName + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_fileName + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
    // If the rename fails the folder is not writable, so the write that
    // follows cannot replace the file either.
    if (QFile::rename(m_fileName, target)) m_setAsideFileName = target;
    m_stamp = stampOf(m_fileName);
}
