// The engine through the page model, no window: the heaviest keystroke of each page, "Initialisation"
// of each page, and the creation of each page.
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

// One keystroke: the field's text alternates between two values, so that every stroke computes anew.
void BM_Keystroke(benchmark::State& state, const Keystroke& k) {
    cf::Application app;
    cf::start_calcfluides(app);
    k.prepare(app);
    cf::Page& page = app.page(k.page);
    bool flip = false;
    for (auto _ : state) {
        page.user_edit(k.field, flip ? k.text : k.other_text);
        flip = !flip;
    }
}

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

const bool registered = [] {
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
    return true;
}();

}  // namespace
