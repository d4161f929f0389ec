// The main of every benchmark program but the whole-application one. Those
// that draw widgets (HORAVIA_BENCHMARK_WIDGETS) get an offscreen
// application, so that they measure drawing and not a display server.
#include "ApplicationState.h"

#ifdef HORAVIA_BENCHMARK_WIDGETS
#include <QApplication>
#endif

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    ApplicationState::prepareProcess();
#ifdef HORAVIA_BENCHMARK_WIDGETS
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    ApplicationState::enter();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ApplicationState::reportVectorState("after the benchmarks");
    benchmark::Shutdown();
    return 0;
}
