#pragma once
// The steam frames of the density page: saturated steam picked from its table by pressure or by
// temperature, and superheated steam estimated from saturated steam, then computed from Z and P.

#include "ui/page.h"
#include "ui/page_builder.h"

namespace cf::density_page {

// The saturated steam frame and the superheated steam frame, with their units and abbreviations.
void steam_frame_rows(PageBuilder& b);

// The right column's definitions of saturated and superheated steam.
void steam_definition_rows(PageBuilder& b);

// The units of saturated steam, in the place of the density choice.
void saturated_steam_unit_rows(PageBuilder& b);

// The picks of the two saturated steam lists and the Change rules of the superheated steam inputs.
void steam_handlers(Page& p);

}  // namespace cf::density_page
