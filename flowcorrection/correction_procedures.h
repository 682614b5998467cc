#pragma once
// The formula procedures of the two gas flow correction pages, one per module and named after it.
// Each reads its input fields through parse_field_value, in the order listed, into single-precision
// variables of its own, tests its guard, computes, keeps its result as its held result, and writes its
// result field with the pattern "0.00".
//
// The result field is written whether or not the guard passed: a failed guard shows the held result
// again (0.00 before the first computation). A result that is not a finite number (a root of a negative
// number, a temperature of -273.15 °C, an overflow once rounded to single precision) is never shown: the
// field is emptied and the held result keeps its value.
//
// Fields named txt_Kc… hold a Kc only for Qvc2 and Qvc7 (txt_Kc1, txt_Kc3); txt_Kc2, txt_Kc4 … txt_Kc7
// hold a Qvc, and txt_Kc10 … txt_Kc14 show the Kc results.

#include "ui/page.h"

namespace cf::flow_correction {

// What a correction procedure last read, by quantity, and the quantity it computed: 0 at the start of a
// run. (Fields named txt_Kc… that hold a Qvc are read into Qvc.)
struct Reading {
    float Qvc = 0, Qvs = 0, Qvn = 0, Qm = 0, Kc = 0, DeltaP = 0;
    float Pc = 0, Tc = 0, Zc = 0, RHOc = 0;  // calculation conditions
    float Ps = 0, Ts = 0, Zs = 0, RHOs = 0;  // service conditions
    float Pn = 0, Tn = 0, Zn = 0;            // normal conditions
};

// The held results of the correction procedures, one reading per procedure, named after it: kept for
// the whole run (an unloaded page leaves them as they are).
struct CorrectionHeld {
    Reading Kc10, Kc11, kc12, Kc13, Kc14, Qvc2, Qvc7, Qvs0, Qvs3, Qvs4, Qvn2, Qvn6, Qvn3, Qvn7, Qm2, Qm5, Qm6, Qm3, Qm7;
};

// --- On feuille_Organe_déprimogéne (Qvc and Qvs) ---

// Qvc = Kc × √ΔP: Kc txt_Kc1, ΔP txt_DeltaP1 -> Text_résultat_qvc. No guard.
void Qvc2(Page& page);
// Qvc from Kc and ΔP at differing service conditions: Kc txt_Kc3, ΔP txt_deltaP4, Pc txt_Pc3, Tc txt_Tc3,
// Ps txt_Ps1, Ts txt_Ts1, Zs, Zc (Text_z…_pour_calcul_qvc_avec_kc_et_deltap) -> txt_Qvc7. Guard: Pc = 0.
void Qvc7(Page& page);
// Qvs = Qvc at equal conditions: Qvc txt_Qvc3 -> txt_Qvs0. No guard.
void Qvs0(Page& page);
// Qvs from Qvc: Qvc txt_Qvc8, Pc txt_Pc4, Tc txt_Tc4, Ps txt_Ps2, Ts Txt_Ts2, Zc, Zs
// (Text_z…_pour_calcul_qvs_avec_qvc) -> txt_Qvs3. Guard: Ps = 0.
void Qvs3(Page& page);
// Qvs from Qvc and ΔP: Qvc txt_Kc4, ΔP txt_DeltaP5, Pc txt_Pc5, Tc txt_Tc5, Ps txt_Ps3, Ts Txt_Ts3, Zs, Zc
// (Text_Z…_pour_calcul_qvs_avec_qvc_et_deltap) -> txt_Qvs4. Guard: ΔP = 0 or Ps = 0.
void Qvs4(Page& page);
// Kc = Qvc ÷ √ΔP: Qvc txt_Kc4, ΔP txt_DeltaP5 -> txt_Kc13. Guard: ΔP = 0.
void Kc13(Page& page);

// --- On feuille_organe_déprimogéne_2 (Qvn and Qm) ---

// Qvn from Qvc: Pc txt_Pc1, Tc txt_Tc1, Tn txt_tn1, Pn txt_Pn1, Qvc txt_Qvc4, Zc, Zn
// (Text_z…_pour_calcul_qvn_avec_qvc) -> txt_Qvn2. Guard: Pn = 0.
void Qvn2(Page& page);
// Qvn from Qvc at differing conditions: Qvc txt_Qvc9, Pc txt_Pc7, Tc txt_Tc7, Pn txt_Pn3, Tn txt_Tn3, Zc, Zn
// (Text_z…_pour_calcul_qvn_avec_qvc_bis) -> Txt_Qvn6. Guard: Pn = 0.
void Qvn6(Page& page);
// Qvn from Qvc and ΔP: Pc txt_Pc2, Tc txt_Tc2, Tn txt_Tn2, Pn txt_Pn2, ΔP txt_DeltaP2, Qvc txt_Kc2, Zc, Zn
// (Text_z…_pour_calcul_qvn_avec_qvc_et_deltap) -> txt_Qvn3. Guard: ΔP = 0 or Pn = 0.
void Qvn3(Page& page);
// Kc = Qvc ÷ √ΔP: Qvc txt_Kc2, ΔP txt_DeltaP2 -> txt_Kc11. Guard: ΔP = 0.
void Kc11(Page& page);
// Qvn from Qvc and ΔP at differing service conditions: Pc txt_Pc8, Tc txt_Tc8, ΔP txt_DeltaP6, Qvc txt_Kc5,
// Pn txt_Pn5, Tn txt_Tn5, Ps txt_Ps4, Ts txt_Ts4, Zs, Zc, Zn (Text_z…_pour_calcul_qvn_avec_qvc_et_deltap_bis)
// -> txt_Qvn7. Guard: ΔP = 0 or Pn = 0.
void Qvn7(Page& page);
// Kc = Qvc ÷ √ΔP: Qvc txt_Kc5, ΔP txt_DeltaP6 -> txt_Kc10. Guard: ΔP = 0.
void Kc10(Page& page);
// Qm = RHOc × Qvc: Qvc txt_Qvc11, RHOc txt_RoC1 -> txt_Qm2. No guard.
void Qm2(Page& page);
// Qm = RHOc × Qvc: Qvc txt_Qvc10, RHOc txt_RoC10 -> txt_Qm5. No guard.
void Qm5(Page& page);
// Qm = RHOs × Qvs: Qvs txt_Qvs9, RHOs txt_RoS9 -> txt_Qm6. No guard.
void Qm6(Page& page);
// Qm from Qvc and ΔP: Qvc txt_Kc7, RHOc txt_RoC2, ΔP txt_DeltaP3 -> txt_Qm3. Guard: ΔP = 0 or RHOc = 0.
void Qm3(Page& page);
// Kc = Qvc ÷ √ΔP: Qvc txt_Kc7, ΔP txt_DeltaP3 -> txt_kc12. Guard: ΔP = 0.
void kc12(Page& page);
// Qm from Qvc and ΔP at differing service conditions: Qvc txt_Kc6, ΔP txt_DeltaP7, RHOc txt_RoC11,
// Ps txt_Ps5, Ts txt_Ts5, Pc txt_Pc9, Tc txt_Tc9, Zs, Zc (Text_z…_pour_calcul_qm_avec_deltap_et_qvc)
// -> txt_Qm7. Guard: ΔP = 0 or Pc = 0.
void Qm7(Page& page);
// Kc = Qvc ÷ √ΔP: Qvc txt_Kc6, ΔP txt_DeltaP7 -> txt_Kc14. Guard: ΔP = 0.
void Kc14(Page& page);

}  // namespace cf::flow_correction
