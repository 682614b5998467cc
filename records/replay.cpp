#include "records/replay.h"

#include <algorithm>
#include <exception>

#include "program/program.h"
#include "shell/navigation.h"
#include "shell/page_names.h"

namespace cf::records {

namespace {

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string at_step(std::size_t index) { return " (étape " + std::to_string(index + 1) + ")"; }

// Every flow button of the home page, with its label.
std::vector<home_page::Flow> every_flow() {
    std::vector<home_page::Flow> flows;
    for (const RegisteredPage& row : page_registry())
        flows.insert(flows.end(), row.home_flows.begin(), row.home_flows.end());
    return flows;
}

bool is_flow(std::string_view button) {
    for (const home_page::Flow& f : every_flow())
        if (f.button == button) return true;
    return false;
}

bool own_flow(std::string_view page, std::string_view button) {
    const RegisteredPage* row = registered(page);
    return row && std::any_of(row->home_flows.begin(), row->home_flows.end(),
                              [&](const home_page::Flow& f) { return f.button == button; });
}

// The flow chosen on the home page, as choosing it there leaves it: its button and label enabled, the
// others greyed (every one enabled for none); and what the choice clears on its own page.
void choose_flow(Application& app, std::string_view page, const std::string& button) {
    Page& home = app.page(pages::home);
    for (const home_page::Flow& f : every_flow()) {
        const bool enabled = button.empty() || button == f.button;
        home.set_enabled(f.button, enabled);
        home.set_enabled(f.label, enabled);
    }
    if (own_flow(page, button)) navigation::flow_chosen(home, page);
}

// What is wrong with one step on the page as it stands, or "".
std::string unreachable(const Page& p, const Step& step, std::size_t index) {
    if (step.kind == Step::Kind::flow) {
        if (!step.control.empty() && !is_flow(step.control))
            return std::string(not_a_record) + "débit inconnu " + step.control + at_step(index);
        return {};
    }
    if (!p.has(step.control)) return std::string(not_a_record) + "contrôle inconnu " + step.control + at_step(index);
    if (characters(step.text) > longest_text)
        return std::string(not_a_record) + "texte de plus de 1 000 caractères pour " + step.control + at_step(index);
    const Control& c = p.control(step.control);
    const bool kind_fits = step.kind == Step::Kind::edit    ? is_input(c)
                           : step.kind == Step::Kind::click ? c.kind == ControlKind::button || c.kind == ControlKind::option
                                                            : c.kind == ControlKind::combo;
    if (!kind_fits || !p.shown(step.control) || !c.enabled)
        return std::string(not_a_record) + "choix impossible à cette étape : " + step.control + " n'est pas accessible" +
               at_step(index);
    if (step.kind == Step::Kind::pick && std::find(c.items.begin(), c.items.end(), step.text) == c.items.end())
        return std::string(not_a_record) + "« " + step.text + " » n'est pas dans la liste " + step.control + at_step(index);
    return {};
}

std::string check_kept(const Page& p, const Record& record) {
    for (const KeptText& kept : record.kept) {
        if (!p.has(kept.field) || !is_input(p.control(kept.field)))
            return std::string(not_a_record) + "contrôle inconnu " + kept.field + " (textes conservés)";
        if (characters(kept.text) > longest_text)
            return std::string(not_a_record) + "texte de plus de 1 000 caractères pour " + kept.field +
                   " (textes conservés)";
    }
    return {};
}

// The inputs typed to their target texts (the design's, or the record's kept ones); says whether any was.
bool type_targets(Page& p, const std::vector<KeptText>& design, const std::vector<KeptText>& kept) {
    if (kept.empty()) return false;
    bool typed = false;
    for (const KeptText& input : design) {
        std::string target = input.text;
        for (const KeptText& k : kept)
            if (k.field == input.field) target = k.text;
        if (p.text(input.field) == target) continue;
        p.user_edit(input.field, target);
        typed = true;
    }
    return typed;
}

std::string run(Application& app, const Record& record, const Design& design, bool checking) {
    const RegisteredPage* row = registered(record.page);
    if (!row || !row->initialisation) return std::string(not_a_record) + "page inconnue " + record.page;
    if (checking) {
        if (std::string wrong = check_kept(app.page(record.page), record); !wrong.empty()) return wrong;
    } else if (app.loaded(record.page) && state_of(app.page(record.page)) != design.state) {
        app.page(record.page).user_click(row->initialisation);
        if (state_of(app.page(record.page)) != design.state) app.unload(record.page);
    }
    Page* p = &app.page(record.page);
    app.show(record.page);
    if (record.after_initialisation) {
        type_targets(*p, design.inputs, record.kept);
        p->user_click(row->initialisation);
        type_targets(*p, design.inputs, record.kept);
    }
    for (std::size_t i = 0; i < record.steps.size(); ++i) {
        const Step& step = record.steps[i];
        if (checking) {
            if (std::string wrong = unreachable(*p, step, i); !wrong.empty()) return wrong;
        }
        const auto moves = app.page_moves();
        switch (step.kind) {
            case Step::Kind::edit: p->user_edit(step.control, step.text); break;
            case Step::Kind::click: p->user_click(step.control); break;
            case Step::Kind::pick: p->user_pick(step.control, step.text); break;
            case Step::Kind::flow: choose_flow(app, record.page, step.control); break;
        }
        // A step of a calculation stays on its page: one that leaves it (to another page, or home) is not.
        if (!app.loaded(record.page) || app.page_moves() != moves)
            return std::string(not_a_record) + "choix impossible à cette étape : " + step.control +
                   " quitte la page" + at_step(i);
        p = &app.page(record.page);
    }
    return {};
}

}  // namespace

bool is_input(const Control& c) {
    return (c.kind == ControlKind::field || c.kind == ControlKind::combo) && !is_result(c);
}

std::vector<KeptText> input_texts(const Page& page) {
    std::vector<KeptText> texts;
    for (const std::string& name : page.order())
        if (is_input(page.control(name))) texts.push_back({name, page.text(name)});
    return texts;
}

std::string chosen_flow(Application& app) {
    if (!app.loaded(pages::home)) return {};
    const Page& home = app.page(pages::home);
    std::string chosen;
    int enabled = 0;
    const auto flows = every_flow();
    for (const home_page::Flow& f : flows)
        if (home.has(f.button) && home.enabled(f.button)) {
            chosen = f.button;
            ++enabled;
        }
    return enabled == 1 && flows.size() > 1 ? chosen : std::string();
}

bool reads_flow(std::string_view page) {
    const RegisteredPage* row = registered(page);
    return row && !row->home_flows.empty();
}

PageState state_of(const Page& page) {
    PageState state;
    for (const std::string& name : page.order()) {
        const Control& c = page.control(name);
        state.emplace_back(c.text, c.visible, c.enabled, c.selected, c.look);
    }
    return state;
}

std::string check(const Record& record, Design* design, PageState* done) {
    try {
        Application scratch;
        start_calcfluides(scratch);
        const RegisteredPage* row = registered(record.page);
        if (!row || !row->initialisation) return std::string(not_a_record) + "page inconnue " + record.page;
        const Page& page = scratch.page(record.page);
        const Design made{input_texts(page), state_of(page)};
        std::string wrong = run(scratch, record, made, true);
        if (wrong.empty() && design) *design = made;
        if (wrong.empty() && done) *done = state_of(scratch.page(record.page));
        return wrong;
    } catch (const std::exception& e) {
        return std::string(not_a_record) + "calcul impossible à refaire (" + e.what() + ")";
    }
}

std::string apply(Application& app, const Record& record, const Design& design) {
    try {
        return run(app, record, design, false);
    } catch (const std::exception& e) {
        return std::string(not_a_record) + "calcul impossible à refaire (" + e.what() + ")";
    }
}

}  // namespace cf::records
