#include "core/field_value.h"
#include "orifice/orifice_status.h"

#include <cmath>
#include <string>

#include "orifice/iso5167_2003.h"
#include "orifice/orifice_procedures.h"
#include "ui/procedure.h"

namespace cf::orifice {

namespace {

using procedure::compute;
using procedure::read_into;

// What the status procedures last read, and their held results.
struct StatusHeld {
    struct { float D = 0, d = 0; double beta = 0; } beta;
    struct { float L1 = 0, L2 = 0, Re = 0, D = 0, d = 0; double C = 0; } coefficient_C;
    struct { float D = 0, d = 0, Re = 0, u = 0; } incertitude_C;
};
StatusHeld& held(Page& p) { return procedure::held<StatusHeld>(p); }

// Only one calculation in force: its mode button alone is enabled.
bool only_mass_flow(const Page& p) { return mass_flow_mode(p) && !differential_pressure_mode(p) && !bore_mode(p); }
bool only_differential_pressure(const Page& p) {
    return differential_pressure_mode(p) && !mass_flow_mode(p) && !bore_mode(p);
}
bool only_bore(const Page& p) { return bore_mode(p) && !mass_flow_mode(p) && !differential_pressure_mode(p); }

// The bore of the plate: computed in the bore calculation, typed in the others.
const char* bore_field(const Page& p) { return only_bore(p) ? "Text_diametre_od" : d_in; }

// β of the plate shown: D, d -> Text_beta. Guard D ≠ 0, d ≠ 0.
void OD_calcul_beta(Page& p) {
    auto& h = held(p).beta;
    read_into(p, {{h.D, D_in}, {h.d, bore_field(p)}});
    compute(p, four_decimals, {"Text_beta"}, h.beta, h.D != 0 && h.d != 0, [&] { return double(h.d) / h.D; });
}

// The coefficient of the last pass of the 1991 chain -> Text_coefficient_C: C4 of "Qm", the coefficient
// of "Delta P", and for the bore the coefficient at the bore shown (the passes converge on it).
void OD_calcul_coefficient_C(Page& p) {
    auto& h = held(p).coefficient_C;
    if (only_mass_flow(p) || only_differential_pressure(p)) {
        const double C = procedure::read_double(p, only_mass_flow(p) ? "Text1" : "Text_int_1");
        compute(p, four_decimals, {"Text_coefficient_C"}, h.C, C != 0, [&] { return C; });
    } else if (only_bore(p)) {
        read_into(p, {{h.L1, "Text_dpc_L1"}, {h.L2, "Text_dpc_L2"}, {h.Re, "Text_Re_11"}, {h.D, D_in},
                      {h.d, "Text_diametre_od"}});
        compute(p, four_decimals, {"Text_coefficient_C"}, h.C, h.D != 0 && h.d != 0 && h.Re != 0,
                [&] { return discharge_coefficient(double(h.d) / h.D, h.L1, h.L2, h.Re); });
    }
}

// The relative uncertainty of C under 2003: D, d, Re Text_Re_bis -> Text_incertitude_C, in %; emptied
// where the standard gives none. Guard D ≠ 0, d ≠ 0, Re ≠ 0.
void OD_calcul_incertitude_C(Page& p) {
    auto& h = held(p).incertitude_C;
    read_into(p, {{h.D, D_in}, {h.d, bore_field(p)}, {h.Re, "Text_Re_bis"}});
    compute(p, two_decimals, {"Text_incertitude_C"}, h.u, h.D != 0 && h.d != 0 && h.Re != 0,
            [&] { return iso2003::coefficient_uncertainty(double(h.d) / h.D, h.D, h.Re); });
}

bool known(double value) { return value != 0 && std::isfinite(value); }

const char* fluid_text(Fluid f) {
    switch (f) {
        case Fluid::liquid: return "Liquide";
        case Fluid::steam: return "Vapeur saturée";
        case Fluid::gas: break;
    }
    return "Gaz";
}

const char* taps_text(Taps t) {
    switch (t) {
        case Taps::corner: return "prises dans les angles";
        case Taps::flange: return "prises à la bride";
        case Taps::d_and_d_half: break;
    }
    return "prises à D et D/2";
}

// The calculation in force; none while the three modes are offered.
const char* calculation_text(const Page& p) {
    if (only_mass_flow(p)) return "calcul de Qm";
    if (only_differential_pressure(p)) return "calcul de Delta P";
    if (only_bore(p)) return "calcul du diamètre de l'orifice";
    if (!mass_flow_mode(p) && !differential_pressure_mode(p) && !bore_mode(p)) return "aucun calcul";
    return nullptr;
}

}  // namespace

void show_choices_in_force(Page& p, const Choices& c) {
    std::string text;
    auto add = [&](const char* part) {
        if (!part) return;
        if (!text.empty()) text += " · ";
        text += part;
    };
    if (c.fluid) add(fluid_text(*c.fluid));
    if (c.taps) add(taps_text(*c.taps));
    add(calculation_text(p));
    add(standard_name(standard_in_force(p)));
    p.set_caption("Label_choix_en_vigueur", text);
}

void show_limits_verdict(Page& p, const Choices& c) {
    // Values as a procedure holds them, but read for a verdict, not noted as the inputs of a result.
    const auto read = [&](std::string_view field) { return double{cf::to_single(p.value(field))}; };
    const double D = read(D_in), d = read(bore_field(p));
    const double Re = read("Text_Re_bis");
    if (!c.taps || !known(D) || !known(d) || !known(Re)) {
        p.set_caption("Label_verdict_limites", "");
        p.set_look("Label_verdict_limites", Look::status);
        return;
    }
    PlateInUse plate{standard_in_force(p), *c.taps, d, D, Re, {}};
    if (plate.standard == Standard::iso2003 && c.fluid && *c.fluid != Fluid::liquid) {
        const double P = read("Text_pression_amont");
        const double dp = read("Text__deltap_pour_E");
        if (known(P) && known(dp)) plate.pressure_ratio = (P - dp / 1000) / P;
    }
    const Verdict verdict = limits_verdict(plate);
    p.set_caption("Label_verdict_limites", verdict.text);
    p.set_look("Label_verdict_limites", verdict.in_range ? Look::status : Look::alert);
}

void show_status(Page& p, const Choices& c) {
    OD_calcul_beta(p);
    if (standard_in_force(p) == Standard::iso1991)
        OD_calcul_coefficient_C(p);
    else
        OD_calcul_incertitude_C(p);
    show_limits_verdict(p, c);
}

void empty_status(Page& p) {
    for (auto field : {"Text_coefficient_C", "Text_beta", "Text_incertitude_C", "Text_incertitude_E"})
        p.set_text(field, "");
    p.set_caption("Label_verdict_limites", "");
    p.set_look("Label_verdict_limites", Look::status);
}

}  // namespace cf::orifice
