#include "SiblingModule.h"

#include <QFile>
#include <QPluginLoader>
#include <QString>
#include <QTemporaryDir>

#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace SiblingModule {

namespace {

std::string besideExecutable(const char* fileName)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return {};
    std::string path(self, size_t(length));
    path.replace(path.rfind('/') + 1, std::string::npos, fileName);
    return path;
}

// Kept for the life of the process, and never destroyed: a module may be
// asked for from an exit handler.
std::map<std::string, int>& reserved()
{
    static auto* const files = new std::map<std::string, int>;
    return *files;
}
std::mutex& reservedLock()
{
    static auto* const lock = new std::mutex;
    return *lock;
}

} // namespace

void reserve(const char* fileName)
{
    const std::string path = besideExecutable(fileName);
    if (path.empty()) return;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return; // said when it is loaded
    const std::lock_guard lock(reservedLock());
    if (!reserved().emplace(fileName, fd).second) ::close(fd);
}

QObject* instance(const char* fileName)
{
    const std::string path = besideExecutable(fileName);
    if (path.empty()) {
        std::perror("horavia: /proc/self/exe");
        return nullptr;
    }
    int kept = -1;
    {
        const std::lock_guard lock(reservedLock());
        if (const auto it = reserved().find(fileName); it != reserved().end()) kept = it->second;
    }
    QString loadFrom = QString::fromStdString(path);
    // Renamed over since the start: Qt loads a plugin only by a name, and the
    // reserved file has none left, so a private copy of it is loaded. (An
    // upgrade in between these checks and the load is refused by the
    // caller's interface check.)
    std::optional<QTemporaryDir> copyFolder;
    struct stat reservedFile {};
    struct stat named {};
    if (kept >= 0 && ::fstat(kept, &reservedFile) == 0 &&
        (::stat(path.c_str(), &named) != 0 || named.st_dev != reservedFile.st_dev ||
         named.st_ino != reservedFile.st_ino)) {
        copyFolder.emplace(); // 0700, removed with the copy once it is loaded
        QFile original;
        QFile copy(copyFolder->filePath(QString::fromUtf8(fileName)));
        if (!copyFolder->isValid() || !original.open(::dup(kept), QIODevice::ReadOnly, QFile::AutoCloseHandle) ||
            !original.seek(0) || !copy.open(QIODevice::WriteOnly) ||
            copy.write(original.readAll()) != original.size() || !copy.flush()) {
            std::fprintf(stderr, "horavia: %s: the copy started with could not be read\n", fileName);
            return nullptr;
        }
        loadFrom = copy.fileName();
    }
    QPluginLoader loader(loadFrom);
    QObject* root = loader.instance();
    if (!root) std::fprintf(stderr, "horavia: %s: %s\n", fileName, qPrintable(loader.errorString()));
    return root;
}

void reportOtherVersion(const char* fileName)
{
    std::fprintf(stderr, "horavia: %s is of another version\n", fileName);
}

} // namespace SiblingModule
