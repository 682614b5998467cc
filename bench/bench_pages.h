#pragma once
// The keystrokes measured on each page: the page brought into the state where one keystroke runs the
// most work, then one field typed into again and again.

#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"

namespace cf::bench {

struct Keystroke {
    std::string name;
    std::string page;
    std::function<void(Application&)> prepare;  // from a fresh run: open the page, fill every input
    std::string field;                          // the field typed into
    std::string text, other_text;               // its two texts, one stroke apart
    std::string reset_button;                   // the page's "Initialisation", when it is the page measured
    bool through_widgets = false;               // measured through the widgets too
};

// One per page: the keystroke that runs the most procedures.
std::vector<Keystroke> heaviest_keystrokes();

}  // namespace cf::bench
