#pragma once
// The application object: owns the pages and the held results of the formula procedures for the
// whole run. A page is created on first reference with its design-time state; it can be shown,
// hidden, or unloaded (its state discarded, so that the next reference creates it afresh). Held
// results survive a page being unloaded; a fresh Application is a fresh run.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/page.h"

namespace cf {

// What a user does on a page: text typed into a field or combo list, a click, a combo item picked.
struct UserAction {
    enum class Kind { edit, click, pick };
    Kind kind;
    std::string control;
    std::string text;  // the text typed, or the item picked
};

class Application {
public:
    using PageDefinition = std::function<void(Page&)>;

    // Told of every user action on any page, before and after the page runs it, and of the pages
    // created and unloaded: the calculation records keep each page's journal of user edits through it.
    struct UserActions {
        virtual ~UserActions() = default;
        virtual void page_created(Page& page) = 0;
        virtual void page_unloading(Page& page) = 0;
        virtual void before(Page& page, const UserAction& action) = 0;
        // The page is still alive here, even when the action unloaded it.
        virtual void after(Page& page, const UserAction& action) = 0;
    };

    // Told when pages are created, shown, hidden and unloaded; the Qt binding is one.
    struct Observer {
        virtual ~Observer() = default;
        virtual void page_created(Page& page) = 0;
        virtual void page_shown(Page& page) = 0;  // made visible and brought to the front
        virtual void page_hidden(Page& page) = 0;
        virtual void page_unloading(Page& page) = 0;
    };

    Application() = default;
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void define_page(std::string name, PageDefinition definition);
    bool defines(std::string_view name) const;
    std::vector<std::string> page_names() const;  // in definition order

    Page& page(std::string_view name);  // creates the page on first reference (not shown)
    bool loaded(std::string_view name) const;
    bool shown(std::string_view name) const;
    void show(std::string_view name);  // creates it if needed and brings it to the front
    void hide(std::string_view name);
    void unload(std::string_view name);

    // The held results of one module's procedures: created at their start values (all 0) on first
    // use, kept until the Application ends.
    template <class Held>
    Held& held() {
        // One slot per kind of held results, numbered once for the whole program.
        static const std::size_t index = next_held_index_++;
        if (held_.size() <= index) held_.resize(index + 1);
        auto& slot = held_[index];
        if (!slot) slot = std::make_shared<Held>();
        return *static_cast<Held*>(slot.get());
    }

    void set_observer(Observer* observer) { observer_ = observer; }
    void set_user_actions(UserActions* listener) { user_actions_ = listener; }
    UserActions* user_actions() const { return user_actions_; }
    // Runs a user's action on a page, told to the user-action listener before and after it.
    void user_action(Page& page, const UserAction& action, const std::function<void()>& run);
    // How many times a page has been shown, hidden or unloaded in this run.
    std::uint64_t page_moves() const { return page_moves_; }

    // Event delivery: every Change and Click passes through here, so that a runaway chain is stopped
    // and a page unloaded by its own handler is destroyed only once the outermost event is done.
    void deliver(const std::function<void()>& event, std::string_view what);
    static constexpr int max_event_depth = 64;
    bool delivering() const { return depth_ > 0; }
    // How many event chains have been stopped at that depth in this run: a fault of page logic.
    int stopped_chains() const { return stopped_chains_; }

private:
    struct Entry {
        std::string name;
        PageDefinition definition;
        std::unique_ptr<Page> page;
        bool shown = false;
    };
    Entry& entry(std::string_view name);
    const Entry* find(std::string_view name) const;

    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<Page>> retired_;  // unloaded while one of its handlers ran
    std::vector<std::shared_ptr<void>> held_;
    static inline std::size_t next_held_index_ = 0;
    Observer* observer_ = nullptr;
    UserActions* user_actions_ = nullptr;
    bool in_user_action_ = false;
    void outermost_event_done();
    std::uint64_t page_moves_ = 0;
    int depth_ = 0;
    int stopped_chains_ = 0;
};

}  // namespace cf
