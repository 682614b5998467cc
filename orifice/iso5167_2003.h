#pragma once
// Orifice plates to ISO 5167-2:2003: the Reader-Harris/Gallagher discharge coefficient, the
// expansibility factor, the uncertainties of both, and the three solvers of the page ("Qm", "Delta P"
// and the bore), which iterate until the unknown settles.
//
// Units are those of the page's fields, as in orifice_formulas.h:
//   D  pipe inner diameter [mm]   d  orifice bore [mm]   beta  d / D [-]   rho  density [kg/m³]
//   nu  kinematic viscosity [10⁻⁶ m²/s]   dp  differential pressure [mbar]   eps  expansibility [-]
//   Qm  mass flow [kg/h]   P  upstream pressure [bar abs]   kappa  isentropic exponent [-]
//   L1, L2  tap terms: upstream tap distance / D, downstream tap distance / D (L2′ of the standard)
// The flow equation, the Reynolds number of the pipe flow and π are the page's own (orifice_formulas.h),
// so that the three solvers are exact inverses of one another. A result that is not a finite number
// is returned as it is: the procedure never shows it.

namespace cf::orifice::iso2003 {

// The terms of the Reader-Harris/Gallagher equation, each as the standard writes it, with
// A = (19000β / Re)^0.8 and M2′ = 2 L2 / (1 − β):
//   base            0.5961 + 0.0261β² − 0.216β⁸
//   reynolds_1      0.000521 (10⁶β / Re)^0.7
//   reynolds_2      (0.0188 + 0.0063A) β^3.5 (10⁶ / Re)^0.3
//   upstream_tap    (0.043 + 0.080e^(−10 L1) − 0.123e^(−7 L1)) (1 − 0.11A) β⁴ / (1 − β⁴)
//   downstream_tap  −0.031 (M2′ − 0.8 M2′^1.1) β^1.3
//   small_pipe      0.011 (0.75 − β)(2.8 − D / 25.4) when D < 71.12 mm, else 0
// C is their sum, in this order.
// Example: β 0.5, D 100, corner taps, Re 70000 -> base 0.6017812, reynolds_1 0.0020632,
// reynolds_2 0.0039402, upstream_tap 0 (corner taps: 0.043 + 0.080 − 0.123), downstream_tap 0,
// small_pipe 0; C 0.6077847
struct CoefficientTerms {
    double base, reynolds_1, reynolds_2, upstream_tap, downstream_tap, small_pipe;
    double C() const { return base + reynolds_1 + reynolds_2 + upstream_tap + downstream_tap + small_pipe; }
};
CoefficientTerms coefficient_terms(double beta, double D, double L1, double L2, double Re);

// The discharge coefficient C: the sum of the terms above.
double discharge_coefficient(double beta, double D, double L1, double L2, double Re);

// Expansibility factor of a gas: ε = 1 − (0.351 + 0.256β⁴ + 0.93β⁸)[1 − ((P − ΔP) / P)^(1/κ)], with
// ΔP turned from mbar into bar, the unit of P.
// Example: dp 100, κ 1.4, P 2, d 50, D 100 -> 0.9866665
double expansion_factor(double dp, double kappa, double P, double d, double D);

// Relative uncertainty of the expansibility factor [%]: 3.5 ΔP / (κ P), ΔP in bar.
// Example: dp 100, κ 1.4, P 2 -> 0.125
double expansion_factor_uncertainty(double dp, double kappa, double P);

// Relative uncertainty of C [%]: (0.7 − β) for 0.1 ≤ β < 0.2; 0.5 for 0.2 ≤ β ≤ 0.6; (1.667β − 0.5)
// for 0.6 < β ≤ 0.75; plus 0.9 (0.75 − β)(2.8 − D / 25.4) when D < 71.12 mm; plus 0.5 when β > 0.5
// and Re < 10000. Not a number outside 0.1 ≤ β ≤ 0.75, where the standard gives none.
// Example: β 0.7, D 100, Re 70000 -> 0.6669; β 0.55, D 50, Re 8000 -> 1.1497
double coefficient_uncertainty(double beta, double D, double Re);

// What a solver found: the unknown, and the coefficient and the Reynolds number of its last pass.
// All three are not a number when the unknown did not settle.
struct Solution {
    double value, C, Re;
};
inline constexpr int passes = 50;          // at most
inline constexpr double tolerance = 1e-10;  // relative change of the unknown that ends the passes

// "Qm": the mass flow [kg/h] through a given plate at a given ΔP. From C = 0.6, each pass takes the
// Reynolds number of the last flow, C at that number, and the flow C × K again.
// Example: D 100, d 50, ε 1, dp 100, ρ 1000, ν 1, corner taps -> 19842.95 kg/h, C 0.6077774, Re 70180.09
Solution mass_flow(double D, double d, double eps, double dp, double rho, double nu, double L1, double L2);

// "Delta P": the differential pressure [mbar] a given mass flow produces across a given plate. The
// Reynolds number is that of the given flow, so one pass gives the coefficient, and ΔP solves the flow
// equation.
// Example: D 100, d 50, ε 1, Qm 19785, ρ 1000, ν 1, corner taps -> 99.41403 mbar, C 0.6077857
Solution differential_pressure(double D, double d, double eps, double Qm, double rho, double nu, double L1,
                               double L2);

// The bore [mm] that passes a given mass flow at a given ΔP. The Reynolds number is that of the given
// flow; from C = 0.6, each pass solves the flow equation for β and takes C at that β.
// Example: D 100, ε 1, Qm 19785, dp 100, ρ 1000, ν 1, corner taps -> 49.9323 mm, C 0.6077562
Solution bore(double D, double eps, double Qm, double dp, double rho, double nu, double L1, double L2);

}  // namespace cf::orifice::iso2003
