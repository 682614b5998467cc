// The program started from outside, by the probe: the time to the home page painted, and the peak
// memory with every page open.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include "bench/bench_pages.h"
#include "bench/table_reporter.h"

namespace {

QString probe() { return QCoreApplication::applicationDirPath() + "/calcfluides-probe"; }

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        QProcess p;
        QElapsedTimer clock;
        clock.start();
        p.start(probe(), {"startup"});
        if (!p.waitForReadyRead(10000)) {
            state.SkipWithError("the probe did not paint the home page");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        p.waitForFinished(10000);
    }
}

void BM_PeakMemory(benchmark::State& state) {
    double kb = 0;
    for (auto _ : state) {
        QProcess p;
        p.start(probe(), {"memory"});
        p.waitForFinished(20000);
        kb = p.readAllStandardOutput().trimmed().toDouble();
    }
    state.counters["peak_MB"] = kb / 1024.0;
}
}  // namespace

namespace cf::bench {

void register_probe_benchmarks() {
    with_spread(benchmark::RegisterBenchmark("start-up to the home page painted", BM_StartUp))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    with_spread(benchmark::RegisterBenchmark("peak memory, all six pages open", BM_PeakMemory))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace cf::bench
