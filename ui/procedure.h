#pragma once
// The procedure kit: what every formula procedure does around its formula. It reads its input fields
// into variables of its own, tests its guard, computes, keeps the result as its held result and
// writes its result field(s).
//
// The display rule. A result that is not a finite number once stored (an overflow, a division by
// zero, a root of a negative number), or whose text would read back as an infinity (a double within
// four units of the largest double, whose 15 digits round above it), is never shown: its fields are
// emptied and the held result keeps its value. An emptied field reads as 0 for whatever reads it next, like any empty field, so a chain
// of fields stops at the next guard that tests it.
//
// A guard that fails stops the computation. What the result field shows then is the module's rule:
// the held result written again (the density, pipe flow and correction pages), or nothing written at
// all (the orifice plate page, whose fields keep what they showed).
//
// What results stand on. The kit notes every field a procedure reads and tells the page what became
// of its result fields: computed from those fields, or stopped by the guard (the held result shown
// again, or kept); the page then marks a result that is not current (see Page's marks).

#include <initializer_list>
#include <string_view>
#include <utility>

#include "ui/application.h"
#include "ui/completeness.h"
#include "ui/page.h"

namespace cf::procedure {

// --- Held results ---

// The held results of one module's procedures, kept by the application for the whole run. A module
// holds them in one struct with a member per procedure, named after it, holding what the procedure
// last read and its result; all 0 at the start of a run.
template <class ModuleHeld>
ModuleHeld& held(Page& page) {
    return page.app().held<ModuleHeld>();
}

// --- Reading ---

// A field's value as a procedure stores it: single precision, or double where the procedure holds
// doubles. A value beyond the float range reads as an infinity of its sign in single precision.
float read(const Page& page, std::string_view field);
double read_double(const Page& page, std::string_view field);

// One variable of a procedure and the field it is read from.
template <class Value>
struct Into {
    Value& variable;
    std::string_view field;
};
// Reads each field in turn into its variable, in single or double precision as the variable is.
void read_into(const Page& page, std::initializer_list<Into<float>> reads);
void read_into(const Page& page, std::initializer_list<Into<double>> reads);

// --- Keeping and writing ---

// Stores a computed result as the held result (rounded once to single precision, or kept in double)
// when it is a finite number, and says whether it did; otherwise the held result stays as it was.
bool keep(float& held, double result);
bool keep(double& held, double result);

// The result field emptied: what is shown for a result that could not be kept.
void show_not_computed(Page& page, std::string_view field);

// How a module's procedures write a result, and what a failed guard leaves.
enum class WhenStopped { show_held, write_nothing };
struct Style {
    std::string_view pattern;  // a format pattern ("0.00", "0.000000"); empty for the text step
    WhenStopped when_stopped;
};

// The held result written into one field: with the style's pattern, or through the text step
// (7 significant digits for a result held in single precision, 15 in double).
void write(Page& page, const Style& style, std::string_view field, float held);
void write(Page& page, const Style& style, std::string_view field, double held);

// What a procedure did with its result fields.
enum class Outcome {
    computed,    // a new result kept and written
    held_shown,  // the guard stopped it and the held result was written again
    emptied,     // the result was not a finite number: the fields were emptied
    not_run,     // the guard stopped it and nothing was written
};
inline bool shows_a_value(Outcome o) { return o == Outcome::computed || o == Outcome::held_shown; }

// The step itself. When the guard passes, the formula is computed and its result kept and written
// into each field in turn (each Change running its handlers before the next field is written), or
// every field emptied when it cannot be kept. When the guard fails, the style says what is written.
template <class Held, class Formula>
Outcome compute(Page& page, const Style& style, Names fields, Held& held, bool guard_passes, Formula&& formula) {
    using End = Page::ResultEnd;
    Outcome outcome = Outcome::computed;
    if (guard_passes) {
        if (!keep(held, std::forward<Formula>(formula)())) {
            page.results_of_procedure(fields, End::emptied);
            for (auto field : fields) show_not_computed(page, field);
            return Outcome::emptied;
        }
        page.results_of_procedure(fields, End::computed);
    } else if (style.when_stopped == WhenStopped::write_nothing) {
        page.results_of_procedure(fields, End::kept);
        return Outcome::not_run;
    } else {
        page.results_of_procedure(fields, End::held_shown);
        outcome = Outcome::held_shown;
    }
    for (auto field : fields) write(page, style, field, held);
    return outcome;
}

// --- Procedures as tables ---
// A module whose procedures differ only in their fields and their formula holds every procedure's
// reading in one struct of named quantities, and writes each procedure as one row: the fields it
// reads into which quantity, the quantities its guard wants not 0, the quantity it computes and its
// field, and the formula.

template <class Reading>
struct Read {
    float Reading::*quantity;
    std::string_view field;
};

template <class ModuleHeld, class Reading>
struct TableProcedure {
    Reading ModuleHeld::*held;                             // where its reading is kept
    std::initializer_list<Read<Reading>> reads;            // in the order it reads them
    std::initializer_list<float Reading::*> not_zero;      // its guard; none: it always computes
    Read<Reading> result;                                  // the quantity computed, and its field
    double (*formula)(const Reading&);
};

template <class ModuleHeld, class Reading>
Outcome run(Page& page, const Style& style, const TableProcedure<ModuleHeld, Reading>& procedure) {
    Reading& reading = held<ModuleHeld>(page).*procedure.held;
    for (const auto& [quantity, field] : procedure.reads) reading.*quantity = read(page, field);
    bool guard_passes = true;
    for (auto quantity : procedure.not_zero) guard_passes = guard_passes && reading.*quantity != 0;
    return compute(page, style, {procedure.result.field}, reading.*procedure.result.quantity, guard_passes,
                   [&] { return procedure.formula(reading); });
}

}  // namespace cf::procedure
