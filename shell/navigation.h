#pragma once
// The navigation rules shared by every calculation page: open another calculator, open the gas flow
// correction choice on the home page, and return to the home page.

#include <initializer_list>
#include <string_view>

#include "ui/page.h"

namespace cf::navigation {

// A button that opens another calculator: shows that page in front, creating it on first use.
// Nothing else changes; the page it was clicked on stays open behind.
void open_calculator(Page& from, std::string_view page);

// "Correction des débits de gaz": every flow button enabled again, the home page in front with its
// flow choice frame open. The page it was clicked on stays open behind.
void open_flow_correction(Page& from);

// "Retour à la page d'accueil": the home page back in its start state (its flow buttons re-enabled,
// except when coming from the pipe flow page), the page's own buttons to other calculators hidden,
// the home page shown, then the other pages unloaded or hidden as the page left requires.
// A page that is only hidden (the density page) resets its own fields after this returns.
void return_home(Page& from, std::initializer_list<std::string_view> own_calculator_buttons);

}  // namespace cf::navigation
