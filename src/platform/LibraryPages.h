#pragma once

#include <cstddef>

// A library's read-only data, such as ICU's tables, is read once to build
// what the application keeps (formatters, zone names, collators), and the
// page cache maps whole runs of it at each fault. Letting the process's
// mapping of it go costs a later read a minor fault: the pages stay in the
// file cache, shared with every other process that reads them.
namespace LibraryPages {

// Lets go of the pages of the loaded library segment that holds `address`,
// if that segment is read-only data: neither writable (its changes would be
// lost) nor code. Says whether it did.
bool releaseReadOnlyData(const void* address);

// ICU's data tables, when they are a loaded library (not a file ICU maps
// itself or data built into ICU's own code).
bool releaseIcuData();

// Lets go of the pages of a read-only mapping of a file: they stay in the
// file cache and come back on a minor fault, so a later lookup costs next to
// nothing, while what start-up read no longer counts against this process
// (the page cache maps whole runs of pages at each fault).
void releaseMapped(const void* address, size_t length);

} // namespace LibraryPages
