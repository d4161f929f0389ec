#include "GuiMain.h"
#include "PrintCommand.h"
#include "platform/VectorState.h"

#if defined(HORAVIA_GUI_MODULE)
#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

// The module beside the executable itself (links resolved): the same
// folder, and so the same owner and signature, as the program running.
int runGuiModule(int argc, char** argv)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::perror("horavia: /proc/self/exe");
        return 1;
    }
    std::string path(self, size_t(length));
    path.replace(path.rfind('/') + 1, std::string::npos, "libhoravia-gui.so");
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "horavia: %s\n", ::dlerror());
        return 1;
    }
    const auto entry = reinterpret_cast<int (*)(int, char**)>(::dlsym(module, "horaviaGuiMain"));
    if (!entry) {
        std::fprintf(stderr, "horavia: %s\n", ::dlerror());
        return 1;
    }
    return entry(argc, argv); // the module stays loaded until the process ends
}

} // namespace
#endif

int main(int argc, char** argv)
{
    VectorState::keepUpperHalvesClean(); // before any hash table of strings exists
    // The command-line output needs no display and no window.
    if (PrintCommand::wanted(argc, argv)) return PrintCommand::run(argc, argv);
#if defined(HORAVIA_GUI_MODULE)
    return runGuiModule(argc, argv);
#else
    return horaviaGuiMain(argc, argv);
#endif
}
