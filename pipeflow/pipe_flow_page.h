#pragma once
// The pipe flow page DVS: flow, velocity and section of a pipe, the Reynolds number and its regime,
// and the pressure loss of a straight pipe in laminar or turbulent flow, recomputed live as the user
// types; with the fluid data frame for reading densities and viscosities.

#include <string>

#include "ui/page.h"

namespace cf::pipe_flow_page {

void define(Page& page);

// The units text: one phrase per line of the fixed-width label, each padded with blanks to the width
// of the longest phrase plus three, so that the window starts every phrase on a new line.
std::string units_text();

}  // namespace cf::pipe_flow_page
