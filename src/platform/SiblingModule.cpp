#include "SiblingModule.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace SiblingModule {

void* symbol(const char* fileName, const char* symbol)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::perror("horavia: /proc/self/exe");
        return nullptr;
    }
    std::string path(self, size_t(length));
    path.replace(path.rfind('/') + 1, std::string::npos, fileName);
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* found = module ? ::dlsym(module, symbol) : nullptr;
    if (!found) std::fprintf(stderr, "horavia: %s\n", ::dlerror());
    return found;
}

} // namespace SiblingModule
