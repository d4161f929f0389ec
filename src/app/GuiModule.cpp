#include "GuiMain.h"
#include "cli/GuiEntry.h"

#include <QObject>

// The application as a plugin of the executable's.
class GuiModule : public QObject, public GuiEntry {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID GuiEntry_iid)
    Q_INTERFACES(GuiEntry)

public:
    int run(int argc, char** argv) override { return horaviaGuiMain(argc, argv); }
};

#include "GuiModule.moc"
