#pragma once
// What the results of the orifice plate page stand on, kept in view: the choices in force, the
// standard of the calculation, the diameter ratio, the coefficient and its uncertainty, and the verdict
// of the limits of use. None of it changes a calculation.

#include <optional>

#include "orifice/limits_of_use.h"
#include "orifice/orifice_formulas.h"
#include "ui/page.h"

namespace cf::orifice {

// --- The calculation mode: the Enabled state of three hidden buttons ---
// All three are enabled until a calculation is chosen; choosing one disables the two others.
inline bool mass_flow_mode(const Page& p) { return p.enabled("Command_qm"); }
inline bool differential_pressure_mode(const Page& p) { return p.enabled("Command_delta_p"); }
inline bool bore_mode(const Page& p) { return p.enabled("Command_diamétre_de_l_orifice"); }

// The standard in force: the option of Frame_norme that is selected.
inline Standard standard_in_force(const Page& p) {
    return p.selected("Option_norme_2003") ? Standard::iso2003 : Standard::iso1991;
}

// The choices that the option buttons cannot tell once made: the six options of the choices form one
// group, so the choice of a calculation clears the taps, and a second click on a fluid offers the taps
// again. The flange tap terms follow D while flange taps are in force.
enum class Fluid { liquid, steam, gas };
struct Choices {
    std::optional<Fluid> fluid;
    std::optional<Taps> taps;
};

// "Liquide · prises dans les angles · calcul de Qm · ISO 5167-1:1991": the fluid, the taps, the
// calculation and the standard in force, each once chosen ("aucun calcul" when the mode buttons are
// all disabled), into Label_choix_en_vigueur.
void show_choices_in_force(Page& p, const Choices& c);

// The results that state what the calculation stands on, brought up to date from what the page
// shows: β of the plate shown -> Text_beta; under 1991 the coefficient of the last pass of the chain
// -> Text_coefficient_C (under 2003 the solvers write it); under 2003 the uncertainty of C ->
// Text_incertitude_C; the verdict of the limits of use -> Label_verdict_limites, drawn as a warning
// when out of range, empty until D, d and Re are known.
void show_status(Page& p, const Choices& c);

// The verdict alone (the expansion factor calculator's P and ΔP enter it under 2003, for a gas).
void show_limits_verdict(Page& p, const Choices& c);

// The fields the standard adds, emptied ("Initialisation"); each raises its Change.
void empty_status(Page& p);

}  // namespace cf::orifice
