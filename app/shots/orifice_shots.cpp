#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

std::vector<Shot> orifice_shots() {
    namespace p = pages;
    return {
        {"orifice-plate", p::orifice_plate, [](auto& d) { d.click(p::home, "Command_feuille_calcul_od"); }},
    };
}

}  // namespace cf::shots
