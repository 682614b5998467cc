#include "orifice/orifice_formulas.h"

#include <cmath>
#include <limits>

namespace cf::orifice {

namespace {

double beta_of(double d, double D) { return d / D; }

}  // namespace

double flow_ratio(double Qm, double eps, double D, double dp, double rho) {
    return (Qm / 3600) / (eps * (pi / 4) * std::pow(D / 1000, 2) * std::sqrt(2 * dp * 100 * rho));
}

double beta_from_ratio(double X) { return std::pow(X * X / (1 + X * X), 0.25); }

double base_coefficient(double beta, double L1, double L2) {
    // The standard lowers the coefficient of the L1 term for taps far upstream (D and D/2 taps).
    const double k = L1 >= 0.4333 ? 0.0390 : 0.0900;
    const double t1 = std::pow(1 - std::pow(beta, 4), -1);
    const double t2 = std::pow(beta, 4) * (k * L1) * t1;
    const double t3 = 0.5959 + 0.0312 * std::pow(beta, 2.1);
    const double t4 = t3 - 0.184 * std::pow(beta, 8) + t2;
    return t4 - std::pow(beta, 3) * (0.0337 * L2);
}

double reynolds_term(double beta, double Re) {
    return (0.0029 * std::pow(beta, 2.5)) * std::pow(1000000 / Re, 0.75);
}

double discharge_coefficient(double beta, double L1, double L2, double Re) {
    return base_coefficient(beta, L1, L2) + reynolds_term(beta, Re);
}

double flow_constant(double D, double d, double eps, double dp, double rho) {
    const double beta = beta_of(d, D);
    return (std::pow(beta, 2) * (1 / std::pow(1 - std::pow(beta, 4), 0.5)) * eps) *
           ((D / 1000) * D / 1000 * pi / 4) * std::pow((dp / 1000) * 2 * 100000 * rho, 0.5);
}

double mass_flow(double C, double K) { return C * K; }

double mass_flow_per_hour(double C, double K) { return C * K * 3600; }

double reynolds_from_kg_per_s(double Qm, double D, double nu, double rho) {
    return (Qm * 4) / ((nu / 1000000) * rho * (D * pi / 1000));
}

double reynolds_from_kg_per_h(double Qm, double D, double nu, double rho) {
    return (Qm * 4 / 3600) / ((D * pi / 1000) * (nu / 1000000) * rho);
}

double differential_pressure(double eps, double Qm, double D, double d, double C, double rho) {
    const double beta = beta_of(d, D);
    const double s = std::pow(1 - std::pow(beta, 4), 0.5);
    const double j = (1 / C) * (Qm / 3600) * (1 / eps);
    const double g = s * j;
    const double a = std::pow(d / 1000, 2) * 3.1415;
    const double h = (4 / a) * g;
    return std::pow(h, 2) * 0.5 * (1 / rho) / 100;
}

double pressure_loss(double dp, double D, double d) { return (1 - std::pow(beta_of(d, D), 1.9)) * dp; }

double volume_flow(double Qm, double rho) { return Qm / (rho * 3600); }

double first_bore(double Qm, double eps, double D, double dp, double rho) {
    const double C = 0.6;
    return D * beta_from_ratio(flow_ratio(Qm, eps, D, dp, rho) / C);
}

double refined_bore(double C, double Qm, double eps, double D, double dp, double rho, double L1, double L2,
                    double Re) {
    const double A = flow_ratio(Qm, eps, D, dp, rho);
    double previous = std::numeric_limits<double>::quiet_NaN();
    for (int pass = 0; pass < bore_passes; ++pass) {
        const double beta = beta_from_ratio(A / C);
        if (std::fabs(beta - previous) < bore_tolerance) return beta * D;
        C = discharge_coefficient(beta, L1, L2, Re);
        previous = beta;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double expansion_factor(double dp, double kappa, double P, double d, double D) {
    return 1 - ((0.41 + 0.35 * std::pow(beta_of(d, D), 4)) * dp) / (P * kappa * 1000);
}

double downstream_tap_distance(double D) { return D / 2; }

TapTerms tap_terms(Taps taps, double D) {
    switch (taps) {
        case Taps::flange: return {25.4 / D, 25.4 / D};
        case Taps::d_and_d_half: return {1, 0.47};
        case Taps::corner: break;
    }
    return {0, 0};
}

}  // namespace cf::orifice
