#pragma once
// The auxiliary frames of the orifice plate page, opened in its upper area in place of the choices:
// the explanation of the expansion factor and its calculator, the reminders of the basic relations
// and the limits of use of the standard. (The fluid data frame, the fourth, is the shared one.)
// None of them writes a field of the calculation frame.

#include "orifice/limits_of_use.h"
#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::orifice_frames {

// The upper frames of the page, in the order the opening buttons name them.
inline constexpr const char* initial = "Frame_données_initiales";
inline constexpr const char* expansion_note = "Frame_coefficient_de_détente";
inline constexpr const char* expansion_calculator = "Frame_calcul_E";
inline constexpr const char* fluid_data = "Frame_données";
inline constexpr const char* reminders = "Frame_rappels";
inline constexpr const char* limits = "Frame_limites_d_emploi";

// Fills the four frames of this page (already defined, hidden) with their controls, and gives them and
// the opening buttons of the calculation frame their handlers. After each change of the expansion
// factor calculator's inputs, the page does what it says (the verdict of the limits reads P and ΔP).
void define(PageBuilder& b, const Page::Handler& after_calculator_change);

// The expansion factor calculator back to its start texts, each raising its Change.
void reset_expansion_calculator(Page& p);

// The texts of the standard in force: the formula of the expansion factor in the explanation frame
// and in the calculator, the limits of use. Under 1991 the calculator's uncertainty is emptied.
void show_standard(Page& p, orifice::Standard s);

// The calculator's expansion factor computed again by the standard in force.
void recompute_expansion_factor(Page& p);

// The mass flow formula drawn in Frame_rappels beside the list of its symbols, in fixed-width lines.
std::string mass_flow_formula();

}  // namespace cf::orifice_frames
