#include "records/journal.h"

#include "program/program.h"
#include "records/replay.h"
#include "shell/page_names.h"

namespace cf::records {

namespace {

// How many replaced calculations "Annuler" can bring back on one page.
constexpr std::size_t undo_depth = 20;

bool is_initialisation(std::string_view page, std::string_view control) {
    const RegisteredPage* row = registered(page);
    return row && row->initialisation && control == row->initialisation;
}

bool is_flow_button(std::string_view control) {
    for (const RegisteredPage& row : page_registry())
        for (const home_page::Flow& f : row.home_flows)
            if (control == f.button) return true;
    return false;
}

// A calculation holds more than the flow chosen on the home page.
bool holds_calculation(const Record& record) {
    for (const Step& step : record.steps)
        if (step.kind != Step::Kind::flow) return true;
    return false;
}

}  // namespace

Journals::Journals(Application& app) : app_(app) {
    app_.set_user_actions(this);
    for (const std::string& name : app_.page_names())
        if (app_.loaded(name)) page_created(app_.page(name));
}

Journals::~Journals() {
    if (app_.user_actions() == this) app_.set_user_actions(nullptr);
}

bool Journals::keeps_journal(std::string_view page) {
    const RegisteredPage* row = registered(page);
    return row && row->initialisation;
}

Journals::Journal* Journals::journal(std::string_view page) {
    auto it = journals_.find(page);
    return it == journals_.end() ? nullptr : &it->second;
}

const Journals::Journal* Journals::journal(std::string_view page) const {
    auto it = journals_.find(page);
    return it == journals_.end() ? nullptr : &it->second;
}

void Journals::page_created(Page& page) {
    if (!keeps_journal(page.name())) return;
    Journal& j = journals_[page.name()];
    j = Journal{};
    j.record.page = page.name();
    j.saved.page = page.name();
    j.design = input_texts(page);
    j.flow = chosen_flow(app_);
    if (reads_flow(page.name()) && !j.flow.empty()) j.record.steps.push_back({Step::Kind::flow, j.flow, {}});
    j.saved = j.record;
}

void Journals::page_unloading(Page& page) {
    journals_.erase(page.name());
    tell(page.name());
}

// The journal starts again from the page as it stands: the texts that differ from the design are kept.
void Journals::restart(Page& page, Journal& j) {
    j.record.after_initialisation = true;
    j.record.kept.clear();
    j.record.steps.clear();
    const std::vector<KeptText> now = input_texts(page);
    for (std::size_t i = 0; i < now.size() && i < j.design.size(); ++i)
        if (now[i].text != j.design[i].text) j.record.kept.push_back(now[i]);
    j.flow = chosen_flow(app_);
    if (reads_flow(page.name()) && !j.flow.empty()) j.record.steps.push_back({Step::Kind::flow, j.flow, {}});
}

bool Journals::restart_if_exact(Page& page, Journal& j) {
    Journal restarted = j;
    restart(page, restarted);
    PageState done;
    if (!check(restarted.record, nullptr, &done).empty() || done != state_of(page)) return false;
    j = std::move(restarted);
    return true;
}

// The home page's flow, recorded before a step of a page that reads it, when it changed since.
void Journals::record_flow(std::string_view page, Journal& j) {
    if (!reads_flow(page)) return;
    const std::string now = chosen_flow(app_);
    if (now == j.flow) return;
    j.flow = now;
    j.record.steps.push_back({Step::Kind::flow, now, {}});
}

void Journals::remember_replaced(Journal& j) {
    if (!holds_calculation(j.record)) return;
    j.replaced.push_back(j.record);  // every keystroke: "Annuler" gives the page back as it stood
    if (j.replaced.size() > undo_depth) j.replaced.erase(j.replaced.begin());
}

void Journals::before(Page& page, const UserAction& action) {
    moves_before_ = app_.page_moves();
    Journal* j = journal(page.name());
    if (!j) return;
    record_flow(page.name(), *j);
    if (!replaying_ && action.kind == UserAction::Kind::click && is_initialisation(page.name(), action.control))
        remember_replaced(*j);
}

void Journals::after(Page& page, const UserAction& action) {
    if (page.name() == pages::home) {
        // A flow chosen on the home page: every page that reads it records the choice.
        if (action.kind != UserAction::Kind::click || !is_flow_button(action.control)) return;
        for (auto& [name, j] : journals_) {
            if (!reads_flow(name)) continue;
            j.flow = chosen_flow(app_);
            j.record.steps.push_back({Step::Kind::flow, action.control, {}});
            tell(name);
        }
        return;
    }
    Journal* j = journal(page.name());
    if (!j || !app_.loaded(page.name())) return;
    if (&app_.page(page.name()) != &page) {
        // The page made afresh by its own button (the orifice plate page's return home) and reset by it:
        // its journal starts from the page as the button left it.
        Page& made = app_.page(page.name());
        if (!restart_if_exact(made, *j)) {
            restart(made, *j);
            j->exact = false;
        }
        tell(page.name());
        return;
    }
    std::vector<Step>& steps = j->record.steps;
    if (action.kind == UserAction::Kind::click && is_initialisation(page.name(), action.control)) {
        // What came before an "Initialisation" is kept in full when the page is not as it leaves a new one.
        if (!restart_if_exact(page, *j)) steps.push_back({Step::Kind::click, action.control, {}});
    } else if (app_.page_moves() != moves_before_) {
        // A way to another page: not part of the calculation; the page reset as it goes home.
        if (!page.page_shown() && !restart_if_exact(page, *j)) {
            restart(page, *j);
            j->exact = false;
        }
    } else {
        const Step::Kind kind = action.kind == UserAction::Kind::edit    ? Step::Kind::edit
                                : action.kind == UserAction::Kind::click ? Step::Kind::click
                                                                         : Step::Kind::pick;
        // A keystroke after a text longer than a record may hold replaces it: such a calculation
        // cannot be saved as it stands, and keeping every longer text of a long typing would cost the
        // square of its length.
        if (kind == Step::Kind::edit && !steps.empty() && steps.back().kind == Step::Kind::edit &&
            steps.back().control == action.control && steps.back().text.size() > longest_text)
            steps.back().text = action.text;
        else
            steps.push_back({kind, action.control, action.text});
    }
    tell(page.name());
}

// Consecutive edits of one field kept as the last text.
Record coalesced(const Record& record) {
    Record out = record;
    out.steps.clear();
    for (const Step& step : record.steps) {
        if (step.kind == Step::Kind::edit && !out.steps.empty() && out.steps.back().kind == Step::Kind::edit &&
            out.steps.back().control == step.control)
            out.steps.back().text = step.text;
        else
            out.steps.push_back(step);
    }
    return out;
}

// The journal keeps every keystroke; the record keeps the last text of each run of keystrokes in one
// field, unless a keystroke left a trace of its own (a result computed with "60" before the field was
// emptied): then every keystroke, so that opening gives the page back as it stands.
Record Journals::record(std::string_view page) const {
    const Journal* j = journal(page);
    if (!j) return Record{std::string(page), {}, {}};
    Record shorter = coalesced(j->record);
    if (shorter == j->record) return shorter;
    PageState done;
    if (check(shorter, nullptr, &done).empty() && done == state_of(app_.page(page))) return shorter;
    return j->record;
}

bool Journals::unsaved(std::string_view page) const {
    const Journal* j = journal(page);
    return j && holds_calculation(j->record) && j->record != j->saved;
}

std::string Journals::file(std::string_view page) const {
    const Journal* j = journal(page);
    return j ? j->file : std::string();
}

void Journals::saved(std::string_view page, const std::string& file) {
    Journal* j = journal(page);
    if (!j) return;
    j->saved = j->record;
    j->file = file;
    tell(j->record.page);
}

std::string Journals::replay(const Record& record, bool keep_replaced) {
    Design design;
    if (std::string wrong = check(record, &design); !wrong.empty()) return wrong;
    // What the page's journal keeps besides its calculation, kept also when the page is made afresh.
    Journal kept;
    if (Journal* j = journal(record.page)) {
        if (keep_replaced) remember_replaced(*j);
        kept = *j;
    }
    ++replaying_;
    const std::string wrong = apply(app_, record, design);
    --replaying_;
    Journal* j = journal(record.page);
    if (!j) return wrong;
    j->replaced = std::move(kept.replaced);
    if (!kept.record.page.empty()) {
        j->saved = std::move(kept.saved);
        j->file = std::move(kept.file);
    }
    if (wrong.empty()) {
        j->record = record;
        j->flow = chosen_flow(app_);
        j->exact = true;
    }
    return wrong;
}

std::string Journals::open(const Record& record, const std::string& file) {
    std::string wrong = replay(record, true);
    if (!wrong.empty()) return wrong;
    Journal* j = journal(record.page);
    j->saved = j->record;
    j->file = file;
    tell(record.page);
    return {};
}

bool Journals::exact(std::string_view page) const {
    const Journal* j = journal(page);
    return !j || j->exact;
}

bool Journals::can_undo(std::string_view page) const {
    const Journal* j = journal(page);
    return j && !j->replaced.empty();
}

std::string Journals::undo(std::string_view page) {
    Journal* j = journal(page);
    if (!j || j->replaced.empty()) return {};
    Record last = j->replaced.back();
    j->replaced.pop_back();
    std::string wrong = replay(last, false);
    tell(std::string(page));
    return wrong;
}

void Journals::tell(const std::string& page) {
    if (changed) changed(page);
}

}  // namespace cf::records
