#include "pipeflow/pipe_flow_page.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "pipeflow/pipe_flow_procedures.h"
#include "parts/fluid_data_frame.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/completeness.h"
#include "ui/marks.h"
#include "ui/page_builder.h"

namespace cf::pipe_flow_page {

namespace {

// The page's buttons to the other calculators, shown together by the first choice of a calculation.
const Names navigation_buttons = {"bt_dvs_calculs_de_débits_gaz", "bt_dvs_calculs_de_masses_volumiques", "Command2"};

// The result groups, shown and hidden together, in this order.
const Names flow_results = {"lbl_débit31", "txt_débit31", "lbl_débit31_unités", "bt_résultat_débit31"};
const Names section_results = {"txt_diamètre32", "lbl_diamètre32", "txt_section32", "lbl_section32",
                               "lbl_section32_unités", "lbl_diamètre32_unités", "bt_résultat_section"};
const Names velocity_results = {"txt_vitesse33", "lbl_vitesse33", "lbl_vitesse33_unités", "bt_résultat33"};
const Names reynolds_results = {"lbl_reynolds_calcul_reynolds", "txt_reynolds_calcul_reynolds", "lbl_régime_reynolds",
                                "txt_régime_reynolds", "bt_nb_resultat_reynolds"};
const Names laminar_results = {"txt_DeltaP_calcul_pertes_de_charges", "lbl_DeltaP_calcul_pertes_de_charges",
                               "lbl_DeltaP_calcul_pertes_de_charges_unités", "bt_résultat_calcul_pertrs_de_charges"};
const Names turbulent_results = {"txt_DeltaP_calcul_pertes_de_charges2", "lbl_DeltaP_calcul_pertes_de_charges2",
                                 "lbl_DeltaP_calcul_pertes_de_charges2_unités",
                                 "bt_résultat_calcul_pertrs_de_charges2"};

// The inputs of the pressure-loss frames.
const Names laminar_inputs = {"txt_Qv_calcul_pertes_de_charges", "txt_RHO_calcul_pertes_de_charges",
                              "txt_L_calcul_pertes_de_charges", "txt_D_calcul_pertes_de_charges",
                              "txt_Re_calcul_pertes_de_charges"};
const Names turbulent_inputs = {"txt_Qv_calcul_pertes_de_charges2", "txt_RHO_calcul_pertes_de_charges2",
                                "txt_L_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2",
                                "txt_Re_calcul_pertes_de_charges2", "txt_K_calcul_pertes_de_charges2"};

// The units and abbreviations, one phrase per line.
const std::array<std::string_view, 12> units_phrases = {
    "V=vitesse du fluide  (m/s)",
    "Nu=viscosité cinématique (10-6 m2/s)",
    "Mu=Viscosité dynamique (10-6 Pa.s)",
    "Diamètre intérieur de la canalisation (mm)",
    "S=Section (mm2)",
    "Re=Nombre de Reynolds",
    "Régime=Carractéristique de l'écoulement",
    "RHO=Masse volumique aux conditions de calcul (Kg/m3)",
    "L=Longueur de la conduite (m)",
    "Qv=débit volumique (m3/h)",
    "DeltaP et Pertes de charge (Bar)",
    "K=Coefficient de rugosité interne",
};

// A complete first column opens the Reynolds working frame; an incomplete one brings its title card back.
void open_reynolds_frame(Page& p, bool open) {
    p.set_visible("fr_nb_reynolds", open);
    p.set_visible("fr_calcul_du_nombre_de_Reynolds", !open);
}

// --- First column: flow, velocity, section ---

// "Débits", "Vitesse", "Section": the working frame and the units shown, the other two choices locked.
Page::Handler choose_calculation(std::string_view frame, std::string_view other, std::string_view another,
                                 std::string_view first_field) {
    return [=](Page& p) {
        p.show(navigation_buttons);
        p.show({frame, "fr_unité_calcul_pertes"});
        p.disable({other, another});
        p.focus(first_field);
        p.hide({"fr_d_v_s"});
    };
}

void flow_input_changed(Page& p) {
    open_reynolds_frame(p, show_result_if(p, filled(p, {"txt_vitesse31", "txt_diamètre31"}), flow_results,
                                          {pipe_flow::Qv}));
}

// The bore from the section as Section has just shown it.
void section_input_changed(Page& p) {
    const bool complete = filled(p, {"txt_débit32", "txt_vitesse32"}) && not_zero(p, {"txt_vitesse32"});
    open_reynolds_frame(p, show_result_if(p, complete, section_results, {pipe_flow::Section, pipe_flow::diamétre}));
}

void velocity_input_changed(Page& p) {
    const bool complete = filled(p, {"txt_débit33", "txt_Diamètre33"}) && not_zero(p, {"txt_Diamètre33"});
    open_reynolds_frame(p, show_result_if(p, complete, velocity_results, {pipe_flow::vitesse}));
}

// --- Second column: Reynolds number ---
// The mode is kept in the option buttons: none (both enabled, neither selected), Nu mode (chx_nu
// selected, chx_Mu disabled), Mu mode (chx_Mu selected, chx_nu disabled).

Page::Handler choose_reynolds_mode(std::string_view sub_frame, std::string_view other_frame, std::string_view other) {
    return [=](Page& p) {
        p.show({"Command3", sub_frame});
        p.hide({other_frame});
        p.disable({other});
    };
}

// Complete with V, D and Nu, Nu not 0: the result shown, and computed in Nu mode only.
void nu_part(Page& p) {
    const bool complete = filled(p, {"txt_nu_reynolds", "txt_diamètre_reynolds", "txt_vitesse_calcul_reynolds"}) &&
                          not_zero(p, {"txt_nu_reynolds"});
    if (show_result_if(p, complete, reynolds_results) && !p.enabled("chx_Mu") && p.enabled("chx_nu"))
        pipe_flow::Reynolds_avec_nu(p);
}

// Complete with RHO, Mu, D and V, Mu not 0: the result shown, and computed in Mu mode only.
void mu_part(Page& p) {
    const bool complete = filled(p, {"txt_RHO51", "txt_Mu", "txt_diamètre_reynolds", "txt_vitesse_calcul_reynolds"}) &&
                          not_zero(p, {"txt_Mu"});
    if (show_result_if(p, complete, reynolds_results) && !p.enabled("chx_nu") && p.enabled("chx_Mu"))
        pipe_flow::Reynolds_avec_Mu(p);
}

void velocity_or_bore_changed(Page& p) {
    if (!p.selected("chx_Mu") && p.enabled("chx_nu")) nu_part(p);  // mode none or Nu mode
    if (p.selected("chx_Mu") && !p.enabled("chx_nu")) mu_part(p);  // Mu mode
}

void mu_or_density_changed(Page& p) {
    if (p.selected("chx_Mu") && !p.enabled("chx_nu")) mu_part(p);
}

// The regime chooses the pressure-loss frame: the chooser card when there is none. The regime field is
// a result that only the Reynolds procedures and the page reset write: "laminaire", "Turbulent", or
// nothing.
void regime_changed(Page& p) {
    const std::string& regime = p.text("txt_régime_reynolds");
    if (regime.empty()) {
        p.show({"fr_pertes_de_charges3"});
        p.hide({"fr_pertes_de_charges2", "fr_pertes_de_charges"});
    }
    if (regime == "laminaire") {
        p.show({"fr_pertes_de_charges"});
        p.hide({"fr_pertes_de_charges2", "fr_pertes_de_charges3"});
    }
    if (regime == "Turbulent") {
        p.show({"fr_pertes_de_charges2"});
        p.hide({"fr_pertes_de_charges", "fr_pertes_de_charges3"});
    }
}

// --- Third column: pressure loss ---

// "Régime laminaire", "Régime turbulent": the Reynolds mode back to none, the frame of that regime shown.
Page::Handler choose_regime(std::string_view frame, std::string_view other, std::string_view another,
                            std::string_view first_field) {
    return [=](Page& p) {
        p.show(navigation_buttons);
        p.enable({"chx_nu"});
        p.set_selected("chx_nu", false);
        p.enable({"chx_Mu"});
        p.set_selected("chx_Mu", false);
        p.show({frame});
        p.hide({other, another});
        p.focus(first_field);
        p.show({"fr_unité_calcul_pertes"});
    };
}

void laminar_input_changed(Page& p) {
    const bool complete = filled(p, laminar_inputs) &&
                          not_zero(p, {"txt_RHO_calcul_pertes_de_charges", "txt_D_calcul_pertes_de_charges",
                                       "txt_Re_calcul_pertes_de_charges"});
    show_result_if(p, complete, laminar_results, {pipe_flow::DeltaP_laminaire});
}

void turbulent_input_changed(Page& p) {
    const bool complete = filled(p, turbulent_inputs) &&
                          not_zero(p, {"txt_RHO_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2",
                                       "txt_Re_calcul_pertes_de_charges2"});
    show_result_if(p, complete, turbulent_results, {pipe_flow::DeltaP_turbulent});
}

// --- Page buttons ---

void open_reynolds_data(Page& p) {
    p.show(navigation_buttons);
    p.show({"fr_nb_reynolds"});
    p.hide({"fr_calcul_du_nombre_de_Reynolds"});
    p.focus("txt_vitesse_calcul_reynolds");
    p.show({"fr_unité_calcul_pertes"});
}

// "Initialisation": every field emptied (each running its Change handler) but the roughness, every
// result hidden, every choice unlocked and every column back to its title card.
void initialisation(Page& p) {
    p.hide(navigation_buttons);
    for (auto field : {"txt_section32", "txt_diamètre32", "txt_débit32", "txt_vitesse32", "txt_vitesse31",
                       "txt_diamètre31", "txt_débit31", "txt_vitesse_calcul_reynolds", "txt_diamètre_reynolds",
                       "txt_nu_reynolds", "txt_reynolds_calcul_reynolds", "txt_régime_reynolds", "txt_vitesse33",
                       "txt_Diamètre33", "txt_débit33", "txt_DeltaP_calcul_pertes_de_charges",
                       "txt_L_calcul_pertes_de_charges", "txt_Qv_calcul_pertes_de_charges",
                       "txt_D_calcul_pertes_de_charges", "txt_Re_calcul_pertes_de_charges",
                       "txt_RHO_calcul_pertes_de_charges", "txt_Qv_calcul_pertes_de_charges2",
                       "txt_L_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2",
                       "txt_RHO_calcul_pertes_de_charges2", "txt_Re_calcul_pertes_de_charges2",
                       "txt_DeltaP_calcul_pertes_de_charges2", "txt_RHO51", "txt_Mu"})
        p.set_text(field, "");
    p.hide({"txt_régime_reynolds", "lbl_régime_reynolds", "txt_reynolds_calcul_reynolds",
            "lbl_reynolds_calcul_reynolds", "txt_débit31", "lbl_débit31", "lbl_débit31_unités", "txt_diamètre32",
            "lbl_diamètre32", "lbl_diamètre32_unités", "txt_section32", "lbl_section32", "lbl_section32_unités",
            "txt_vitesse33", "lbl_vitesse33", "lbl_vitesse33_unités", "txt_DeltaP_calcul_pertes_de_charges",
            "lbl_DeltaP_calcul_pertes_de_charges", "lbl_DeltaP_calcul_pertes_de_charges_unités",
            "txt_DeltaP_calcul_pertes_de_charges2", "lbl_DeltaP_calcul_pertes_de_charges2",
            "lbl_DeltaP_calcul_pertes_de_charges2_unités"});
    p.enable({"bt_débit", "bt_vitesse", "bt_Section"});
    p.hide({"bt_nb_resultat_reynolds"});
    p.enable({"chx_nu"});
    p.set_selected("chx_nu", false);
    p.enable({"chx_Mu"});
    p.set_selected("chx_Mu", false);
    p.hide({"fr_section", "fr_débit", "fr_vitesse", "fr_unité_calcul_pertes", "fr_nu", "fr_Mu"});
    p.show({"fr_d_v_s", "fr_pertes_de_charges3"});
    p.hide({"fr_pertes_de_charges2", "fr_pertes_de_charges"});
    p.show({"fr_calcul_du_nombre_de_Reynolds"});
    p.hide({"fr_nb_reynolds", "Command3"});
}

}  // namespace

std::string units_text() {
    auto length = [](std::string_view s) {  // in characters, not bytes
        return std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    std::ptrdiff_t width = 0;
    for (auto phrase : units_phrases) width = std::max(width, length(phrase));
    width += 3;
    std::string text;
    for (std::size_t i = 0; i < units_phrases.size(); ++i) {
        text += units_phrases[i];
        if (i + 1 < units_phrases.size()) text.append(static_cast<std::size_t>(width - length(units_phrases[i])), ' ');
    }
    return text;
}

void define(Page& p) {
    p.set_window_title("CalcFluides - Débits, vitesse, section, nombre de Reynolds");
    PageBuilder b(p);

    // The page: a title, three columns of frames drawn over each other, the chooser of the first column,
    // the units, the buttons; the fluid data frame beside the columns when opened.
    b.row(); b.label("lbl_titre", "Calculs de débits, vitesse, section, pertes de charge, nombre de Reynolds")
                 .look(Look::title).span(3);
    b.row(); b.frame("fr_d_v_s");
             b.over("fr_débit").hidden();
             b.over("fr_vitesse").hidden();
             b.over("fr_section").hidden();
             b.frame("fr_calcul_du_nombre_de_Reynolds");
             b.over("fr_nb_reynolds").hidden();
             b.frame("fr_pertes_de_charges3");
             b.over("fr_pertes_de_charges").hidden();
             b.over("fr_pertes_de_charges2").hidden();
    b.row(); b.frame("Frame1").span(3);
    b.row(); b.frame("fr_unité_calcul_pertes").hidden().span(3);
    b.row(); b.button("Command2", "Calculs Plaque à orifice").hidden();
             b.button("bt_dvs_calculs_de_masses_volumiques", "Calculs des masses volumiques de gaz et vapeurs").hidden();
             b.button("bt_dvs_calculs_de_débits_gaz", "Correction des débits de gaz").hidden();
    b.row(); b.button("bt_initialisation", "Initialisation");
             b.skip();
             b.button("Command1", "Retour à la page d'accueil");
    b.row(); b.label("Label5", "CalcFluides - calculs d'écoulements de fluides en conduite").look(Look::note).span(3);
    // Opened by "Viscosité"; its "Retour" has no step of this page, its second "Retour" does nothing.
    fluid_data_frame::Host host;  // "Utiliser ces valeurs" fills the ρ, ν and μ inputs shown
    host.density_inputs = {"txt_RHO51", "txt_RHO_calcul_pertes_de_charges", "txt_RHO_calcul_pertes_de_charges2"};
    host.kinematic_viscosity_inputs = {"txt_nu_reynolds"};
    host.dynamic_viscosity_inputs = {"txt_Mu"};
    fluid_data_frame::add(b, "", host).at(1, 3);

    // First column: the title card, then one working frame.
    b.in("fr_d_v_s");
    b.row(); b.label("lbl_d_v_s", "Débits ?" + std::string(55, ' ') + "Vitesse ?" + std::string(76, ' ') + "Section ?")
                 .look(Look::heading);

    b.in("fr_débit");
    b.row(); b.label("lbl_débit", "Calcul d'un débit").look(Look::heading).span(3);
    input_row(b, "lbl_vitesse31", "V :", "txt_vitesse31", "lbl_vitesse31_unités", "m/s");
    input_row(b, "lbl_diamètre31", "D :", "txt_diamètre31", "lbl_diamètre31_unités", "mm");
    result_row(b, "lbl_débit31", "Qv =", "txt_débit31", "lbl_débit31_unités", "m3/h");
    b.row(); b.skip(); b.button("bt_résultat_débit31", "Résultat").hidden();

    b.in("fr_vitesse");
    b.row(); b.label("lbl_vitesse", "Calcul d'une vitesse").look(Look::heading).span(3);
    input_row(b, "lbl_Diamètre33", "D :", "txt_Diamètre33", "lbl_Diamètre33_unités", "mm");
    input_row(b, "lbl_débit33", "Qv :", "txt_débit33", "lbl_débit33_unités", "m3/h");
    result_row(b, "lbl_vitesse33", "V =", "txt_vitesse33", "lbl_vitesse33_unités", "m/s");
    b.row(); b.skip(); b.button("bt_résultat33", "Résultat").hidden();

    b.in("fr_section");
    b.row(); b.label("lbl_section", "Calcul d'une section").look(Look::heading).span(3);
    input_row(b, "lbl_vitesse32", "V :", "txt_vitesse32", "lbl_vitesse32_unités", "m/s");
    input_row(b, "lbl_débit32", "Qv :", "txt_débit32", "lbl_débit32_unités", "m3/h");
    result_row(b, "lbl_section32", "S =", "txt_section32", "lbl_section32_unités", "mm2");
    result_row(b, "lbl_diamètre32", "D =", "txt_diamètre32", "lbl_diamètre32_unités", "mm");
    b.row(); b.skip(); b.button("bt_résultat_section", "Résultat").hidden();

    // Chooser of the first column, always shown.
    b.in("Frame1");
    b.row(); b.label("lbl_choix_du_calcul_a_effectuer", "Choix du calcul à effectuer").look(Look::heading).span(3);
    b.row(); b.button("bt_débit", "Débits");
             b.button("bt_vitesse", "Vitesse");
             b.button("bt_Section", "Section");
    b.row(); b.label("lbl_attention3", "Attention : Pour un bon fonctionnement des calculs les nombres décimaux "
                                       "doivent être saisis avec un point (ex: 0.15).")
                 .look(Look::warning).span(3);

    // Second column: the title card, then the Reynolds working frame.
    b.in("fr_calcul_du_nombre_de_Reynolds");
    b.row(); b.label("lbl_calcul_du_nombre_de_Reynolds", "Calcul du nombre de" + std::string(16, ' ') + "Reynolds")
                 .look(Look::heading);
    b.row(); b.button("bt_calcul_du_nombre_de_Reynolds", "Données");

    b.in("fr_nb_reynolds");
    b.row(); b.label("lbl_nb_reynolds", "Calcul du nombre de" + std::string(12, ' ') + "Reynolds")
                 .look(Look::heading).span(3);
    b.row(); b.label("lbl_choix_calcul_nombre_de_reynolds", "Nous connaissons :").span(3);
    b.row(); b.option("chx_nu", "Nu");
             b.option("chx_Mu", "Mu et RHO").span(2);
    input_row(b, "lbl_vitesse_calcul_reynolds", "V :", "txt_vitesse_calcul_reynolds",
              "lbl_vitesse_calcul_reynolds_unités", "m/s");
    input_row(b, "lbl_diamètre_reynolds", "D :", "txt_diamètre_reynolds", "lbl_diamètre_reynolds_unités", "mm");
    b.row(); b.frame("fr_nu").hidden().span(3);
             b.over("fr_Mu").hidden().span(3);
    result_row(b, "lbl_reynolds_calcul_reynolds", "Re :", "txt_reynolds_calcul_reynolds");
    result_row(b, "lbl_régime_reynolds", "Régime :", "txt_régime_reynolds");
    b.row(); b.button("bt_nb_resultat_reynolds", "Résultat").hidden();
             b.button("Command3", "Viscosité").hidden().span(2);

    b.in("fr_nu");
    b.row(); b.label("lbl_nu_reynolds", "Nu :");
             b.field("txt_nu_reynolds");
             micro_unit(b, "Label4", "10     m²/s", "Label3");

    b.in("fr_Mu");
    b.row(); b.label("lbl_Mu", "Mu :");
             b.field("txt_Mu");
             micro_unit(b, "Label2", "10     Pa.s", "Label1");
    b.row(); b.label("lbl_RHO51", "RHO :");
             b.field("txt_RHO51");

    // Third column: the chooser card, then the laminar or the turbulent frame.
    b.in("fr_pertes_de_charges3");
    b.row(); b.label("lbl_pertes_de_charges3", "Calcul des pertes de" + std::string(15, ' ') + "charge")
                 .look(Look::heading);
    b.row(); b.button("bt_régime_laminaire", "Régime laminaire");
    b.row(); b.button("bt_régime_turbulant", "Régime turbulent");

    b.in("fr_pertes_de_charges");
    b.row(); b.label("lbl_pertes_de_charges", "Calcul des pertes de charges" + std::string(8, ' ') + "en régime laminaire")
                 .look(Look::heading).span(3);
    input_row(b, "lbl_Qv_calcul_pertes_de_charges", "Qv :", "txt_Qv_calcul_pertes_de_charges",
              "lbl_Qv_calcul_pertes_de_charges_unités", "m3/h");
    input_row(b, "lbl_RHO_calcul_pertes_de_charges", "RHO :", "txt_RHO_calcul_pertes_de_charges");
    input_row(b, "lbl_L_calcul_pertes_de_charges", "L :", "txt_L_calcul_pertes_de_charges",
              "lbl_L_calcul_pertes_de_charges_unités", "m");
    input_row(b, "lbl_D_calcul_pertes_de_charges", "D :", "txt_D_calcul_pertes_de_charges",
              "lbl_D_calcul_pertes_de_charges_unités", "mm");
    input_row(b, "lbl_Re_calcul_pertes_de_charges", "Re :", "txt_Re_calcul_pertes_de_charges");
    result_row(b, "lbl_DeltaP_calcul_pertes_de_charges", "Pertes de charges :", "txt_DeltaP_calcul_pertes_de_charges",
               "lbl_DeltaP_calcul_pertes_de_charges_unités", "Bar");
    b.row(); b.skip(); b.button("bt_résultat_calcul_pertrs_de_charges", "Résultat").hidden();

    b.in("fr_pertes_de_charges2");
    b.row(); b.label("lbl_pertes_de_charges2", "Calcul des pertes de charges" + std::string(11, ' ') + "en régime turbulent")
                 .look(Look::heading).span(3);
    input_row(b, "lbl_Qv_calcul_pertes_de_charges2", "Qv :", "txt_Qv_calcul_pertes_de_charges2",
              "lbl_Qv_calcul_pertes_de_charges2_unités", "m3/h");
    input_row(b, "lbl_RHO_calcul_pertes_de_charges2", "RHO :", "txt_RHO_calcul_pertes_de_charges2");
    input_row(b, "lbl_L_calcul_pertes_de_charges2", "L :", "txt_L_calcul_pertes_de_charges2",
              "lbl_L_calcul_pertes_de_charges2_unités", "m");
    input_row(b, "lbl_D_calcul_pertes_de_charges2", "D :", "txt_D_calcul_pertes_de_charges2",
              "lbl_D_calcul_pertes_de_charges2_unités", "mm");
    input_row(b, "lbl_Re_calcul_pertes_de_charges2", "Re :", "txt_Re_calcul_pertes_de_charges2");
    input_row(b, "lbl_K_calcul_pertes_de_charges2", "K :", "txt_K_calcul_pertes_de_charges2").text("0.15");
    result_row(b, "lbl_DeltaP_calcul_pertes_de_charges2", "Pertes de charges :",
               "txt_DeltaP_calcul_pertes_de_charges2", "lbl_DeltaP_calcul_pertes_de_charges2_unités", "Bar");
    b.row(); b.skip(); b.button("bt_résultat_calcul_pertrs_de_charges2", "Résultat").hidden();

    // Units and abbreviations, below the columns.
    b.in("fr_unité_calcul_pertes");
    b.row(); b.label("lbl_titre_unité_calcul_pertes", "Unités et abréviations").look(Look::heading);
    b.row(); b.label("lbl_unité_calcul_pertes", units_text()).look(Look::fixed_width);

    // --- Handlers ---
    p.on_click("bt_débit", choose_calculation("fr_débit", "bt_vitesse", "bt_Section", "txt_vitesse31"));
    p.on_click("bt_vitesse", choose_calculation("fr_vitesse", "bt_débit", "bt_Section", "txt_Diamètre33"));
    p.on_click("bt_Section", choose_calculation("fr_section", "bt_débit", "bt_vitesse", "txt_vitesse32"));
    on_changes(p, {"txt_vitesse31", "txt_diamètre31"}, flow_input_changed);
    on_changes(p, {"txt_débit32", "txt_vitesse32"}, section_input_changed);
    on_changes(p, {"txt_débit33", "txt_Diamètre33"}, velocity_input_changed);

    p.on_click("bt_calcul_du_nombre_de_Reynolds", open_reynolds_data);
    p.on_click("chx_nu", choose_reynolds_mode("fr_nu", "fr_Mu", "chx_Mu"));
    p.on_click("chx_Mu", choose_reynolds_mode("fr_Mu", "fr_nu", "chx_nu"));
    on_changes(p, {"txt_vitesse_calcul_reynolds", "txt_diamètre_reynolds"}, velocity_or_bore_changed);
    p.on_change("txt_nu_reynolds", nu_part);
    on_changes(p, {"txt_Mu", "txt_RHO51"}, mu_or_density_changed);
    p.on_change("txt_régime_reynolds", regime_changed);
    // Run also by the orifice plate page when its viscosity changes.
    p.define_procedure("Reynolds_avec_nu", pipe_flow::Reynolds_avec_nu);
    p.on_click("Command3", [](Page& page) { page.show({"Frame_données"}); });

    p.on_click("bt_régime_laminaire", choose_regime("fr_pertes_de_charges", "fr_pertes_de_charges2",
                                                    "fr_pertes_de_charges3", "txt_Qv_calcul_pertes_de_charges"));
    p.on_click("bt_régime_turbulant", choose_regime("fr_pertes_de_charges2", "fr_pertes_de_charges",
                                                    "fr_pertes_de_charges3", "txt_Qv_calcul_pertes_de_charges2"));
    on_changes(p, laminar_inputs, laminar_input_changed);
    on_changes(p, turbulent_inputs, turbulent_input_changed);

    // The "Résultat" buttons compute nothing: every result is already shown live.
    p.on_click("bt_initialisation", initialisation);
    p.on_click("Command1", [](Page& page) { navigation::return_home(page, navigation_buttons); });
    p.close_with("Command1");
    describe_by_symbol(p, {{"RHO", Quantity::density}});
    p.on_click("bt_dvs_calculs_de_débits_gaz", navigation::open_flow_correction);
    p.on_click("bt_dvs_calculs_de_masses_volumiques",
               [](Page& page) { navigation::open_calculator(page, pages::density); });
    p.on_click("Command2", [](Page& page) { navigation::open_calculator(page, pages::orifice_plate); });
}

}  // namespace cf::pipe_flow_page
