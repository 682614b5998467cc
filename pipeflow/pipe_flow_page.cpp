#include "pipeflow/pipe_flow_page.h"

#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/page_builder.h"

namespace cf::pipe_flow_page {

void define(Page& p) {
    p.set_window_title("CalcFluides - Débits, vitesse, section");
    PageBuilder b(p);
    b.row(); b.label("lbl_titre", "Calculs de débits, vitesse, section, pertes de charge, nombre de Reynolds")
                 .look(Look::title).span(2);
    b.row(); b.button("Command2", "Calculs Plaque à orifice");
             b.button("bt_dvs_calculs_de_masses_volumiques", "Calculs des masses volumiques de gaz et vapeurs");
    b.row(); b.button("bt_dvs_calculs_de_débits_gaz", "Correction des débits de gaz");
             b.button("Command1", "Retour à la page d'accueil");

    p.on_click("Command2", [](Page& page) { navigation::open_calculator(page, pages::orifice_plate); });
    p.on_click("bt_dvs_calculs_de_masses_volumiques",
               [](Page& page) { navigation::open_calculator(page, pages::density); });
    p.on_click("bt_dvs_calculs_de_débits_gaz", navigation::open_flow_correction);
    p.on_click("Command1", [](Page& page) {
        navigation::return_home(page, {"bt_dvs_calculs_de_débits_gaz", "bt_dvs_calculs_de_masses_volumiques", "Command2"});
    });
}

}  // namespace cf::pipe_flow_page
