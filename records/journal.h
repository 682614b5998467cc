#pragma once
// The journals of the calculation pages: for each loaded page, what its user did since the page's start
// or its last "Initialisation", kept from the page model's user actions, so that the calculation can be
// saved, opened again and undone. A page's journal goes with the page when it is unloaded.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "records/record.h"
#include "ui/application.h"

namespace cf::records {

class Journals : private Application::UserActions {
public:
    explicit Journals(Application& app);
    ~Journals() override;
    Journals(const Journals&) = delete;
    Journals& operator=(const Journals&) = delete;

    Application& app() const { return app_; }

    // Whether the page is a calculation page, which keeps a journal (the home page does not).
    static bool keeps_journal(std::string_view page);

    // The calculation of a loaded page as it stands (an empty record for a page not loaded).
    Record record(std::string_view page) const;
    // The page holds a calculation, and not the one last saved or opened.
    bool unsaved(std::string_view page) const;
    // The file the page's calculation was last saved to or opened from; empty if none.
    std::string file(std::string_view page) const;
    // The page's calculation as it stands has been written to the file.
    void saved(std::string_view page, const std::string& file);

    // Opens a calculation: checked on a scratch run, then done again on its page, which is shown and
    // holds nothing else. Returns "" or the French message of what is wrong; then nothing has changed.
    std::string open(const Record& record, const std::string& file = {});

    // Whether opening the page's calculation gives back every control as it stands. Not so only after a
    // return home that hid the page and kept what no "Initialisation" keeps: then what is on screen is.
    bool exact(std::string_view page) const;

    // "Annuler": the calculation that the page's last "Initialisation" or opening replaced, done again.
    bool can_undo(std::string_view page) const;
    std::string undo(std::string_view page);

    // Told after every change of a page's calculation or of its file.
    std::function<void(const std::string& page)> changed;

private:
    struct Journal {
        Record record;
        std::vector<KeptText> design;  // the inputs' design texts
        Record saved;                  // as last saved or opened
        std::string file;
        std::vector<Record> replaced;  // by "Initialisation" or an opening, the last one last
        std::string flow;              // the home page's flow as the journal last recorded it
        bool exact = true;
    };

    void page_created(Page& page) override;
    void page_unloading(Page& page) override;
    void before(Page& page, const UserAction& action) override;
    void after(Page& page, const UserAction& action) override;

    Journal* journal(std::string_view page);
    const Journal* journal(std::string_view page) const;
    void restart(Page& page, Journal& j);
    // The journal started again at an "Initialisation" (or a return home), when what it keeps is enough
    // to give the page back as it stands; says whether it was.
    bool restart_if_exact(Page& page, Journal& j);
    void record_flow(std::string_view page, Journal& j);
    void remember_replaced(Journal& j);
    std::string replay(const Record& record, bool keep_replaced);
    void tell(const std::string& page);

    Application& app_;
    std::map<std::string, Journal, std::less<>> journals_;
    std::uint64_t moves_before_ = 0;
    int replaying_ = 0;
};

}  // namespace cf::records
