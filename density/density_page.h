#pragma once
#include "ui/page.h"

namespace cf::density_page {
// The density page RHO: its title and navigation buttons (the density calculations come later).
void define(Page& page);
}  // namespace cf::density_page
