#include "core/field_value.h"
#include "orifice/orifice_page.h"

#include <memory>
#include <string>

#include "orifice/orifice_choices.h"
#include "orifice/orifice_formulas.h"
#include "orifice/orifice_frames.h"
#include "orifice/orifice_procedures.h"
#include "orifice/orifice_procedures_2003.h"
#include "orifice/orifice_status.h"
#include "parts/fluid_data_frame.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/completeness.h"
#include "ui/marks.h"
#include "ui/page_builder.h"
#include "ui/procedure.h"

namespace cf::orifice_page {

namespace {

using namespace cf::orifice;
namespace frames = cf::orifice_frames;
using namespace cf::orifice_choices;

// The working fields of Frame_dpc, in the order "Initialisation" empties them (the tap terms apart).
const Names working_fields = {"Text_dpc_C1", "Text_constante", "Text_qm1",   "Text_qm2",     "Text_qm3",
                              "Text_Re1",    "Text_Re2",       "Text_Re3",   "Text_dpc_C2",  "Text_dpc_C3",
                              "Text1",       "Text_qm",        "Text_Re_1",  "Text_int_1",   "Text_DeltaP_1",
                              "Text_Re_11",  "Text_d_1",       "Text_c_1",   "Text_d_2"};


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

// The tap distances and terms that follow D: the value of D and D / 2 while "A D et D/2 :" is the
// selected option; the flange tap terms 25.4 / D while flange taps are in force.
void taps_follow_pipe(Page& p, const Choices& c) {
    if (p.selected("Option_a_d_et_demid")) {
        procedure::write(p, {{}, procedure::WhenStopped::write_nothing}, "Text_L1", cf::to_single(p.value(D_in)));
        OD_calcul_longueur_amont(p);
    }
    if (c.taps == Taps::flange) write_tap_terms(p, Taps::flange);
}

bool bore_not_below_pipe(const Page& p) { return p.value(d_in) >= p.value(D_in); }

// --- ISO 5167-2:2003: one solver per calculation, after the tap terms that follow D ---

void solve_2003(Page& p) {
    if (mass_flow_mode(p)) {
        OD_calcul_Qm_2003(p);
        OD_calcul_pertes_de_charges(p);
    }
    if (differential_pressure_mode(p)) OD_Calcul_DeltaP_2003(p);
    if (bore_mode(p)) OD_calcul_d_2003(p);
}

// An input's Change: the steps of the standard in force, then what the results stand on.
Page::Handler input_changed(Shared c, Page::Handler iso1991, Page::Handler iso2003) {
    return [c, iso1991 = std::move(iso1991), iso2003 = std::move(iso2003)](Page& p) {
        if (standard_in_force(p) == Standard::iso2003)
            iso2003(p);
        else
            iso1991(p);
        show_status(p, *c);
    };
}

// Every result of the 1991 chains computed again from the inputs as they are, as after a change of D.
void recompute_1991(Page& p, const Choices& c) {
    taps_follow_pipe(p, c);
    OD_calcul_C1(p);
    chain_heads_with_loss(p);
}

void recompute_2003(Page& p, const Choices& c) {
    taps_follow_pipe(p, c);
    solve_2003(p);
}

// --- Change handlers of the inputs ---

void pipe_alerts(Page& p) {
    p.hide({"Label_alerte3"});
    p.set_visible("Label_alerte", bore_not_below_pipe(p));
}

Page::Handler pipe_changed(Shared c) {
    return input_changed(
        c,
        [c](Page& p) {
            pipe_alerts(p);
            recompute_1991(p, *c);
        },
        [c](Page& p) {
            pipe_alerts(p);
            recompute_2003(p, *c);
        });
}

Page::Handler bore_changed_2003(Shared c) {
    return [c](Page& p) {
        p.hide({"Label_alerte"});
        p.set_visible("Label_alerte3", bore_not_below_pipe(p));
        p.set_visible("Label_alerte", p.value(d_in) > p.value(D_in));
        recompute_2003(p, *c);
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

// Under 2003 the volume flow of an entered flow, and the pipe flow page's Reynolds number from ν, as
// under 1991; then the solver.
void mass_flow_changed_2003(Page& p) {
    OD_calcul_Qv_avec_deltap(p);
    solve_2003(p);
}

void density_changed_2003(Page& p) {
    solve_2003(p);
    OD_calcul_Qv_avec_deltap(p);
}

void viscosity_changed_2003(Page& p) {
    navigation::orifice_viscosity_changed(p);
    solve_2003(p);
}

// A click on a standard: its texts, and what is shown computed again from the inputs already typed.
Page::Handler choose_standard(Shared c, Standard standard) {
    return [c, standard](Page& p) {
        frames::show_standard(p, standard);
        if (standard == Standard::iso2003) {
            recompute_2003(p, *c);
        } else {
            p.set_text("Text_incertitude_C", "");
            recompute_1991(p, *c);
        }
        frames::recompute_expansion_factor(p);
        show_choices_in_force(p, *c);
        show_status(p, *c);
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

// The standard back to ISO 5167-1:1991 first, so that the page is then reset exactly as under it.
void back_to_1991(Page& p) { p.set_selected("Option_norme_1991", true); }

// What the standard adds, emptied, and no choice in force.
void reset_status(Page& p, Choices& c) {
    empty_status(p);
    c = Choices{};
    show_choices_in_force(p, c);
}

Page::Handler initialisation(Shared c) {
    return [c](Page& p) {
        back_to_1991(p);
        hide_page_buttons(p);
        reset_expansion_frames(p);
        hide_mode_fields(p);
        unlock_choices(p);
        back_to_choices(p);
        lock_options(p);
        reset_texts(p);
        reset_status(p, *c);
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

void define_calculation(PageBuilder& b) {
    b.in("Frame_données_et_calcul");
    // The choices in force above it all; inputs on the left, results on the right, the verdict of the
    // limits of use under both, the buttons to the auxiliary frames below.
    b.label("Label_choix_en_vigueur", "ISO 5167-1:1991").look(Look::status).at(0, 0).span(5);
    b.label("Label_valeurs_à_fournir", "Valeurs nécessaires au calcul").look(Look::heading).at(1, 0).span(2);
    int row = 2;
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

    b.label("Labe_résultat", "Résultats").look(Look::heading).at(1, 2).span(2);
    // The result of the calculation chosen: one of three, in one place.
    b.label("Labe_Qmx", "Qm (Kg/h ) :").hidden().at(2, 2);
    b.field("Text_qm_bis").look(Look::result).hidden().at(2, 3);
    b.label("Label_DeltaPx", "DeltaP (en mbar) :").hidden().at(2, 2);
    b.field("Text_DeltaPx", " ").look(Look::result).hidden().at(2, 3);
    b.label("Label_diametre_od", "Diamètre de la plaque ( mm ):").hidden().at(2, 2);
    b.field("Text_diametre_od", " ").look(Look::result).hidden().at(2, 3);
    b.label("Labe_Re", "Re :").at(3, 2);
    b.field("Text_Re_bis").look(Look::result).at(3, 3);
    b.label("Label_coefficient_C", "Coefficient de décharge C :").at(4, 2);
    b.field("Text_coefficient_C").look(Look::result).at(4, 3);
    b.label("Label_beta", "Beta (d/D) :").at(5, 2);
    b.field("Text_beta").look(Look::result).at(5, 3);
    b.label("Label_incertitude_C", "Incertitude sur C (%) :").at(6, 2);
    b.field("Text_incertitude_C").look(Look::result).at(6, 3);
    b.label("Label1", "Débit volumique pour les pression et température de service").at(7, 2).span(2);
    b.label("Label_resultat_Qv", "Qv  (m3/h) :").at(8, 2);
    b.field("Text_qv_m3_h").look(Look::result).at(8, 3);
    b.field("Text_resultat_Qv").look(Look::result).at(9, 3);
    b.label("Label_resultat_Qv_unités", "m3/s").look(Look::unit).at(9, 4);
    b.label("Label_pertes_de_charges", "Pertes de charge (mbar) :").at(10, 2);
    b.field("Text_pertes_de_charges").look(Look::result).at(10, 3);
    b.label("Label_alerte", "Attention calcul impossible si D <= d !").look(Look::warning).hidden().at(11, 2).span(3);
    b.label("Label_alerte3", "Attention calcul impossible si D <= d !").look(Look::warning).hidden().at(11, 2).span(3);
    b.label("Label_verdict_limites", "").look(Look::status).at(12, 0).span(5);

    b.label("lbl_attention3", "Attention : Pour un bon fonctinnement des calculs, les nombres décimaux doivent être "
                              "saisis avec un point (ex: 0.15).")
        .look(Look::warning).at(13, 0).span(5);
    // The auxiliary frames, one button under each column.
    b.button("Command_aide", "Viscosités et masses volumiques").at(14, 0);
    b.button("Command_coefficient_de_détente", "Coefficient de détente").at(14, 1);
    b.button("Command_rappels", "Rappels").at(14, 2);
    b.button("Command_visco_cinématique", "Viscosité cinématique (10-6 m2/s)").at(14, 3);
    b.button("Command_limite_d_emploi", "Limites d'emploi").at(14, 4);
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
    frames::define(b, [choices](Page& page) { show_limits_verdict(page, *choices); });

    // --- Handlers ---
    link_chains(p);

    p.on_click("Command_liquide", choose_fluid(choices, Fluid::liquid, "Command_gaz", "Command_vapeur"));
    p.on_click("Command_gaz", choose_fluid(choices, Fluid::gas, "Command_liquide", "Command_vapeur"));
    p.on_click("Command_vapeur", choose_steam(choices));
    p.on_click("Option_dans_les_angles", choose_taps(choices, Taps::corner));
    p.on_click("Option_a_la_bride", choose_taps(choices, Taps::flange));
    p.on_click("Option_a_d_et_demid", choose_taps(choices, Taps::d_and_d_half));
    p.on_click("Option_qm", choose_calculation(choices, Calculation::mass_flow));
    p.on_click("Option_deltap", choose_calculation(choices, Calculation::differential_pressure));
    p.on_click("Option_d", choose_calculation(choices, Calculation::bore));
    p.on_click("Option_norme_1991", choose_standard(choices, Standard::iso1991));
    p.on_click("Option_norme_2003", choose_standard(choices, Standard::iso2003));

    p.on_change(D_in, pipe_changed(choices));
    p.on_change(d_in, input_changed(choices, bore_changed(choices), bore_changed_2003(choices)));
    p.on_change(dp_in, input_changed(choices, differential_pressure_changed, solve_2003));
    p.on_change(Qm_in, input_changed(choices, mass_flow_changed, mass_flow_changed_2003));
    p.on_change(eps_in, input_changed(choices, expansion_factor_changed, solve_2003));
    p.on_change(rho_in, input_changed(choices, density_changed, density_changed_2003));
    p.on_change(nu_in, input_changed(choices, viscosity_changed, viscosity_changed_2003));

    p.on_click("Init2", initialisation(choices));
    p.on_click("Command_retour_page_d_acceuil", return_home);
    p.close_with("Command_retour_page_d_acceuil");
    p.on_click("bt_dvs_calculs_de_débits_gaz", navigation::open_flow_correction);
    p.on_click("bt_OD_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
    p.on_click("bt_OD_calcul_de_débits_gaz", [](Page& page) { navigation::open_calculator(page, pages::density); });
}

}  // namespace cf::orifice_page
