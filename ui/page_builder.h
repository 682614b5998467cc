#pragma once
// Builds a page's design-time controls so that a page definition reads like the table of its
// controls: one line per control with its name, kind, caption or initial text and start state.
//
// Controls are laid out in a grid per frame (and one for the page): each new control takes the next
// cell of the current row; row() starts a new row; in(frame) continues the grid of that frame;
// over(frame) puts a frame in the same cell as the previous frame, drawn over the same area.

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/page.h"

namespace cf {

class PageBuilder;

// The control just added, for setting its start state and look: b.field("txt_D").hidden().
class Added {
public:
    Added(Control& c, int& column_cursor) : c_(c), cursor_(column_cursor) {}
    Added& hidden() { c_.visible = false; return *this; }
    Added& disabled() { c_.enabled = false; return *this; }
    Added& selected() { c_.selected = true; return *this; }
    Added& look(Look l) { c_.look = l; return *this; }
    Added& text(std::string t) { c_.text = std::move(t); return *this; }
    Added& span(int columns) {
        cursor_ += columns - c_.place.column_span;
        c_.place.column_span = columns;
        return *this;
    }
    Added& tall(int rows) { c_.place.row_span = rows; return *this; }
    // A control drawn over others (a frame over a column of buttons): an explicit cell of the grid.
    Added& at(int row, int column) {
        c_.place.row = row;
        c_.place.column = column;
        return *this;
    }
    const Control& control() const { return c_; }

private:
    Control& c_;
    int& cursor_;
};

class PageBuilder {
public:
    explicit PageBuilder(Page& page) : page_(page) {}

    Page& page() { return page_; }

    PageBuilder& in(const std::string& frame);  // following controls go into this frame
    PageBuilder& on_page() { return in(""); }   // following controls go onto the page itself
    PageBuilder& row();                          // start a new row of the current grid
    PageBuilder& skip(int columns = 1);          // leave cells empty

    Added field(const std::string& name, std::string text = "");
    Added label(const std::string& name, std::string caption);
    Added button(const std::string& name, std::string caption);
    Added option(const std::string& name, std::string caption);
    Added combo(const std::string& name, std::string text, std::vector<std::string> items = {});
    Added frame(const std::string& name);
    Added over(const std::string& name);  // a frame in the same cell as the previous frame
    // A small raised label ("-6" of a unit 10⁻⁶) drawn over the previous control's cell, just after the
    // leading number of that control's caption.
    Added raised(const std::string& name, std::string caption);
    Added decoration(const std::string& name, Look look = Look::plain);

private:
    struct Cursor {
        int row = 0;
        int column = 0;
        Placement last_frame;
        Placement last_placed;
    };
    Added place(Control c);

    Page& page_;
    std::string current_;  // the frame being filled; empty for the page
    std::map<std::string, Cursor> cursors_;
};

// An input row "V :" [field] "m/s": the label, the field and, when given, its unit label.
Added input_row(PageBuilder& b, const std::string& label, std::string caption, const std::string& field,
                const std::string& unit_label = "", std::string unit = "");

// A computed value "Qv =" [result field] "m3/h": the label, the result field and, when given, its unit
// label, all hidden until computed unless the page shows some of them at start.
struct ResultStart {
    bool result_visible = false;  // the label and the field
    bool unit_visible = false;
};
Added result_row(PageBuilder& b, const std::string& label, std::string caption, const std::string& field,
                 const std::string& unit_label = "", std::string unit = "", ResultStart start = {});

// A caption of several lines, one under the other.
std::string lines(std::initializer_list<std::string_view> lines);

// A unit 10⁻⁶ beside a field: the caption "10     m²/s" with a small raised "-6" in its gap.
void micro_unit(PageBuilder& b, const std::string& unit_label, std::string unit, const std::string& raised_label);

}  // namespace cf
