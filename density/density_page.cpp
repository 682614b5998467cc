#include "density/density_page.h"

#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/page_builder.h"

namespace cf::density_page {

void define(Page& p) {
    p.set_window_title("CalcFluides - Masses volumiques");
    PageBuilder b(p);
    b.row(); b.label("lbl_titre_RHO1", "Calculs des masses volumiques de Gaz et Vapeurs").look(Look::title).span(2);
    b.row(); b.button("Command1", "Calculs Plaque à Orifice");
             b.button("bt_RHO_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds");
    b.row(); b.button("bt_RHO_calcul_de_débits_gaz", "Correction des débits de gaz");
             b.button("Command2", "Retour à la page d'accueil");

    p.on_click("Command1", [](Page& page) { navigation::open_calculator(page, pages::orifice_plate); });
    p.on_click("bt_RHO_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
    p.on_click("bt_RHO_calcul_de_débits_gaz", navigation::open_flow_correction);
    p.on_click("Command2", [](Page& page) {
        navigation::return_home(page, {"bt_RHO_calcul_DVS", "bt_RHO_calcul_de_débits_gaz", "Command1"});
    });
}

}  // namespace cf::density_page
