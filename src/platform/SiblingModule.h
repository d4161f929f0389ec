#pragma once

// A shared module beside the running executable (links resolved): the same
// folder, and so the same owner and signature, as the program running. It is
// loaded once and stays until the process ends.
namespace SiblingModule {

// Opens the module's file now, and keeps it open, so that a later load
// reads the file that sat beside the executable at start, not one an
// upgrade has since renamed into its place. Call at start, once per module.
void reserve(const char* fileName);

// The address of `symbol` in the module `fileName` (the reserved file when
// there is one); null, with the reason on standard error, when the module
// or the symbol cannot be loaded.
void* symbol(const char* fileName, const char* symbol);

} // namespace SiblingModule
