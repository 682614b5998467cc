#include "ui/page.h"

#include <stdexcept>

#include "core/field_value.h"
#include "ui/application.h"

namespace cf {

Page::Page(Application& app, std::string name) : app_(app), name_(std::move(name)), window_title_(name_) {}

Control& Page::add(Control control) {
    if (controls_.count(control.name)) throw std::logic_error("control defined twice: " + control.name);
    if (!control.frame.empty() && !controls_.count(control.frame))
        throw std::logic_error("frame not defined before " + control.name + ": " + control.frame);
    order_.push_back(control.name);
    auto name = control.name;
    return controls_.emplace(name, std::move(control)).first->second;
}

void Page::on_change(std::string_view control, Handler handler) {
    (void)this->control(control);
    change_handlers_[std::string(control)].push_back(std::move(handler));
}

void Page::on_click(std::string_view control, Handler handler) {
    (void)this->control(control);
    click_handlers_[std::string(control)].push_back(std::move(handler));
}

bool Page::has(std::string_view name) const { return controls_.find(name) != controls_.end(); }

const Control& Page::control(std::string_view name) const {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control " + std::string(name) + " on page " + name_);
    return it->second;
}

Control& Page::mutable_control(std::string_view name) { return const_cast<Control&>(control(name)); }

const std::string& Page::text(std::string_view name) const { return control(name).text; }

double Page::value(std::string_view name) const { return parse_field_value(text(name)); }

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

void Page::raise(const std::map<std::string, std::vector<Handler>, std::less<>>& table, std::string_view name) {
    auto it = table.find(name);
    if (it == table.end()) return;
    // One delivery for all the handlers of the event: the page stays alive until they are all done,
    // even when one of them unloads it. Nothing may be touched after deliver returns.
    const auto handlers = it->second;
    app_.deliver([&] {
        for (const auto& handler : handlers) handler(*this);
    }, name);
}

void Page::set_text(std::string_view name, std::string text) {
    Control& c = mutable_control(name);
    if (c.text != text) {
        c.text = std::move(text);
        changed(c);
    }
    if (c.kind == ControlKind::field) raise(change_handlers_, name);
}

void Page::set_caption(std::string_view name, std::string caption) {
    Control& c = mutable_control(name);
    if (c.text == caption) return;
    c.text = std::move(caption);
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
    for (auto& [other_name, other] : controls_) {
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
    raise(click_handlers_, name);
}

void Page::focus(std::string_view name) {
    const Control& c = control(name);
    focused_ = c.name;
    if (observer_) observer_->focus_requested(*this, c);
}

void Page::user_edit(std::string_view name, std::string text) {
    Control& c = mutable_control(name);
    if (is_result(c)) throw std::logic_error("cannot type into the result field " + std::string(name));
    focused_ = c.name;
    if (c.kind == ControlKind::combo) {
        if (c.text != text) {
            c.text = std::move(text);
            changed(c);
        }
        return;
    }
    if (c.kind != ControlKind::field) throw std::logic_error("cannot type into " + std::string(name));
    set_text(name, std::move(text));
}

void Page::user_click(std::string_view name) {
    Control& c = mutable_control(name);
    focused_ = c.name;
    if (c.kind == ControlKind::option) {
        select_in_group(c);
    } else if (c.kind != ControlKind::button) {
        throw std::logic_error("cannot click " + std::string(name));
    }
    raise(click_handlers_, name);
}

void Page::user_pick(std::string_view name, std::string item) {
    Control& c = mutable_control(name);
    if (c.kind != ControlKind::combo) throw std::logic_error("not a combo list: " + std::string(name));
    focused_ = c.name;
    if (c.text != item) {
        c.text = std::move(item);
        changed(c);
    }
    raise(click_handlers_, name);
}

}  // namespace cf
