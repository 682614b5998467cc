#include "parts/calculation_frame.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace cf::parts {

namespace {

std::string label_name(const Input& in) {
    if (in.label) return in.label;
    std::string_view field = in.field;
    for (std::string_view prefix : {"txt_", "Txt_", "Text_"})
        if (field.substr(0, prefix.size()) == prefix) field.remove_prefix(prefix.size());
    return "lbl_" + std::string(field);
}

bool complete(const Page& p, const CalculationFrame& frame) {
    return filled(p, frame.filled) && not_zero(p, frame.not_zero);
}

}  // namespace

void input_grid(PageBuilder& b, std::initializer_list<std::initializer_list<Input>> rows) {
    for (const auto& row : rows) {
        b.row();
        for (const Input& in : row) {
            b.label(label_name(in), in.caption);
            b.field(in.field, in.text);
        }
    }
}

void frame_title(PageBuilder& b, const char* name, const char* caption, int columns) {
    b.row(); b.label(name, caption).look(Look::heading).span(columns);
}

void lay_out(PageBuilder& b, const CalculationFrame& frame) {
    b.in(frame.name);
    if (frame.title) frame_title(b, frame.title_label, frame.title);
    input_grid(b, frame.inputs);
    for (const Result& r : frame.results) result_row(b, r.label, r.caption, r.field, r.unit_label, r.unit, r.start);
    if (frame.note) {
        b.row(); b.label(frame.note_label, frame.note).hidden().span(frame_columns);
    }
}

void on_input_changes(Page& p, const CalculationFrame& frame) {
    const CalculationFrame* f = &frame;
    for (const auto& row : frame.inputs)
        for (const Input& in : row) {
            const auto& strict = frame.not_zero_when_typed;
            if (std::find(strict.begin(), strict.end(), in.field) == strict.end()) {
                p.on_change(in.field, [f](Page& page) {
                    show_result_if(page, complete(page, *f), f->result_group, f->procedures);
                });
            } else {
                p.on_change(in.field, [f, typed = in.field](Page& page) {
                    show_result_if(page, complete(page, *f) && not_zero(page, {typed}), f->result_group,
                                   f->procedures);
                });
            }
        }
}

Page::Handler choose_known_data(const KnownData& known) {
    return [&known](Page& p) {
        p.set_visible(known.frame, true);
        p.hide(known.hide);
        p.disable(known.lock);
        p.focus(known.focus);
    };
}

}  // namespace cf::parts
