// calcfluides-bench [benchmark flags]: the benchmarks of the engine and of the widgets (offscreen), and
// the start-up and memory probe, printed as one table of medians with their minimum and maximum.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/table_reporter.h"
#include "ui/qt/headless.h"

int main(int argc, char** argv) {
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    benchmark::Initialize(&argc, argv);
    cf::bench::TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
