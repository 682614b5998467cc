#include "flowcorrection/correction_pages.h"

#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/page_builder.h"

namespace cf::correction_pages {

namespace {

// The navigation buttons both correction pages carry, under the same names.
void navigation_buttons(PageBuilder& b, const char* density_caption) {
    b.row(); b.button("Command2", "Calculs Plaque à Orifice");
             b.button("bt_OD_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds");
    b.row(); b.button("bt_OD_calcul_de_débits_gaz", density_caption);
             b.button("Command1", "Retour à la page d'accueil");

    Page& p = b.page();
    p.on_click("Command2", [](Page& page) { navigation::open_calculator(page, pages::orifice_plate); });
    p.on_click("bt_OD_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
    p.on_click("bt_OD_calcul_de_débits_gaz", [](Page& page) { navigation::open_calculator(page, pages::density); });
    p.on_click("Command1", [](Page& page) {
        navigation::return_home(page, {"Command2", "bt_OD_calcul_DVS", "bt_OD_calcul_de_débits_gaz"});
    });
}

void conditions_frame(PageBuilder& b) {
    b.row(); b.frame("Frame1").span(2);
    b.in("Frame1");
    b.row(); b.label("Condition", "Conditions de calculs").look(Look::heading);
    b.row(); b.option("Chx2", "Ps égal Pc et Ts égal Tc");
    b.row(); b.option("Chx1", "Ps différent de Pc et/ou Ts différent de Tc");
    b.on_page();
}

}  // namespace

void define_qvc_qvs(Page& p) {
    p.set_window_title("CalcFluides - Correction Qvc, Qvs");
    PageBuilder b(p);
    b.row(); b.label("titre", "Correction des débits de Gaz et Vapeur saturée").look(Look::title).span(2);
    conditions_frame(b);
    navigation_buttons(b, "Calculs de masses volumiques gaz et vapeurs");
}

void define_qvn_qm(Page& p) {
    p.set_window_title("CalcFluides - Correction Qvn, Qm");
    PageBuilder b(p);
    b.row(); b.label("Label1", "Correction des débits de Gaz et Vapeurs").look(Look::title).span(2);
    conditions_frame(b);
    navigation_buttons(b, "Calculs de masses volumiques de gaz et vapeurs");
}

}  // namespace cf::correction_pages
