#include "orifice/orifice_procedures_2003.h"

#include "orifice/iso5167_2003.h"
#include "orifice/orifice_procedures.h"
#include "ui/procedure.h"

namespace cf::orifice {

namespace {

using procedure::compute;
using procedure::read_into;

Orifice2003Held& held(Page& p) { return procedure::held<Orifice2003Held>(p); }

// The tap terms and the viscosity, read after the procedure's own inputs.
void read_taps_and_viscosity(Page& p, Orifice2003Held::Solved& h) {
    read_into(p, {{h.nu, nu_in}, {h.L1, "Text_dpc_L1"}, {h.L2, "Text_dpc_L2"}});
}

// A solution written: the Reynolds number and the coefficient of its last pass, then the unknown into
// each of its fields in turn. A solution that did not settle empties them all.
template <class Solve>
void show_solution(Page& p, Orifice2003Held::Solved& h, bool guard_passes, Solve solve, Names value_fields) {
    if (!guard_passes) return;
    const iso2003::Solution s = solve();
    compute(p, text_step, {"Text_Re_bis"}, h.Re, true, [&] { return s.Re; });
    compute(p, four_decimals, {"Text_coefficient_C"}, h.C, true, [&] { return s.C; });
    compute(p, text_step, value_fields, h.value, true, [&] { return s.value; });
}

}  // namespace

void OD_calcul_Qm_2003(Page& p) {
    auto& h = held(p).Qm_2003;
    read_into(p, {{h.eps, eps_in}, {h.D, D_in}, {h.d, d_in}, {h.dp, dp_in}, {h.rho, rho_in}});
    read_taps_and_viscosity(p, h);
    show_solution(p, h, h.D != 0 && h.d != 0 && h.D > h.d && h.eps != 0 && h.dp != 0 && h.rho != 0 && h.nu != 0,
                  [&] { return iso2003::mass_flow(h.D, h.d, h.eps, h.dp, h.rho, h.nu, h.L1, h.L2); },
                  {"Text_qm", "Text_qm_bis"});
}

void OD_Calcul_DeltaP_2003(Page& p) {
    auto& h = held(p).DeltaP_2003;
    read_into(p, {{h.eps, eps_in}, {h.Qm, Qm_in}, {h.D, D_in}, {h.d, d_in}, {h.rho, rho_in}});
    read_taps_and_viscosity(p, h);
    show_solution(p, h, h.eps != 0 && h.D > h.d && h.D != 0 && h.d != 0 && h.rho != 0 && h.Qm != 0 && h.nu != 0,
                  [&] { return iso2003::differential_pressure(h.D, h.d, h.eps, h.Qm, h.rho, h.nu, h.L1, h.L2); },
                  {"Text_DeltaP_1", "Text_DeltaPx"});
}

void OD_calcul_d_2003(Page& p) {
    auto& h = held(p).d_2003;
    read_into(p, {{h.Qm, Qm_in}, {h.eps, eps_in}, {h.D, D_in}, {h.dp, dp_in}, {h.rho, rho_in}});
    read_taps_and_viscosity(p, h);
    show_solution(p, h, h.Qm != 0 && h.rho != 0 && h.dp != 0 && h.eps != 0 && h.D != 0 && h.nu != 0,
                  [&] { return iso2003::bore(h.D, h.eps, h.Qm, h.dp, h.rho, h.nu, h.L1, h.L2); },
                  {"Text_d_2", "Text_diametre_od"});
}

void OD_calcul_coef_de_détente_2003(Page& p) {
    auto& h = held(p).coef_de_détente_2003;
    read_into(p, {{h.dp, "Text__deltap_pour_E"}, {h.kappa, "Text_K"}, {h.P, "Text_pression_amont"},
                  {h.d, "Text_diam_plaque"}, {h.D, "Text__diam_cana"}});
    const bool guard_passes = h.D != 0 && h.D > h.d && h.d != 0 && h.kappa != 0 && h.P != 0;
    compute(p, six_decimals, {"Text_E"}, h.eps, guard_passes,
            [&] { return iso2003::expansion_factor(h.dp, h.kappa, h.P, h.d, h.D); });
    compute(p, three_decimals, {"Text_incertitude_E"}, h.u, guard_passes,
            [&] { return iso2003::expansion_factor_uncertainty(h.dp, h.kappa, h.P); });
}

}  // namespace cf::orifice
