#include "shell/home_page.h"

#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace cf::home_page {

namespace {

void choose_flow(Page& home, const char* correction_page, std::initializer_list<std::string_view> others) {
    home.app().show(correction_page);
    home.disable(others);
}

// Qvn and Qm also clear "Ps égal Pc et Ts égal Tc" on the Qvn and Qm correction page, each time.
void clear_equal_conditions(Page& home) {
    home.app().page(pages::correction_qvn_qm).set_selected("Chx2", false);
}

}  // namespace

void enable_flow_choices(Page& home) { home.enable({"Qvs", "Label6", "Qvc", "Label3", "Qvn", "Label7", "Qm", "Label8"}); }

void open_flow_choice(Page& home) {
    home.set_visible("Frame_choix_du_débit_a_calculer", true);
    home.hide({"bt_départ_calcul_DVS", "bt_départ_calcul_de_débits_gaz", "bt_dvs_calculs_de_masses_volumiques",
               "Command_feuille_calcul_od"});
}

void close_flow_choice(Page& home) {
    home.set_visible("Frame_choix_du_débit_a_calculer", false);
    home.show({"bt_départ_calcul_DVS", "bt_départ_calcul_de_débits_gaz", "bt_dvs_calculs_de_masses_volumiques",
               "Command_feuille_calcul_od"});
}

void define(Page& p) {
    p.set_window_title("CalcFluides");
    PageBuilder b(p);

    b.row(); b.frame("fr_départ");
    b.in("fr_départ");
    b.row(); b.label("Label1", "Choix du calcul à effectuer").look(Look::title);
    b.row(); b.button("bt_départ_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds");
    b.row(); b.button("bt_départ_calcul_de_débits_gaz", "Correction des débits de gaz ");
    b.row(); b.button("bt_dvs_calculs_de_masses_volumiques", "Calculs des masses volumiques de gaz et vapeurs");
    b.row(); b.button("Command_feuille_calcul_od", "Calculs Plaque à Orifice");
    // The flow choice is drawn over the four buttons.
    b.frame("Frame_choix_du_débit_a_calculer").hidden().at(1, 0).tall(4);
    b.row(); b.label("Label2", "Les calculs sont effectués suivant la norme ISO 5167").look(Look::note);

    b.in("Frame_choix_du_débit_a_calculer");
    b.row(); b.label("Choix", "Choix du débit à calculer").look(Look::heading).span(2);
    b.row(); b.label("Label3", "Conditions de calculs");  b.label("Label6", "Conditions de services");
    b.row(); b.button("Qvc", "Qvc");                       b.button("Qvs", "Qvs");
    b.row(); b.label("Label7", "Conditions normales");    b.label("Label8", "Débit massique");
    b.row(); b.button("Qvn", "Qvn");                       b.button("Qm", "Qm");
    b.row(); b.button("Command_retour", "Retour").span(2);

    b.on_page();
    b.row(); b.label("Label9", "CalcFluides").look(Look::note);
    b.row(); b.label("Label5", "Calculs d'écoulements de fluides en conduite").look(Look::note);
    b.row(); b.label("Label4", "Débits, masses volumiques, organes déprimogènes").look(Look::note);
    for (const char* picture : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6", "Picture8"})
        b.decoration(picture);

    p.on_click("bt_départ_calcul_DVS", [](Page& home) { home.app().show(pages::pipe_flow); });
    p.on_click("bt_dvs_calculs_de_masses_volumiques", [](Page& home) { home.app().show(pages::density); });
    p.on_click("Command_feuille_calcul_od", [](Page& home) { home.app().show(pages::orifice_plate); });
    p.on_click("bt_départ_calcul_de_débits_gaz", open_flow_choice);
    p.on_click("Command_retour", [](Page& home) {
        close_flow_choice(home);
        enable_flow_choices(home);
    });
    p.on_click("Qvc", [](Page& home) {
        choose_flow(home, pages::correction_qvc_qvs, {"Qvs", "Label6", "Qvn", "Label7", "Qm", "Label8"});
    });
    p.on_click("Qvs", [](Page& home) {
        choose_flow(home, pages::correction_qvc_qvs, {"Qvc", "Label3", "Qvn", "Label7", "Qm", "Label8"});
    });
    p.on_click("Qvn", [](Page& home) {
        choose_flow(home, pages::correction_qvn_qm, {"Qvs", "Label6", "Qvc", "Label3", "Qm", "Label8"});
        clear_equal_conditions(home);
    });
    p.on_click("Qm", [](Page& home) {
        choose_flow(home, pages::correction_qvn_qm, {"Qvs", "Label6", "Qvc", "Label3", "Qvn", "Label7"});
        clear_equal_conditions(home);
    });
}

}  // namespace cf::home_page
