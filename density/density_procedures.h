#pragma once
// The formula procedures of the density page RHO. Each reads its input fields through
// parse_field_value into single-precision variables of its own, in the order listed, tests its guard,
// computes, keeps its result as its held result and writes its result field.
//
// Every procedure writes its result field each time it runs: when its guard stops the computation the
// field shows the held result of the last computation ("0.00" or "0.000" on a fresh start). A result
// that is not a finite number (a target compressibility factor of 0, a target temperature of
// −273.15 °C, an overflow) is never shown: the procedure empties its field and its held result keeps
// its value.

#include "ui/page.h"

namespace cf::density {

// What a gas conversion last read, by quantity, and the density it computed: 0 at the start of a run.
struct GasReading {
    float Pc = 0, Tc = 0, Zc = 0, RHOc = 0;  // calculation conditions
    float Ps = 0, Ts = 0, Zs = 0, RHOs = 0;  // service conditions
    float Pn = 0, Tn = 0, Zn = 0, RHOn = 0;  // normal conditions
};

// What each procedure last read, and its held result: 0 at the start of a run, kept for the whole run
// (an unloaded page leaves them as they are).
struct DensityHeld {
    GasReading RHOc_avec_RHOn, RHOc_avec_RHOs, RHOn_avec_RHOc, RHOn_avec_RHOs, RHOs_avec_RHOc, RHOs_avec_RHOn;
    struct { float RHOsat = 0, Tsat = 0, Tsur = 0, RHO = 0; } RHOsur;
    struct { float Z = 0, P = 0, Tsur = 0, RHO = 0; } RHOsur_exact;
};

// The six gas conversions, each shown with "0.00"; the guard is on the pressure of the known state.
// RHOc from RHOn: Pc txt_Pc_pour_RHOc21, Tc txt_Tc_pour_RHOc21, Tn txt_Tn_pour_RHOc, Pn txt_Pn_pour_RHOc,
// RHOn txt_RHOn_pour_RHOc, Zc, Zn Text_z?_pour_calcul_rhoc_avec_rhon -> txt_résultat_RHOc_avec_RHOn. Guard: Pn = 0.
void RHOc_avec_RHOn(Page& rho);
// RHOc from RHOs: Pc txt_Pc_pour_RHOc22, Tc txt_Tc_pour_RHOc22, Ts txt_Ts_pour_RHOc, Ps txt_Ps_pour_RHOc,
// RHOs txt_RHOs_pour_RHOc, Zc, Zs Text_z?_pour_calcul_rhoc -> txt_résultat_RHOc_avec_RHOs. Guard: Ps = 0.
void RHOc_avec_RHOs(Page& rho);
// RHOn from RHOc: Pc txt_Pc_pour_RHOn, Tc txt_Tc_pour_RHOn, Tn txt_Tn_pour_RHOn21, Pn txt_Pn_pour_RHOn21,
// RHOc txt_RHOc_pour_RHOn, Zn, Zc Text_z?_pour_calcul_rhon_avec_rhoc -> txt_résultat_RHOn_avec_RHOc. Guard: Pc = 0.
void RHOn_avec_RHOc(Page& rho);
// RHOn from RHOs: Ps txt_Ps_pour_RHOn, Ts txt_Ts_pour_RHOn, Tn txt_Tn_pour_RHOn22, Pn txt_Pn_pour_RHOn22,
// RHOs txt_RHOs_pour_RHOn, Zn, Zs Text_Z?_pour_calcul_rhon_avec_rhos -> txt_résultat_RHOn_avec_RHOs. Guard: Ps = 0.
void RHOn_avec_RHOs(Page& rho);
// RHOs from RHOc: Ps txt_Ps_pour_RHOs22, Ts txt_Ts_pour_RHOs22, Tc txt_Tc_pour_RHOs, Pc txt_Pc_pour_RHOs,
// RHOc txt_RHOc_pour_RHOs, Zs, Zc Text_z?_pour_calcul_rhos_avec_rhoc -> txt_résultat_RHOs_avec_RHOc. Guard: Pc = 0.
void RHOs_avec_RHOc(Page& rho);
// RHOs from RHOn: Ps txt_Ps_pour_RHOs21, Ts txt_Ts_pour_RHOs21, Tn txt_Tn_pour_RHOs, Pn txt_Pn_pour_RHOs,
// RHOn txt_RHOn_pour_RHOs, Zn, Zs Text_z?_pour_calcul_rhos_avec_rhon -> txt_résultat_RHOs_avec_RHOn. Guard: Pn = 0.
void RHOs_avec_RHOn(Page& rho);

// Approximate density of superheated steam: RHOsat txt_RHOs_pour_calcul_vapeur_surchaufée, Tsat txt_Tsat,
// Tsur txt_Tsur -> txt_RHO with "0.000". Computed only while the superheat factor is above 0.
void RHOsur(Page& rho);
// Density of superheated steam from Z and P: Z txt_Z, P txt_P, Tsur txt_Tsur -> txt_RHO_exact with
// "0.000". Guard: Z = 0, or Tsur at or below −273.15 °C.
void RHOsur_exact(Page& rho);

}  // namespace cf::density
