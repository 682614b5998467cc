#pragma once
// The home page f_Départ: the four calculations, and the choice of the gas flow to correct, kept as
// the Enabled state of the four flow buttons and their labels (the correction pages read it back).

#include "ui/page.h"

namespace cf::home_page {

void define(Page& page);

// Every flow button and its label enabled: no flow chosen.
void enable_flow_choices(Page& home);
// The flow choice frame shown in place of the four main buttons, and back.
void open_flow_choice(Page& home);
void close_flow_choice(Page& home);

}  // namespace cf::home_page
