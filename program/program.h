#pragma once
// The composition root: the page registry, which names every page of CalcFluides with its definition
// and the way the home page opens it. The only place that includes the calculators.

#include <string_view>
#include <vector>

#include "shell/home_page.h"
#include "ui/application.h"

namespace cf {

struct RegisteredPage {
    std::string_view name;
    void (*define)(Page&);
    // How the home page opens it: a button of the main column with its caption, or a row of flows in
    // the flow choice frame. The home page itself has neither.
    const char* home_button = nullptr;
    const char* home_caption = nullptr;
    std::vector<home_page::Flow> home_flows = {};
    // A calculation page's "Initialisation" and "Retour à la page d'accueil" buttons; the home page has
    // neither.
    const char* initialisation = nullptr;
    const char* return_home = nullptr;
};

// The registry's row of a page, or nullptr.
const RegisteredPage* registered(std::string_view page);

// Every page: the home page first, then the calculations in the order the home page shows them.
const std::vector<RegisteredPage>& page_registry();

// Defines every page of the registry on a fresh application and shows the home page.
void start_calcfluides(Application& app);

}  // namespace cf
