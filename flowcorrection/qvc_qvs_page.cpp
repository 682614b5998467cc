// The page feuille_Organe_déprimogéne: the volume flow of a gas at calculation conditions (Qvc) or at
// service conditions (Qvs). The flow is chosen on the home page; the page reads it back from the home
// page's flow buttons, of which only the chosen one is enabled.

#include "flowcorrection/correction_page_parts.h"
#include "flowcorrection/correction_pages.h"
#include "flowcorrection/correction_procedures.h"
#include "shell/navigation.h"
#include "ui/completeness.h"
#include "ui/page_builder.h"

namespace cf::correction_pages {

namespace {

namespace fc = flow_correction;
using namespace parts;

const Names unit_labels = {"Label_unité_resultat_qvs", "Label_unité_resultat_qvs_bis", "Label_unité_resultat_qvc",
                           "Label_unité_resultat_qvc_bis", "Label_unité_resultat_qvc_bis2"};

// --- Inputs and result groups of the calculation frames ---

const Names qvc_inputs = {"txt_Kc1", "txt_DeltaP1"};
const Names qvc_results = {"Text_résultat_qvc", "Qvc2", "Label_unité_resultat_qvc_bis"};

const Names frame7_inputs = {"txt_Kc3", "txt_deltaP4", "txt_Ps1", "txt_Pc3", "txt_Ts1", "txt_Tc3",
                             "Text_zs_pour_calcul_qvc_avec_kc_et_deltap", "Text_zc_pour_calcul_qvc_avec_kc_et_deltap"};
const Names frame7_results = {"Qvc7", "txt_Qvc7", "Label_unité_resultat_qvc"};

const Names frame4_results = {"Label1", "Qvs0", "txt_Qvs0", "Label_unité_resultat_qvc_bis2"};

const Names frame15_inputs = {"txt_Qvc8", "txt_Pc4", "txt_Tc4", "txt_Ps2", "Txt_Ts2",
                              "Text_zc_pour_calcul_qvs_avec_qvc", "Text_zs_pour_calcul_qvs_avec_qvc"};
const Names frame15_results = {"Qvs3", "txt_Qvs3", "Label_unité_resultat_qvs_bis"};

// Every input but Tc, whose own handler is stricter.
const Names frame16_inputs_but_tc = {"txt_Kc4", "txt_DeltaP5", "txt_Pc5", "txt_Ps3", "Txt_Ts3",
                                     "Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap",
                                     "Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap"};
const Names frame16_results = {"txt_Qvs4", "Qvs4", "txt_Kc13", "Kc13", "Label_unité_resultat_qvs"};

void qvc_changed(Page& p) { show_result_if(p, filled(p, qvc_inputs), qvc_results, {fc::Qvc2}); }

void frame7_changed(Page& p) {
    const bool complete =
        filled(p, {"txt_Kc3", "txt_deltaP4", "txt_Ps1", "txt_Pc3", "txt_Ts1", "txt_Tc3"}) &&
        not_zero(p, {"txt_Pc3", "Text_zs_pour_calcul_qvc_avec_kc_et_deltap",
                     "Text_zc_pour_calcul_qvc_avec_kc_et_deltap"});
    show_result_if(p, complete, frame7_results, {fc::Qvc7});
}

void frame4_changed(Page& p) { show_result_if(p, filled(p, {"txt_Qvc3"}), frame4_results, {fc::Qvs0}); }

// Every input of the frame tests the same data, Tc included: an empty Tc reads as 0 °C, and a Qvs computed
// from it must not be shown as if the data were complete.
void frame15_changed(Page& p) {
    const bool complete =
        filled(p, {"txt_Qvc8", "txt_Pc4", "txt_Tc4", "txt_Ps2", "Txt_Ts2"}) &&
        not_zero(p, {"txt_Ps2", "Text_zc_pour_calcul_qvs_avec_qvc", "Text_zs_pour_calcul_qvs_avec_qvc"});
    show_result_if(p, complete, frame15_results, {fc::Qvs3});
}

// A Tc of 0 typed into Tc hides the result; the same data completed through another field show it.
Page::Handler frame16_changed(bool tc_must_not_read_0) {
    return [tc_must_not_read_0](Page& p) {
        const bool complete =
            filled(p, {"txt_Kc4", "txt_DeltaP5", "txt_Pc5", "txt_Tc5", "txt_Ps3", "Txt_Ts3"}) &&
            not_zero(p, {"txt_DeltaP5", "txt_Ps3", "Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap",
                         "Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap"}) &&
            (!tc_must_not_read_0 || not_zero(p, {"txt_Tc5"}));
        show_result_if(p, complete, frame16_results, {fc::Qvs4, fc::Kc13});
    };
}

// --- "Initialisation" ---

// Every choice unlocked, every calculation frame closed, every result hidden and every field emptied but
// the compressibility factors. Each emptied input runs its frame's handler, which hides the result group.
void reset_choices_and_fields(Page& p) {
    for (auto option : {"Chx1", "Chx2", "Chx5", "Chx6"}) {
        p.set_enabled(option, true);
        p.set_selected(option, false);
    }
    p.show({"Frame1"});
    p.hide({"frame_calcul_qvc_avec_avec_kc_deltap", "Frame4", "Frame7", "Frame8", "Frame15", "Frame16", "Frame22"});
    p.hide({"Qvc7", "txt_Qvc7", "Qvc2", "Text_résultat_qvc", "Qvs4", "txt_Qvs4", "Qvs3", "txt_Qvs3", "Qvs0", "txt_Qvs0",
            "Kc13", "txt_Kc13", "Label1"});
    for (auto field : {"txt_DeltaP1", "txt_deltaP4", "txt_DeltaP5", "txt_Kc1", "txt_Kc3", "txt_Kc4", "txt_Pc3",
                       "txt_Pc4", "txt_Pc5", "txt_Ps1", "txt_Ps2", "txt_Ps3", "Text_résultat_qvc", "txt_Qvc3",
                       "txt_Qvc7", "txt_Qvc8", "txt_Qvs0", "txt_Qvs3", "txt_Qvs4", "txt_Tc3", "txt_Tc4", "txt_Tc5",
                       "txt_Ts1", "Txt_Ts2", "Txt_Ts3", "txt_Kc13"})
        p.set_text(field, "");
}

void initialisation(Page& p) {
    p.hide(unit_labels);
    p.hide(navigation_button_names());
    reset_choices_and_fields(p);
}

void return_home(Page& p) {
    p.hide(unit_labels);
    navigation::return_home(p, navigation_button_names());
    reset_choices_and_fields(p);
}

}  // namespace

void define_qvc_qvs(Page& p) {
    p.set_window_title("CalcFluides - Correction Qvc, Qvs");
    PageBuilder b(p);

    // The page: the title, the warning, the conditions and the frame of the flow chosen on the home page (a
    // Qvc or a Qvs frame, each pair drawn over the same area) down the left, the help frame beside them,
    // then the buttons.
    b.row(); b.label("titre", "Correction des débits de Gaz et Vapeur saturée").look(Look::title);
             b.frame("Frame22").hidden().tall(5);
    b.row(); b.label("lbl_attention2", lines({"Attention : Pour un bon fonctinnement des",
                                              "calculs les nombres décimaux",
                                              "doivent être saisies avec un point",
                                              "(ex: 0.15)."}))
                 .look(Look::warning);
    b.row(); b.frame("Frame1");
    b.row(); b.frame("frame_calcul_qvc_avec_avec_kc_deltap").hidden();
             b.over("Frame7").hidden();
    b.row(); b.frame("Frame4").hidden();
             b.over("Frame8").hidden();
    navigation_buttons(b, "Calculs de masses volumiques gaz et vapeurs");
    b.row(); b.button("initialisation", "Initialisation");
             b.button("Command1", "Retour à la page d'accueil");
    b.row(); b.label("Label12", "CalcFluides - calculs d'écoulements de fluides en conduite").look(Look::note);
             b.decoration("Picture1");

    b.in("Frame1");
    b.row(); b.label("Condition", "Conditions de calculs").look(Look::heading);
    b.row(); b.option("Chx2", "Ps égal Pc et Ts égal Tc");
    b.row(); b.option("Chx1", "Ps différent de Pc et/ou Ts différent de Tc");

    b.in("frame_calcul_qvc_avec_avec_kc_deltap");
    frame_title(b, "Qvc1", "Détermination du débit volumique aux                   conditions de calculs");
    input_rows(b, {{{"txt_Kc1", "Kc:"}, {"txt_DeltaP1", "Delta P:"}}});
    result_row(b, "Qvc2", "Qvc =", "Text_résultat_qvc", "Label_unité_resultat_qvc_bis", "m3/h", {.unit_visible = true});

    b.in("Frame7");
    frame_title(b, "Qvc6", "Determination du débit volumique aux                  condition de calculs");
    input_rows(b, {{{"txt_Kc3", "Kc:"}, {"txt_deltaP4", "Delta P:"}},
                   {{"txt_Pc3", "Pc:"}, {"txt_Tc3", "Tc:"}, {"Text_zc_pour_calcul_qvc_avec_kc_et_deltap", "Zc:", "1"}},
                   {{"txt_Ps1", "Ps:"}, {"txt_Ts1", "Ts:"},
                    {"Text_zs_pour_calcul_qvc_avec_kc_et_deltap", "Zs:", "1"}}});
    result_row(b, "Qvc7", "Qvc =", "txt_Qvc7", "Label_unité_resultat_qvc", "m3/h", {.unit_visible = true});

    b.in("Frame4");
    frame_title(b, "Qvs1", "Détermination de débit volumique aux                    conditions de services");
    input_rows(b, {{{"txt_Qvc3", "Qvc:"}}});
    result_row(b, "Qvs0", "Qvc = Qvs =", "txt_Qvs0", "Label_unité_resultat_qvc_bis2", "m3/h");
    b.row(); b.label("Label1", "Dans ce cas nous avons Qvs = Qvc").hidden().span(frame_columns);

    b.in("Frame8");
    frame_title(b, "Label2", "Détermination du débit volumiques aux               conditions de services");
    b.row(); b.label("hypothése3", "Nous connaissons :").span(frame_columns);
    b.row(); b.option("Chx5", "Qvc").span(2);
             b.option("Chx6", "Delta P et Qvc").span(2);
    b.row(); b.frame("Frame15").hidden().span(frame_columns);
             b.over("Frame16").hidden().span(frame_columns);

    b.in("Frame15");
    input_rows(b, {{{"txt_Qvc8", "Qvc:", "", "Label4"}},
                   {{"txt_Pc4", "Pc:"}, {"txt_Tc4", "Tc:"}, {"Text_zc_pour_calcul_qvs_avec_qvc", "Zc:", "1"}},
                   {{"txt_Ps2", "Ps:"}, {"Txt_Ts2", "Ts: "}, {"Text_zs_pour_calcul_qvs_avec_qvc", "Zs:", "1"}}});
    result_row(b, "Qvs3", "Qvs =", "txt_Qvs3", "Label_unité_resultat_qvs_bis", "m3/h", {.unit_visible = true});

    b.in("Frame16");
    input_rows(b, {{{"txt_Kc4", "Qvc:"}, {"txt_DeltaP5", "Delta P:"}},
                   {{"txt_Pc5", "Pc:"}, {"txt_Tc5", "Tc:", "", "Tc6"},
                    {"Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap", "Zc:", "1"}},
                   {{"txt_Ps3", "Ps:"}, {"Txt_Ts3", "Ts:"},
                    {"Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap", "Zs:", "1"}}});
    result_row(b, "Qvs4", "Qvs =", "txt_Qvs4", "Label_unité_resultat_qvs", "m3/h", {.unit_visible = true});
    result_row(b, "Kc13", "Kc =", "txt_Kc13", nullptr, nullptr);

    help_frame(b, true);

    // --- Handlers ---
    p.on_click("Chx1", choose_conditions("Chx1", "Chx2", {{"Qvc", {}, "Frame7"}, {"Qvs", {}, "Frame8"}}));
    p.on_click("Chx2", choose_conditions("Chx2", "Chx1",
                                         {{"Qvc", {"Frame7"}, "frame_calcul_qvc_avec_avec_kc_deltap"},
                                          {"Qvs", {"Frame7"}, "Frame4"}}));
    p.on_click("Chx5", choose_known_data("Frame15", {"Frame16"}, {"Chx6"}, "txt_Qvc8"));
    p.on_click("Chx6", choose_known_data("Frame16", {"Frame15"}, {"Chx5"}, "txt_Kc4"));

    on_changes(p, qvc_inputs, qvc_changed);
    on_changes(p, frame7_inputs, frame7_changed);
    p.on_change("txt_Qvc3", frame4_changed);
    on_changes(p, frame15_inputs, frame15_changed);
    on_changes(p, frame16_inputs_but_tc, frame16_changed(false));
    p.on_change("txt_Tc5", frame16_changed(true));

    p.on_click("initialisation", initialisation);
    p.on_click("Command1", return_home);
    navigation_handlers(p);
}

}  // namespace cf::correction_pages
