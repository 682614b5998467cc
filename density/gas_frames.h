#pragma once
// The six gas input frames of the density page: each converts a known density to the density of
// another state. A frame's row of the table holds its controls, the procedure that computes its result,
// the test that says when its inputs are complete, and what its "Résultat" button does.

#include <array>

#include "ui/completeness.h"
#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::density_page {

// "Label :" [field] "unit" of an input frame; the unit label may be absent.
struct Input {
    const char* label;
    const char* caption;
    const char* field;
    const char* unit_label;
    const char* unit;
    const char* text;  // at design time
};

// The result of an input frame and its "Résultat" button, shown and hidden together in this order.
struct ResultGroup {
    const char* label;
    const char* field;
    const char* unit;
    const char* button;
};

// What a change of a compressibility factor does: run the frame's completeness test, or nothing (the
// factors are then read only when another input changes or "Résultat" is clicked).
enum class FactorChange { tests_the_frame, does_nothing };

// What the frame's "Résultat" button does.
enum class ResultButton { computes_again, does_nothing };

// One gas input frame: on the left the known density, the known state's pressure and temperature, the
// other state's pressure and temperature; on the right the two compressibility factors and the result.
struct GasFrame {
    const char* frame;
    std::array<Input, 5> inputs;
    std::array<Input, 2> compressibility;  // both "1" at design time
    ResultGroup result;
    const char* result_caption;
    Procedure procedure;
    // The frame is complete when none of these reads 0 and all of those hold some text.
    Names must_not_read_0;
    Names must_be_filled;
    FactorChange factor_change;  // a change of any input always runs the test
    ResultButton result_button;
};

extern const GasFrame RHOc_from_RHOn, RHOc_from_RHOs, RHOn_from_RHOc, RHOn_from_RHOs, RHOs_from_RHOn,
    RHOs_from_RHOc;

// In the order the resets go through them.
extern const std::array<const GasFrame*, 6> gas_frames;

// The frame's controls: the inputs row by row, the compressibility factors and the result on the right.
void gas_frame_rows(PageBuilder& b, const GasFrame& g);

// The Change rule of a gas frame: the result shown and computed while the frame is complete, hidden
// (keeping its last text) otherwise.
void gas_frame_changed(Page& p, const GasFrame& g);

// The handler given to every field of the frame whose change runs its Change rule.
void on_member_changes(Page& p, const GasFrame& g, const Page::Handler& handler);

// A "Résultat" button that computes again: the result shown (it already is), then computed.
void repeat_result(Page& p, const GasFrame& g);

// The inputs of a gas frame emptied, but the Pn and Tn fields that keep what the user typed through
// "Initialisation" and the return home.
void empty_inputs(Page& p, const GasFrame& g);

// Every compressibility factor of the six frames back to "1".
void set_compressibility_factors_to_1(Page& p);

}  // namespace cf::density_page
