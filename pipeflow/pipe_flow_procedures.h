#pragma once
// The formula procedures of the pipe flow page DVS. Each reads its input fields through
// parse_field_value into single-precision variables of its own, tests its guard, computes, keeps its
// result as its held result and writes its result field with the pattern "0.00".
//
// A guarded procedure whose guard fails still writes its field, with its held result (and the
// Reynolds procedures still set the regime from their held Re). A result that is not a finite number
// (an overflow once rounded to single precision, a division by zero, a root of a negative number) is
// never shown: the procedure empties its field, and its held result keeps its value.

#include "ui/page.h"

namespace cf::pipe_flow {

// What each procedure last read, and its held result: 0 at the start of a run, kept for the whole run
// (an unloaded page leaves them as they are).
struct PipeFlowHeld {
    struct { float V = 0, D = 0, Qv = 0; } qv;
    struct { float Qv = 0, V = 0, S = 0; } section;
    struct { float S = 0, D = 0; } diameter;
    struct { float Qv = 0, D = 0, V = 0; } velocity;
    struct { float V = 0, D = 0, Nu = 0, Re = 0; } reynolds_nu;
    struct { float V = 0, D = 0, Mu = 0, RHO = 0, Re = 0; } reynolds_mu;
    struct { float Qv = 0, RHO = 0, L = 0, D = 0, Re = 0, DeltaP = 0; } laminar;
    struct { float Qv = 0, RHO = 0, L = 0, D = 0, Re = 0, K = 0, DeltaP = 0; } turbulent;
};

// Volume flow: V txt_vitesse31, D txt_diamètre31 -> Qv txt_débit31. No guard.
void Qv(Page& dvs);
// Section: Qv txt_débit32, V txt_vitesse32 -> S txt_section32. Guard: V = 0.
void Section(Page& dvs);
// Bore from the section shown: S txt_section32 (as displayed, rounded to 2 decimals) -> D txt_diamètre32.
// No guard.
void diamétre(Page& dvs);
// Velocity: Qv txt_débit33, D txt_Diamètre33 -> V txt_vitesse33. Guard: D = 0.
void vitesse(Page& dvs);
// Reynolds number: V txt_vitesse_calcul_reynolds, D txt_diamètre_reynolds, Nu txt_nu_reynolds
// -> Re txt_reynolds_calcul_reynolds, then the regime txt_régime_reynolds. Guard: Nu = 0.
void Reynolds_avec_nu(Page& dvs);
// Reynolds number: V, D as above, Mu txt_Mu, RHO txt_RHO51 -> Re and regime as above. Guard: Mu = 0.
void Reynolds_avec_Mu(Page& dvs);
// Laminar pressure loss: Qv, RHO, L, D, Re txt_..._calcul_pertes_de_charges
// -> ΔP txt_DeltaP_calcul_pertes_de_charges. Guard: D = 0 or Re = 0 or RHO = 0.
void DeltaP_laminaire(Page& dvs);
// Turbulent pressure loss: Qv, RHO, L, D, Re, K txt_..._calcul_pertes_de_charges2
// -> ΔP txt_DeltaP_calcul_pertes_de_charges2. Guard: D = 0 or Re = 0 or RHO = 0 (K may be 0).
void DeltaP_turbulent(Page& dvs);

}  // namespace cf::pipe_flow
