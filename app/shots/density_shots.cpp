#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

std::vector<Shot> density_shots() {
    namespace p = pages;
    const auto open = [](auto& d) { d.click(p::home, "bt_dvs_calculs_de_masses_volumiques"); };
    return {
        {"density", p::density, open},
        {"density-gas", p::density,
         [open](auto& d) {
             open(d);
             d.click(p::density, "bt_gaz20");
             d.click(p::density, "bt_RHOc20");
             d.click(p::density, "opbt_RHOc21");
             d.type(p::density, "txt_RHOn_pour_RHOc", "1.293");
             d.type(p::density, "txt_Pc_pour_RHOc21", "2.026");
             d.type(p::density, "txt_Tc_pour_RHOc21", "0");
         }},
        {"density-saturated-steam", p::density,
         [open](auto& d) {
             open(d);
             d.click(p::density, "bt_vapeur_saturée20");
             d.pick(p::density, "Combo_choix_pression_vapeur_saturée", "2.0");
         }},
        {"density-superheated-steam", p::density,
         [open](auto& d) {
             open(d);
             d.click(p::density, "bt_vapeur_surchauffée20");
             d.type(p::density, "txt_RHOs_pour_calcul_vapeur_surchaufée", "5.147");
             d.type(p::density, "txt_Tsat", "179.88");
             d.type(p::density, "txt_Tsur", "250");
             d.type(p::density, "txt_Z", "1");
             d.type(p::density, "txt_P", "10");
         }},
    };
}

}  // namespace cf::shots
