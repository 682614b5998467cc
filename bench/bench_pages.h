#pragma once
// The keystrokes measured on each page: the page brought into the state where one keystroke runs the
// most work, then one field typed into again and again.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"

namespace cf::bench {

struct Keystroke {
    std::string name;
    std::string page;
    std::function<void(Application&)> prepare;  // from a fresh run: open the page, fill every input
    std::string field;                          // the field typed into
    std::string text, other_text;               // its two texts, one stroke apart
    std::string reset_button;                   // the page's "Initialisation", when it is the page measured
    bool through_widgets = false;               // measured through the widgets too
};

// One per page: the keystroke that runs the most procedures.
std::vector<Keystroke> heaviest_keystrokes();

// Types one keystroke again and again through the page model of a fresh run, no window: the field's text
// alternates between two values, so that every stroke computes anew. `entering` runs before each stroke.
void type_keystrokes(benchmark::State& state, const Keystroke& k, void (*entering)() = nullptr);

// The rounds of benchmarks, registered in the order of the table. The engine's run in a process that
// has not created a QApplication; the others need one.
void register_engine_benchmarks();
void register_qt_benchmarks();
void register_probe_benchmarks();
void register_sheet_benchmarks();

}  // namespace cf::bench
