#pragma once

// `horavia --print`: the clocks on standard output for status bars and
// scripts, with no display, no window and no word to a running copy.
namespace PrintCommand {

// Whether the arguments ask for it: "-h", or any "--" option but the login flag.
bool wanted(int argc, char** argv);
// Prints and returns the exit status: 0, or 2 after a usage error.
int run(int argc, char** argv);

} // namespace PrintCommand
