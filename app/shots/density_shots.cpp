#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

std::vector<Shot> density_shots() {
    namespace p = pages;
    return {
        {"density", p::density, [](auto& d) { d.click(p::home, "bt_dvs_calculs_de_masses_volumiques"); }},
    };
}

}  // namespace cf::shots
