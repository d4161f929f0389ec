// The main of the benchmarks that need no widgets.
#include "ApplicationState.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    ApplicationState::prepareProcess();
    ApplicationState::enter();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ApplicationState::reportVectorState("after the benchmarks");
    benchmark::Shutdown();
    return 0;
}
