// The page feuille_organe_déprimogéne_2: the volume flow of a gas at normal conditions (Qvn), or its mass
// flow (Qm). The flow is chosen on the home page; the page reads it back from the home page's flow
// buttons, of which only the chosen one is enabled.

#include <utility>

#include "flowcorrection/correction_page_parts.h"
#include "flowcorrection/correction_pages.h"
#include "flowcorrection/correction_procedures.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/completeness.h"
#include "ui/page_builder.h"

namespace cf::correction_pages {

namespace {

namespace fc = flow_correction;
using namespace parts;

// --- Inputs and result groups of the calculation frames ---

const Names frame11_inputs = {"txt_Qvc4", "txt_Pc1", "txt_Tc1", "txt_Pn1", "txt_tn1",
                              "Text_zc_pour_calcul_qvn_avec_qvc", "Text_zn_pour_calcul_qvn_avec_qvc"};
const Names frame12_inputs = {"txt_Kc2", "txt_DeltaP2", "txt_Pc2", "txt_Pn2", "txt_Tc2", "txt_Tn2",
                              "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap",
                              "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap"};
const Names frame17_inputs = {"txt_Qvc9", "txt_Pc7", "txt_Tc7", "txt_Pn3", "txt_Tn3",
                              "Text_zc_pour_calcul_qvn_avec_qvc_bis", "Text_zn_pour_calcul_qvn_avec_qvc_bis"};
const Names frame18_inputs = {"txt_Kc5", "txt_DeltaP6", "txt_Ps4", "txt_Ts4", "txt_Pc8", "txt_Tc8", "txt_Pn5",
                              "txt_Tn5", "Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis",
                              "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis",
                              "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis"};
const Names frame13_inputs = {"txt_Qvc11", "txt_RoC1"};
const Names frame14_inputs = {"txt_Kc7", "txt_DeltaP3", "txt_RoC2"};
const Names frame19_inputs = {"txt_Qvc10", "txt_RoC10"};
const Names frame20_inputs = {"txt_Qvs9", "txt_RoS9"};
const Names frame21_inputs = {"txt_Kc6", "txt_DeltaP7", "txt_RoC11", "txt_Ps5", "txt_Ts5", "txt_Pc9", "txt_Tc9",
                              "Text_zc_pour_calcul_qm_avec_deltap_et_qvc", "Text_zs_pour_calcul_qm_avec_deltap_et_qvc"};

void frame11_changed(Page& p) {
    const bool complete =
        filled(p, {"txt_Qvc4", "txt_Pc1", "txt_Pn1", "txt_Tc1", "txt_tn1"}) &&
        not_zero(p, {"txt_Pn1", "Text_zc_pour_calcul_qvn_avec_qvc", "Text_zn_pour_calcul_qvn_avec_qvc"});
    show_result_if(p, complete, {"Qvn2", "txt_Qvn2", "Label_unité_resultat_qvn_bis5"}, {fc::Qvn2});
}

void frame12_changed(Page& p) {
    const bool complete = filled(p, {"txt_DeltaP2", "txt_Kc2", "txt_Pc2", "txt_Pn2", "txt_Tc2", "txt_Tn2"}) &&
                          not_zero(p, {"txt_DeltaP2", "txt_Pn2", "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap",
                                       "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap"});
    show_result_if(p, complete, {"Qvn3", "txt_Qvn3", "Kc11", "txt_Kc11", "Label_unité_resultat_qvn_bis6"},
                   {fc::Qvn3, fc::Kc11});
}

void frame17_changed(Page& p) {
    const bool complete =
        filled(p, {"txt_Qvc9", "txt_Pc7", "txt_Tc7", "txt_Pn3", "txt_Tn3"}) &&
        not_zero(p, {"txt_Pn3", "Text_zc_pour_calcul_qvn_avec_qvc_bis", "Text_zn_pour_calcul_qvn_avec_qvc_bis"});
    show_result_if(p, complete, {"Txt_Qvn6", "Qvn6", "Label_unité_resultat_qvn_bis4"}, {fc::Qvn6});
}

void frame18_changed(Page& p) {
    const bool complete =
        filled(p, {"txt_Kc5", "txt_Ps4", "txt_Ts4", "txt_Pc8", "txt_Tc8", "txt_Pn5", "txt_Tn5", "txt_DeltaP6"}) &&
        not_zero(p, {"txt_Pn5", "txt_DeltaP6", "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis",
                     "Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis",
                     "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis"});
    show_result_if(p, complete, {"Qvn7", "txt_Qvn7", "Kc10", "txt_Kc10", "Label_unité_resultat_qvn_bis3"},
                   {fc::Qvn7, fc::Kc10});
}

void frame13_changed(Page& p) {
    show_result_if(p, filled(p, frame13_inputs), {"txt_Qm2", "Qm2", "Label_unité_resultat_qm_bis3"}, {fc::Qm2});
}

void frame14_changed(Page& p) {
    const bool complete = filled(p, frame14_inputs) && not_zero(p, {"txt_DeltaP3", "txt_RoC2"});
    show_result_if(p, complete, {"txt_Qm3", "Qm3", "txt_kc12", "kc12", "Label_unité_resultat_qm_bis4"},
                   {fc::Qm3, fc::kc12});
}

void frame19_changed(Page& p) {
    show_result_if(p, filled(p, frame19_inputs), {"Qm5", "txt_Qm5", "Label_unité_resultat_qm_bis2"}, {fc::Qm5});
}

void frame20_changed(Page& p) {
    show_result_if(p, filled(p, frame20_inputs), {"Qm6", "txt_Qm6", "Label_unité_resultat_qm"}, {fc::Qm6});
}

void frame21_changed(Page& p) {
    const bool complete =
        filled(p, {"txt_Kc6", "txt_DeltaP7", "txt_RoC11", "txt_Ps5", "txt_Ts5", "txt_Pc9", "txt_Tc9"}) &&
        not_zero(p, {"txt_DeltaP7", "txt_Pc9", "Text_zc_pour_calcul_qm_avec_deltap_et_qvc",
                     "Text_zs_pour_calcul_qm_avec_deltap_et_qvc"});
    show_result_if(p, complete, {"Qm7", "txt_Qm7", "Kc14", "txt_Kc14", "Label_unité_resultat_qm_bis"},
                   {fc::Kc14, fc::Qm7});
}

// --- "Initialisation" ---

// Every choice unlocked and cleared, every frame closed.
void unlock_choices(Page& p) {
    for (auto option : {"Chx1", "Chx2", "Chx3", "Chx4", "Chx7", "Chx8", "Chx9", "Chx10", "Chx11"}) {
        p.set_enabled(option, true);
        p.set_selected(option, false);
    }
    for (auto option : {"Option1", "Option2"}) {
        p.set_selected(option, false);
        p.set_enabled(option, true);
    }
    p.show({"Frame1"});
    p.hide({"Frame5", "Frame6", "Frame9", "Frame10", "Frame11", "Frame12", "Frame13", "Frame14", "Frame17", "Frame18",
            "Frame19", "Frame20", "Frame21", "Frame22"});
}

// Every result hidden and every field emptied, but the compressibility factors kept and the normal
// conditions preset again. The unit labels are left to the Change handlers that the new texts run: each
// finds its frame incomplete and hides the whole result group.
void reset_results_and_fields(Page& p) {
    p.hide({"Qm2", "txt_Qm2", "Qm3", "txt_Qm3", "Qm5", "txt_Qm5", "Qm7", "txt_Qm7", "Qm6", "txt_Qm6", "Qvn2",
            "txt_Qvn2", "Qvn3", "txt_Qvn3", "Qvn6", "Txt_Qvn6", "Qvn7", "txt_Qvn7", "Kc10", "txt_Kc10", "Kc11",
            "txt_Kc11", "kc12", "txt_kc12", "Kc14", "txt_Kc14"});
    for (auto field : {"txt_DeltaP2", "txt_DeltaP3", "txt_DeltaP6", "txt_DeltaP7", "txt_Kc7", "txt_Kc6", "txt_Kc2",
                       "txt_Kc5", "txt_Pc1", "txt_Pc2", "txt_Pc7", "txt_Pc8", "txt_Pc9"})
        p.set_text(field, "");
    for (auto field : {"txt_Pn1", "txt_Pn2", "txt_Pn3", "txt_Pn5"}) p.set_text(field, "1.013");
    for (auto field : {"txt_Ps4", "txt_Ps5", "txt_Qm2", "txt_Qm3", "txt_Qm5", "txt_Qm6", "txt_Qm7", "txt_Qvc10",
                       "txt_Qvc11", "txt_Qvc4", "txt_Qvc9", "txt_Qvn2", "txt_Qvn3", "Txt_Qvn6", "txt_Qvn7", "txt_Qvs9",
                       "txt_RoC1", "txt_RoC10", "txt_RoC11", "txt_RoC2", "txt_RoS9", "txt_Tc1", "txt_Tc2", "txt_Tc7",
                       "txt_Tc8", "txt_Tc9"})
        p.set_text(field, "");
    for (auto field : {"txt_tn1", "txt_Tn2", "txt_Tn3", "txt_Tn5"}) p.set_text(field, "0");
    for (auto field : {"txt_Ts4", "txt_Ts5", "txt_Kc10", "txt_Kc11", "txt_kc12", "txt_Kc14"}) p.set_text(field, "");
}

void initialisation(Page& p) {
    p.hide(navigation_button_names());
    unlock_choices(p);
    reset_results_and_fields(p);
}

void return_home(Page& p) {
    navigation::return_home(p, navigation_button_names());
    unlock_choices(p);
    p.app().page(pages::home).enable({"Qvs", "Qm", "Qvn", "Qvc"});
    reset_results_and_fields(p);
}

// A choice frame: its title, the known-data options, and the calculation frames, drawn over each other.
void choice_frame(PageBuilder& b, const char* frame, const char* title_label, const char* title,
                  const char* prompt_label, std::initializer_list<std::pair<const char*, const char*>> options,
                  std::initializer_list<const char*> calculation_frames) {
    b.in(frame);
    frame_title(b, title_label, title);
    b.row(); b.label(prompt_label, "Nous connaissons :").span(frame_columns);
    b.row();
    for (const auto& [name, caption] : options) b.option(name, caption).span(2);
    b.row();
    bool first = true;
    for (const char* calculation : calculation_frames) {
        (first ? b.frame(calculation) : b.over(calculation)).hidden().span(frame_columns);
        first = false;
    }
}

}  // namespace

void define_qvn_qm(Page& p) {
    p.set_window_title("CalcFluides - Correction Qvn, Qm");
    PageBuilder b(p);

    // The page: the title, the warning, the conditions and the frame of the flow chosen on the home page (a
    // Qvn or a Qm frame, each pair drawn over the same area) down the left, the help frame beside them,
    // then the buttons.
    b.row(); b.label("Label1", "Correction des débits de Gaz et Vapeurs").look(Look::title);
             b.frame("Frame22").hidden().tall(5);
    b.row(); b.label("lbl_attention2", lines({"Attention : Pour un bon fonctinnement des",
                                              "calculs, les nombres décimaux",
                                              "doivent être saisis avec un point",
                                              "(ex: 0.15)."}))
                 .look(Look::warning);
    b.row(); b.frame("Frame1");
    b.row(); b.frame("Frame5").hidden();
             b.over("Frame9").hidden();
    b.row(); b.frame("Frame6").hidden();
             b.over("Frame10").hidden();
    navigation_buttons(b, "Calculs de masses volumiques de gaz et vapeurs");
    b.row(); b.button("initialisation", "Initialisation");
             b.button("Command1", "Retour à la page d'accueil");
    b.row(); b.label("Label12", "CalcFluides - calculs d'écoulements de fluides en conduite").look(Look::note);
             b.decoration("Picture1");

    b.in("Frame1");
    b.row(); b.label("Condition", "Conditions de calculs").look(Look::heading);
    b.row(); b.option("Chx1", "Ps différent de Pc et/ou Ts différent de Tc");
    b.row(); b.option("Chx2", "Ps égal Pc et Ts égal Tc");

    // Normal flow, equal conditions.
    choice_frame(b, "Frame5", "Qvn1", "Détermination du débit volumique aux                   conditions normales",
                 "Hypothése", {{"Option1", "Qvc"}, {"Option2", "Delta P et Qvc"}}, {"Frame11", "Frame12"});
    b.in("Frame11");
    input_rows(b, {{{"txt_Qvc4", "Qvc :"}},
                   {{"txt_Pc1", "Pc :"}, {"txt_Tc1", "Tc :"}, {"Text_zc_pour_calcul_qvn_avec_qvc", "Zc:", "1"}},
                   {{"txt_Pn1", "Pn :", "1.013"}, {"txt_tn1", "Tn :", "0"},
                    {"Text_zn_pour_calcul_qvn_avec_qvc", "Zn:", "1"}}});
    result_row(b, "Qvn2", "Qvn =", "txt_Qvn2", "Label_unité_resultat_qvn_bis5", "Nm3/h");
    b.in("Frame12");
    input_rows(b, {{{"txt_Kc2", "Qvc :"}, {"txt_DeltaP2", "Delta P  :"}},
                   {{"txt_Pc2", "Pc :"}, {"txt_Tc2", "Tc :"},
                    {"Text_zc_pour_calcul_qvn_avec_qvc_et_deltap", "Zc:", "1"}},
                   {{"txt_Pn2", "Pn :", "1.013"}, {"txt_Tn2", "Tn :", "0"},
                    {"Text_zn_pour_calcul_qvn_avec_qvc_et_deltap", "Zn:", "1"}}});
    // Qvn = starts shown in the hidden frame: choosing the frame hides it until the data are complete.
    result_row(b, "Qvn3", "Qvn =", "txt_Qvn3", "Label_unité_resultat_qvn_bis6", "Nm3/h", {.result_visible = true});
    result_row(b, "Kc11", "Kc =", "txt_Kc11", nullptr, nullptr);

    // Normal flow, differing conditions.
    choice_frame(b, "Frame9", "Qvn5", "Détermination du débit volumique aux                  conditions normales",
                 "Hypothése5", {{"Chx7", "Qvc"}, {"Chx8", "Delta P et Qvc"}}, {"Frame17", "Frame18"});
    b.in("Frame17");
    input_rows(b, {{{"txt_Qvc9", "Qvc:"}},
                   {{"txt_Pc7", "Pc:"}, {"txt_Tc7", "Tc:"}, {"Text_zc_pour_calcul_qvn_avec_qvc_bis", "Zc:", "1"}},
                   {{"txt_Pn3", "Pn:", "1.013"}, {"txt_Tn3", "Tn:", "0"},
                    {"Text_zn_pour_calcul_qvn_avec_qvc_bis", "Zn:", "1"}}});
    result_row(b, "Qvn6", "Qvn = ", "Txt_Qvn6", "Label_unité_resultat_qvn_bis4", "Nm3/h");
    b.in("Frame18");
    input_rows(b, {{{"txt_Kc5", "Qvc:"}, {"txt_DeltaP6", "Delat P:"}},
                   {{"txt_Pc8", "Pc:"}, {"txt_Tc8", "Tc:"},
                    {"Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis", "Zc:", "1"}},
                   {{"txt_Ps4", "Ps:"}, {"txt_Ts4", "Ts:", "", "Label5"},
                    {"Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis", "Zs:", "1"}},
                   {{"txt_Pn5", "Pn:", "1.013"}, {"txt_Tn5", "Tn:", "0"},
                    {"Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis", "Zn:", "1"}}});
    result_row(b, "Qvn7", "Qvn =", "txt_Qvn7", "Label_unité_resultat_qvn_bis3", "Nm3/h");
    // Kc = starts shown, empty, in the hidden frame, until the frame's first Change handler sets it.
    result_row(b, "Kc10", "Kc =", "txt_Kc10", nullptr, nullptr, {.result_visible = true});

    // Mass flow, equal conditions.
    choice_frame(b, "Frame6", "Qm1", "Détermination du débit massique", "hypothése2",
                 {{"Chx3", "Qvc"}, {"Chx4", "Delta P et Qvc"}}, {"Frame13", "Frame14"});
    b.in("Frame13");
    input_rows(b, {{{"txt_Qvc11", "Qvc : "}, {"txt_RoC1", "RHOc : "}}});
    // Mass flows carry a mass-flow unit, the one the units list gives for Qm.
    result_row(b, "Qm2", "Qm =", "txt_Qm2", "Label_unité_resultat_qm_bis3", "Kg/h");
    b.in("Frame14");
    input_rows(b, {{{"txt_Kc7", "Qvc:"}, {"txt_DeltaP3", "Delta P:"}, {"txt_RoC2", "Rhoc:", "", "Ro3"}}});
    result_row(b, "Qm3", "Qm =", "txt_Qm3", "Label_unité_resultat_qm_bis4", "Kg/h");
    result_row(b, "kc12", "Kc =", "txt_kc12", nullptr, nullptr);

    // Mass flow, differing conditions.
    choice_frame(b, "Frame10", "Qm4", "Détermination du débit massique", "Hypothése6",
                 {{"Chx9", "Qvc et RHOc"}, {"Chx10", "Qvs et RHOs"}, {"Chx11", "Delta P et Qvc"}},
                 {"Frame19", "Frame20", "Frame21"});
    b.in("Frame19");
    input_rows(b, {{{"txt_Qvc10", "Qvc :"}, {"txt_RoC10", "RHOc :"}}});
    result_row(b, "Qm5", "Qm =", "txt_Qm5", "Label_unité_resultat_qm_bis2", "Kg/h");
    b.in("Frame20");
    input_rows(b, {{{"txt_Qvs9", "Qvs :"}, {"txt_RoS9", "RHOs :"}}});
    result_row(b, "Qm6", "Qm =", "txt_Qm6", "Label_unité_resultat_qm", "Kg/h");
    b.in("Frame21");
    input_rows(b, {{{"txt_Kc6", "Qvc:"}, {"txt_DeltaP7", "Delta P:"}, {"txt_RoC11", "RHOc:"}},
                   {{"txt_Pc9", "Pc:"}, {"txt_Tc9", "Tc:"}, {"Text_zc_pour_calcul_qm_avec_deltap_et_qvc", "Zc:", "1"}},
                   {{"txt_Ps5", "Ps:"}, {"txt_Ts5", "Ts:"},
                    {"Text_zs_pour_calcul_qm_avec_deltap_et_qvc", "Zs:", "1"}}});
    result_row(b, "Qm7", "Qm =", "txt_Qm7", "Label_unité_resultat_qm_bis", "Kg/h");
    result_row(b, "Kc14", "Kc =", "txt_Kc14", nullptr, nullptr);

    help_frame(b, false);

    // --- Handlers ---
    // The home choices are tested in this order: Qvn, then Qm for differing conditions; Qm, then Qvn for
    // equal conditions.
    p.on_click("Chx1", choose_conditions("Chx1", "Chx2", {{"Qvn", {}, "Frame9"}, {"Qm", {}, "Frame10"}}));
    p.on_click("Chx2", choose_conditions("Chx2", "Chx1", {{"Qm", {}, "Frame6"}, {"Qvn", {}, "Frame5"}}));

    p.on_click("Option1", choose_known_data("Frame11", {"txt_Qvn2", "Qvn2"}, {"Option2"}, "txt_Qvc4"));
    p.on_click("Option2", choose_known_data("Frame12", {"txt_Qvn3", "Qvn3"}, {"Option1"}, "txt_DeltaP2"));
    p.on_click("Chx7", choose_known_data("Frame17", {"Frame18"}, {"Chx8"}, "txt_Qvc9"));
    p.on_click("Chx8", choose_known_data("Frame18", {"Frame17"}, {"Chx7"}, "txt_Kc5"));
    p.on_click("Chx3", choose_known_data("Frame13", {}, {"Chx4"}, "txt_Qvc11"));
    p.on_click("Chx4", choose_known_data("Frame14", {}, {"Chx3"}, "txt_Kc7"));
    p.on_click("Chx9", choose_known_data("Frame19", {"Frame20", "Frame21"}, {"Chx10", "Chx11"}, "txt_Qvc10"));
    p.on_click("Chx10", choose_known_data("Frame20", {"Frame19", "Frame21"}, {"Chx9", "Chx11"}, "txt_Qvs9"));
    p.on_click("Chx11", choose_known_data("Frame21", {"Frame20", "Frame19"}, {"Chx10", "Chx9"}, "txt_Kc6"));

    on_changes(p, frame11_inputs, frame11_changed);
    on_changes(p, frame12_inputs, frame12_changed);
    on_changes(p, frame17_inputs, frame17_changed);
    on_changes(p, frame18_inputs, frame18_changed);
    on_changes(p, frame13_inputs, frame13_changed);
    on_changes(p, frame14_inputs, frame14_changed);
    on_changes(p, frame19_inputs, frame19_changed);
    on_changes(p, frame20_inputs, frame20_changed);
    on_changes(p, frame21_inputs, frame21_changed);

    p.on_click("initialisation", initialisation);
    p.on_click("Command1", return_home);
    navigation_handlers(p);
}

}  // namespace cf::correction_pages
