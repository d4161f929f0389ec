#pragma once

// The desktop's font configuration and its caches, which the first text
// layout otherwise reads on the main thread. Safe to call from any thread,
// and again: loaded once.
namespace FontConfiguration {

void load();

} // namespace FontConfiguration
