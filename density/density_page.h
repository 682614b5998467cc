#pragma once
#include "ui/page.h"

namespace cf::density_page {
// The density page RHO: gas densities converted between calculation, service and normal conditions,
// saturated steam looked up in its table, superheated steam estimated; "Initialisation", the return
// home and the buttons to the other calculators.
void define(Page& page);
}  // namespace cf::density_page
