#pragma once
// The procedures of the orifice plate page under ISO 5167-2:2003 ("Option_norme_2003"). Each reads its
// fields like the 1991 procedures (single precision, through parse_field_value), tests its guard and,
// only when it passes, solves, keeps its held results and writes its fields; a failed guard writes
// nothing. The solvers iterate inside the procedure in double precision, not through fields; a solution
// that does not settle is not a finite number and empties its fields (the display rule).
//
// What they write. The Reynolds number and the coefficient of the last pass go to Text_Re_bis and
// Text_coefficient_C, then the unknown to the field that ends the 1991 chain of the same mode and to
// the result shown: Text_qm and Text_qm_bis, Text_DeltaP_1 and Text_DeltaPx, Text_d_2 and
// Text_diametre_od, so that what follows from the result (the volume flow, the pressure loss) runs as
// under 1991. The other working fields of Frame_dpc are the steps of the 1991 chains: the 2003
// procedures neither read nor write them, and they keep what the 1991 chain last showed.

#include "ui/page.h"

namespace cf::orifice {

// What each 2003 procedure last read, and its held results: 0 at the start of a run.
struct Orifice2003Held {
    struct Solved {
        float D = 0, d = 0, eps = 0, dp = 0, Qm = 0, rho = 0, nu = 0, L1 = 0, L2 = 0;
        float value = 0, Re = 0;
        double C = 0;
    };
    Solved Qm_2003, DeltaP_2003, d_2003;
    struct { float dp = 0, kappa = 0, P = 0, d = 0, D = 0, eps = 0, u = 0; } coef_de_détente_2003;
};

// "Qm": ε, D, d, ΔP, ρ, ν, L1, L2 -> Text_Re_bis, Text_coefficient_C, Text_qm, Text_qm_bis.
// Guard D ≠ 0, d ≠ 0, D > d, ε ≠ 0, ΔP ≠ 0, ρ ≠ 0, ν ≠ 0.
void OD_calcul_Qm_2003(Page& p);
// "Delta P": ε, Qm, D, d, ρ, ν, L1, L2 -> Text_Re_bis, Text_coefficient_C, Text_DeltaP_1, Text_DeltaPx.
// Guard ε ≠ 0, D > d, D ≠ 0, d ≠ 0, ρ ≠ 0, Qm ≠ 0, ν ≠ 0.
void OD_Calcul_DeltaP_2003(Page& p);
// The bore: Qm, ε, D, ΔP, ρ, ν, L1, L2 -> Text_Re_bis, Text_coefficient_C, Text_d_2, Text_diametre_od.
// Guard Qm ≠ 0, ρ ≠ 0, ΔP ≠ 0, ε ≠ 0, D ≠ 0, ν ≠ 0.
void OD_calcul_d_2003(Page& p);

// The expansion factor calculator Frame_calcul_E: ΔP, κ, P, d, D -> Text_E ("0.000000"), then its
// relative uncertainty in % -> Text_incertitude_E ("0.000"). Guard D ≠ 0, D > d, d ≠ 0, κ ≠ 0, P ≠ 0.
void OD_calcul_coef_de_détente_2003(Page& p);

}  // namespace cf::orifice
