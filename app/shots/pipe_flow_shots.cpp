#include <utility>

#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

std::vector<Shot> pipe_flow_shots() {
    namespace p = pages;
    return {
        {"pipe-flow", p::pipe_flow, [](auto& d) { d.click(p::home, "bt_départ_calcul_DVS"); }},
        {"pipe-flow-debit", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_débit");
             d.type(p::pipe_flow, "txt_vitesse31", "1");
             d.type(p::pipe_flow, "txt_diamètre31", "100");
         }},
        {"pipe-flow-reynolds-nu", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_Section");
             d.type(p::pipe_flow, "txt_vitesse32", "1");
             d.type(p::pipe_flow, "txt_débit32", "10");
             d.click(p::pipe_flow, "chx_nu");
             d.type(p::pipe_flow, "txt_vitesse_calcul_reynolds", "2");
             d.type(p::pipe_flow, "txt_diamètre_reynolds", "50");
             d.type(p::pipe_flow, "txt_nu_reynolds", "1");
             // The regime "Turbulent" has opened the turbulent pressure-loss frame.
             const std::pair<const char*, const char*> turbulent[] = {
                 {"txt_Qv_calcul_pertes_de_charges2", "10"}, {"txt_RHO_calcul_pertes_de_charges2", "1000"},
                 {"txt_L_calcul_pertes_de_charges2", "100"}, {"txt_D_calcul_pertes_de_charges2", "50"},
                 {"txt_Re_calcul_pertes_de_charges2", "100000"}};
             for (const auto& [field, text] : turbulent) d.type(p::pipe_flow, field, text);
         }},
        {"pipe-flow-fluid-data", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_calcul_du_nombre_de_Reynolds");
             d.click(p::pipe_flow, "chx_Mu");
             d.click(p::pipe_flow, "Command3");
             d.click(p::pipe_flow, "Command_chx_gaz");
             d.pick(p::pipe_flow, "Combo_choix_liquide", "Air ( à 0°C )");
         }},
        // The mark on a field whose text is not read as typed.
        {"input-mark", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_débit");
             d.type(p::pipe_flow, "txt_vitesse31", "2,5");
             d.type(p::pipe_flow, "txt_diamètre31", "100");
         },
         "fr_débit"},
    };
}

}  // namespace cf::shots
