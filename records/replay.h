#pragma once
// Doing a calculation record again through the page model, exactly as a user would: the page brought to
// its start state, then every step as if typed or clicked. A record is first checked on a scratch run
// of the program, step by step, so that a record that cannot be done again changes nothing.

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "records/record.h"
#include "ui/application.h"

namespace cf::records {

// Every message about a file that is not a calculation record starts so.
inline constexpr std::string_view not_a_record = "Le fichier n'est pas une feuille CalcFluides : ";

// An input of a page: a field or combo list the user can type into.
bool is_input(const Control& c);

// The texts of a page's inputs, in its design order.
std::vector<KeptText> input_texts(const Page& page);

// The flow chosen on the home page: the one flow button left enabled, or "" while every flow is.
std::string chosen_flow(Application& app);
// Whether the page reads the flow chosen on the home page (it is opened by flows).
bool reads_flow(std::string_view page);

// Every control's state on a page: text or caption, Visible, Enabled, Value and look.
using PageState = std::vector<std::tuple<std::string, bool, bool, bool, Look>>;
PageState state_of(const Page& page);

// What a scratch run tells of a page as created: its inputs' texts, and its whole state.
struct Design {
    std::vector<KeptText> inputs;
    PageState state;
};

// Checks a record on a scratch run: its page, its texts, every control it names and every step
// reachable (shown and enabled) in its order. Returns "" or the message, in French, of what is wrong
// and where; and the page's design for apply().
// With `done`, the state the page is left in once every step is done.
std::string check(const Record& record, Design* design = nullptr, PageState* done = nullptr);

// Does a checked record on a run. The page starts as created: a page already loaded is reset with its
// "Initialisation" or, when that does not bring it back as created, created afresh. A record that
// starts after an "Initialisation" has its kept texts typed, kept through an "Initialisation" and typed
// again where it reset them. Then every step. The page is shown. Returns "" or the message of the step
// that could not be done.
std::string apply(Application& app, const Record& record, const Design& design);

}  // namespace cf::records
