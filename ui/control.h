#pragma once
// The controls a page is made of, with the state page logic reads and writes.

#include <string>
#include <vector>

namespace cf {

enum class ControlKind { field, label, frame, button, option, combo, decoration };

// How the window draws a control; the page logic never reads it.
enum class Look {
    plain,
    title,        // a page or frame title
    heading,      // a column's heading or a prompt
    warning,      // a fixed warning label
    note,         // credits and small print
    fixed_width,  // a text laid out in columns with runs of blanks
    raised,       // the small raised "-6" of a 10^-6 unit
    unit,         // the unit beside a field
    result,       // a result field
    line,         // a decoration drawn as a horizontal line
    status,       // a live statement of what the results stand on (the choices in force, a verdict)
    alert,        // the same, when it warns (out of the range of use): drawn in warning colour, with a sign
};

// Where the window puts a control inside its frame (or the page): a cell of the frame's grid.
// Frames that are drawn over the same area share one cell; only the visible one is seen.
struct Placement {
    int row = 0;
    int column = 0;
    int row_span = 1;
    int column_span = 1;
};

// The physical quantity an input holds: the window marks a value it cannot take, computing it all the same.
enum class Quantity {
    none,
    diameter,               // > 0
    density,                // > 0
    viscosity,              // > 0
    absolute_pressure,      // > 0
    differential_pressure,  // >= 0
    temperature,            // >= -273.15 °C
};

// What the window shows of a field's value besides its text, said by the page model.
enum class MarkKind {
    none,
    caution,      // an input not read as typed, or that its quantity cannot take; a result computed from one
    not_current,  // a result its procedure has not computed from the inputs shown
};
struct Mark {
    MarkKind kind = MarkKind::none;
    std::string note;  // the reasons, one a line, in French
    bool operator==(const Mark&) const = default;
};

struct Control {
    std::string name;
    ControlKind kind = ControlKind::label;
    std::string frame;  // the enclosing frame's name; empty for a control on the page itself
    std::string text;   // Text of a field or combo list, Caption of any other control
    bool visible = true;
    bool enabled = true;
    bool selected = false;           // Value of an option button
    std::vector<std::string> items;  // the fixed item list of a combo list
    Placement place;
    Look look = Look::plain;
    Quantity quantity = Quantity::none;
    std::string symbol;      // the input's name in the notes of marks ("ΔP", "V"); empty: not named
    bool looked_up = false;  // a combo list whose text the page looks up among its items
    bool by_columns = false;  // a frame laid out as columns: read down each column before the next
    Mark mark;
};

// A result field: the page writes it; the user can read, select and copy it, never type into it.
inline bool is_result(const Control& c) {
    return (c.kind == ControlKind::field || c.kind == ControlKind::combo) && c.look == Look::result;
}

}  // namespace cf
