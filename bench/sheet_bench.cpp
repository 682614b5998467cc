// A saved orifice plate calculation opened and its sheet exported from the command line
// (calcfluides --sheet FILE OUT.pdf), timed from outside like the start-up probe.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "bench/table_reporter.h"
#include "records/qt/calculation_file.h"
#include "scenario/model_driver.h"
#include "shell/page_names.h"

namespace {

// The mass flow of the orifice plate page, as saved by its user.
QByteArray orifice_calculation() {
    cf::scenario::ModelDriver d;
    d.click(cf::pages::home, "Command_feuille_calcul_od");
    for (const char* choice : {"Command_liquide", "Option_dans_les_angles", "Option_qm"})
        d.click(cf::pages::orifice_plate, choice);
    for (const auto& [field, text] : {std::pair{"Text_diamétre_intérieur_canalisation", "100"},
                                      {"Text_diamétre_plaque_à_orifice", "50"},
                                      {"Text_masse_volumique_condition_de_service", "1000"},
                                      {"Text_delta_p", "100"}, {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}})
        d.type(cf::pages::orifice_plate, field, text);
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
const auto* sheet = cf::bench::with_spread(benchmark::RegisterBenchmark(
                                               "command line: orifice calculation opened, sheet exported",
                                               BM_SheetFromCommandLine))
                        ->UseManualTime()
                        ->Unit(benchmark::kMillisecond)
                        ->Iterations(1);

}  // namespace
