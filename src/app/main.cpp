#include "GuiMain.h"
#include "PrintCommand.h"
#include "platform/VectorState.h"

#if defined(HORAVIA_GUI_MODULE)
#include "platform/SiblingModule.h"
#endif

int main(int argc, char** argv)
{
    VectorState::keepUpperHalvesClean(); // before any hash table of strings exists
    // The command-line output needs no display and no window.
    if (PrintCommand::wanted(argc, argv)) return PrintCommand::run(argc, argv);
#if defined(HORAVIA_GUI_MODULE)
    const auto entry =
        reinterpret_cast<int (*)(int, char**)>(SiblingModule::symbol("libhoravia-gui.so", "horaviaGuiMain"));
    return entry ? entry(argc, argv) : 1;
#else
    return horaviaGuiMain(argc, argv);
#endif
}
