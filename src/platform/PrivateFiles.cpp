#include "PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace PrivateFiles {

namespace {

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

} // namespace

bool ensureFolder(const QString& path, Links links, bool close)
{
    const QByteArray name = QFile::encodeName(QDir::cleanPath(path));
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno != ENOENT) return false;
        const QString parent = QFileInfo(QString::fromLocal8Bit(name)).absolutePath();
        if (parent != path && !QFileInfo(parent).isDir() && !ensureFolder(parent, Links::follow, false)) return false;
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return false;
        if (::lstat(name.constData(), &status) != 0) return false;
    }
    if (S_ISLNK(status.st_mode)) {
        if (links == Links::refuse || ::stat(name.constData(), &status) != 0) return false;
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) return false;
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) == 0) return true;
    return close && ::chmod(name.constData(), status.st_mode & 0700) == 0;
}

Written writeUnique(const QString& folder, const QString& prefix, const QString& suffix, const QByteArray& bytes,
                    int keep)
{
    QByteArray name = QFile::encodeName(folder + QLatin1Char('/') + prefix) + "XXXXXX" + QFile::encodeName(suffix);
    // O_EXCL: a name someone put in the way (a link to ~/.profile) fails
    // and another is drawn; the file is 0600 from the start.
    const int fd = ::mkostemps(name.data(), int(QFile::encodeName(suffix).size()), O_CLOEXEC);
    if (fd < 0) return {{}, QString::fromLocal8Bit(std::strerror(errno))};
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
        ::unlink(name.constData());
        return {{}, error};
    }
    const QString path = QFile::decodeName(name);

    // The newest few stay for the program that opens them; older ones go.
    struct Old {
        QByteArray name;
        qint64 modified;
    };
    std::vector<Old> mine;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({prefix + QLatin1Char('*') + suffix}, QDir::Files | QDir::System | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QByteArray entryName = QFile::encodeName(entry.absoluteFilePath());
        struct stat status {};
        if (::lstat(entryName.constData(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
            continue;
        mine.push_back({entryName, qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec});
    }
    std::sort(mine.begin(), mine.end(), [](const Old& a, const Old& b) { return a.modified > b.modified; });
    for (size_t i = size_t(std::max(keep, 1)); i < mine.size(); ++i)
        if (mine[i].name != name) ::unlink(mine[i].name.constData());
    return {path, {}};
}

int unnamedCopy(int fd, qint64 length)
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/horavia");
    if (!ensureFolder(folder)) return -1;
    const int copy = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (copy < 0) return -1;
    loff_t from = 0;
    while (from < length) {
        const ssize_t n = ::copy_file_range(fd, &from, copy, nullptr, size_t(length - from), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(copy);
            return -1;
        }
    }
    return copy;
}

int steadyCopy(int fd, qint64 length)
{
    struct stat shipped {};
    if (::fstat(fd, &shipped) != 0 || !S_ISREG(shipped.st_mode) || shipped.st_size != length) return -1;
    // Root's file is safe from the user only while the user is not root.
    if (shipped.st_uid == 0 && ::geteuid() != 0 && (shipped.st_mode & (S_IWGRP | S_IWOTH)) == 0)
        return ::fcntl(fd, F_DUPFD_CLOEXEC, 0);

    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/horavia");
    if (!ensureFolder(folder)) return -1;
    const auto identity = [](const struct stat& status) {
        return QStringLiteral("index-%1-%2-%3-%4.%5-%6.%7")
            .arg(quint64(status.st_dev), 0, 16)
            .arg(quint64(status.st_ino), 0, 16)
            .arg(qint64(status.st_size))
            .arg(qint64(status.st_mtim.tv_sec))
            .arg(qint64(status.st_mtim.tv_nsec))
            .arg(qint64(status.st_ctim.tv_sec))
            .arg(qint64(status.st_ctim.tv_nsec));
    };
    const QString name = identity(shipped);
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);

    const int kept = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (kept >= 0) {
        struct stat status {};
        if (::fstat(kept, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            (status.st_mode & (S_IWGRP | S_IWOTH)) == 0 && status.st_size == length)
            return kept;
        ::close(kept);
    }

    const int copy = unnamedCopy(fd, length);
    if (copy < 0) return -1;
    // Changed while it was copied: the copy serves this run alone.
    struct stat after {};
    if (::fstat(fd, &after) != 0 || identity(after) != name) return copy;
    // Named once whole, so a start beside this one never maps half a copy.
    // Another start may have named its own first; this one is then unnamed.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(copy);
    ::unlink(path.constData());
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) != 0) return copy;
    // Copies of the file as it was before go.
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("index-*")}, QDir::Files | QDir::System | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName() == name) continue;
        const QByteArray entryName = QFile::encodeName(entry.absoluteFilePath());
        struct stat status {};
        if (::lstat(entryName.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlink(entryName.constData());
    }
    return copy;
}

} // namespace PrivateFiles
