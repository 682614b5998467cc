#pragma once
#include "ui/page.h"

namespace cf::orifice_page {
// The orifice plate page feuille_calcul_od: its title and navigation buttons (the orifice
// calculations come later).
void define(Page& page);
}  // namespace cf::orifice_page
