#include "SiblingModule.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
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

void* symbol(const char* fileName, const char* symbol)
{
    std::string path;
    {
        const std::lock_guard lock(reservedLock());
        if (const auto it = reserved().find(fileName); it != reserved().end())
            path = "/proc/self/fd/" + std::to_string(it->second);
    }
    if (path.empty()) path = besideExecutable(fileName);
    if (path.empty()) {
        std::perror("horavia: /proc/self/exe");
        return nullptr;
    }
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* found = module ? ::dlsym(module, symbol) : nullptr;
    if (!found) {
        const char* why = ::dlerror();
        std::fprintf(stderr, "horavia: %s: %s\n", fileName, why ? why : "not found");
    }
    return found;
}

} // namespace SiblingModule
