#pragma once

// A shared module beside the running executable (links resolved): the same
// folder, and so the same owner and signature, as the program running. It is
// loaded once and stays until the process ends.
namespace SiblingModule {

// The address of `symbol` in the module `fileName`; null, with the reason on
// standard error, when the module or the symbol cannot be loaded.
void* symbol(const char* fileName, const char* symbol);

} // namespace SiblingModule
