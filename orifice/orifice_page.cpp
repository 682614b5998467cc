#include "orifice/orifice_page.h"

#include <memory>
#include <string>

#include "orifice/orifice_formulas.h"
#include "orifice/orifice_frames.h"
#include "orifice/orifice_procedures.h"
#include "parts/fluid_data_frame.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/completeness.h"
#include "ui/marks.h"
#include "ui/page_builder.h"

namespace cf::orifice_page {

namespace {

using namespace cf::orifice;
namespace frames = cf::orifice_frames;


// The page's buttons to the other calculators, shown by the choice of a calculation.
const Names navigation_buttons = {"bt_dvs_calculs_de_débits_gaz", "bt_OD_calcul_DVS", "bt_OD_calcul_de_débits_gaz"};

const Names tap_options = {"Option_dans_les_angles", "Option_a_d_et_demid", "Option_a_la_bride"};
const Names calculation_options = {"Option_qm", "Option_deltap", "Option_d"};
const Names six_options = {"Option_dans_les_angles", "Option_a_d_et_demid", "Option_a_la_bride",
                           "Option_qm",              "Option_deltap",       "Option_d"};

// The working fields of Frame_dpc, in the order "Initialisation" empties them (the tap terms apart).
const Names working_fields = {"Text_dpc_C1", "Text_constante", "Text_qm1",   "Text_qm2",     "Text_qm3",
                              "Text_Re1",    "Text_Re2",       "Text_Re3",   "Text_dpc_C2",  "Text_dpc_C3",
                              "Text1",       "Text_qm",        "Text_Re_1",  "Text_int_1",   "Text_DeltaP_1",
                              "Text_Re_11",  "Text_d_1",       "Text_c_1",   "Text_d_2"};

// What the page keeps besides its controls: the pressure taps in force, whose terms follow D for
// flange taps. The tap options cannot tell it once a calculation is selected (the six options form one
// group), nor after a second click on the fluid (it enables the three again).
struct Choices {
    Taps taps = Taps::corner;
};
using Shared = std::shared_ptr<Choices>;

// --- The calculation mode: the Enabled state of three hidden buttons ---

bool mass_flow_mode(const Page& p) { return p.enabled("Command_qm"); }
bool differential_pressure_mode(const Page& p) { return p.enabled("Command_delta_p"); }
bool bore_mode(const Page& p) { return p.enabled("Command_diamétre_de_l_orifice"); }

// The heads of the bore chain, in this order: the Reynolds number, the coefficient with the entered
// bore, the first estimate of the bore (whose change runs the rest of the chain).
void bore_chain(Page& p) {
    OD_calcul_Re_11(p);
    OD_calcul_c_1(p);
    OD_calcul_d_1(p);
}

// "if Qm: K; if ΔP: Re; if d: the bore chain".
void chain_heads(Page& p) {
    if (mass_flow_mode(p)) OD_calcul_constante(p);
    if (differential_pressure_mode(p)) OD_calcul_re_pour_deltap(p);
    if (bore_mode(p)) bore_chain(p);
}

// The same after a change of D or d, where the "Qm" chain also recomputes its pressure loss.
void chain_heads_with_loss(Page& p) {
    if (mass_flow_mode(p)) {
        OD_calcul_constante(p);
        OD_calcul_pertes_de_charges(p);
    }
    if (differential_pressure_mode(p)) OD_calcul_re_pour_deltap(p);
    if (bore_mode(p)) bore_chain(p);
}

// The tap distances and terms that follow D: the text of D and D / 2 while "A D et D/2 :" is the
// selected option; the flange tap terms 25.4 / D while flange taps are in force.
void taps_follow_pipe(Page& p, const Choices& c) {
    if (p.selected("Option_a_d_et_demid")) {
        p.set_text("Text_L1", std::string(p.text(D_in)));
        OD_calcul_longueur_amont(p);
    }
    if (c.taps == Taps::flange) write_tap_terms(p, Taps::flange);
}

bool bore_not_below_pipe(const Page& p) { return p.value(d_in) >= p.value(D_in); }

// --- Change handlers of the inputs ---

Page::Handler pipe_changed(Shared c) {
    return [c](Page& p) {
        p.hide({"Label_alerte3"});
        p.set_visible("Label_alerte", bore_not_below_pipe(p));
        taps_follow_pipe(p, *c);
        OD_calcul_C1(p);
        chain_heads_with_loss(p);
    };
}

Page::Handler bore_changed(Shared c) {
    return [c](Page& p) {
        OD_calcul_int_1(p);
        p.hide({"Label_alerte"});
        p.set_visible("Label_alerte3", bore_not_below_pipe(p));
        if (mass_flow_mode(p)) {
            OD_calcul_constante(p);
            OD_calcul_pertes_de_charges(p);
        }
        if (differential_pressure_mode(p)) OD_calcul_re_pour_deltap(p);
        OD_calcul_C1(p);
        if (bore_mode(p)) bore_chain(p);
        p.set_visible("Label_alerte", p.value(d_in) > p.value(D_in));
        // Then everything once more, as after a change of D.
        taps_follow_pipe(p, *c);
        OD_calcul_C1(p);
        chain_heads_with_loss(p);
    };
}

void differential_pressure_changed(Page& p) {
    OD_calcul_constante(p);
    OD_calcul_pertes_de_charges(p);
    if (bore_mode(p)) bore_chain(p);
}

void mass_flow_changed(Page& p) {
    OD_calcul_Qv_avec_deltap(p);
    chain_heads(p);
}

void expansion_factor_changed(Page& p) {
    OD_calcul_C1(p);
    OD_Calcul_DeltaP(p);
    OD_calcul_d_2(p);
    chain_heads(p);
}

void density_changed(Page& p) {
    chain_heads(p);
    OD_calcul_Qv_avec_deltap(p);
}

void viscosity_changed(Page& p) {
    OD_calcul_C1(p);
    OD_Calcul_Re1(p);
    navigation::orifice_viscosity_changed(p);
    chain_heads(p);
    if (mass_flow_mode(p)) OD_calcul_constante(p);
}

// --- Choices ---

// "Liquide", "Gaz": the tap options offered, the two other fluids locked.
Page::Handler choose_fluid(const char* other, const char* another) {
    return [=](Page& p) {
        p.enable(tap_options);
        p.show(tap_options);
        p.disable({other, another});
        p.show({"Label_choix_des_prises_de_pressions"});
    };
}

void choose_steam(Page& p) {
    p.set_selected("Option_a_la_bride", false);
    p.enable(tap_options);
    p.disable({"Command_liquide", "Command_gaz"});
}

// A choice of taps: the calculation options offered, the two other taps locked, the tap distances
// written as the option says, and the terms of these taps fed to the coefficient.
Page::Handler choose_taps(Shared c, Taps taps) {
    return [c, taps](Page& p) {
        switch (taps) {
            case Taps::corner:
                p.enable(six_options);
                p.disable({"Option_a_la_bride", "Option_a_d_et_demid"});
                break;
            case Taps::flange:
                p.enable({"Option_qm", "Option_d", "Option_deltap"});
                p.disable({"Option_dans_les_angles", "Option_a_d_et_demid"});
                break;
            case Taps::d_and_d_half:
                p.enable(calculation_options);
                p.disable({"Option_dans_les_angles", "Option_a_la_bride"});
                break;
        }
        p.show({"Label_on_cherche"});
        p.show(calculation_options);
        if (taps == Taps::corner) {
            p.set_text("Text_L1", "0");
            p.set_text("Text_L2", "0");
        } else if (taps == Taps::flange) {
            p.set_text("Text_L1", "25");
            p.set_text("Text_L2", "25");
        }
        c->taps = taps;
        write_tap_terms(p, taps);
    };
}

// A choice of calculation: what it locks, and which inputs and result it shows.
struct Calculation {
    const char* others[2];       // the two other calculation options
    const char* other_modes[2];  // the two other mode buttons
    Names inputs_shown;
    Names inputs_hidden;
    Names result;
};

const Calculation mass_flow_calculation = {
    {"Option_deltap", "Option_d"}, {"Command_diamétre_de_l_orifice", "Command_delta_p"},
    {"Text_delta_p", "Label_delta_p", "Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice"},
    {"Text_débit_massique", "Label_débit_massique"}, {"Text_qm_bis", "Labe_Qmx"}};
const Calculation differential_pressure_calculation = {
    {"Option_qm", "Option_d"}, {"Command_qm", "Command_diamétre_de_l_orifice"},
    {"Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice", "Text_débit_massique", "Label_débit_massique"},
    {"Text_delta_p", "Label_delta_p"}, {"Text_DeltaPx", "Label_DeltaPx"}};
const Calculation bore_calculation = {
    {"Option_qm", "Option_deltap"}, {"Command_qm", "Command_delta_p"},
    {"Text_delta_p", "Label_delta_p", "Text_débit_massique", "Label_débit_massique"},
    {"Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice"}, {"Text_diametre_od", "Label_diametre_od"}};

Page::Handler choose_calculation(const Calculation& calc) {
    return [&calc](Page& p) {
        p.show(navigation_buttons);
        p.show({"Label8", "Frame_données_et_calcul"});
        p.disable({calc.others[0], calc.others[1]});
        p.disable({calc.other_modes[0], calc.other_modes[1]});
        p.show(calc.inputs_shown);
        p.hide(calc.inputs_hidden);
        p.show(calc.result);
    };
}

// --- "Initialisation", step by step ---

void hide_page_buttons(Page& p) {  // 1
    p.hide(navigation_buttons);
    p.hide({"Label8"});
}

void reset_expansion_frames(Page& p) {  // 2
    frames::reset_expansion_calculator(p);
    p.hide({frames::expansion_calculator, frames::expansion_note});
    p.set_text("Text_d_2", "");
}

void hide_mode_fields(Page& p) {  // 3
    p.hide({"Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice", "Text_débit_massique",
            "Label_débit_massique", "Label_DeltaPx", "Text_DeltaPx"});
}

void unlock_choices(Page& p) {  // 4
    for (auto option : six_options) p.set_selected(option, false);
    p.enable({"Command_liquide", "Command_delta_p", "Command_diamétre_de_l_orifice", "Command_gaz", "Command_qm",
              "Command_vapeur"});
}

void back_to_choices(Page& p) {  // 5
    p.show({frames::initial});
    p.hide({"Frame_données_et_calcul", frames::expansion_calculator, frames::limits, frames::expansion_note,
            frames::fluid_data, frames::reminders});
}

void lock_options(Page& p) {  // 6
    p.disable(six_options);
    p.hide({"Label_diametre_od", "Label_DeltaPx", "Labe_Qmx", "Text_diametre_od", "Text_DeltaPx"});
}

void reset_texts(Page& p) {  // 7
    p.set_text("Text_resultat_Qv", "");
    p.set_text("Text_diametre_od", "mm");
    p.set_text(eps_in, "");
    p.set_text(Qm_in, "Kg/h");
    p.set_text(dp_in, "mbar");
    p.set_text(D_in, "mm");
    p.set_text(d_in, "mm");
    p.set_text(rho_in, "Kg/m3");
    p.set_text(nu_in, "(10-6 m2/s)");
    p.set_text("Text_L1", "");
    p.set_text("Text_L2", "");
    for (auto field : working_fields) p.set_text(field, "");
    for (auto field : {"Text_Re_bis", "Text_qm_bis", "Text_qv_m3_h", "Text_pertes_de_charges", "Text_resultat_Qv",
                       "Text_diametre_od", "Text_DeltaPx"})
        p.set_text(field, "");
    // The tap terms back to those of corner taps, 0, as at the start.
    p.set_text("Text_dpc_L1", "");
    p.set_text("Text_dpc_L2", "");
}

Page::Handler initialisation(Shared c) {
    return [c](Page& p) {
        hide_page_buttons(p);
        reset_expansion_frames(p);
        hide_mode_fields(p);
        unlock_choices(p);
        back_to_choices(p);
        lock_options(p);
        reset_texts(p);
        c->taps = Taps::corner;
    };
}

// "Retour à la page d'accueil": the navigation rule of this page (the other calculators unloaded, and
// this page too), then the page created afresh and reset as "Initialisation" does, but for the hiding
// of its buttons and of the fields of the calculation modes.
void return_home(Page& old) {
    old.hide({"Label8"});
    old.show({"Text_delta_p", "Label_delta_p"});
    Application& app = old.app();
    navigation::return_home(old, navigation_buttons);
    Page& p = app.page(pages::orifice_plate);  // created again, with corner taps in force
    reset_expansion_frames(p);
    unlock_choices(p);
    back_to_choices(p);
    lock_options(p);
    reset_texts(p);
    p.show({"Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice", "Text_débit_massique",
            "Label_débit_massique"});
}

// --- Layout ---

void define_choices(PageBuilder& b) {
    b.in(frames::initial);
    // Three columns: the fluid, then the taps, then the calculation, each under its heading.
    b.page().read_by_columns(frames::initial);
    b.label("Label_choix_du_fluide", "Choix du fluide").look(Look::heading).at(0, 0);
    b.button("Command_liquide", "Liquide").at(1, 0);
    b.button("Command_vapeur", "Vapeur saturée").at(2, 0);
    b.button("Command_gaz", "Gaz").at(3, 0);
    b.label("Label_choix_des_prises_de_pressions", "Choix des prises de pressions").look(Look::heading).at(0, 1);
    b.option("Option_dans_les_angles", "Dans les angles (0-0) :").disabled().at(1, 1);
    b.option("Option_a_d_et_demid", "A D et D/2 :").disabled().at(2, 1);
    b.option("Option_a_la_bride", "A la bride (25-25) :").disabled().at(3, 1);
    b.label("Label_on_cherche", "Choix du calcul à effectuer").look(Look::heading).at(0, 2);
    b.option("Option_qm", "Qm").disabled().at(1, 2);
    b.option("Option_deltap", "Delta P").disabled().at(2, 2);
    b.option("Option_d", "Diamétre de l'orifice").disabled().at(3, 2);
    b.label("Label8", "Attention: si lors d'une modification de paramètre, celui-ci est mis à Zéro, le calcul\n"
                      "n'est pas effectué.")
        .look(Look::warning).hidden().at(4, 0).span(3);
    // The calculation mode, never shown.
    b.button("Command_qm", "Qm").hidden().at(5, 0);
    b.button("Command_delta_p", "Delta P").hidden().at(5, 1);
    b.button("Command_diamétre_de_l_orifice", "Diamétre de l'orifice").hidden().at(5, 2);
}

void define_calculation(PageBuilder& b) {
    b.in("Frame_données_et_calcul");
    // Inputs on the left, results on the right, the buttons to the auxiliary frames below them.
    b.label("Label_valeurs_à_fournir", "Valeurs nécessaires au calcul").look(Look::heading).at(0, 0).span(2);
    int row = 1;
    auto input = [&](const char* label, const char* caption, const char* field, const char* text) {
        b.label(label, caption).at(row, 0);
        b.field(field, text).at(row, 1);
        ++row;
    };
    input("Label_diamétre_intérieur_canalisation", "Diamètre intérieur (D) de la canalisation (en mm) :", D_in, "mm");
    input("Label_masse_volumique_condition_de_service", "Masse volumique aux conditions de service (Kg/m3) :", rho_in,
          "Kg/m3");
    input("Label_débit_massique", "Débit massique (Kg/h) :", Qm_in, "Kg/h");
    input("Label_delta_p", "Delta P (mbar)  :", dp_in, "mbar");
    input("Label_diamétre_plaque_a_orifice", "Diamètre (d) de la plaque à orifice (en mm) :", d_in, "mm");
    input("Label_coefficient_de_détente", "Coefficient de détente :", eps_in, "");
    // The unit in brackets reads as 0: nothing is computed from it until ν is typed.
    input("Label_Nu", "Viscosité cinématique (10-6 m2/s) :", nu_in, "(10-6 m2/s)");
    describe_inputs(b.page(), {{D_in, Quantity::diameter, "D"}, {rho_in, Quantity::density, "ρ"},
                               {Qm_in, Quantity::none, "Qm"}, {dp_in, Quantity::differential_pressure, "ΔP"},
                               {d_in, Quantity::diameter, "d"}, {eps_in, Quantity::none, "ε"},
                               {nu_in, Quantity::viscosity, "ν"}});

    b.label("Labe_résultat", "Résultats").look(Look::heading).at(0, 2).span(2);
    // The result of the calculation chosen: one of three, in one place.
    b.label("Labe_Qmx", "Qm (Kg/h ) :").hidden().at(1, 2);
    b.field("Text_qm_bis").look(Look::result).hidden().at(1, 3);
    b.label("Label_DeltaPx", "DeltaP (en mbar) :").hidden().at(1, 2);
    b.field("Text_DeltaPx", " ").look(Look::result).hidden().at(1, 3);
    b.label("Label_diametre_od", "Diamètre de la plaque ( mm ):").hidden().at(1, 2);
    b.field("Text_diametre_od", " ").look(Look::result).hidden().at(1, 3);
    b.label("Labe_Re", "Re :").at(2, 2);
    b.field("Text_Re_bis").look(Look::result).at(2, 3);
    b.label("Label1", "Débit volumique pour les pression et température de service").at(3, 2).span(2);
    b.label("Label_resultat_Qv", "Qv  (m3/h) :").at(4, 2);
    b.field("Text_qv_m3_h").look(Look::result).at(4, 3);
    b.field("Text_resultat_Qv").look(Look::result).at(5, 3);
    b.label("Label_resultat_Qv_unités", "m3/s").look(Look::unit).at(5, 4);
    b.label("Label_pertes_de_charges", "Pertes de charge (mbar) :").at(6, 2);
    b.field("Text_pertes_de_charges").look(Look::result).at(6, 3);
    b.label("Label_alerte", "Attention calcul impossible si D <= d !").look(Look::warning).hidden().at(7, 2).span(3);
    b.label("Label_alerte3", "Attention calcul impossible si D <= d !").look(Look::warning).hidden().at(7, 2).span(3);

    b.label("lbl_attention3", "Attention : Pour un bon fonctinnement des calculs, les nombres décimaux doivent être "
                              "saisis avec un point (ex: 0.15).")
        .look(Look::warning).at(8, 0).span(5);
    // The auxiliary frames, one button under each column.
    b.button("Command_aide", "Viscosités et masses volumiques").at(9, 0);
    b.button("Command_coefficient_de_détente", "Coefficient de détente").at(9, 1);
    b.button("Command_rappels", "Rappels").at(9, 2);
    b.button("Command_visco_cinématique", "Viscosité cinématique (10-6 m2/s)").at(9, 3);
    b.button("Command_limite_d_emploi", "Limites d'emploi").at(9, 4);
}

void define_working_fields(PageBuilder& b) {
    b.in("Frame_dpc");
    int n = 0;
    for (auto field : working_fields) {
        if (n++ % 6 == 0) b.row();
        b.field(std::string(field));
    }
    b.row();
    for (auto field : {"Text_dpc_L1", "Text_dpc_L2", "Text_L1", "Text_L2"}) b.field(field);
}

}  // namespace

void define(Page& p) {
    p.set_window_title("CalcFluides - Plaque à orifice");
    PageBuilder b(p);
    auto choices = std::make_shared<Choices>();

    // The page: its title, the upper area (the choices, or one auxiliary frame drawn over them), the
    // calculation frame, the hidden working fields, the buttons.
    b.row(); b.label("Label3", "Calcul Plaque à Orifice").look(Look::title).span(3);
    b.row(); Added upper = b.frame(frames::initial).span(3);
             b.over(frames::expansion_note).hidden().span(3);
             b.over(frames::expansion_calculator).hidden().span(3);
             b.over(frames::reminders).hidden().span(3);
             b.over(frames::limits).hidden().span(3);
    // The fluid data frame: its "Retour" brings the choices back before the frame is reset; its second
    // "Retour" closes it and shows the choices and the calculation.
    fluid_data_frame::Host host;
    host.on_leave = [](Page& page) { page.show({frames::initial}); };
    host.on_second_return = [](Page& page) {
        page.hide({frames::fluid_data});
        page.show({frames::initial, "Frame_données_et_calcul"});
    };
    host.density_inputs = {rho_in};
    host.kinematic_viscosity_inputs = {nu_in};
    fluid_data_frame::add(b, "", host).at(upper.control().place.row, 0).span(3);
    b.row(); b.frame("Frame_données_et_calcul").hidden().span(3);
    b.row(); b.frame("Frame_dpc").text("Données complémentaires  pour les calculs").hidden().span(3);
    b.row(); b.button("bt_OD_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds").hidden();
             b.button("bt_OD_calcul_de_débits_gaz", "Calculs de masses volumiques de gaz et vapeurs").hidden();
             b.button("bt_dvs_calculs_de_débits_gaz", "Correction des débits de gaz").hidden();
    b.row(); b.button("Init2", "Initialisation");
             b.skip();
             b.button("Command_retour_page_d_acceuil", "Retour à la page d'accueil");
    b.row(); b.label("Label12", "CalcFluides - calculs de plaques à orifice suivant la norme ISO 5167")
                 .look(Look::note).span(2);
             b.decoration("Picture1");

    define_choices(b);
    define_calculation(b);
    define_working_fields(b);
    frames::define(b);

    // --- Handlers ---
    link_chains(p);

    p.on_click("Command_liquide", choose_fluid("Command_gaz", "Command_vapeur"));
    p.on_click("Command_gaz", choose_fluid("Command_liquide", "Command_vapeur"));
    p.on_click("Command_vapeur", choose_steam);
    p.on_click("Option_dans_les_angles", choose_taps(choices, Taps::corner));
    p.on_click("Option_a_la_bride", choose_taps(choices, Taps::flange));
    p.on_click("Option_a_d_et_demid", choose_taps(choices, Taps::d_and_d_half));
    p.on_click("Option_qm", choose_calculation(mass_flow_calculation));
    p.on_click("Option_deltap", choose_calculation(differential_pressure_calculation));
    p.on_click("Option_d", choose_calculation(bore_calculation));

    p.on_change(D_in, pipe_changed(choices));
    p.on_change(d_in, bore_changed(choices));
    p.on_change(dp_in, differential_pressure_changed);
    p.on_change(Qm_in, mass_flow_changed);
    p.on_change(eps_in, expansion_factor_changed);
    p.on_change(rho_in, density_changed);
    p.on_change(nu_in, viscosity_changed);

    p.on_click("Init2", initialisation(choices));
    p.on_click("Command_retour_page_d_acceuil", return_home);
    p.close_with("Command_retour_page_d_acceuil");
    p.on_click("bt_dvs_calculs_de_débits_gaz", navigation::open_flow_correction);
    p.on_click("bt_OD_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
    p.on_click("bt_OD_calcul_de_débits_gaz", [](Page& page) { navigation::open_calculator(page, pages::density); });
}

}  // namespace cf::orifice_page
