#include "orifice/orifice_procedures.h"

#include <initializer_list>
#include <string_view>

#include "ui/completeness.h"
#include "ui/procedure.h"

namespace cf::orifice {

namespace {

using procedure::compute;
using procedure::read_into;

constexpr const char* L1_in = "Text_dpc_L1";
constexpr const char* L2_in = "Text_dpc_L2";

OrificeHeld& held(Page& p) { return procedure::held<OrificeHeld>(p); }

// The three pressure losses: Δω with a ΔP and a bore read from the given fields.
void pressure_loss_from(Page& p, OrificeHeld::Loss& h, const char* dp_field, const char* d_field) {
    read_into(p, {{h.dp, dp_field}, {h.D, D_in}, {h.d, d_field}});
    compute(p, six_decimals, {"Text_pertes_de_charges"}, h.loss, h.D != 0 && h.d != 0 && h.dp != 0,
            [&] { return pressure_loss(h.dp, h.D, h.d); });
}

// The Reynolds number of a mass flow read from a field: kg/s from the passes of the "Qm" chain, kg/h
// as entered. The guard tests the flow itself only where it says so.
enum class FlowTested { no, yes };
template <class Formula>
void reynolds_of(Page& p, OrificeHeld::Reynolds& h, const char* Qm_field, Names Re_fields, FlowTested tested,
                 Formula reynolds) {
    read_into(p, {{h.Qm, Qm_field}, {h.D, D_in}, {h.nu, nu_in}, {h.rho, rho_in}});
    compute(p, text_step, Re_fields, h.Re,
            h.D != 0 && h.nu != 0 && h.rho != 0 && (tested == FlowTested::no || h.Qm != 0),
            [&] { return reynolds(h.Qm, h.D, h.nu, h.rho); });
}

// The coefficient of a pass: C1 plus the Reynolds term at the previous pass's Re; each pass has its
// own guard.
template <class V, class Guard>
void corrected_coefficient(Page& p, OrificeHeld::Corrected<V>& h, const char* Re_field, const char* C_field,
                           Guard guard) {
    read_into(p, {{h.Re, Re_field}, {h.C1, "Text_dpc_C1"}, {h.D, D_in}, {h.d, d_in}});
    compute(p, text_step, {C_field}, h.C, guard(h), [&] { return h.C1 + reynolds_term(double(h.d) / h.D, h.Re); });
}

// The mass flow of a pass, Qm = C × K, from the coefficient read from a field.
template <class V, class Formula>
void flow_of(Page& p, OrificeHeld::Flow<V>& h, const char* C_field, Names Qm_fields, Formula flow) {
    read_into(p, {{h.K, "Text_constante"}, {h.C, C_field}});
    compute(p, text_step, Qm_fields, h.Qm, h.C != 0 && h.K != 0, [&] { return flow(h.C, h.K); });
}

// The full coefficient at a bore read from a field, at the Re read from another.
void coefficient_at(Page& p, OrificeHeld::Coefficient& h, const char* Re_field, const char* d_field,
                    const char* C_field) {
    read_into(p, {{h.L1, L1_in}, {h.L2, L2_in}, {h.Re, Re_field}, {h.D, D_in}, {h.d, d_field}});
    compute(p, text_step, {C_field}, h.C, h.D != 0 && h.d != 0 && h.Re != 0,
            [&] { return discharge_coefficient(double(h.d) / h.D, h.L1, h.L2, h.Re); });
}

// The volume flow at service conditions of a mass flow read from a field.
void volume_flow_of(Page& p, OrificeHeld::VolumeFlow& h, const char* Qm_field, FlowTested tested) {
    read_into(p, {{h.Qm, Qm_field}, {h.rho, rho_in}});
    compute(p, text_step, {"Text_resultat_Qv"}, h.Qv, h.rho != 0 && (tested == FlowTested::no || h.Qm != 0),
            [&] { return volume_flow(h.Qm, h.rho); });
}

}  // namespace

// --- "Qm" ---

void OD_calcul_C1(Page& p) {
    auto& h = held(p).C1;
    read_into(p, {{h.eps, eps_in}, {h.D, D_in}, {h.d, d_in}, {h.L1, L1_in}, {h.L2, L2_in}});
    compute(p, text_step, {"Text_dpc_C1"}, h.C1, h.D != 0 && h.d != 0 && h.D > h.d && h.eps != 0,
            [&] { return base_coefficient(double(h.d) / h.D, h.L1, h.L2); });
}

void OD_calcul_constante(Page& p) {
    auto& h = held(p).constante;
    read_into(p, {{h.eps, eps_in}, {h.D, D_in}, {h.d, d_in}, {h.dp, dp_in}, {h.rho, rho_in}});
    compute(p, text_step, {"Text_constante"}, h.K,
            h.D != 0 && h.D > h.d && h.d != 0 && h.eps != 0 && h.dp != 0 && h.rho != 0,
            [&] { return flow_constant(h.D, h.d, h.eps, h.dp, h.rho); });
}

// The four passes: Qm1 from C1, then three times Re of the last flow, C at that Re, and the flow again.
void OD_calcul_Qm1(Page& p) { flow_of(p, held(p).Qm1, "Text_dpc_C1", {"Text_qm1"}, mass_flow); }

void OD_Calcul_Re1(Page& p) {
    reynolds_of(p, held(p).Re1, "Text_qm1", {"Text_Re1"}, FlowTested::yes, reynolds_from_kg_per_s);
}

void OD_calcul_C2(Page& p) {
    corrected_coefficient(p, held(p).C2, "Text_Re1", "Text_dpc_C2",
                          [](const auto& h) { return h.D != 0 && h.Re != 0 && h.C1 != 0 && h.d != 0; });
}

void OD_calcul_Qm2(Page& p) { flow_of(p, held(p).Qm2, "Text_dpc_C2", {"Text_qm2"}, mass_flow); }

void OD_Calcul_Re2(Page& p) {
    reynolds_of(p, held(p).Re2, "Text_qm2", {"Text_Re2"}, FlowTested::no, reynolds_from_kg_per_s);
}

void OD_calcul_C3(Page& p) {
    corrected_coefficient(p, held(p).C3, "Text_Re2", "Text_dpc_C3",
                          [](const auto& h) { return h.D != 0 && h.D != h.d && h.d != 0 && h.Re != 0; });
}

void OD_calcul_Qm3(Page& p) { flow_of(p, held(p).Qm3, "Text_dpc_C3", {"Text_qm3"}, mass_flow); }

void OD_Calcul_Re3(Page& p) {
    reynolds_of(p, held(p).Re3, "Text_qm3", {"Text_Re3", "Text_Re_bis"}, FlowTested::no, reynolds_from_kg_per_s);
}

void OD_calcul_C4(Page& p) {
    corrected_coefficient(p, held(p).C4, "Text_Re3", "Text1",
                          [](const auto& h) { return h.D != 0 && h.D > h.d && h.d != 0 && h.Re != 0; });
}

void OD_calcul_Qm(Page& p) { flow_of(p, held(p).Qm, "Text1", {"Text_qm", "Text_qm_bis"}, mass_flow_per_hour); }

void OD_calcul_Qv(Page& p) { volume_flow_of(p, held(p).Qv, "Text_qm", FlowTested::no); }

void OD_qv_m3_h(Page& p) {
    auto& h = held(p).qv_m3_h;
    read_into(p, {{h.Qv, "Text_resultat_Qv"}});
    compute(p, text_step, {"Text_qv_m3_h"}, h.Qv_per_hour, h.Qv != 0, [&] { return h.Qv * 3600; });
}

void OD_calcul_pertes_de_charges(Page& p) { pressure_loss_from(p, held(p).pertes_de_charges, dp_in, d_in); }

// --- "Delta P" ---

void OD_calcul_re_pour_deltap(Page& p) {
    reynolds_of(p, held(p).re_pour_deltap, Qm_in, {"Text_Re_1", "Text_Re_bis"}, FlowTested::yes,
                reynolds_from_kg_per_h);
}

void OD_calcul_int_1(Page& p) { coefficient_at(p, held(p).int_1, "Text_Re_1", d_in, "Text_int_1"); }

void OD_Calcul_DeltaP(Page& p) {
    auto& h = held(p).DeltaP;
    read_into(p, {{h.eps, eps_in}, {h.Qm, Qm_in}, {h.D, D_in}, {h.d, d_in}, {h.C, "Text_int_1"}, {h.rho, rho_in}});
    compute(p, text_step, {"Text_DeltaP_1", "Text_DeltaPx"}, h.dp,
            h.eps != 0 && h.D > h.d && h.D != 0 && h.d != 0 && h.rho != 0 && h.C != 0,
            [&] { return differential_pressure(h.eps, h.Qm, h.D, h.d, h.C, h.rho); });
}

void OD_calcul_pertes_de_charges_avec_delta_P(Page& p) {
    pressure_loss_from(p, held(p).pertes_avec_delta_P, "Text_DeltaPx", d_in);
}

void OD_calcul_Qv_avec_deltap(Page& p) { volume_flow_of(p, held(p).Qv_avec_deltap, Qm_in, FlowTested::yes); }

// --- "Diamétre de l'orifice" ---

void OD_calcul_Re_11(Page& p) {
    reynolds_of(p, held(p).Re_11, Qm_in, {"Text_Re_11", "Text_Re_bis"}, FlowTested::yes, reynolds_from_kg_per_h);
}

void OD_calcul_c_1(Page& p) { coefficient_at(p, held(p).c_1, "Text_Re_11", d_in, "Text_int_1"); }

void OD_calcul_d_1(Page& p) {
    auto& h = held(p).d_1;
    read_into(p, {{h.Qm, Qm_in}, {h.eps, eps_in}, {h.D, D_in}, {h.dp, dp_in}, {h.rho, rho_in}});
    // The first estimate solves the flow equation with C = 0.6, velocity of approach factor and ε
    // included, so that the coefficient is then evaluated near the bore sought.
    compute(p, text_step, {"Text_d_1"}, h.d1, h.Qm != 0 && h.rho != 0 && h.dp != 0 && h.eps != 0 && h.D != 0,
            [&] { return first_bore(h.Qm, h.eps, h.D, h.dp, h.rho); });
}

void OD_Calcul_c11_pour_calcul_d(Page& p) { coefficient_at(p, held(p).c11, "Text_Re_11", "Text_d_1", "Text_c_1"); }

void OD_calcul_d_2(Page& p) {
    auto& h = held(p).d_2;
    read_into(p, {{h.C, "Text_c_1"}, {h.Qm, Qm_in}, {h.eps, eps_in}, {h.D, D_in}, {h.dp, dp_in}, {h.rho, rho_in},
                  {h.L1, L1_in}, {h.L2, L2_in}, {h.Re, "Text_Re_11"}});
    // The bore must agree with the mass-flow calculation: the coefficient and the bore are iterated
    // together until the diameter ratio settles, so that the plate passes the flow asked for at this
    // ΔP by the page's own flow equation. A ratio that does not settle shows nothing.
    compute(p, text_step, {"Text_d_2", "Text_diametre_od"}, h.d2,
            h.C != 0 && h.rho != 0 && h.dp != 0 && h.eps != 0 && h.D != 0,
            [&] { return refined_bore(h.C, h.Qm, h.eps, h.D, h.dp, h.rho, h.L1, h.L2, h.Re); });
}

void OD_calcul_pertes_de_charges_avec_calcul_d(Page& p) {
    pressure_loss_from(p, held(p).pertes_avec_calcul_d, dp_in, "Text_diametre_od");
}

// --- Expansion factor ---

void OD_calcul_coef_de_détente(Page& p) {
    auto& h = held(p).coef_de_détente;
    read_into(p, {{h.dp, "Text__deltap_pour_E"}, {h.kappa, "Text_K"}, {h.P, "Text_pression_amont"},
                  {h.d, "Text_diam_plaque"}, {h.D, "Text__diam_cana"}});
    compute(p, six_decimals, {"Text_E"}, h.eps, h.D != 0 && h.D > h.d && h.d != 0 && h.kappa != 0 && h.P != 0,
            [&] { return expansion_factor(h.dp, h.kappa, h.P, h.d, h.D); });
}

// --- Taps ---

void OD_calcul_longueur_amont(Page& p) {
    auto& h = held(p).longueur_amont;
    read_into(p, {{h.D, D_in}});
    compute(p, text_step, {"Text_L2"}, h.L2, true, [&] { return downstream_tap_distance(h.D); });
}

void write_tap_terms(Page& p, Taps taps) {
    // The taps change the coefficient: their terms L1 and L2' enter the Stolz equation through
    // Text_dpc_L1 and Text_dpc_L2 (flange taps from the pipe diameter as typed).
    // Only the flange taps' terms depend on D: the others stand on nothing the user types.
    const TapTerms terms = tap_terms(taps, taps == Taps::flange ? procedure::read(p, D_in) : 0.0f);
    for (auto [field, term] : {std::pair{L1_in, terms.L1}, std::pair{L2_in, terms.L2}}) {
        float kept = 0;
        compute(p, text_step, {field}, kept, true, [term = term] { return term; });
    }
}

void link_chains(Page& p) {
    const std::pair<const char*, void (*)(Page&)> links[] = {
        {"Text_dpc_C1", OD_calcul_Qm1},
        {"Text_constante", OD_calcul_Qm1},
        {"Text_qm1", OD_Calcul_Re1},
        {"Text_Re1", OD_calcul_C2},
        {"Text_dpc_C2", OD_calcul_Qm2},
        {"Text_qm2", OD_Calcul_Re2},
        {"Text_Re2", OD_calcul_C3},
        {"Text_dpc_C3", OD_calcul_Qm3},
        {"Text_qm3", OD_Calcul_Re3},
        {"Text_Re3", OD_calcul_C4},
        {"Text1", OD_calcul_Qm},
        {"Text_qm", OD_calcul_Qv},
        {"Text_resultat_Qv", OD_qv_m3_h},
        {"Text_Re_1", OD_calcul_int_1},
        {"Text_int_1", OD_Calcul_DeltaP},
        {"Text_DeltaPx", OD_calcul_pertes_de_charges_avec_delta_P},
        {"Text_Re_11", OD_Calcul_c11_pour_calcul_d},
        {"Text_d_1", OD_Calcul_c11_pour_calcul_d},
        {"Text_c_1", OD_calcul_d_2},
        {"Text_diametre_od", OD_calcul_pertes_de_charges_avec_calcul_d},
    };
    for (const auto& [field, next] : links) p.on_change(field, next);
}

}  // namespace cf::orifice
