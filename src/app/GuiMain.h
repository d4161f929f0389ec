#pragma once

// Makes the application object, the icon and the first window, and runs
// the event loop: the windowed application's main.
int horaviaGuiMain(int argc, char** argv);
