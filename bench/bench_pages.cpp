#include "bench/bench_pages.h"

#include <string>
#include <utility>

#include "shell/page_names.h"

namespace cf::bench {

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

void fill(Page& p, const Texts& texts) {
    for (const auto& [field, text] : texts) p.user_edit(field, text);
}

}  // namespace

std::vector<Keystroke> heaviest_keystrokes() {
    namespace n = pages;
    std::vector<Keystroke> all;
    // Pipe flow: the Reynolds frame in Nu mode, with the turbulent pressure loss the regime opens.
    all.push_back({"pipe flow Reynolds V", n::pipe_flow,
                   [](Application& app) {
                       app.page(n::home).user_click("bt_départ_calcul_DVS");
                       Page& p = app.page(n::pipe_flow);
                       p.user_click("bt_calcul_du_nombre_de_Reynolds");
                       p.user_click("chx_nu");
                       fill(p, {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"},
                                {"txt_nu_reynolds", "1"}});
                   },
                   "txt_vitesse_calcul_reynolds", "2", "2.5", "bt_initialisation", true});
    // Orifice plate: every input filled, then the pipe's bore changed, which runs a whole chain.
    const auto orifice = [](const char* calculation, const char* flow_input, const char* flow_text,
                            const char* standard = "Option_norme_1991") {
        return [=](Application& app) {
            app.page(n::home).user_click("Command_feuille_calcul_od");
            Page& p = app.page(n::orifice_plate);
            p.user_click("Command_liquide");
            p.user_click("Option_dans_les_angles");
            p.user_click(calculation);
            p.user_click(standard);
            fill(p, {{"Text_diamétre_intérieur_canalisation", "100"}, {"Text_masse_volumique_condition_de_service", "1000"},
                     {flow_input, flow_text}, {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}});
            if (std::string(calculation) != "Option_d") fill(p, {{"Text_diamétre_plaque_à_orifice", "50"}});
            if (std::string(calculation) == "Option_d") fill(p, {{"Text_delta_p", "100"}});
        };
    };
    all.push_back({"orifice Qm, D", n::orifice_plate, orifice("Option_qm", "Text_delta_p", "100"),
                   "Text_diamétre_intérieur_canalisation", "100", "101", "Init2", true});
    // The same keystroke under ISO 5167-2:2003, whose solver iterates until the flow settles.
    all.push_back({"orifice Qm 2003, D", n::orifice_plate,
                   orifice("Option_qm", "Text_delta_p", "100", "Option_norme_2003"),
                   "Text_diamétre_intérieur_canalisation", "100", "101", ""});
    all.push_back({"orifice Delta P, D", n::orifice_plate, orifice("Option_deltap", "Text_débit_massique", "19785"),
                   "Text_diamétre_intérieur_canalisation", "100", "101", ""});
    all.push_back({"orifice bore, D", n::orifice_plate, orifice("Option_d", "Text_débit_massique", "19785"),
                   "Text_diamétre_intérieur_canalisation", "100", "101", ""});
    // Density: RHOc from RHOn, Pn, Tn, Pc, Tc and both compressibility factors (seven inputs).
    all.push_back({"density RHOc from RHOn (7 inputs), Pc", n::density,
                   [](Application& app) {
                       app.page(n::home).user_click("bt_dvs_calculs_de_masses_volumiques");
                       Page& p = app.page(n::density);
                       p.user_click("bt_gaz20");
                       p.user_click("bt_RHOc20");
                       p.user_click("opbt_RHOc21");
                       fill(p, {{"txt_RHOn_pour_RHOc", "1.293"}, {"txt_Pc_pour_RHOc21", "2.026"},
                                {"txt_Tc_pour_RHOc21", "20"}});
                   },
                   "txt_Pc_pour_RHOc21", "2.026", "2.5", "bt_initialisation"});
    // Flow correction: Qvn through Kc at service conditions (eleven inputs).
    all.push_back({"correction Qvn through Kc (11 inputs), Ps", n::correction_qvn_qm,
                   [](Application& app) {
                       Page& home = app.page(n::home);
                       home.user_click("bt_départ_calcul_de_débits_gaz");
                       home.user_click("Qvn");
                       Page& p = app.page(n::correction_qvn_qm);
                       p.user_click("Chx1");
                       p.user_click("Chx8");
                       fill(p, {{"txt_Kc5", "100"}, {"txt_DeltaP6", "25"}, {"txt_Pc8", "1.013"}, {"txt_Tc8", "0"},
                                {"txt_Ps4", "1.013"}, {"txt_Ts4", "0"}});
                   },
                   "txt_Ps4", "1.013", "4.052", "initialisation"});
    return all;
}

}  // namespace cf::bench
