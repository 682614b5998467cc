// calcfluides-bench: the benchmarks of the engine and of the widgets (offscreen), and the start-up
// and memory probe.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/qt/headless.h"

int main(int argc, char** argv) {
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
