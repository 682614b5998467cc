#include "orifice/orifice_procedures.h"

#include <initializer_list>
#include <string_view>

#include "core/field_value.h"
#include "ui/application.h"
#include "ui/procedure.h"

namespace cf::orifice {

namespace {

using procedure::read;
using procedure::read_double;

constexpr const char* L1_in = "Text_dpc_L1";
constexpr const char* L2_in = "Text_dpc_L2";

OrificeHeld& held(Page& p) { return p.app().held<OrificeHeld>(); }

// Keeps the result and writes it through the text step into each field in turn (each Change running
// its link before the next field is written); a result that cannot be kept empties them all.
template <class Held>
void show(Page& p, std::initializer_list<std::string_view> fields, Held& kept, double result) {
    if (!procedure::keep(kept, result)) {
        for (auto f : fields) procedure::show_not_computed(p, f);
        return;
    }
    for (auto f : fields) procedure::show_text_step(p, f, kept);
}

// The same, for the results written with their pattern instead of the text step.
template <class Held>
void show_with_pattern(Page& p, std::string_view field, Held& kept, double result, std::string_view pattern) {
    if (!procedure::keep_or_empty(p, field, kept, result)) return;
    p.set_text(field, format_field_value(kept, pattern));
}

// The three pressure losses: Δω with a ΔP and a bore read from the given fields.
void pressure_loss_from(Page& p, OrificeHeld::Loss& h, const char* dp_field, const char* d_field) {
    h.dp = read_double(p, dp_field);
    h.D = read_double(p, D_in);
    h.d = read_double(p, d_field);
    if (h.D != 0 && h.d != 0 && h.dp != 0)
        show_with_pattern(p, "Text_pertes_de_charges", h.loss, pressure_loss(h.dp, h.D, h.d), "0.000000");
}

}  // namespace

// --- "Qm" ---

void OD_calcul_C1(Page& p) {
    auto& h = held(p).C1;
    h.eps = read(p, eps_in);
    h.D = read(p, D_in);
    h.d = read(p, d_in);
    h.L1 = read(p, L1_in);
    h.L2 = read(p, L2_in);
    if (h.D != 0 && h.d != 0 && h.D > h.d && h.eps != 0)
        show(p, {"Text_dpc_C1"}, h.C1, base_coefficient(double(h.d) / h.D, h.L1, h.L2));
}

void OD_calcul_constante(Page& p) {
    auto& h = held(p).constante;
    h.eps = read(p, eps_in);
    h.D = read(p, D_in);
    h.d = read(p, d_in);
    h.dp = read(p, dp_in);
    h.rho = read(p, rho_in);
    if (h.D != 0 && h.D > h.d && h.d != 0 && h.eps != 0 && h.dp != 0 && h.rho != 0)
        show(p, {"Text_constante"}, h.K, flow_constant(h.D, h.d, h.eps, h.dp, h.rho));
}

void OD_calcul_Qm1(Page& p) {
    auto& h = held(p).Qm1;
    h.K = read_double(p, "Text_constante");
    h.C1 = read_double(p, "Text_dpc_C1");
    if (h.C1 != 0 && h.K != 0) show(p, {"Text_qm1"}, h.Qm1, mass_flow(h.C1, h.K));
}

void OD_Calcul_Re1(Page& p) {
    auto& h = held(p).Re1;
    h.Qm1 = read(p, "Text_qm1");
    h.D = read(p, D_in);
    h.nu = read(p, nu_in);
    h.rho = read(p, rho_in);
    if (h.D != 0 && h.nu != 0 && h.rho != 0 && h.Qm1 != 0)
        show(p, {"Text_Re1"}, h.Re1, reynolds_from_kg_per_s(h.Qm1, h.D, h.nu, h.rho));
}

void OD_calcul_C2(Page& p) {
    auto& h = held(p).C2;
    h.Re1 = read(p, "Text_Re1");
    h.C1 = read(p, "Text_dpc_C1");
    h.D = read(p, D_in);
    h.d = read(p, d_in);
    if (h.D != 0 && h.Re1 != 0 && h.C1 != 0 && h.d != 0)
        show(p, {"Text_dpc_C2"}, h.C2, h.C1 + reynolds_term(double(h.d) / h.D, h.Re1));
}

void OD_calcul_Qm2(Page& p) {
    auto& h = held(p).Qm2;
    h.K = read(p, "Text_constante");
    h.C2 = read(p, "Text_dpc_C2");
    if (h.C2 != 0 && h.K != 0) show(p, {"Text_qm2"}, h.Qm2, mass_flow(h.C2, h.K));
}

void OD_Calcul_Re2(Page& p) {
    auto& h = held(p).Re2;
    h.Qm2 = read(p, "Text_qm2");
    h.D = read(p, D_in);
    h.nu = read(p, nu_in);
    h.rho = read(p, rho_in);
    if (h.D != 0 && h.nu != 0 && h.rho != 0)
        show(p, {"Text_Re2"}, h.Re2, reynolds_from_kg_per_s(h.Qm2, h.D, h.nu, h.rho));
}

void OD_calcul_C3(Page& p) {
    auto& h = held(p).C3;
    h.Re2 = read_double(p, "Text_Re2");
    h.C1 = read_double(p, "Text_dpc_C1");
    h.D = read_double(p, D_in);
    h.d = read_double(p, d_in);
    if (h.D != 0 && h.D != h.d && h.d != 0 && h.Re2 != 0)
        show(p, {"Text_dpc_C3"}, h.C3, h.C1 + reynolds_term(h.d / h.D, h.Re2));
}

void OD_calcul_Qm3(Page& p) {
    auto& h = held(p).Qm3;
    h.K = read(p, "Text_constante");
    h.C3 = read(p, "Text_dpc_C3");
    if (h.C3 != 0 && h.K != 0) show(p, {"Text_qm3"}, h.Qm3, mass_flow(h.C3, h.K));
}

void OD_Calcul_Re3(Page& p) {
    auto& h = held(p).Re3;
    h.Qm3 = read(p, "Text_qm3");
    h.D = read(p, D_in);
    h.nu = read(p, nu_in);
    h.rho = read(p, rho_in);
    if (h.D != 0 && h.nu != 0 && h.rho != 0)
        show(p, {"Text_Re3", "Text_Re_bis"}, h.Re3, reynolds_from_kg_per_s(h.Qm3, h.D, h.nu, h.rho));
}

void OD_calcul_C4(Page& p) {
    auto& h = held(p).C4;
    h.Re3 = read_double(p, "Text_Re3");
    h.C1 = read_double(p, "Text_dpc_C1");
    h.D = read_double(p, D_in);
    h.d = read_double(p, d_in);
    if (h.D != 0 && h.D > h.d && h.d != 0 && h.Re3 != 0)
        show(p, {"Text1"}, h.C4, h.C1 + reynolds_term(h.d / h.D, h.Re3));
}

void OD_calcul_Qm(Page& p) {
    auto& h = held(p).Qm;
    h.K = read(p, "Text_constante");
    h.C4 = read(p, "Text1");
    if (h.C4 != 0 && h.K != 0) show(p, {"Text_qm", "Text_qm_bis"}, h.Qm, mass_flow_per_hour(h.C4, h.K));
}

void OD_calcul_Qv(Page& p) {
    auto& h = held(p).Qv;
    h.Qm = read_double(p, "Text_qm");
    h.rho = read_double(p, rho_in);
    if (h.rho != 0) show(p, {"Text_resultat_Qv"}, h.Qv, volume_flow(h.Qm, h.rho));
}

void OD_qv_m3_h(Page& p) {
    auto& h = held(p).qv_m3_h;
    h.Qv = read_double(p, "Text_resultat_Qv");
    if (h.Qv != 0) show(p, {"Text_qv_m3_h"}, h.Qv_per_hour, h.Qv * 3600);
}

void OD_calcul_pertes_de_charges(Page& p) { pressure_loss_from(p, held(p).pertes_de_charges, dp_in, d_in); }

// --- "Delta P" ---

void OD_calcul_re_pour_deltap(Page& p) {
    auto& h = held(p).re_pour_deltap;
    h.Qm = read(p, Qm_in);
    h.D = read(p, D_in);
    h.nu = read(p, nu_in);
    h.rho = read(p, rho_in);
    if (h.D != 0 && h.nu != 0 && h.rho != 0 && h.Qm != 0)
        show(p, {"Text_Re_1", "Text_Re_bis"}, h.Re, reynolds_from_kg_per_h(h.Qm, h.D, h.nu, h.rho));
}

void OD_calcul_int_1(Page& p) {
    auto& h = held(p).int_1;
    h.L1 = read(p, L1_in);
    h.L2 = read(p, L2_in);
    h.Re = read(p, "Text_Re_1");
    h.D = read(p, D_in);
    h.d = read(p, d_in);
    if (h.D != 0 && h.d != 0 && h.Re != 0)
        show(p, {"Text_int_1"}, h.C, discharge_coefficient(double(h.d) / h.D, h.L1, h.L2, h.Re));
}

void OD_Calcul_DeltaP(Page& p) {
    auto& h = held(p).DeltaP;
    h.eps = read(p, eps_in);
    h.Qm = read(p, Qm_in);
    h.D = read(p, D_in);
    h.d = read(p, d_in);
    h.C = read(p, "Text_int_1");
    h.rho = read(p, rho_in);
    if (h.eps != 0 && h.D > h.d && h.D != 0 && h.d != 0 && h.rho != 0 && h.C != 0)
        show(p, {"Text_DeltaP_1", "Text_DeltaPx"}, h.dp, differential_pressure(h.eps, h.Qm, h.D, h.d, h.C, h.rho));
}

void OD_calcul_pertes_de_charges_avec_delta_P(Page& p) {
    pressure_loss_from(p, held(p).pertes_avec_delta_P, "Text_DeltaPx", d_in);
}

void OD_calcul_Qv_avec_deltap(Page& p) {
    auto& h = held(p).Qv_avec_deltap;
    h.Qm = read_double(p, Qm_in);
    h.rho = read_double(p, rho_in);
    if (h.rho != 0 && h.Qm != 0) show(p, {"Text_resultat_Qv"}, h.Qv, volume_flow(h.Qm, h.rho));
}

// --- "Diamétre de l'orifice" ---

void OD_calcul_Re_11(Page& p) {
    auto& h = held(p).Re_11;
    h.Qm = read(p, Qm_in);
    h.D = read(p, D_in);
    h.nu = read(p, nu_in);
    h.rho = read(p, rho_in);
    if (h.Qm != 0 && h.D != 0 && h.nu != 0 && h.rho != 0)
        show(p, {"Text_Re_11", "Text_Re_bis"}, h.Re, reynolds_from_kg_per_h(h.Qm, h.D, h.nu, h.rho));
}

void OD_calcul_c_1(Page& p) {
    auto& h = held(p).c_1;
    h.L1 = read(p, L1_in);
    h.L2 = read(p, L2_in);
    h.Re = read(p, "Text_Re_11");
    h.D = read(p, D_in);
    h.d = read(p, d_in);
    if (h.D != 0 && h.d != 0 && h.Re != 0)
        show(p, {"Text_int_1"}, h.C, discharge_coefficient(double(h.d) / h.D, h.L1, h.L2, h.Re));
}

void OD_calcul_d_1(Page& p) {
    auto& h = held(p).d_1;
    h.Qm = read(p, Qm_in);
    h.eps = read(p, eps_in);
    h.D = read(p, D_in);
    h.dp = read(p, dp_in);
    h.rho = read(p, rho_in);
    // The first estimate solves the flow equation with C = 0.6, velocity of approach factor and ε
    // included, so that the coefficient is then evaluated near the bore sought.
    if (h.Qm != 0 && h.rho != 0 && h.dp != 0 && h.eps != 0 && h.D != 0)
        show(p, {"Text_d_1"}, h.d1, first_bore(h.Qm, h.eps, h.D, h.dp, h.rho));
}

void OD_Calcul_c11_pour_calcul_d(Page& p) {
    auto& h = held(p).c11;
    h.L1 = read(p, L1_in);
    h.L2 = read(p, L2_in);
    h.Re = read(p, "Text_Re_11");
    h.D = read(p, D_in);
    h.d1 = read(p, "Text_d_1");
    if (h.D != 0 && h.d1 != 0 && h.Re != 0)
        show(p, {"Text_c_1"}, h.C, discharge_coefficient(double(h.d1) / h.D, h.L1, h.L2, h.Re));
}

void OD_calcul_d_2(Page& p) {
    auto& h = held(p).d_2;
    h.C = read(p, "Text_c_1");
    h.Qm = read(p, Qm_in);
    h.eps = read(p, eps_in);
    h.D = read(p, D_in);
    h.dp = read(p, dp_in);
    h.rho = read(p, rho_in);
    h.L1 = read(p, L1_in);
    h.L2 = read(p, L2_in);
    h.Re = read(p, "Text_Re_11");
    // The bore must agree with the mass-flow calculation: the coefficient and the bore are iterated
    // together until the diameter ratio settles, so that the plate passes the flow asked for at this
    // ΔP by the page's own flow equation. A ratio that does not settle shows nothing.
    if (h.C != 0 && h.rho != 0 && h.dp != 0 && h.eps != 0 && h.D != 0)
        show(p, {"Text_d_2", "Text_diametre_od"}, h.d2,
             refined_bore(h.C, h.Qm, h.eps, h.D, h.dp, h.rho, h.L1, h.L2, h.Re));
}

void OD_calcul_pertes_de_charges_avec_calcul_d(Page& p) {
    pressure_loss_from(p, held(p).pertes_avec_calcul_d, dp_in, "Text_diametre_od");
}

// --- Expansion factor ---

void OD_calcul_coef_de_détente(Page& p) {
    auto& h = held(p).coef_de_détente;
    h.dp = read(p, "Text__deltap_pour_E");
    h.kappa = read(p, "Text_K");
    h.P = read(p, "Text_pression_amont");
    h.d = read(p, "Text_diam_plaque");
    h.D = read(p, "Text__diam_cana");
    if (h.D != 0 && h.D > h.d && h.d != 0 && h.kappa != 0 && h.P != 0)
        show_with_pattern(p, "Text_E", h.eps, expansion_factor(h.dp, h.kappa, h.P, h.d, h.D), "0.000000");
}

// --- Taps ---

void OD_calcul_longueur_amont(Page& p) {
    auto& h = held(p).longueur_amont;
    h.D = read(p, D_in);
    show(p, {"Text_L2"}, h.L2, downstream_tap_distance(h.D));
}

void write_tap_terms(Page& p, Taps taps) {
    // The taps change the coefficient: their terms L1 and L2' enter the Stolz equation through
    // Text_dpc_L1 and Text_dpc_L2 (flange taps from the pipe diameter as typed).
    const TapTerms terms = tap_terms(taps, read(p, D_in));
    for (auto [field, term] : {std::pair{L1_in, terms.L1}, std::pair{L2_in, terms.L2}}) {
        float kept = 0;
        if (procedure::keep_or_empty(p, field, kept, term)) procedure::show_text_step(p, field, kept);
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
