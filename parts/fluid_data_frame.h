#pragma once
// The fluid data frame Frame_données: the fluid catalogue shown on a calculation page. The user picks
// a list (liquids, gases at 1013 mbar, saturated steam), then an entry, and reads its density and
// viscosities in three display fields; no calculation reads them. "Utiliser ces valeurs" copies them
// into the host page's inputs, on request only.
//
// The frame is built once, here, and added to each page that carries it. The hosting page says how
// the frame is opened, what its own step is when the frame's "Retour" closes it, and what the
// frame's second "Retour" does.

#include <string>
#include <vector>

#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::fluid_data_frame {

struct Host {
    // The host's own step in "Retour" (Command_sortie), between hiding the frame and resetting it.
    Page::Handler on_leave;
    // What the second "Retour" (Command_retour5) does.
    Page::Handler on_second_return;
    // Where "Utiliser ces valeurs" copies the values just looked up, as if the user typed them: the
    // host's inputs of a density, of a kinematic and of a dynamic viscosity (in 10⁻⁶ m²/s and 10⁻⁶ Pa·s,
    // the catalogue's units). Only those shown receive them.
    std::vector<std::string> density_inputs, kinematic_viscosity_inputs, dynamic_viscosity_inputs;
};

// Adds Frame_données, hidden, in the next cell of `container` (a frame of the host page, or "" for the
// page itself), with its controls and their handlers. The builder then goes on in `container`.
// Returns the frame, for its placement.
Added add(PageBuilder& b, const std::string& container, Host host = {});

// Back to choosing: the lists and their headings hidden, the three choice buttons and the prompt shown,
// the display fields and the list combos back to their reset texts.
void reset(Page& page);

}  // namespace cf::fluid_data_frame
