#include "GuiEntry.h"
#include "PrintCommand.h"
#include "platform/SiblingModule.h"
#include "platform/VectorState.h"

#if !defined(HORAVIA_GUI_MODULE)
Q_IMPORT_PLUGIN(GuiModule)
Q_IMPORT_PLUGIN(ServicesModule)
#endif

int main(int argc, char** argv)
{
    VectorState::keepUpperHalvesClean(); // before any hash table of strings exists
    // The command-line output needs no display and no window.
    if (PrintCommand::wanted(argc, argv)) return PrintCommand::run(argc, argv);
#if defined(HORAVIA_GUI_MODULE)
    GuiEntry* entry = SiblingModule::load<GuiEntry>(HORAVIA_GUI_MODULE);
#else
    GuiEntry* entry = SiblingModule::linkedIn<GuiEntry>();
#endif
    return entry ? entry->run(argc, argv) : 1;
}
