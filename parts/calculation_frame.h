#pragma once
// A calculation frame: rows of inputs ("Pc:" [field]), then the result rows. Every input's Change runs
// the frame's completeness test: its inputs filled and its divisors not reading 0 show the result group
// and run the frame's procedures; otherwise the group is hidden. Also the choice of known data, which
// opens one calculation frame among those drawn over each other.
//
// A frame is described once, as a row of a table of the page: the handlers keep a reference to it, so
// the table lives as long as the program (a constant at namespace scope).

#include <initializer_list>

#include "ui/completeness.h"
#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::parts {

// A calculation frame is six grid columns wide: up to three inputs to a row.
inline constexpr int frame_columns = 6;

// One input: its field, the caption of its label, its start text, and the label's name where the page
// gives it one (otherwise "lbl_" and the field's name without its prefix txt_, Txt_ or Text_).
struct Input {
    const char* field;
    const char* caption;
    const char* text = "";
    const char* label = nullptr;
};

// Rows of inputs, each row the inputs of one kind of data: the flow data, then one row per set of
// conditions (pressure, temperature, compressibility factor).
void input_grid(PageBuilder& b, std::initializer_list<std::initializer_list<Input>> rows);

// A frame's title across its columns, drawn on two lines where its caption has a run of blanks.
void frame_title(PageBuilder& b, const char* name, const char* caption, int columns = frame_columns);

// One result row, as result_row draws it: "" for no unit label.
struct Result {
    const char* label;
    const char* caption;
    const char* field;
    const char* unit_label = "";
    const char* unit = "";
    ResultStart start = {};
};

struct CalculationFrame {
    const char* name;
    const char* title_label = nullptr;  // the frame's title, where it has one
    const char* title = nullptr;
    std::initializer_list<std::initializer_list<Input>> inputs;  // as laid out; each one's Change runs the test
    std::initializer_list<Result> results;
    const char* note_label = nullptr;  // a remark under the results, hidden at start
    const char* note = nullptr;
    // The completeness test: which inputs must hold some text, which must not read 0.
    Names filled;
    Names not_zero = {};
    Names result_group;                           // shown when complete, hidden otherwise
    std::initializer_list<Procedure> procedures;  // run in this order once the group is shown
    // Inputs that must not read 0 when typed into themselves, while the same data completed through
    // another input pass the test.
    Names not_zero_when_typed = {};
};

// The frame's controls: its title, its inputs and its results, in the frame's grid.
void lay_out(PageBuilder& b, const CalculationFrame& frame);

// The Change handler of every input of the frame.
void on_input_changes(Page& p, const CalculationFrame& frame);

// Known data chosen: its frame shown, the frames or results listed hidden, the other options locked and
// the input focus moved to the first field to type.
struct KnownData {
    const char* frame;
    Names hide;
    Names lock;
    const char* focus;
};
Page::Handler choose_known_data(const KnownData& known);

}  // namespace cf::parts
