// The main of the benchmarks that draw widgets: an offscreen application, so
// that they measure drawing and not a display server.
#include "ApplicationState.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    ApplicationState::prepareProcess();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ApplicationState::enter();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ApplicationState::reportVectorState("after the benchmarks");
    benchmark::Shutdown();
    return 0;
}
