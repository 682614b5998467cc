// A saved orifice plate calculation opened and its sheet exported from the command line
// (calcfluides --sheet FILE OUT.pdf), timed from outside like the start-up probe.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "bench/bench_pages.h"
#include "bench/table_reporter.h"
#include "records/qt/calculation_file.h"
#include "scenario/model_driver.h"
#include "scenario/worked_calculations.h"
#include "shell/page_names.h"

namespace {

// The mass flow of the orifice plate page, as saved by its user.
QByteArray orifice_calculation() {
    cf::scenario::ModelDriver d;
    cf::scenario::orifice_mass_flow(d);
    return cf::records::qt::to_json(d.journals().record(cf::pages::orifice_plate));
}

void BM_SheetFromCommandLine(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath("orifice.cfcalc");
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(orifice_calculation());
    out.close();
    const QString program = QCoreApplication::applicationDirPath() + "/calcfluides";
    for (auto _ : state) {
        QProcess p;
        QElapsedTimer clock;
        clock.start();
        p.start(program, {"--sheet", file, dir.filePath("orifice.pdf")});
        if (!p.waitForFinished(10000) || p.exitCode() != 0) {
            state.SkipWithError("calcfluides --sheet failed");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}
}  // namespace

namespace cf::bench {

// Registered once the QApplication exists: the program is found beside this one.
void register_sheet_benchmarks() {
    with_spread(benchmark::RegisterBenchmark("command line: orifice calculation opened, sheet exported",
                                             BM_SheetFromCommandLine))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace cf::bench
