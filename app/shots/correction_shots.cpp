#include <utility>

#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

namespace {

using Typed = std::pair<const char*, const char*>;

void type_all(scenario::GuiDriver& d, const char* page, std::initializer_list<Typed> texts) {
    for (const auto& [field, text] : texts) d.type(page, field, text);
}

}  // namespace

std::vector<Shot> correction_shots() {
    namespace p = pages;
    return {
        // Qvs from Qvc and ΔP, the service conditions differing from the calculation conditions.
        {"correction-qvc-qvs", p::correction_qvc_qvs,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qvs");
             d.click(p::correction_qvc_qvs, "Chx1");
             d.click(p::correction_qvc_qvs, "Chx6");
             type_all(d, p::correction_qvc_qvs, {{"txt_Kc4", "100"}, {"txt_DeltaP5", "25"}, {"txt_Pc5", "2"},
                                                 {"txt_Tc5", "20"}, {"txt_Ps3", "8"}, {"Txt_Ts3", "20"}});
         }},
        // Qvn from Qvc and ΔP, the service conditions differing from the calculation conditions.
        {"correction-qvn-qm", p::correction_qvn_qm,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qvn");
             d.click(p::correction_qvn_qm, "Chx1");
             d.click(p::correction_qvn_qm, "Chx8");
             type_all(d, p::correction_qvn_qm, {{"txt_Kc5", "100"}, {"txt_DeltaP6", "25"}, {"txt_Pc8", "2"},
                                                {"txt_Tc8", "20"}, {"txt_Ps4", "8"}, {"txt_Ts4", "20"}});
         }},
        // A mass flow from Qvc and ΔP at equal conditions.
        {"correction-qm", p::correction_qvn_qm,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qm");
             d.click(p::correction_qvn_qm, "Chx2");
             d.click(p::correction_qvn_qm, "Chx4");
             type_all(d, p::correction_qvn_qm, {{"txt_Kc7", "100"}, {"txt_DeltaP3", "25"}, {"txt_RoC2", "4"}});
         }},
    };
}

}  // namespace cf::shots
