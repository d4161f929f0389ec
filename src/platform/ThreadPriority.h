#pragma once

namespace ThreadPriority {

// Lowers the calling thread alone to `nice` (0 to 19), where the system
// sets a priority per thread; elsewhere nothing changes.
void lowerCurrent(int nice);

} // namespace ThreadPriority
