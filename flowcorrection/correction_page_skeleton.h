#pragma once
// The skeleton of the two gas flow correction pages, each described by one table: the title and the
// warning, Frame1 with the conditions of calculation, the areas where the frames of the flow chosen on
// the home page are drawn over each other, the three buttons to the other calculators, "Initialisation"
// and "Retour à la page d'accueil", the note and the picture; then the calculation frames, the choice
// frames that open them, and the help frame Frame22. The handlers keep references into the table, a
// constant at namespace scope.

#include <initializer_list>
#include <string_view>

#include "parts/calculation_frame.h"
#include "ui/completeness.h"
#include "ui/page.h"

namespace cf::correction_pages {

// A condition option of Frame1 and what choosing it opens: for each flow of the home page whose button
// is still enabled there (the one chosen), while the option is selected, the frames listed are hidden,
// its frame shown and the other condition locked.
struct WhenHomeChose {
    const char* home_button;
    Names hide;
    const char* show;
};
struct Condition {
    const char* option;
    const char* caption;
    std::initializer_list<WhenHomeChose> steps;
};

// Two frames drawn over the same area of the page.
struct FrameArea {
    const char* frame;
    const char* over;
};

// An option of a choice frame and the known data it stands for.
struct KnownDataOption {
    const char* option;
    const char* caption;
    parts::KnownData chosen;
};

// A choice frame: its title, the prompt "Nous connaissons :" (the prompt label's name), the options, and
// the calculation frames they open, drawn over each other.
struct ChoiceFrame {
    const char* name;
    const char* title_label;
    const char* title;
    const char* prompt_label;
    std::initializer_list<KnownDataOption> options;
    std::initializer_list<parts::CalculationFrame> frames;
};

// Fields set to one text.
struct FieldTexts {
    Names fields;
    std::string_view text;
};

// "Initialisation" and the return home, step by step in this order: the labels listed hidden first; the
// calculator buttons hidden (the return home: the home page shown and this page closed); the options
// enabled then cleared, and those of the second list cleared then enabled; Frame1 shown and the frames
// listed closed; on the return home only, the flow buttons listed enabled on the home page; the results
// listed hidden; the fields set to their texts, group after group, each text raising its Change.
struct Reset {
    Names hidden_first = {};
    Names options_unlocked;
    Names options_cleared_then_unlocked = {};
    Names frames_closed;
    Names home_flows_enabled_on_return = {};
    Names results_hidden;
    std::initializer_list<FieldTexts> texts;
};

struct CorrectionPage {
    const char* window_title;
    const char* title_label;
    const char* title;
    std::initializer_list<std::string_view> warning;  // its lines
    FrameArea areas[2];
    const char* density_caption;  // the caption of the button to the density page
    Condition conditions[2];      // in the order Frame1 lists them; choosing one locks the other
    std::initializer_list<parts::CalculationFrame> page_frames = {};  // the calculation frames drawn on the page
    std::initializer_list<ChoiceFrame> choice_frames;
    bool with_compressibility_line;  // the help frame's abbreviations end with Z
    Reset reset;
};

// The page's controls and handlers.
void define_page(Page& p, const CorrectionPage& page);

}  // namespace cf::correction_pages
