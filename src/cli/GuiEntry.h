#pragma once

#include <QtPlugin>

// The application with its windows, tray icon and updater. On Linux it is a
// module the executable loads only when it is needed, so that `--print`
// never pays for the GUI, network and archive libraries.
class GuiEntry {
public:
    virtual ~GuiEntry() = default;
    // Runs the application until it quits; its exit status.
    virtual int run(int argc, char** argv) = 0;
};

// Raised whenever `run` changes: a module of another version (an upgrade's,
// beside a copy started before it) is then refused.
#define GuiEntry_iid "org.horavia.Horavia.GuiEntry/1"
Q_DECLARE_INTERFACE(GuiEntry, GuiEntry_iid)
