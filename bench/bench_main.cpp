// calcfluides-bench [benchmark flags]: the benchmarks of the engine, in a process without Qt and in one
// with Qt, of the widgets (offscreen), and the start-up and memory probe, printed as one table of medians
// with their minimum and maximum.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/bench_pages.h"
#include "bench/table_reporter.h"
#include "ui/qt/headless.h"
#include "ui/qt/vector_state.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    cf::bench::TableReporter table;
    // First the engine as a process without Qt runs it: no QApplication yet, nothing of Qt has run.
    cf::bench::register_engine_benchmarks();
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::ClearRegisteredBenchmarks();

    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    cf::qt::clear_vector_state();
    cf::bench::register_qt_benchmarks();
    cf::bench::register_probe_benchmarks();
    cf::bench::register_sheet_benchmarks();
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    table.print();
    return 0;
}
