#pragma once

#include "catalogue/CityDatabase.h"
#include "map/WorldLand.h"

// The state every benchmark runs in is the application's own: the process
// set up as main() sets it up, then the catalogue and the land outlines
// loaded and a round of time and zone formatting done, so that whatever
// those leave behind in the process (caches, processor state) is measured too.
namespace ApplicationState {

// Call first thing in main(), as the application does.
void prepareProcess();
// Loads and formats as a running application has; call before the benchmarks.
void enter();

// Says on standard error whether the processor's vector state is clean.
void reportVectorState(const char* when);

const CityDatabase& database();
const WorldLand& land();

} // namespace ApplicationState
