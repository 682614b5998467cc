#include "density/density_procedures.h"

#include "density/density_formulas.h"
#include "ui/application.h"
#include "ui/procedure.h"

namespace cf::density {

namespace {

using procedure::keep_or_empty;
using procedure::read;
using procedure::show;

constexpr const char* gas_pattern = "0.00";
constexpr const char* steam_pattern = "0.000";

DensityHeld& held(Page& rho) { return rho.app().held<DensityHeld>(); }

}  // namespace

void RHOc_avec_RHOn(Page& rho) {
    auto& h = held(rho).RHOc_avec_RHOn;
    h.Pc = read(rho, "txt_Pc_pour_RHOc21");
    h.Tc = read(rho, "txt_Tc_pour_RHOc21");
    h.Tn = read(rho, "txt_Tn_pour_RHOc");
    h.Pn = read(rho, "txt_Pn_pour_RHOc");
    h.RHOn = read(rho, "txt_RHOn_pour_RHOc");
    h.Zc = read(rho, "Text_zc_pour_calcul_rhoc_avec_rhon");
    h.Zn = read(rho, "Text_zn_pour_calcul_rhoc_avec_rhon");
    const char* result = "txt_résultat_RHOc_avec_RHOn";
    if (h.Pn != 0 && !keep_or_empty(rho, result, h.RHOc, gas_density(h.RHOn, h.Pn, h.Tn, h.Zn, h.Pc, h.Tc, h.Zc)))
        return;
    show(rho, result, h.RHOc, gas_pattern);  // the new result, or the held one when Pn is 0
}

void RHOc_avec_RHOs(Page& rho) {
    auto& h = held(rho).RHOc_avec_RHOs;
    h.Pc = read(rho, "txt_Pc_pour_RHOc22");
    h.Tc = read(rho, "txt_Tc_pour_RHOc22");
    h.Ts = read(rho, "txt_Ts_pour_RHOc");
    h.Ps = read(rho, "txt_Ps_pour_RHOc");
    h.RHOs = read(rho, "txt_RHOs_pour_RHOc");
    h.Zc = read(rho, "Text_zc_pour_calcul_rhoc");
    h.Zs = read(rho, "Text_zs_pour_calcul_rhoc");
    const char* result = "txt_résultat_RHOc_avec_RHOs";
    if (h.Ps != 0 && !keep_or_empty(rho, result, h.RHOc, gas_density(h.RHOs, h.Ps, h.Ts, h.Zs, h.Pc, h.Tc, h.Zc)))
        return;
    show(rho, result, h.RHOc, gas_pattern);  // the new result, or the held one when Ps is 0
}

void RHOn_avec_RHOc(Page& rho) {
    auto& h = held(rho).RHOn_avec_RHOc;
    h.Pc = read(rho, "txt_Pc_pour_RHOn");
    h.Tc = read(rho, "txt_Tc_pour_RHOn");
    h.Tn = read(rho, "txt_Tn_pour_RHOn21");
    h.Pn = read(rho, "txt_Pn_pour_RHOn21");
    h.RHOc = read(rho, "txt_RHOc_pour_RHOn");
    h.Zn = read(rho, "Text_zn_pour_calcul_rhon_avec_rhoc");
    h.Zc = read(rho, "Text_zc_pour_calcul_rhon_avec_rhoc");
    const char* result = "txt_résultat_RHOn_avec_RHOc";
    if (h.Pc != 0 && !keep_or_empty(rho, result, h.RHOn, gas_density(h.RHOc, h.Pc, h.Tc, h.Zc, h.Pn, h.Tn, h.Zn)))
        return;
    show(rho, result, h.RHOn, gas_pattern);  // the new result, or the held one when Pc is 0
}

void RHOn_avec_RHOs(Page& rho) {
    auto& h = held(rho).RHOn_avec_RHOs;
    h.Ps = read(rho, "txt_Ps_pour_RHOn");
    h.Ts = read(rho, "txt_Ts_pour_RHOn");
    h.Tn = read(rho, "txt_Tn_pour_RHOn22");
    h.Pn = read(rho, "txt_Pn_pour_RHOn22");
    h.RHOs = read(rho, "txt_RHOs_pour_RHOn");
    h.Zn = read(rho, "Text_Zn_pour_calcul_rhon_avec_rhos");
    h.Zs = read(rho, "Text_Zs_pour_calcul_rhon_avec_rhos");
    const char* result = "txt_résultat_RHOn_avec_RHOs";
    if (h.Ps != 0 && !keep_or_empty(rho, result, h.RHOn, gas_density(h.RHOs, h.Ps, h.Ts, h.Zs, h.Pn, h.Tn, h.Zn)))
        return;
    show(rho, result, h.RHOn, gas_pattern);  // the new result, or the held one when Ps is 0
}

void RHOs_avec_RHOc(Page& rho) {
    auto& h = held(rho).RHOs_avec_RHOc;
    h.Ps = read(rho, "txt_Ps_pour_RHOs22");
    h.Ts = read(rho, "txt_Ts_pour_RHOs22");
    h.Tc = read(rho, "txt_Tc_pour_RHOs");
    h.Pc = read(rho, "txt_Pc_pour_RHOs");
    h.RHOc = read(rho, "txt_RHOc_pour_RHOs");
    h.Zs = read(rho, "Text_zs_pour_calcul_rhos_avec_rhoc");
    h.Zc = read(rho, "Text_zc_pour_calcul_rhos_avec_rhoc");
    const char* result = "txt_résultat_RHOs_avec_RHOc";
    if (h.Pc != 0 && !keep_or_empty(rho, result, h.RHOs, gas_density(h.RHOc, h.Pc, h.Tc, h.Zc, h.Ps, h.Ts, h.Zs)))
        return;
    show(rho, result, h.RHOs, gas_pattern);  // the new result, or the held one when Pc is 0
}

void RHOs_avec_RHOn(Page& rho) {
    auto& h = held(rho).RHOs_avec_RHOn;
    h.Ps = read(rho, "txt_Ps_pour_RHOs21");
    h.Ts = read(rho, "txt_Ts_pour_RHOs21");
    h.Tn = read(rho, "txt_Tn_pour_RHOs");
    h.Pn = read(rho, "txt_Pn_pour_RHOs");
    h.RHOn = read(rho, "txt_RHOn_pour_RHOs");
    h.Zn = read(rho, "Text_zn_pour_calcul_rhos_avec_rhon");
    h.Zs = read(rho, "Text_zs_pour_calcul_rhos_avec_rhon");
    const char* result = "txt_résultat_RHOs_avec_RHOn";
    if (h.Pn != 0 && !keep_or_empty(rho, result, h.RHOs, gas_density(h.RHOn, h.Pn, h.Tn, h.Zn, h.Ps, h.Ts, h.Zs)))
        return;
    show(rho, result, h.RHOs, gas_pattern);  // the new result, or the held one when Pn is 0
}

void RHOsur(Page& rho) {
    auto& h = held(rho).RHOsur;
    h.RHOsat = read(rho, "txt_RHOs_pour_calcul_vapeur_surchaufée");
    h.Tsat = read(rho, "txt_Tsat");
    h.Tsur = read(rho, "txt_Tsur");
    // No negative density: far below the saturation temperature the superheat factor falls to 0 or
    // below; the estimate is then not computed and the held result is shown again.
    const bool computed = superheat_factor(h.Tsat, h.Tsur) > 0;
    if (computed && !keep_or_empty(rho, "txt_RHO", h.RHO, superheated_steam_density(h.RHOsat, h.Tsat, h.Tsur))) return;
    show(rho, "txt_RHO", h.RHO, steam_pattern);
}

void RHOsur_exact(Page& rho) {
    auto& h = held(rho).RHOsur_exact;
    h.Z = read(rho, "txt_Z");
    h.P = read(rho, "txt_P");
    h.Tsur = read(rho, "txt_Tsur");
    // The pressure in kPa and the temperature in kelvin, the units of M and R: the guard is on the
    // absolute temperature, since 0 °C is a real temperature of the steam.
    const bool computed = h.Z != 0 && h.Tsur + kelvin_offset > 0;
    if (computed && !keep_or_empty(rho, "txt_RHO_exact", h.RHO, superheated_steam_density_from_z(h.Z, h.P, h.Tsur)))
        return;
    show(rho, "txt_RHO_exact", h.RHO, steam_pattern);
}

}  // namespace cf::density
