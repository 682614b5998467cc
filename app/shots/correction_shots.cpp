#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

std::vector<Shot> correction_shots() {
    namespace p = pages;
    return {
        {"correction-qvc-qvs", p::correction_qvc_qvs,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qvc");
         }},
        {"correction-qvn-qm", p::correction_qvn_qm,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qm");
         }},
    };
}

}  // namespace cf::shots
