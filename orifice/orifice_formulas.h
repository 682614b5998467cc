#pragma once
// Orifice plate formulas: the discharge coefficient of a thin orifice plate (Stolz equation of
// ISO 5167-1:1991), the flow constant, the Reynolds number of the pipe flow, the differential
// pressure a mass flow produces, the pressure loss across the plate, the volume flow, the bore that
// passes a given flow, and the expansion factor of a gas.
//
// Each formula takes the inputs as the procedures hold them (single precision promoted exactly to
// double, or double), evaluates in double precision in the order written, and returns the unrounded
// result; the procedure rounds it to its own precision once, when it stores it. Units are those of the
// page's fields:
//   D  pipe inner diameter [mm]        d  orifice bore [mm]           beta  d / D [-]
//   rho  density at service conditions [kg/m³]                       nu  kinematic viscosity [10⁻⁶ m²/s]
//   dp  differential pressure [mbar]   eps  expansion factor [-]      Qm  mass flow [kg/s or kg/h, as said]
//   L1, L2  tap terms of the Stolz equation: upstream tap distance / D, downstream tap distance / D [-]
// A result that is not a finite number (beta = 1, a root of a negative number) is returned as it is:
// the procedure never shows it.

namespace cf::orifice {

// π as the orifice calculations use it: the decimal 3.141592654, not the library value. The
// differential pressure from a mass flow uses the shorter 3.1415 (see differential_pressure).
inline constexpr double pi = 3.141592654;

// Base coefficient C∞, the Stolz equation without its Reynolds term, in this order:
//   t1 = (1 − β⁴)^−1;  t2 = β⁴ × (k × L1) × t1;  t3 = 0.5959 + 0.0312 × β^2.1;
//   t4 = t3 − 0.184 × β⁸ + t2;  C∞ = t4 − β³ × (0.0337 × L2)
// with k = 0.0900, or 0.0390 when L1 ≥ 0.4333 (= 0.0390 / 0.0900), as ISO 5167-1:1991 has it for
// D and D/2 taps.
// Example: β 0.5, L1 = L2 = 0 -> 0.60245891 (shows 0.6024589)
double base_coefficient(double beta, double L1, double L2);

// Reynolds term of the Stolz equation: b = (0.0029 × β^2.5) × (10⁶ / Re)^0.75.
// Example: β 0.5, Re 100000 -> 0.0028829
double reynolds_term(double beta, double Re);

// Full discharge coefficient C = C∞(β, L1, L2) + b(β, Re), the Reynolds term added last.
// Example: β 0.5, corner taps, Re 100000 -> 0.6053418; Re 50000 -> 0.6073073
double discharge_coefficient(double beta, double L1, double L2, double Re);

// Flow constant K, the mass flow per unit discharge coefficient [kg/s]:
//   K = (β² × (1 / (1 − β⁴)^0.5) × ε) × ((D / 1000) × D / 1000 × π / 4) × ((dp / 1000) × 2 × 100000 × ρ)^½
// 1 / (1 − β⁴)^0.5 is the velocity of approach factor; (dp / 1000) × 100000 turns mbar into Pa.
// Example: D 100, d 50, ε 1, dp 100, ρ 1000 -> 9.068996
double flow_constant(double D, double d, double eps, double dp, double rho);

// Mass flow through the plate: C × K [kg/s], or C × K × 3600 [kg/h].
// Example: C 0.606225896740211, K 9.068996 -> 19792.3 kg/h
double mass_flow(double C, double K);
double mass_flow_per_hour(double C, double K);

// Reynolds number of the pipe flow from a mass flow in kg/s:
//   Re = (Qm × 4) / ((ν / 10⁶) × ρ × (D × π / 1000))
// Example: Qm 5.4636973542644, D 100, ν 1, ρ 1000 -> 69565.95
double reynolds_from_kg_per_s(double Qm, double D, double nu, double rho);

// Reynolds number of the pipe flow from a mass flow in kg/h:
//   Re = (Qm × 4 / 3600) / ((D × π / 1000) × (ν / 10⁶) × ρ)
// Example: Qm 19785, D 100, ν 1, ρ 1000 -> 69975.12
double reynolds_from_kg_per_h(double Qm, double D, double nu, double rho);

// Differential pressure [mbar] that a mass flow [kg/h] produces across the plate, in this order:
//   s = (1 − β⁴)^0.5;  j = (1 / C) × (Qm / 3600) × (1 / ε);  g = s × j;
//   a = (d / 1000)² × 3.1415;  h = (4 / a) × g;  dp = h² × 0.5 × (1 / ρ) / 100
// with π written 3.1415 here; the division by 100 turns Pa into mbar.
// Example: D 100, d 50, ρ 1000, ε 1, C 0.6055, Qm 19770 -> 100.020
double differential_pressure(double eps, double Qm, double D, double d, double C, double rho);

// Pressure loss across the plate [mbar]: Δω = (1 − β^1.9) × dp.
// Example: β 0.5, dp 100 -> 73.205663
double pressure_loss(double dp, double D, double d);

// Volume flow at service conditions [m³/s] of a mass flow [kg/h]: Qv = Qm / (ρ × 3600).
// Example: Qm 19792.3, ρ 1000 -> 0.00549786111111111
double volume_flow(double Qm, double rho);

// The bore that passes a mass flow, from the flow equation Qm = C × K: with
//   A = (Qm / 3600) / (ε × (π / 4) × (D / 1000)² × √(2 × dp × 100 × ρ))   [Qm kg/h, dp mbar]
// the ratio β solves β² / √(1 − β⁴) = A / C, that is β = (X² / (1 + X²))^¼ with X = A / C.
//
// The flow equation solved for the diameter ratio: A = C × β² / √(1 − β⁴), with A as above.
double flow_ratio(double Qm, double eps, double D, double dp, double rho);
// β from X = β² / √(1 − β⁴): β = (X² / (1 + X²))^¼.
double beta_from_ratio(double X);

// First estimate, with C = 0.6: d1 = D × (X² / (1 + X²))^¼.
// Example: Qm 19785, ε 1, D 100, dp 100, ρ 1000 -> 50.2337
double first_bore(double Qm, double eps, double D, double dp, double rho);

// Refined bore: starting from a coefficient C, repeat X = A / C, β = (X² / (1 + X²))^¼,
// C = C(β, L1, L2, Re) until β changes by less than 1e-10, at most 50 passes; d2 = β × D. Not a
// number when it does not converge.
// Example: C 0.6063154, Qm 19785, ε 1, D 100, dp 100, ρ 1000, corner taps, Re 69975.12 -> 49.99144
double refined_bore(double C, double Qm, double eps, double D, double dp, double rho, double L1, double L2,
                    double Re);
inline constexpr int bore_passes = 50;
inline constexpr double bore_tolerance = 1e-10;

// Expansion factor of a gas: ε = 1 − ((0.41 + 0.35 × β⁴) × dp) / (P × κ × 1000).
//   dp [mbar]   kappa  ratio of specific heats [-]   P  upstream pressure [bar abs]   d, D [mm]
// Example: dp 100, κ 1.4, P 2, d 50, D 100 -> 0.9845759 (shows 0.984576)
double expansion_factor(double dp, double kappa, double P, double d, double D);

// Downstream tap distance of D and D/2 taps [mm]: D / 2.
double downstream_tap_distance(double D);

// The pressure taps offered, and their terms L1 and L2′ of the Stolz equation (ISO 5167-1:1991):
// corner taps 0 and 0; flange taps 25.4 / D and 25.4 / D (D in mm); D and D/2 taps 1 and 0.47.
enum class Taps { corner, flange, d_and_d_half };
struct TapTerms {
    double L1;
    double L2;
};
TapTerms tap_terms(Taps taps, double D);

}  // namespace cf::orifice
