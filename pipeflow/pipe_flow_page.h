#pragma once
#include "ui/page.h"

namespace cf::pipe_flow_page {
// The pipe flow page DVS.
void define(Page& page);
}  // namespace cf::pipe_flow_page
