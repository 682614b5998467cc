#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

std::vector<Shot> home_shots() {
    namespace p = pages;
    return {
        {"home", p::home, nullptr},
        {"home-flow-choice", p::home, [](auto& d) { d.click(p::home, "bt_départ_calcul_de_débits_gaz"); }},
    };
}

}  // namespace cf::shots
