#include "FileTree.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace FileTree {

namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

struct Folder {
    DIR* dir = nullptr;
    explicit Folder(int fd)
        : dir(fd >= 0 ? ::fdopendir(fd) : nullptr)
    {
        if (fd >= 0 && !dir) ::close(fd);
    }
    ~Folder()
    {
        if (dir) ::closedir(dir);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
};

bool isDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

bool walkFolder(int fd, const QString& prefix, const Visitor& visit)
{
    Folder folder(fd);
    if (!folder.dir) return false;
    const int parent = ::dirfd(folder.dir);
    while (const dirent* entry = ::readdir(folder.dir)) {
        if (isDotOrDotDot(entry->d_name)) continue;
        const QByteArray raw(entry->d_name);
        const QString name = QString::fromUtf8(raw);
        if (name.toUtf8() != raw) return false; // undecodable: nothing may hide under it
        struct stat status {};
        if (::fstatat(parent, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) return false;
        const QString relative = prefix.isEmpty() ? name : prefix + QLatin1Char('/') + name;
        if (!visit(relative, status, parent, entry->d_name)) return false;
        if (S_ISDIR(status.st_mode) && !walkFolder(::openat(parent, entry->d_name, folderFlags), relative, visit))
            return false;
    }
    return true;
}

bool removeFolderContents(int fd)
{
    Folder folder(fd);
    if (!folder.dir) return false;
    const int parent = ::dirfd(folder.dir);
    bool removed = true;
    while (const dirent* entry = ::readdir(folder.dir)) {
        if (isDotOrDotDot(entry->d_name)) continue;
        struct stat status {};
        if (::fstatat(parent, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISDIR(status.st_mode)) {
            // A read-only folder (from a payload, or the old copy) is opened up first.
            ::fchmodat(parent, entry->d_name, (status.st_mode & 07777) | S_IRWXU, 0);
            removed = removeFolderContents(::openat(parent, entry->d_name, folderFlags)) && removed;
            removed = ::unlinkat(parent, entry->d_name, AT_REMOVEDIR) == 0 && removed;
        } else {
            removed = ::unlinkat(parent, entry->d_name, 0) == 0 && removed;
        }
    }
    return removed;
}

} // namespace

bool walk(const QString& root, const Visitor& visit)
{
    return walkFolder(::open(QFile::encodeName(root).constData(), folderFlags), QString(), visit);
}

bool remove(const QString& root)
{
    const QByteArray path = QFile::encodeName(root);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) return errno == ENOENT;
    if (!S_ISDIR(status.st_mode)) return ::unlink(path.constData()) == 0;
    ::chmod(path.constData(), (status.st_mode & 07777) | S_IRWXU);
    const bool contents = removeFolderContents(::open(path.constData(), folderFlags));
    return ::rmdir(path.constData()) == 0 && contents;
}

} // namespace FileTree
