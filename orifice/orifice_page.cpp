#include "orifice/orifice_page.h"

#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/page_builder.h"

namespace cf::orifice_page {

void define(Page& p) {
    p.set_window_title("CalcFluides - Plaque à orifice");
    PageBuilder b(p);
    b.row(); b.label("Label3", "Calcul Plaque à Orifice").look(Look::title).span(2);
    b.row(); b.button("bt_OD_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds");
             b.button("bt_OD_calcul_de_débits_gaz", "Calculs de masses volumiques de gaz et vapeurs");
    b.row(); b.button("bt_dvs_calculs_de_débits_gaz", "Correction des débits de gaz");
             b.button("Command_retour_page_d_acceuil", "Retour à la page d'accueil");

    p.on_click("bt_OD_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
    p.on_click("bt_OD_calcul_de_débits_gaz", [](Page& page) { navigation::open_calculator(page, pages::density); });
    p.on_click("bt_dvs_calculs_de_débits_gaz", navigation::open_flow_correction);
    p.on_click("Command_retour_page_d_acceuil", [](Page& page) {
        navigation::return_home(page, {"bt_dvs_calculs_de_débits_gaz", "bt_OD_calcul_DVS", "bt_OD_calcul_de_débits_gaz"});
    });
}

}  // namespace cf::orifice_page
