// The engine through the page model, no window, in a process that has not created a QApplication: the
// heaviest keystroke of each page, "Initialisation" of each page, and the creation of each page.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_pages.h"
#include "bench/table_reporter.h"
#include "program/program.h"
#include "ui/application.h"

namespace {

using cf::bench::Keystroke;
using cf::bench::with_spread;

void BM_Keystroke(benchmark::State& state, const Keystroke& k) { cf::bench::type_keystrokes(state, k); }

void BM_Initialisation(benchmark::State& state, const Keystroke& k) {
    cf::Application app;
    cf::start_calcfluides(app);
    for (auto _ : state) {
        state.PauseTiming();
        k.prepare(app);
        state.ResumeTiming();
        app.page(k.page).user_click(k.reset_button);
    }
}

void BM_PageCreation(benchmark::State& state, const std::string& page) {
    cf::Application app;
    cf::start_calcfluides(app);
    for (auto _ : state) {
        app.page(page);
        state.PauseTiming();
        app.unload(page);
        state.ResumeTiming();
    }
}

}  // namespace

namespace cf::bench {

void type_keystrokes(benchmark::State& state, const Keystroke& k, void (*entering)()) {
    Application app;
    start_calcfluides(app);
    k.prepare(app);
    Page& page = app.page(k.page);
    bool flip = false;
    for (auto _ : state) {
        if (entering) entering();
        page.user_edit(k.field, flip ? k.text : k.other_text);
        flip = !flip;
    }
}

void register_engine_benchmarks() {
    for (const Keystroke& k : cf::bench::heaviest_keystrokes()) {
        with_spread(benchmark::RegisterBenchmark(("engine keystroke/" + k.name).c_str(), BM_Keystroke, k));
        if (!k.reset_button.empty())
            with_spread(benchmark::RegisterBenchmark(("engine Initialisation/" + k.page).c_str(), BM_Initialisation, k));
    }
    cf::Application scratch;
    cf::start_calcfluides(scratch);
    for (const auto& page : scratch.page_names())
        with_spread(benchmark::RegisterBenchmark(("engine page creation/" + page).c_str(), BM_PageCreation, page))
            ->Unit(benchmark::kMicrosecond);
}

}  // namespace cf::bench
