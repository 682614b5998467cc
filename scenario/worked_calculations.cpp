#include "scenario/worked_calculations.h"

#include <utility>

#include "shell/page_names.h"

namespace cf::scenario {

void orifice_mass_flow(Driver& d) {
    const char* o = pages::orifice_plate;
    d.click(pages::home, "Command_feuille_calcul_od");
    for (const char* choice : {"Command_liquide", "Option_dans_les_angles", "Option_qm"}) d.click(o, choice);
    for (const auto& [field, text] : {std::pair{"Text_diamétre_intérieur_canalisation", "100"},
                                      {"Text_diamétre_plaque_à_orifice", "50"},
                                      {"Text_masse_volumique_condition_de_service", "1000"},
                                      {"Text_delta_p", "100"}, {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}})
        d.type(o, field, text);
}

void pipe_flow(Driver& d) {
    d.click(pages::home, "bt_départ_calcul_DVS");
    d.click(pages::pipe_flow, "bt_débit");
    d.type(pages::pipe_flow, "txt_vitesse31", "2");
    d.type(pages::pipe_flow, "txt_diamètre31", "100");
}

}  // namespace cf::scenario
