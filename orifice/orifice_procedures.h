#pragma once
// The formula procedures of the orifice plate page feuille_calcul_od, and the chains they form.
//
// Each procedure reads its input fields through parse_field_value, in the order listed, into
// variables of its own (single precision, or double where it says so), tests its guard and, only when
// every condition holds, computes, keeps its held result and writes its field(s) through the text step:
// 7 significant digits for a result held in single precision, 15 for one held in double precision. The
// pressure losses and the expansion factor are written with the pattern "0.000000" instead. When the
// guard fails nothing is written. A result that is not a finite number is never shown: its field(s)
// are emptied and the held result keeps its value; an emptied field reads as 0, so the chain stops at
// the next guard.
//
// A procedure never calls the next one: it writes a working field of the hidden frame Frame_dpc, and
// that field's Change handler (link_chains) runs the next procedure, which reads its inputs back from
// the fields. So the value that flows on is always the displayed text of the previous step.
//
// Fields read: D Text_diamétre_intérieur_canalisation, ρ Text_masse_volumique_condition_de_service,
// Qm Text_débit_massique, ΔP Text_delta_p, d Text_diamétre_plaque_à_orifice, ε Text_coefficient_de_détente,
// ν Text_Nu, and the tap terms L1 Text_dpc_L1, L2 Text_dpc_L2.

#include "orifice/orifice_formulas.h"
#include "ui/page.h"
#include "ui/procedure.h"

namespace cf::orifice {

// The input fields of the calculation frame.
constexpr const char* D_in = "Text_diamétre_intérieur_canalisation";
constexpr const char* rho_in = "Text_masse_volumique_condition_de_service";
constexpr const char* Qm_in = "Text_débit_massique";
constexpr const char* dp_in = "Text_delta_p";
constexpr const char* d_in = "Text_diamétre_plaque_à_orifice";
constexpr const char* eps_in = "Text_coefficient_de_détente";
constexpr const char* nu_in = "Text_Nu";

// How the page's procedures write: through the text step, or with a pattern ("0.000000" for the
// pressure losses and the expansion factor; "0.0000", "0.000", "0.00" for C and β, the uncertainty of
// ε and that of C). A failed guard writes nothing: the fields keep what they showed.
inline constexpr procedure::Style text_step{{}, procedure::WhenStopped::write_nothing};
inline constexpr procedure::Style six_decimals{"0.000000", procedure::WhenStopped::write_nothing};
inline constexpr procedure::Style four_decimals{"0.0000", procedure::WhenStopped::write_nothing};
inline constexpr procedure::Style three_decimals{"0.000", procedure::WhenStopped::write_nothing};
inline constexpr procedure::Style two_decimals{"0.00", procedure::WhenStopped::write_nothing};

// What each procedure last read, and its held result: 0 at the start of a run, kept for the whole run
// (an unloaded page leaves them as they are). Procedures that compute the same quantity share a shape.
struct OrificeHeld {
    struct Reynolds { float Qm = 0, D = 0, nu = 0, rho = 0, Re = 0; };                 // Re of a mass flow
    template <class V> struct Corrected { V Re = 0, C1 = 0, D = 0, d = 0, C = 0; };    // C1 + b(β, Re)
    template <class V> struct Flow { V K = 0, C = 0, Qm = 0; };                         // Qm = C × K
    struct Coefficient { float L1 = 0, L2 = 0, Re = 0, D = 0, d = 0, C = 0; };          // C(β, L1, L2, Re)
    struct VolumeFlow { double Qm = 0, rho = 0, Qv = 0; };
    struct Loss { double dp = 0, D = 0, d = 0, loss = 0; };

    struct { float eps = 0, D = 0, d = 0, L1 = 0, L2 = 0, C1 = 0; } C1;
    struct { float eps = 0, D = 0, d = 0, dp = 0, rho = 0, K = 0; } constante;
    Flow<double> Qm1;
    Reynolds Re1;
    Corrected<float> C2;
    Flow<float> Qm2;
    Reynolds Re2;
    Corrected<double> C3;
    Flow<float> Qm3;
    Reynolds Re3;
    Corrected<double> C4;
    Flow<float> Qm;
    VolumeFlow Qv;
    struct { double Qv = 0, Qv_per_hour = 0; } qv_m3_h;
    Reynolds re_pour_deltap;
    Coefficient int_1;
    struct { float eps = 0, Qm = 0, D = 0, d = 0, C = 0, rho = 0, dp = 0; } DeltaP;
    Loss pertes_de_charges, pertes_avec_delta_P, pertes_avec_calcul_d;
    VolumeFlow Qv_avec_deltap;
    struct { float Qm = 0, eps = 0, D = 0, dp = 0, rho = 0, d1 = 0; } d_1;
    Coefficient c_1;
    Reynolds Re_11;
    Coefficient c11;  // at the first estimate of the bore, d = d1
    struct { float C = 0, Qm = 0, eps = 0, D = 0, dp = 0, rho = 0, L1 = 0, L2 = 0, Re = 0, d2 = 0; } d_2;
    struct { float dp = 0, kappa = 0, P = 0, d = 0, D = 0, eps = 0; } coef_de_détente;
    struct { float D = 0, L2 = 0; } longueur_amont;
};

// --- "Qm": the mass flow through a given plate at a given differential pressure ---
// C1 = C∞: ε, D, d, L1, L2 -> Text_dpc_C1. Guard D ≠ 0, d ≠ 0, D > d, ε ≠ 0.
void OD_calcul_C1(Page& p);
// K: ε, D, d, ΔP, ρ -> Text_constante. Guard D ≠ 0, D > d, d ≠ 0, ε ≠ 0, ΔP ≠ 0, ρ ≠ 0.
void OD_calcul_constante(Page& p);
// Qm1 = C1 × K [kg/s], double: K Text_constante, C1 Text_dpc_C1 -> Text_qm1. Guard C1 ≠ 0, K ≠ 0.
void OD_calcul_Qm1(Page& p);
// Re1: Qm1 Text_qm1, D, ν, ρ -> Text_Re1. Guard D ≠ 0, ν ≠ 0, ρ ≠ 0, Qm1 ≠ 0.
void OD_Calcul_Re1(Page& p);
// C2 = C1 + b(β, Re1): Re1 Text_Re1, C1 Text_dpc_C1, D, d -> Text_dpc_C2. Guard D ≠ 0, Re1 ≠ 0, C1 ≠ 0, d ≠ 0.
void OD_calcul_C2(Page& p);
// Qm2 = C2 × K: K, C2 Text_dpc_C2 -> Text_qm2. Guard C2 ≠ 0, K ≠ 0.
void OD_calcul_Qm2(Page& p);
// Re2: Qm2 Text_qm2, D, ν, ρ -> Text_Re2. Guard D ≠ 0, ν ≠ 0, ρ ≠ 0.
void OD_Calcul_Re2(Page& p);
// C3 = C1 + b(β, Re2), double: Re2 Text_Re2, C1, D, d -> Text_dpc_C3. Guard D ≠ 0, D ≠ d, d ≠ 0, Re2 ≠ 0.
void OD_calcul_C3(Page& p);
// Qm3 = C3 × K: K, C3 Text_dpc_C3 -> Text_qm3. Guard C3 ≠ 0, K ≠ 0.
void OD_calcul_Qm3(Page& p);
// Re3: Qm3 Text_qm3, D, ν, ρ -> Text_Re3, then Text_Re_bis. Guard D ≠ 0, ν ≠ 0, ρ ≠ 0.
void OD_Calcul_Re3(Page& p);
// C4 = C1 + b(β, Re3), double: Re3 Text_Re3, C1, D, d -> Text1. Guard D ≠ 0, D > d, d ≠ 0, Re3 ≠ 0.
void OD_calcul_C4(Page& p);
// Qm = C4 × K × 3600 [kg/h]: K, C4 Text1 -> Text_qm, then Text_qm_bis. Guard C4 ≠ 0, K ≠ 0.
void OD_calcul_Qm(Page& p);
// Qv [m³/s], double: Qm Text_qm, ρ -> Text_resultat_Qv. Guard ρ ≠ 0.
void OD_calcul_Qv(Page& p);
// Qv [m³/h], double: Qv Text_resultat_Qv -> Text_qv_m3_h. Guard Qv ≠ 0.
void OD_qv_m3_h(Page& p);
// Pressure loss with the entered ΔP and d, double -> Text_pertes_de_charges. Guard D ≠ 0, d ≠ 0, ΔP ≠ 0.
void OD_calcul_pertes_de_charges(Page& p);

// --- "Delta P": the differential pressure a given mass flow produces across a given plate ---
// Re of the entered flow: Qm, D, ν, ρ -> Text_Re_1, then Text_Re_bis. Guard D ≠ 0, ν ≠ 0, ρ ≠ 0, Qm ≠ 0.
void OD_calcul_re_pour_deltap(Page& p);
// Full C: L1, L2, Re Text_Re_1, D, d -> Text_int_1. Guard D ≠ 0, d ≠ 0, Re ≠ 0.
void OD_calcul_int_1(Page& p);
// ΔP: ε, Qm, D, d, C Text_int_1, ρ -> Text_DeltaP_1, then Text_DeltaPx.
// Guard ε ≠ 0, D > d, D ≠ 0, d ≠ 0, ρ ≠ 0, C ≠ 0.
void OD_Calcul_DeltaP(Page& p);
// Pressure loss with the computed ΔP Text_DeltaPx and the entered d, double -> Text_pertes_de_charges.
// Guard D ≠ 0, d ≠ 0, ΔP ≠ 0.
void OD_calcul_pertes_de_charges_avec_delta_P(Page& p);
// Qv [m³/s] of the entered flow, double: Qm, ρ -> Text_resultat_Qv. Guard ρ ≠ 0, Qm ≠ 0.
void OD_calcul_Qv_avec_deltap(Page& p);

// --- "Diamétre de l'orifice": the bore that passes a given mass flow at a given ΔP ---
// Re of the entered flow: Qm, D, ν, ρ -> Text_Re_11, then Text_Re_bis. Guard Qm ≠ 0, D ≠ 0, ν ≠ 0, ρ ≠ 0.
void OD_calcul_Re_11(Page& p);
// Full C with the entered bore: L1, L2, Re Text_Re_11, D, d -> Text_int_1. Guard D ≠ 0, d ≠ 0, Re ≠ 0.
void OD_calcul_c_1(Page& p);
// First estimate d1 of the bore: Qm, ε, D, ΔP, ρ -> Text_d_1. Guard Qm ≠ 0, ρ ≠ 0, ΔP ≠ 0, ε ≠ 0, D ≠ 0.
void OD_calcul_d_1(Page& p);
// Full C at β = d1 / D: L1, L2, Re Text_Re_11, D, d1 Text_d_1 -> Text_c_1. Guard D ≠ 0, d1 ≠ 0, Re ≠ 0.
void OD_Calcul_c11_pour_calcul_d(Page& p);
// Refined bore d2, from that coefficient: C Text_c_1, Qm, ε, D, ΔP, ρ, and L1, L2, Re Text_Re_11
// -> Text_d_2, then Text_diametre_od. Guard C ≠ 0, ρ ≠ 0, ΔP ≠ 0, ε ≠ 0, D ≠ 0.
void OD_calcul_d_2(Page& p);
// Pressure loss with the entered ΔP and the computed bore Text_diametre_od, double -> Text_pertes_de_charges.
// Guard D ≠ 0, ΔP ≠ 0, d ≠ 0.
void OD_calcul_pertes_de_charges_avec_calcul_d(Page& p);

// --- Expansion factor frame Frame_calcul_E ---
// ε: ΔP Text__deltap_pour_E, κ Text_K, P Text_pression_amont, d Text_diam_plaque, D Text__diam_cana
// -> Text_E, pattern "0.000000". Guard D ≠ 0, D > d, d ≠ 0, κ ≠ 0, P ≠ 0.
void OD_calcul_coef_de_détente(Page& p);

// --- Taps ---
// Downstream tap distance of D and D/2 taps: D -> Text_L2 (D / 2). No guard.
void OD_calcul_longueur_amont(Page& p);
// The tap terms of the chosen taps written into Text_dpc_L1 and Text_dpc_L2 (flange taps from D).
void write_tap_terms(Page& p, Taps taps);

// The Change links of the working and result fields: each runs the next procedure of its chain.
void link_chains(Page& p);

}  // namespace cf::orifice
