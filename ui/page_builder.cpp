#include "ui/page_builder.h"

namespace cf {

namespace {

Control make(const std::string& name, ControlKind kind, std::string text = "") {
    Control c;
    c.name = name;
    c.kind = kind;
    c.text = std::move(text);
    return c;
}

}  // namespace

PageBuilder& PageBuilder::in(const std::string& frame) {
    if (!frame.empty()) (void)page_.control(frame);
    current_ = frame;
    return *this;
}

PageBuilder& PageBuilder::row() {
    Cursor& c = cursors_[current_];
    if (c.column > 0) ++c.row;  // a row with nothing in it yet is reused
    c.column = 0;
    return *this;
}

PageBuilder& PageBuilder::skip(int columns) {
    cursors_[current_].column += columns;
    return *this;
}

Added PageBuilder::place(Control c) {
    Cursor& cursor = cursors_[current_];
    c.frame = current_;
    c.place.row = cursor.row;
    c.place.column = cursor.column;
    cursor.column += 1;
    cursor.last_placed = c.place;
    if (c.kind == ControlKind::frame) cursor.last_frame = c.place;
    return Added(page_.add(std::move(c)), cursor.column);
}

Added PageBuilder::field(const std::string& name, std::string text) {
    return place(make(name, ControlKind::field, std::move(text)));
}

Added PageBuilder::label(const std::string& name, std::string caption) {
    return place(make(name, ControlKind::label, std::move(caption)));
}

Added PageBuilder::button(const std::string& name, std::string caption) {
    return place(make(name, ControlKind::button, std::move(caption)));
}

Added PageBuilder::option(const std::string& name, std::string caption) {
    return place(make(name, ControlKind::option, std::move(caption)));
}

Added PageBuilder::combo(const std::string& name, std::string text, std::vector<std::string> items) {
    Control c = make(name, ControlKind::combo, std::move(text));
    c.items = std::move(items);
    return place(std::move(c));
}

Added PageBuilder::frame(const std::string& name) {
    return place(make(name, ControlKind::frame));
}

Added PageBuilder::over(const std::string& name) {
    Cursor& cursor = cursors_[current_];
    Control c = make(name, ControlKind::frame);
    c.frame = current_;
    c.place = cursor.last_frame;
    Control& added = page_.add(std::move(c));
    // The cell is already taken: the cursor stays where it was. A span set later applies to this frame
    // alone, so give it a throwaway cursor.
    static thread_local int unused_cursor = 0;
    return Added(added, unused_cursor);
}

Added PageBuilder::raised(const std::string& name, std::string caption) {
    Control c = make(name, ControlKind::label, std::move(caption));
    c.frame = current_;
    c.look = Look::raised;
    c.place = cursors_[current_].last_placed;
    static thread_local int unused_cursor = 0;
    return Added(page_.add(std::move(c)), unused_cursor);
}

Added PageBuilder::decoration(const std::string& name, Look look) {
    Control c = make(name, ControlKind::decoration);
    c.look = look;
    return place(std::move(c));
}

Added input_row(PageBuilder& b, const std::string& label, std::string caption, const std::string& field,
                const std::string& unit_label, std::string unit) {
    b.row();
    b.label(label, std::move(caption));
    Added f = b.field(field);
    if (!unit_label.empty()) b.label(unit_label, std::move(unit)).look(Look::unit);
    return f;
}

Added result_row(PageBuilder& b, const std::string& label, std::string caption, const std::string& field,
                 const std::string& unit_label, std::string unit, ResultStart start) {
    auto visible_at_start = [](Added a, bool visible) {
        if (!visible) a.hidden();
        return a;
    };
    b.row();
    visible_at_start(b.label(label, std::move(caption)), start.result_visible);
    Added f = visible_at_start(b.field(field).look(Look::result), start.result_visible);
    if (!unit_label.empty()) visible_at_start(b.label(unit_label, std::move(unit)).look(Look::unit), start.unit_visible);
    return f;
}

std::string lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (auto line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

void micro_unit(PageBuilder& b, const std::string& unit_label, std::string unit, const std::string& raised_label) {
    b.label(unit_label, std::move(unit)).look(Look::unit);
    b.raised(raised_label, "-6");
}

}  // namespace cf
