#pragma once
// A calculation record: what a user did on one calculation page since the page's start or its last
// "Initialisation", enough to do it again through the page model. Results are never part of it: a
// calculation opened again computes every result afresh.

#include <string>
#include <utility>
#include <vector>

namespace cf::records {

// One thing the user did, in the order done. Consecutive edits of one field are kept as the last text.
struct Step {
    enum class Kind {
        edit,   // a text typed into a field or an editable combo list
        click,  // a button pressed or an option button selected
        pick,   // an item chosen in a combo list
        flow,   // the flow chosen on the home page (its button; empty: none chosen), which pages opened by
                // flows read when their conditions are chosen
    };
    Kind kind;
    std::string control;  // the field, button, option, combo; or the home page's flow button
    std::string text;     // the text typed or the item picked

    bool operator==(const Step&) const = default;
};

// A field's text that the page's "Initialisation" keeps (a text typed before it that it does not reset).
struct KeptText {
    std::string field;
    std::string text;

    bool operator==(const KeptText&) const = default;
};

struct Record {
    std::string page;
    std::vector<KeptText> kept;  // the inputs at the start that differ from the page's design, in its order
    std::vector<Step> steps;
    // Where the steps start: the page as created, or the page after its "Initialisation" (with the kept
    // texts typed before it).
    bool after_initialisation = false;

    bool empty() const { return kept.empty() && steps.empty(); }
    bool operator==(const Record&) const = default;
};

// The most characters a text of a record may hold.
inline constexpr std::size_t longest_text = 1000;

}  // namespace cf::records
