#include "pipeflow/pipe_flow_formulas.h"

#include <cmath>

#include "core/field_value.h"

namespace cf::pipe_flow {

double volume_flow(double V, double D) { return (D / 1000) * (D / 1000) * (V * 3600 * pi) / 4; }

double section(double Qv, double V) { return Qv / (V * 3600) * 1e6; }

double bore_from_section(double S) { return std::sqrt(S * 4 / pi); }

double velocity(double Qv, double D) { return Qv / ((D / 1000 * pi) * (D / 1000) / 4) / 3600; }

double reynolds_from_nu(double V, double D, double Nu) { return (D / 1000 * V) / (Nu / 1e6); }

double reynolds_from_mu(double V, double D, double Mu, double RHO) { return (RHO * V) * (D / 1000) / (Mu / 1e6); }

std::optional<std::string_view> regime(float Re) {
    if (Re > 2000) return "Turbulent";
    if (Re < 2000) return "laminaire";
    return std::nullopt;
}

double laminar_pressure_loss(double Qv, double RHO, double L, double D, double Re) {
    const double t = to_single(RHO * Qv);
    return (t * t * 1250 * L * 32) / (D * D * D * D * D * RHO * Re);
}

double turbulent_pressure_loss(double Qv, double RHO, double L, double D, double Re, double K) {
    const double t = to_single(RHO * Qv);
    const double B = K * 20000 / D + 1e6 / Re;
    // std::pow gives no real root of a negative base: the result is then not a number.
    const double F = (1 + std::pow(B, 1.0 / 3.0)) * 0.00275;
    const double G = (t * t * 1250 * L) / (D * D * D * D * D * RHO);
    return F * G;
}

}  // namespace cf::pipe_flow
