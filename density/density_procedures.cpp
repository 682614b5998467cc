#include "density/density_procedures.h"

#include "density/density_formulas.h"
#include "ui/procedure.h"

namespace cf::density {

namespace {

using procedure::compute;
using procedure::read_into;
using procedure::WhenStopped;
using R = GasReading;
using GasConversion = procedure::TableProcedure<DensityHeld, GasReading>;

// A failed guard shows the held result again.
constexpr procedure::Style gas_style{"0.00", WhenStopped::show_held};
constexpr procedure::Style steam_style{"0.000", WhenStopped::show_held};

DensityHeld& held(Page& rho) { return procedure::held<DensityHeld>(rho); }

// The six gas conversions: the fields each reads in this order, the pressure of the known state that
// must not be 0, and the density it computes from the known state to the target state.
const GasConversion RHOc_from_RHOn = {
    &DensityHeld::RHOc_avec_RHOn,
    {{&R::Pc, "txt_Pc_pour_RHOc21"}, {&R::Tc, "txt_Tc_pour_RHOc21"}, {&R::Tn, "txt_Tn_pour_RHOc"},
     {&R::Pn, "txt_Pn_pour_RHOc"}, {&R::RHOn, "txt_RHOn_pour_RHOc"}, {&R::Zc, "Text_zc_pour_calcul_rhoc_avec_rhon"},
     {&R::Zn, "Text_zn_pour_calcul_rhoc_avec_rhon"}},
    {&R::Pn},
    {&R::RHOc, "txt_résultat_RHOc_avec_RHOn"},
    [](const R& h) { return gas_density(h.RHOn, h.Pn, h.Tn, h.Zn, h.Pc, h.Tc, h.Zc); },
};

const GasConversion RHOc_from_RHOs = {
    &DensityHeld::RHOc_avec_RHOs,
    {{&R::Pc, "txt_Pc_pour_RHOc22"}, {&R::Tc, "txt_Tc_pour_RHOc22"}, {&R::Ts, "txt_Ts_pour_RHOc"},
     {&R::Ps, "txt_Ps_pour_RHOc"}, {&R::RHOs, "txt_RHOs_pour_RHOc"}, {&R::Zc, "Text_zc_pour_calcul_rhoc"},
     {&R::Zs, "Text_zs_pour_calcul_rhoc"}},
    {&R::Ps},
    {&R::RHOc, "txt_résultat_RHOc_avec_RHOs"},
    [](const R& h) { return gas_density(h.RHOs, h.Ps, h.Ts, h.Zs, h.Pc, h.Tc, h.Zc); },
};

const GasConversion RHOn_from_RHOc = {
    &DensityHeld::RHOn_avec_RHOc,
    {{&R::Pc, "txt_Pc_pour_RHOn"}, {&R::Tc, "txt_Tc_pour_RHOn"}, {&R::Tn, "txt_Tn_pour_RHOn21"},
     {&R::Pn, "txt_Pn_pour_RHOn21"}, {&R::RHOc, "txt_RHOc_pour_RHOn"}, {&R::Zn, "Text_zn_pour_calcul_rhon_avec_rhoc"},
     {&R::Zc, "Text_zc_pour_calcul_rhon_avec_rhoc"}},
    {&R::Pc},
    {&R::RHOn, "txt_résultat_RHOn_avec_RHOc"},
    [](const R& h) { return gas_density(h.RHOc, h.Pc, h.Tc, h.Zc, h.Pn, h.Tn, h.Zn); },
};

const GasConversion RHOn_from_RHOs = {
    &DensityHeld::RHOn_avec_RHOs,
    {{&R::Ps, "txt_Ps_pour_RHOn"}, {&R::Ts, "txt_Ts_pour_RHOn"}, {&R::Tn, "txt_Tn_pour_RHOn22"},
     {&R::Pn, "txt_Pn_pour_RHOn22"}, {&R::RHOs, "txt_RHOs_pour_RHOn"}, {&R::Zn, "Text_Zn_pour_calcul_rhon_avec_rhos"},
     {&R::Zs, "Text_Zs_pour_calcul_rhon_avec_rhos"}},
    {&R::Ps},
    {&R::RHOn, "txt_résultat_RHOn_avec_RHOs"},
    [](const R& h) { return gas_density(h.RHOs, h.Ps, h.Ts, h.Zs, h.Pn, h.Tn, h.Zn); },
};

const GasConversion RHOs_from_RHOc = {
    &DensityHeld::RHOs_avec_RHOc,
    {{&R::Ps, "txt_Ps_pour_RHOs22"}, {&R::Ts, "txt_Ts_pour_RHOs22"}, {&R::Tc, "txt_Tc_pour_RHOs"},
     {&R::Pc, "txt_Pc_pour_RHOs"}, {&R::RHOc, "txt_RHOc_pour_RHOs"}, {&R::Zs, "Text_zs_pour_calcul_rhos_avec_rhoc"},
     {&R::Zc, "Text_zc_pour_calcul_rhos_avec_rhoc"}},
    {&R::Pc},
    {&R::RHOs, "txt_résultat_RHOs_avec_RHOc"},
    [](const R& h) { return gas_density(h.RHOc, h.Pc, h.Tc, h.Zc, h.Ps, h.Ts, h.Zs); },
};

const GasConversion RHOs_from_RHOn = {
    &DensityHeld::RHOs_avec_RHOn,
    {{&R::Ps, "txt_Ps_pour_RHOs21"}, {&R::Ts, "txt_Ts_pour_RHOs21"}, {&R::Tn, "txt_Tn_pour_RHOs"},
     {&R::Pn, "txt_Pn_pour_RHOs"}, {&R::RHOn, "txt_RHOn_pour_RHOs"}, {&R::Zn, "Text_zn_pour_calcul_rhos_avec_rhon"},
     {&R::Zs, "Text_zs_pour_calcul_rhos_avec_rhon"}},
    {&R::Pn},
    {&R::RHOs, "txt_résultat_RHOs_avec_RHOn"},
    [](const R& h) { return gas_density(h.RHOn, h.Pn, h.Tn, h.Zn, h.Ps, h.Ts, h.Zs); },
};

}  // namespace

void RHOc_avec_RHOn(Page& rho) { procedure::run(rho, gas_style, RHOc_from_RHOn); }
void RHOc_avec_RHOs(Page& rho) { procedure::run(rho, gas_style, RHOc_from_RHOs); }
void RHOn_avec_RHOc(Page& rho) { procedure::run(rho, gas_style, RHOn_from_RHOc); }
void RHOn_avec_RHOs(Page& rho) { procedure::run(rho, gas_style, RHOn_from_RHOs); }
void RHOs_avec_RHOc(Page& rho) { procedure::run(rho, gas_style, RHOs_from_RHOc); }
void RHOs_avec_RHOn(Page& rho) { procedure::run(rho, gas_style, RHOs_from_RHOn); }

void RHOsur(Page& rho) {
    auto& h = held(rho).RHOsur;
    read_into(rho, {{h.RHOsat, "txt_RHOs_pour_calcul_vapeur_surchaufée"}, {h.Tsat, "txt_Tsat"}, {h.Tsur, "txt_Tsur"}});
    // No negative density: far below the saturation temperature the superheat factor falls to 0 or
    // below; the estimate is then not computed and the held result is shown again.
    compute(rho, steam_style, {"txt_RHO"}, h.RHO, superheat_factor(h.Tsat, h.Tsur) > 0,
            [&] { return superheated_steam_density(h.RHOsat, h.Tsat, h.Tsur); });
}

void RHOsur_exact(Page& rho) {
    auto& h = held(rho).RHOsur_exact;
    read_into(rho, {{h.Z, "txt_Z"}, {h.P, "txt_P"}, {h.Tsur, "txt_Tsur"}});
    // The pressure in kPa and the temperature in kelvin, the units of M and R: the guard is on the
    // absolute temperature, since 0 °C is a real temperature of the steam.
    compute(rho, steam_style, {"txt_RHO_exact"}, h.RHO, h.Z != 0 && h.Tsur + kelvin_offset > 0,
            [&] { return superheated_steam_density_from_z(h.Z, h.P, h.Tsur); });
}

}  // namespace cf::density
