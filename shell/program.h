#pragma once
// The whole program as page definitions: every page the application can create.

#include "ui/application.h"

namespace cf {

// Defines every page of CalcFluides on a fresh application and shows the home page.
void start_calcfluides(Application& app);

}  // namespace cf
