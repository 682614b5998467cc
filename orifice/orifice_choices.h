#pragma once
// The choices of the orifice plate page, in Frame_données_initiales: the fluid (three buttons), the
// pressure taps and the calculation (six options, one group), and the standard (two options of their
// own frame, Frame_norme). Each choice locks the alternatives as the page's steps say and shows the
// choices in force.

#include <memory>

#include "orifice/orifice_status.h"
#include "ui/completeness.h"
#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::orifice_choices {

using orifice::Choices;
using Shared = std::shared_ptr<Choices>;

// The page's buttons to the other calculators, shown by the choice of a calculation.
inline const Names navigation_buttons = {"bt_dvs_calculs_de_débits_gaz", "bt_OD_calcul_DVS",
                                         "bt_OD_calcul_de_débits_gaz"};
inline const Names tap_options = {"Option_dans_les_angles", "Option_a_d_et_demid", "Option_a_la_bride"};
inline const Names calculation_options = {"Option_qm", "Option_deltap", "Option_d"};
inline const Names six_options = {"Option_dans_les_angles", "Option_a_d_et_demid", "Option_a_la_bride",
                                  "Option_qm",              "Option_deltap",       "Option_d"};

// The controls of Frame_données_initiales.
void define_choices(PageBuilder& b);

// A choice made: the choices in force shown, and what the results stand on, which follows them.
void show_choices(Page& p, const Choices& c);

// "Liquide", "Gaz": the tap options offered, the two other fluids locked.
Page::Handler choose_fluid(Shared c, orifice::Fluid fluid, const char* other, const char* another);
// "Vapeur saturée": the flange taps cleared, the tap options offered, the two other fluids locked.
Page::Handler choose_steam(Shared c);
// A choice of taps: the calculation options offered, the two other taps locked, the tap distances
// written as the option says, and the terms of these taps fed to the coefficient.
Page::Handler choose_taps(Shared c, orifice::Taps taps);

// A choice of calculation: what it locks, and which inputs and result it shows.
enum class Calculation { mass_flow, differential_pressure, bore };
Page::Handler choose_calculation(Shared c, Calculation calculation);

}  // namespace cf::orifice_choices
