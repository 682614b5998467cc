#pragma once
// What the two gas flow correction pages share: the way their frames are drawn (inputs grouped by
// conditions, result rows), the help frame, the choice of conditions read from the home page's flow
// buttons, the choice of known data, and the test that shows or hides a frame's result group.

#include <initializer_list>
#include <string>
#include <vector>

#include "ui/completeness.h"
#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::correction_pages::parts {

// Calculation frames are six grid columns wide: up to three inputs ("Pc:" [field]) to a row.
inline constexpr int frame_columns = 6;

// One input of a calculation frame: its field, the caption of its label, its start text, and the
// label's name where the page gives it one (otherwise "lbl_" and the field's name without its prefix).
struct Input {
    const char* field;
    const char* caption;
    const char* text = "";
    const char* label = nullptr;
};

// Rows of inputs, each row the inputs of one kind of data: the flow data, then one row per set of
// conditions (pressure, temperature, compressibility factor).
void input_rows(PageBuilder& b, std::initializer_list<std::initializer_list<Input>> rows);

// A frame's title, drawn on two lines where its caption has a run of blanks.
void frame_title(PageBuilder& b, const char* name, const char* caption);

// "Qvc =" [result] "m3/h": the result's label, its field and its unit label (if any), hidden at start
// unless said otherwise.
struct ResultStart {
    bool result_visible = false;
    bool unit_visible = false;
};
void result_row(PageBuilder& b, const char* label, const char* caption, const char* field, const char* unit_label,
                const char* unit, ResultStart start = {});

// A text of several lines, one caption.
std::string lines(std::initializer_list<const char*> lines);

// The help frame Frame22: abbreviations, then units.
void help_frame(PageBuilder& b, bool with_compressibility_line);

// The three buttons to the other calculators, hidden until a condition is chosen.
void navigation_buttons(PageBuilder& b, const char* density_caption);
void navigation_handlers(Page& p);
const Names& navigation_button_names();

// The condition chosen with X, the other one Y: show the help frame and the navigation buttons; then,
// for each flow of the home page whose button is still enabled (the one chosen there), while X is
// selected: hide the frames listed, show its frame and disable Y; finally enable X and disable Y.
struct WhenHomeChose {
    const char* home_button;
    std::vector<std::string> hide;
    std::string show;
};
Page::Handler choose_conditions(std::string X, std::string Y, std::vector<WhenHomeChose> steps);

// Known data chosen: its frame shown, the frames or results listed hidden, the other options locked
// and the input focus moved to the first field to type.
Page::Handler choose_known_data(std::string frame, std::vector<std::string> hide, std::vector<std::string> disable,
                                std::string focus);

}  // namespace cf::correction_pages::parts
