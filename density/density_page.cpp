#include "density/density_page.h"

#include <array>
#include <string_view>

#include "density/gas_frames.h"
#include "density/steam_frames.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/completeness.h"
#include "ui/page_builder.h"

namespace cf::density_page {

namespace {

// --- The controls, as tables ---

// The page's buttons to the other calculators, shown by the choice of a density or of a steam branch.
const Names navigation_buttons = {"bt_RHO_calcul_DVS", "bt_RHO_calcul_de_débits_gaz", "Command1"};

// The fluid and density choice buttons, locked against each other until "Initialisation".
const Names choice_buttons = {"bt_gaz20", "bt_vapeur_saturée20", "bt_vapeur_surchauffée20",
                              "bt_RHOc20", "bt_RHOn20", "bt_RHOs20"};

const Names option_buttons = {"opbt_RHOc21", "opbt_RHOc22", "opbt_RHOn21", "opbt_RHOn22", "opbt_RHOs21", "opbt_RHOs22"};

// A density to compute: its calculation frame, the hypothesis frame in it, and the two options of
// "Nous connaissons :" with the input frame each opens.
struct Calculation {
    const char* frame;
    const char* hypothesis;
    const char* label;
    std::array<const char*, 2> options;
    std::array<const char*, 2> captions;
    std::array<const GasFrame*, 2> inputs;
};

const std::array<Calculation, 3> calculations = {{
    {"fr_calcul_RHOc", "Fr_hypothése_RHOc", "lbl_RHOc", {"opbt_RHOc21", "opbt_RHOc22"},
     {"RHOn, Pn et Tn", "RHOs, Ps et Ts"}, {&RHOc_from_RHOn, &RHOc_from_RHOs}},
    {"fr_calcul_RHOn", "n", "lbl_RHOn", {"opbt_RHOn21", "opbt_RHOn22"},
     {"RHOc, Pc et Tc", "RHOs, Ps et Ts"}, {&RHOn_from_RHOc, &RHOn_from_RHOs}},
    {"fr_calcul_RHOs", "Fr_hypothése_RHOs", "lbl_RHOs", {"opbt_RHOs21", "opbt_RHOs22"},
     {"RHOn, Pn et Tn", "RHOc, Pc et Tc"}, {&RHOs_from_RHOn, &RHOs_from_RHOc}},
}};

// The calculation and steam frames, hidden by "Initialisation" and by the return home, in this order.
const Names working_frames = {
    "fr_calcul_RHOn", "fr_calcul_de_RHOn_avec_RHOc", "fr_calcul_de_RHOn_avec_RHOS", "fr_calcul_RHOc",
    "fr_calcul_de_RHOc_avec_RHOs", "fr_calcul_de_RHOc_avec_RHOn", "fr_calcul_RHOs", "fr_calcul_de_RHOs_avec_RHOn",
    "fr_calcul_de_RHOs_avec_RHOc", "fr_explication_RHO", "fr_choix_masse_volumique_a_calculer", "fr_vap_sat_avec_p",
    "fr_calcul_de_RHO_vapeur_saturée"};

// --- Long texts ---
// Stored as the labels hold them: a run of blanks breaks the line in the label's width.

const char* const gas_definitions =
    "RHOc : Masse volumique aux conditions de calculs                                                "
    "                 RHOn : Masse volumique aux conditions normales                                      "
    "-P=1.013 bar absolu                       -T=0°c                                                    "
    "                      RHOs=Masse volumique aux conditions de services                                "
    "                                Z=Coefficient de compressibilité.";

const char* const gas_units =
    "Pour des calculs cohérants il faut respecter les unité suivantes:                                   "
    "                            Pc = Ps = Pn  (bar absolu)                                              "
    "                   Tc = Ts = Tn  ( °C )                                                             "
    "                 RHOc = RHOs=RHOn ( Kg/m3)";

// --- Handlers ---

// "Gaz": the density choice and the definitions, the steam branches locked.
void choose_gas(Page& p) {
    p.show({"fr_choix_masse_volumique_a_calculer"});
    p.disable({"bt_vapeur_saturée20", "bt_vapeur_surchauffée20"});
    p.show({"fr_explication_RHO"});
    p.focus("bt_RHOn20");
}

// "RHOc", "RHOn", "RHOs": the calculation frame, the units and the other calculators; the other two
// densities locked.
Page::Handler choose_density(std::string_view frame, std::string_view other, std::string_view another) {
    return [=](Page& p) {
        p.show({frame});
        p.disable({other, another});
        p.show({"fr_unités"});
        p.show(navigation_buttons);
    };
}

// An option of "Nous connaissons :": its input frame, the other option locked.
Page::Handler choose_known_density(std::string_view frame, std::string_view other_option,
                                   std::string_view known_density) {
    return [=](Page& p) {
        p.show({frame});
        p.disable({other_option});
        p.focus(known_density);
    };
}

void choose_saturated_steam(Page& p) {
    p.show({"fr_definition_vapeur_saturée", "fr_vap_sat_avec_p", "fr_unités_vapeur_saturée"});
    p.disable({"bt_gaz20", "bt_vapeur_surchauffée20"});
    p.show(navigation_buttons);
}

void choose_superheated_steam(Page& p) {
    p.show({"fr_definition_vapeur_saturée", "fr_calcul_de_RHO_vapeur_saturée"});
    p.disable({"bt_vapeur_saturée20", "bt_gaz20"});
    p.focus("txt_RHOs_pour_calcul_vapeur_surchaufée");
    p.show(navigation_buttons);
}

// --- Resets ---

void enable_and_clear_options(Page& p) {
    for (auto option : option_buttons) {
        p.enable({option});
        p.set_selected(option, false);
    }
}

void hide_result_fields(Page& p) {
    for (const GasFrame* g : gas_frames) p.hide({g->result.field});
    p.hide({"txt_RHO"});
}

// "Initialisation": the page back to its start state, the Pn and Tn fields of the RHOc and RHOn frames
// keeping what the user typed. Every field emptied or set runs its Change handler, which hides the
// "Résultat" buttons again.
void initialisation(Page& p) {
    p.hide({"txt_Z", "lbl_Z", "txt_P", "lbl_P", "lbl_P_unités", "bt_résultat_RHOexact_masse_volumique", "txt_RHO_exact",
            "lbl_RHOexact", "lbl_RHOexact_unités"});
    p.hide(navigation_buttons);
    p.hide({"fr_unités_vapeur_saturée", "fr_unités", "fr_definition_vapeur_saturée"});
    p.hide({"lbl_résultat_RHOc_avec_RHOs_unités", "lbl_résultat_RHOs_avec_RHOc_unités",
            "lbl_résultat_RHOn_avec_RHOc_unités", "lbl_RHO_unités"});
    p.enable(choice_buttons);
    for (const GasFrame* g : gas_frames) empty_inputs(p, *g);
    for (const GasFrame* g : gas_frames) p.set_text(g->result.field, "");
    for (auto field : {"txt_RHOs_pour_calcul_vapeur_surchaufée", "txt_Tsur", "txt_Tsat", "txt_RHO", "txt_Z", "txt_P",
                       "txt_RHO_exact"})
        p.set_text(field, "");
    set_compressibility_factors_to_1(p);
    p.set_text("Combo_choix_température_vapeur_saturée", "Choix de la température");
    p.set_text("Combo_choix_pression_vapeur_saturée", "Choix de la pression");
    p.set_text("txt_masse_volumique_associée20", "");
    hide_result_fields(p);
    p.hide(working_frames);
    enable_and_clear_options(p);
    for (const GasFrame* g : gas_frames) p.hide({g->result.label});
    p.hide({"lbl_RHO"});
    p.hide({"lbl_résultat_RHOc_avec_RHOn_unités", "lbl_résultat_RHOn_avec_RHOs_unités",
            "lbl_résultat_RHOs_avec_RHOn_unités"});
}

// The page's own reset after the return home, which hides it rather than unloading it. It spares the
// inputs of the two RHOs frames and the exact steam value, and empties the steam lists.
void reset_after_return_home(Page& p) {
    p.hide({"fr_unités_vapeur_saturée", "fr_unités", "fr_definition_vapeur_saturée"});
    p.enable(choice_buttons);
    for (const GasFrame* g : {&RHOc_from_RHOn, &RHOc_from_RHOs, &RHOn_from_RHOs, &RHOn_from_RHOc}) {
        empty_inputs(p, *g);
        p.set_text(g->result.field, "");
    }
    p.set_text(RHOs_from_RHOn.result.field, "");
    for (auto field : {"txt_RHOs_pour_calcul_vapeur_surchaufée", "txt_Tsur", "txt_Tsat", "txt_RHO"})
        p.set_text(field, "");
    set_compressibility_factors_to_1(p);
    p.set_text("Combo_choix_pression_vapeur_saturée", "");
    p.set_text("Combo_choix_température_vapeur_saturée", "");
    p.set_text("txt_masse_volumique_associée20", "");
    hide_result_fields(p);
    p.hide({"lbl_RHO"});
    p.hide(working_frames);
    enable_and_clear_options(p);
    for (const GasFrame* g : gas_frames) p.hide({g->result.label});
}

void return_home(Page& p) {
    navigation::return_home(p, navigation_buttons);
    reset_after_return_home(p);
}

}  // namespace

void define(Page& p) {
    p.set_window_title("CalcFluides - Masses volumiques");
    PageBuilder b(p);

    // The page: the title; a left column with the fluid choice, the density choice and the calculation
    // frame; a right column with the explanations and the units; the warning and the buttons below. The
    // steam frames take the place of the calculation frames over both columns, the units of saturated
    // steam that of the density choice.
    b.row(); b.label("lbl_titre_RHO1", "Calculs des masses volumiques de Gaz et Vapeurs").look(Look::title).span(2);
    b.row(); b.frame("fr_choix_du_gaz_a_étudier");
    b.row(); b.frame("fr_choix_masse_volumique_a_calculer").hidden();
             b.over("fr_unités_vapeur_saturée").hidden();
    b.row(); b.frame("fr_calcul_RHOc").hidden();
             b.over("fr_calcul_RHOn").hidden();
             b.over("fr_calcul_RHOs").hidden();
             b.over("fr_vap_sat_avec_p").hidden().span(2);
             b.over("fr_calcul_de_RHO_vapeur_saturée").hidden().span(2);
    b.frame("fr_explication_RHO").hidden().at(1, 1).tall(2);
    b.over("fr_definition_vapeur_saturée").hidden().at(1, 1).tall(2);
    b.frame("fr_unités").hidden().at(3, 1);
    b.row(); b.label("lbl_attention1", "Attention : Pour un bon fonctinnement des calculs les nombres décimaux doivent "
                                       "être saisis avec un point (ex: 0.15).")
                 .look(Look::warning).span(2);
    b.row(); b.button("Command1", "Calculs Plaque à Orifice").hidden();
             b.button("bt_RHO_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds").hidden();
    b.row(); b.button("bt_RHO_calcul_de_débits_gaz", "Correction des débits de gaz").hidden();
    b.row(); b.button("bt_initialisation", "Initialisation");
             b.button("Command2", "Retour à la page d'accueil");
    b.row(); b.label("Label12", "CalcFluides - calculs d'écoulements de fluides en conduite").look(Look::note).span(2);

    b.in("fr_choix_du_gaz_a_étudier");
    b.row(); b.label("Chx_Gaz", "Choix du Fluide").look(Look::heading).span(3);
    b.row(); b.button("bt_gaz20", "Gaz");
             b.button("bt_vapeur_saturée20", "Vapeur saturée");
             b.button("bt_vapeur_surchauffée20", "Vapeur surchauffée");

    b.in("fr_choix_masse_volumique_a_calculer");
    b.row(); b.label("txt_choix_masse_volumique_a_calculer", "Choix de la masse volumique à calculer")
                 .look(Look::heading).span(3);
    b.row(); b.button("bt_RHOs20", "RHOs");
             b.button("bt_RHOn20", "RHOn");
             b.button("bt_RHOc20", "RHOc");

    // Each calculation frame: "Nous connaissons :" with its two options, then the two input frames drawn
    // over each other.
    for (const Calculation& c : calculations) {
        b.in(c.frame);
        b.row(); b.frame(c.hypothesis);
        b.row(); b.frame(c.inputs[0]->frame).hidden();
                 b.over(c.inputs[1]->frame).hidden();
        b.in(c.hypothesis);
        b.row(); b.label(c.label, "Nous connaissons :");
                 b.option(c.options[0], c.captions[0]);
                 b.option(c.options[1], c.captions[1]);
        for (const GasFrame* g : c.inputs) gas_frame_rows(b, *g);
    }

    steam_frame_rows(b);

    // The right column.
    b.in("fr_explication_RHO");
    b.row(); b.label("txt_définition", "Définitions").look(Look::heading);
    b.row(); b.label("txt_définitions2", gas_definitions);

    steam_definition_rows(b);

    b.in("fr_unités");
    b.row(); b.label("txt_unités", "Unités").look(Look::heading);
    b.row(); b.label("lbl_unités2", gas_units);

    saturated_steam_unit_rows(b);

    // --- Handlers ---
    p.on_click("bt_gaz20", choose_gas);
    p.on_click("bt_RHOc20", choose_density("fr_calcul_RHOc", "bt_RHOn20", "bt_RHOs20"));
    p.on_click("bt_RHOn20", choose_density("fr_calcul_RHOn", "bt_RHOc20", "bt_RHOs20"));
    p.on_click("bt_RHOs20", choose_density("fr_calcul_RHOs", "bt_RHOc20", "bt_RHOn20"));
    for (const Calculation& c : calculations)
        for (int i = 0; i < 2; ++i)
            p.on_click(c.options[i], choose_known_density(c.inputs[i]->frame, c.options[1 - i],
                                                          c.inputs[i]->inputs[0].field));

    // Each gas frame: its Change rule, and its "Résultat" button where that computes the result again (the
    // buttons of the two RHOc frames do nothing).
    for (const GasFrame* g : gas_frames) {
        on_member_changes(p, *g, [g](Page& page) { gas_frame_changed(page, *g); });
        if (g->result_button == ResultButton::computes_again)
            p.on_click(g->result.button, [g](Page& page) { repeat_result(page, *g); });
    }

    p.on_click("bt_vapeur_saturée20", choose_saturated_steam);
    p.on_click("bt_vapeur_surchauffée20", choose_superheated_steam);
    steam_handlers(p);

    p.on_click("bt_initialisation", initialisation);
    p.on_click("Command2", return_home);
    p.close_with("Command2");
    p.on_click("Command1", [](Page& page) { navigation::open_calculator(page, pages::orifice_plate); });
    p.on_click("bt_RHO_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
    p.on_click("bt_RHO_calcul_de_débits_gaz", navigation::open_flow_correction);
}

}  // namespace cf::density_page
