#include "scenario/model_driver.h"

#include "program/program.h"

namespace cf::scenario {

ModelDriver::ModelDriver() { start_calcfluides(app_); }

std::optional<ControlView> ModelDriver::view(const std::string& page, const std::string& control) {
    if (!app_.defines(page) || !app_.loaded(page)) return std::nullopt;
    const Page& p = app_.page(page);
    if (!p.has(control)) return std::nullopt;
    const Control& c = p.control(control);
    const bool editable = (c.kind == ControlKind::field || c.kind == ControlKind::combo) && !is_result(c);
    return ControlView{c.kind,       c.text,  c.visible, p.shown(control), c.enabled,
                       c.selected,   p.focused() == control, c.items, editable};
}

PageState ModelDriver::page_state(const std::string& page) {
    if (!app_.defines(page) || !app_.loaded(page)) return PageState::unloaded;
    return app_.shown(page) ? PageState::shown : PageState::hidden;
}

void ModelDriver::click(const std::string& page, const std::string& control) { app_.page(page).user_click(control); }

void ModelDriver::type(const std::string& page, const std::string& control, const std::string& text) {
    // Select all, then type: the first key replaces the selection. Deleting an empty text changes
    // nothing, as in a real field.
    if (text.empty()) {
        if (!app_.page(page).text(control).empty()) app_.page(page).user_edit(control, "");
        return;
    }
    // One key per character, each judged by the field's own rule; a Tab takes the focus away, and with it
    // the selection. Once the field is full every later key is dropped as well.
    bool over_selection = true;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t bytes = field_input::character_at(text, at).bytes;
        const std::string_view key = std::string_view(text).substr(at, bytes);
        at += bytes;
        if (!app_.loaded(page)) return;  // a handler unloaded the page: the keys go nowhere
        switch (field_input::typed(key)) {
            case field_input::Key::refused: break;
            case field_input::Key::moves_focus: over_selection = false; break;
            case field_input::Key::enters:
                if (!app_.page(page).user_key(control, key, over_selection)) return;
                over_selection = false;
                break;
        }
    }
}

void ModelDriver::paste(const std::string& page, const std::string& control, const std::string& text) {
    Page& p = app_.page(page);
    if (text.empty() && p.text(control).empty()) return;
    p.user_edit(control, text);
}

void ModelDriver::pick(const std::string& page, const std::string& control, const std::string& item) {
    app_.page(page).user_pick(control, item);
}

std::string ModelDriver::save(const std::string& page, const std::string& path) {
    if (!files_) return Driver::save(page, path);
    if (!app_.defines(page) || !app_.loaded(page)) return "page " + page + " not loaded";
    return files_->save(journals_, page, path);
}

std::string ModelDriver::open(const std::string& path) {
    return files_ ? files_->open(journals_, path) : Driver::open(path);
}

std::string ModelDriver::export_sheet(const std::string& page, const std::string& path) {
    if (!files_) return Driver::export_sheet(page, path);
    if (!app_.defines(page) || !app_.loaded(page)) return "page " + page + " not loaded";
    return files_->export_sheet(journals_, page, path);
}

}  // namespace cf::scenario
