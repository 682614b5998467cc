#include "orifice/iso5167_2003.h"

#include <cmath>
#include <limits>

#include "orifice/orifice_formulas.h"

namespace cf::orifice::iso2003 {

namespace {

constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
constexpr Solution not_settled{not_a_number, not_a_number, not_a_number};

// Below this diameter the standard adds a term to C, and to its uncertainty.
constexpr double small_pipe_limit = 71.12;  // mm

bool settled(double next, double last) { return std::fabs(next - last) < tolerance * std::fabs(next); }

}  // namespace

CoefficientTerms coefficient_terms(double beta, double D, double L1, double L2, double Re) {
    const double A = std::pow(19000 * beta / Re, 0.8);
    const double M2 = 2 * L2 / (1 - beta);
    const double beta4 = std::pow(beta, 4);
    CoefficientTerms t{};
    t.base = 0.5961 + 0.0261 * std::pow(beta, 2) - 0.216 * std::pow(beta, 8);
    t.reynolds_1 = 0.000521 * std::pow(1e6 * beta / Re, 0.7);
    t.reynolds_2 = (0.0188 + 0.0063 * A) * std::pow(beta, 3.5) * std::pow(1e6 / Re, 0.3);
    t.upstream_tap = (0.043 + 0.080 * std::exp(-10 * L1) - 0.123 * std::exp(-7 * L1)) * (1 - 0.11 * A) * beta4 /
                     (1 - beta4);
    t.downstream_tap = -0.031 * (M2 - 0.8 * std::pow(M2, 1.1)) * std::pow(beta, 1.3);
    t.small_pipe = D < small_pipe_limit ? 0.011 * (0.75 - beta) * (2.8 - D / 25.4) : 0;
    return t;
}

double discharge_coefficient(double beta, double D, double L1, double L2, double Re) {
    return coefficient_terms(beta, D, L1, L2, Re).C();
}

double expansion_factor(double dp, double kappa, double P, double d, double D) {
    const double beta = d / D;
    const double pressure_ratio = (P - dp / 1000) / P;
    return 1 - (0.351 + 0.256 * std::pow(beta, 4) + 0.93 * std::pow(beta, 8)) *
                   (1 - std::pow(pressure_ratio, 1 / kappa));
}

double expansion_factor_uncertainty(double dp, double kappa, double P) { return 3.5 * (dp / 1000) / (kappa * P); }

double coefficient_uncertainty(double beta, double D, double Re) {
    if (!(beta >= 0.1 && beta <= 0.75)) return not_a_number;
    double u = beta < 0.2 ? 0.7 - beta : beta <= 0.6 ? 0.5 : 1.667 * beta - 0.5;
    if (D < small_pipe_limit) u += 0.9 * (0.75 - beta) * (2.8 - D / 25.4);
    if (beta > 0.5 && Re < 10000) u += 0.5;
    return u;
}

Solution mass_flow(double D, double d, double eps, double dp, double rho, double nu, double L1, double L2) {
    const double beta = d / D;
    const double K = flow_constant(D, d, eps, dp, rho);
    double Qm = mass_flow_per_hour(0.6, K);
    for (int pass = 0; pass < passes; ++pass) {
        const double Re = reynolds_from_kg_per_h(Qm, D, nu, rho);
        const double C = discharge_coefficient(beta, D, L1, L2, Re);
        const double next = mass_flow_per_hour(C, K);
        if (settled(next, Qm)) return {next, C, Re};
        Qm = next;
    }
    return not_settled;
}

Solution differential_pressure(double D, double d, double eps, double Qm, double rho, double nu, double L1,
                               double L2) {
    const double Re = reynolds_from_kg_per_h(Qm, D, nu, rho);
    const double C = discharge_coefficient(d / D, D, L1, L2, Re);
    // The flow constant grows as √ΔP: the flow at 1 mbar gives ΔP as the square of the ratio.
    const double ratio = Qm / mass_flow_per_hour(C, flow_constant(D, d, eps, 1, rho));
    const double dp = ratio * ratio;
    if (!std::isfinite(dp)) return not_settled;
    return {dp, C, Re};
}

Solution bore(double D, double eps, double Qm, double dp, double rho, double nu, double L1, double L2) {
    const double Re = reynolds_from_kg_per_h(Qm, D, nu, rho);
    const double A = flow_ratio(Qm, eps, D, dp, rho);
    double C = 0.6;
    double beta = beta_from_ratio(A / C);
    for (int pass = 0; pass < passes; ++pass) {
        C = discharge_coefficient(beta, D, L1, L2, Re);
        const double next = beta_from_ratio(A / C);
        if (settled(next, beta)) return {next * D, C, Re};
        beta = next;
    }
    return not_settled;
}

}  // namespace cf::orifice::iso2003
