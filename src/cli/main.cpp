#include "GuiEntry.h"
#include "PrintCommand.h"
#include "platform/ActivationToken.h"
#include "platform/LargeBlocks.h"
#include "platform/SiblingModule.h"
#include "platform/SingleInstance.h"
#include "platform/VectorState.h"

#include <algorithm>
#include <cstring>

#if !defined(HORAVIA_GUI_MODULE)
Q_IMPORT_PLUGIN(GuiModule)
Q_IMPORT_PLUGIN(ServicesModule)
Q_IMPORT_PLUGIN(CalendarModulePlugin)
Q_IMPORT_PLUGIN(SubscriptionModulePlugin)
#endif

int main(int argc, char** argv)
{
    VectorState::keepUpperHalvesClean(); // before any hash table of strings exists
    LargeBlocks::inOwnPages();
    // The command-line output needs no display and no window.
    if (PrintCommand::wanted(argc, argv)) return PrintCommand::run(argc, argv);
    // horavia --toggle to a running copy is a line on its socket: no display,
    // no interface module. Without one, the application starts below.
    if (std::any_of(argv + 1, argv + argc,
                    [](const char* argument) { return std::strcmp(argument, "--toggle") == 0; }) &&
        SingleInstance().ask(SingleInstance::Request::toggle, ActivationToken::ofLaunch()))
        return 0;
    // So is an address to open ("horavia:?at=…", from xdg-open or a click in a chat).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const QString address = SingleInstance::addressIn(arguments);
        !address.isEmpty() && SingleInstance().ask(SingleInstance::Request::open, ActivationToken::ofLaunch(), address))
        return 0;
#if defined(HORAVIA_GUI_MODULE)
    GuiEntry* entry = SiblingModule::load<GuiEntry>(HORAVIA_GUI_MODULE);
#else
    GuiEntry* entry = SiblingModule::linkedIn<GuiEntry>();
#endif
    return entry ? entry->run(argc, argv) : 1;
}
