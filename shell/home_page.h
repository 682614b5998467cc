#pragma once
// The home page f_Départ: a button for each calculation, and the choice of the gas flow to correct,
// kept as the Enabled state of the four flow buttons and their labels (the correction pages read it
// back through the navigation rules).

#include <string_view>
#include <vector>

#include "ui/page.h"

namespace cf::home_page {

// A flow of the flow choice frame: its button, and the label above it.
struct Flow {
    const char* button;
    const char* label;
    const char* label_caption;
};

// How the home page opens a calculation page: a button of its main column, or a row of flows in the
// flow choice frame, which the main column's "Correction des débits de gaz " button opens (placed where
// the first page opened by flows stands).
struct Opening {
    std::string_view page;
    const char* button = nullptr;
    const char* caption = nullptr;
    std::vector<Flow> flows = {};
};

// The home page, its main column and its flow choice built from the openings, in their order. The
// openings are kept for the whole program: the flow buttons' handlers read them.
void define(Page& page, const std::vector<Opening>& openings);

// Every flow button and its label enabled: no flow chosen.
void enable_flow_choices(Page& home);
// The flow choice frame shown in place of the main buttons, and back.
void open_flow_choice(Page& home);
void close_flow_choice(Page& home);

}  // namespace cf::home_page
