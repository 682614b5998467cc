#include "ui/page.h"

#include <stdexcept>
#include <utility>

#include "core/field_value.h"
#include "ui/application.h"
#include "ui/marks.h"

namespace cf {

Page::Page(Application& app, std::string name) : app_(app), name_(std::move(name)), window_title_(name_) {}

Control& Page::add(Control control) {
    if (has(control.name)) throw std::logic_error("control defined twice: " + control.name);
    if (!control.frame.empty() && !has(control.frame))
        throw std::logic_error("frame not defined before " + control.name + ": " + control.frame);
    order_.push_back(control.name);
    Slot& added = slots_.emplace_back();
    added.control = std::move(control);
    by_name_.insert(&added);
    return added.control;
}

void Page::on_change(std::string_view control, Handler handler) { slot(control).on_change.push_back(std::move(handler)); }

void Page::on_click(std::string_view control, Handler handler) { slot(control).on_click.push_back(std::move(handler)); }

void Page::define_procedure(std::string name, Handler procedure) {
    procedures_.emplace_back(std::move(name), std::move(procedure));
}

void Page::run_procedure(std::string_view name) {
    for (const auto& [procedure_name, procedure] : procedures_)
        if (procedure_name == name) return procedure(*this);
    throw std::out_of_range("no procedure " + std::string(name) + " on page " + name_);
}

bool Page::has(std::string_view name) const { return by_name_.find(name) != nullptr; }

const Page::Slot& Page::slot(std::string_view name) const {
    const Slot* found = by_name_.find(name);
    if (!found) throw std::out_of_range("no control " + std::string(name) + " on page " + name_);
    return *found;
}

Page::Slot& Page::slot(std::string_view name) { return const_cast<Slot&>(std::as_const(*this).slot(name)); }

const Control& Page::control(std::string_view name) const { return slot(name).control; }

const std::string& Page::text(std::string_view name) const { return control(name).text; }

double Page::value(std::string_view name) const { return value_of(slot(name)); }

double Page::value_of(const Slot& s) const {
    if (!s.value_read) {
        s.value = parse_field_value(s.control.text);
        s.value_read = true;
    }
    return s.value;
}

void Page::set_text_of(Slot& s, std::string text) {
    s.control.text = std::move(text);
    s.value_read = false;
    ++s.revision;
    marks_stale_ = true;
}

bool Page::shown(std::string_view name) const {
    if (!page_shown_) return false;
    for (const Control* c = &control(name);; c = &control(c->frame)) {
        if (!c->visible) return false;
        if (c->frame.empty()) return true;
    }
}

void Page::changed(const Control& c) {
    if (observer_) observer_->control_changed(*this, c);
}

void Page::raise(const std::vector<Handler>& handlers, std::string_view name) {
    if (handlers.empty()) {
        if (!app_.delivering()) marks_event_done();  // no event to end: it ends here
        return;
    }
    // One delivery for all the handlers of the event: the page stays alive until they are all done,
    // even when one of them unloads it. Nothing may be touched after deliver returns. By index: a
    // handler may add handlers.
    app_.deliver([&] {
        for (std::size_t i = 0; i < handlers.size(); ++i) handlers[i](*this);
    }, name);
}

void Page::set_text(std::string_view name, std::string text) { write_text(slot(name), std::move(text), nullptr); }

// Typed by the user (with the notes of its reading), or written by the page or a procedure.
void Page::write_text(Slot& s, std::string text, const TypedNote* typed) {
    Control& c = s.control;
    const bool text_changes = c.text != text;
    if (text_changes) set_text_of(s, std::move(text));
    if (note_write(s, typed) || text_changes) changed(c);
    if (c.kind == ControlKind::field) raise(s.on_change, c.name);
}

void Page::set_caption(std::string_view name, std::string caption) {
    Slot& s = slot(name);
    Control& c = s.control;
    if (c.text == caption) return;
    set_text_of(s, std::move(caption));
    changed(c);
}

void Page::set_look(std::string_view name, Look look) {
    Control& c = mutable_control(name);
    if (c.look == look) return;
    c.look = look;
    changed(c);
}

void Page::set_visible(std::string_view name, bool visible) {
    Control& c = mutable_control(name);
    if (c.visible == visible) return;
    c.visible = visible;
    changed(c);
}

void Page::show(std::initializer_list<std::string_view> names) {
    for (auto n : names) set_visible(n, true);
}

void Page::hide(std::initializer_list<std::string_view> names) {
    for (auto n : names) set_visible(n, false);
}

void Page::set_enabled(std::string_view name, bool enabled) {
    Control& c = mutable_control(name);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    changed(c);
}

void Page::enable(std::initializer_list<std::string_view> names) {
    for (auto n : names) set_enabled(n, true);
}

void Page::disable(std::initializer_list<std::string_view> names) {
    for (auto n : names) set_enabled(n, false);
}

void Page::select_in_group(Control& c) {
    // Option buttons drawn in the same frame form one group.
    for (auto& other_slot : slots_) {
        Control& other = other_slot.control;
        if (&other == &c || other.kind != ControlKind::option || other.frame != c.frame || !other.selected) continue;
        other.selected = false;
        changed(other);
    }
    if (!c.selected) {
        c.selected = true;
        changed(c);
    }
}

void Page::set_selected(std::string_view name, bool selected) {
    Control& c = mutable_control(name);
    if (c.kind != ControlKind::option) throw std::logic_error("not an option button: " + std::string(name));
    if (!selected) {
        if (c.selected) {
            c.selected = false;
            changed(c);
        }
        return;
    }
    if (c.selected) return;
    select_in_group(c);
    raise(slot(name).on_click, name);
}

void Page::focus(std::string_view name) {
    const Control& c = control(name);
    focused_ = c.name;
    if (observer_) observer_->focus_requested(*this, c);
}

// What the user types or pastes is first kept as a real field keeps it. Without a listener of user
// actions (the engine alone, the benchmarks) nothing is told.
void Page::user_edit(std::string_view name, std::string text) {
    text = field_input::kept(text);
    if (!app_.user_actions()) return edit_by_user(name, std::move(text));
    app_.user_action(*this, {UserAction::Kind::edit, std::string(name), text},
                     [&] { edit_by_user(name, std::move(text)); });
}

void Page::user_click(std::string_view name) {
    if (!app_.user_actions()) return click_by_user(name);
    app_.user_action(*this, {UserAction::Kind::click, std::string(name), {}}, [&] { click_by_user(name); });
}

void Page::user_pick(std::string_view name, std::string item) {
    if (!app_.user_actions()) return pick_by_user(name, std::move(item));
    app_.user_action(*this, {UserAction::Kind::pick, std::string(name), item},
                     [&] { pick_by_user(name, std::move(item)); });
}

void Page::edit_by_user(std::string_view name, std::string text) {
    Slot& s = slot(name);
    Control& c = s.control;
    if (is_result(c)) throw std::logic_error("cannot type into the result field " + std::string(name));
    focused_ = c.name;
    if (c.kind != ControlKind::field && c.kind != ControlKind::combo)
        throw std::logic_error("cannot type into " + std::string(name));
    const TypedNote note = typed_note(c, text);
    if (c.kind == ControlKind::field) return write_text(s, std::move(text), &note);
    const bool text_changes = c.text != text;
    if (text_changes) set_text_of(s, std::move(text));
    if (note_write(s, &note) || text_changes) changed(c);
    marks_event_done();
}

bool Page::user_key(std::string_view name, std::string_view key, bool over_selection) {
    const std::string& old = text(name);
    if (!over_selection && field_input::length(old) >= field_input::max_length) return false;
    user_edit(name, over_selection ? std::string(key) : old + std::string(key));
    return true;
}

void Page::click_by_user(std::string_view name) {
    Control& c = mutable_control(name);
    focused_ = c.name;
    if (c.kind == ControlKind::option) {
        select_in_group(c);
    } else if (c.kind != ControlKind::button) {
        throw std::logic_error("cannot click " + std::string(name));
    }
    raise(slot(name).on_click, name);
}

void Page::pick_by_user(std::string_view name, std::string item) {
    Control& c = mutable_control(name);
    if (c.kind != ControlKind::combo) throw std::logic_error("not a combo list: " + std::string(name));
    focused_ = c.name;
    Slot& s = slot(name);
    const bool text_changes = c.text != item;
    if (text_changes) set_text_of(s, std::move(item));
    if (note_write(s, nullptr) || text_changes) changed(c);
    raise(s.on_click, name);
}

}  // namespace cf

namespace cf {

void Page::user_close() {
    if (close_button_.empty()) return app_.hide(name_);
    user_click(close_button_);
}

}  // namespace cf
