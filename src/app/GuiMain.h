#pragma once

// The application with its windows, tray icon and updater. On Linux it is a
// module the executable loads only when it is needed, so that `--print`
// never pays for the GUI, network and archive libraries.
#if defined(HORAVIA_GUI_MODULE)
#define HORAVIA_GUI_EXPORT __attribute__((visibility("default")))
#else
#define HORAVIA_GUI_EXPORT
#endif

extern "C" HORAVIA_GUI_EXPORT int horaviaGuiMain(int argc, char** argv);
