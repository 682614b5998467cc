#include "ui/application.h"

#include <cstdio>
#include <stdexcept>

namespace cf {

Application::~Application() {
    // Pages go first: their handlers may refer to held results.
    for (auto& e : entries_) e.page.reset();
    retired_.clear();
}

void Application::define_page(std::string name, PageDefinition definition) {
    if (find(name)) throw std::logic_error("page defined twice: " + name);
    entries_.push_back(Entry{std::move(name), std::move(definition), nullptr, false});
}

bool Application::defines(std::string_view name) const { return find(name) != nullptr; }

std::vector<std::string> Application::page_names() const {
    std::vector<std::string> names;
    for (const auto& e : entries_) names.push_back(e.name);
    return names;
}

const Application::Entry* Application::find(std::string_view name) const {
    for (const auto& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

Application::Entry& Application::entry(std::string_view name) {
    const Entry* e = find(name);
    if (!e) throw std::out_of_range("no page " + std::string(name));
    return const_cast<Entry&>(*e);
}

Page& Application::page(std::string_view name) {
    Entry& e = entry(name);
    if (!e.page) {
        e.page = std::make_unique<Page>(*this, e.name);
        e.definition(*e.page);
        e.page->describe_by_layout();
        if (observer_) observer_->page_created(*e.page);
        if (user_actions_) user_actions_->page_created(*e.page);
    }
    return *e.page;
}

bool Application::loaded(std::string_view name) const {
    const Entry* e = find(name);
    return e && e->page;
}

bool Application::shown(std::string_view name) const {
    const Entry* e = find(name);
    return e && e->page && e->page->page_shown_;
}

void Application::show(std::string_view name) {
    Page& p = page(name);
    ++page_moves_;
    p.page_shown_ = true;
    if (observer_) observer_->page_shown(p);
}

void Application::hide(std::string_view name) {
    Entry& e = entry(name);
    if (!e.page || !e.page->page_shown_) return;
    ++page_moves_;
    e.page->page_shown_ = false;
    if (observer_) observer_->page_hidden(*e.page);
}

void Application::unload(std::string_view name) {
    Entry& e = entry(name);
    if (!e.page) return;
    ++page_moves_;
    if (user_actions_) user_actions_->page_unloading(*e.page);
    if (observer_) observer_->page_unloading(*e.page);
    e.page->page_shown_ = false;
    e.page->set_observer(nullptr);
    // The page may be running one of its own handlers (its "Retour à la page d'accueil" unloads it):
    // keep it alive until the outermost event returns.
    if (depth_ > 0)
        retired_.push_back(std::move(e.page));
    else
        e.page.reset();
}

void Application::deliver(const std::function<void()>& event, std::string_view what) {
    if (depth_ >= max_event_depth) {
        ++stopped_chains_;
        std::fprintf(stderr, "calcfluides: event chain deeper than %d stopped at %.*s\n", max_event_depth,
                     static_cast<int>(what.size()), what.data());
        return;
    }
    ++depth_;
    try {
        event();
    } catch (...) {
        --depth_;
        throw;
    }
    if (--depth_ == 0) outermost_event_done();
}

// The outermost event is done: every loaded page's marks brought up to date, then the pages its
// handlers unloaded destroyed.
void Application::outermost_event_done() {
    for (auto& e : entries_)
        if (e.page) e.page->marks_event_done();
    retired_.clear();
}

void Application::user_action(Page& page, const UserAction& action, const std::function<void()>& run) {
    // An action that a handler does as if the user did it (a value carried "as if typed") is part of the
    // user's action that ran the handler: the listener hears of that one only.
    if (!user_actions_ || in_user_action_) return run();
    in_user_action_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{in_user_action_};
    user_actions_->before(page, action);
    // One level of delivery around the action, so that a page it unloads lives until after is told.
    ++depth_;
    try {
        run();
        user_actions_->after(page, action);
    } catch (...) {
        --depth_;
        throw;
    }
    if (--depth_ == 0) outermost_event_done();
}

}  // namespace cf
