#pragma once
// The navigation rules shared by every calculation page: open another calculator, open the gas flow
// correction choice on the home page, and return to the home page; and every other rule that crosses
// pages, so that no page reads or writes another page's controls itself.

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

// Whether "Retour à la page d'accueil" on `from` discards what `page` holds: the page left itself
// (unloaded, or reset as it is hidden), and every page it unloads.
bool return_home_discards(std::string_view from, std::string_view page);

// --- The flow chosen on the home page ---
// The home page keeps the flow to correct (Qvc, Qvs, Qvn or Qm) as the Enabled state of its flow
// buttons: the one chosen is the one left enabled, and all are enabled while none is chosen.

// Whether the home page's button of that flow is enabled: chosen, or no flow chosen yet.
bool flow_enabled_on_home(const Page& from, std::string_view flow_button);

// A flow was chosen on the home page and its correction page shown: that page's options that a new
// choice clears are cleared, each time, also on a page already open.
void flow_chosen(Page& home, std::string_view correction_page);

// --- The pipe flow page's Reynolds number, from the orifice plate page ---

// The orifice plate page's viscosity changed: the pipe flow page computes its Reynolds number with ν
// again, from its own fields. The pipe flow page is created (not shown) if it does not exist yet.
void orifice_viscosity_changed(Page& orifice_page);

}  // namespace cf::navigation
