#pragma once
// Pipe flow formulas: volume flow, section, bore and velocity of a full round pipe, the Reynolds
// number, and the pressure loss of a straight pipe in laminar and in turbulent flow.
//
// Each formula takes the inputs as the procedures hold them (single precision, promoted exactly to
// double), evaluates in double precision in the order written, and returns the unrounded result; the
// procedure rounds it to single precision once, when it stores it. Units are those the pipe flow page
// prints beside its fields.

#include <optional>
#include <string_view>

namespace cf::pipe_flow {

// π as the pipe flow formulas use it: the decimal 3.141592654, not the library value, so that every
// result matches the worked values to the last digit.
inline constexpr double pi = 3.141592654;

// Volume flow of a full round pipe: Qv = (D ÷ 1000) × (D ÷ 1000) × (V × 3600 × π) ÷ 4.
//   V  velocity [m/s]    D  bore [mm]    -> Qv [m³/h]
// Example: V 1, D 100 -> 28.274 (shows 28.27)
double volume_flow(double V, double D);

// Section that carries a volume flow at a velocity: S = Qv ÷ (V × 3600) × 10⁶.
//   Qv  volume flow [m³/h]    V  velocity [m/s]    -> S [mm²]
// Example: Qv 10, V 1 -> 2777.778 (shows 2777.78)
double section(double Qv, double V);

// Bore of a round section: D = √(S × 4 ÷ π). Not a number for a negative section.
//   S  section [mm²]    -> D [mm]
// Example: S 2777.78 -> 59.470 (shows 59.47)
double bore_from_section(double S);

// Mean velocity of a volume flow in a round pipe: V = Qv ÷ ((D ÷ 1000 × π) × (D ÷ 1000) ÷ 4) ÷ 3600.
//   Qv  volume flow [m³/h]    D  bore [mm]    -> V [m/s]
// Example: Qv 10, D 50 -> 1.4147 (shows 1.41)
double velocity(double Qv, double D);

// Reynolds number from the kinematic viscosity: Re = (D ÷ 1000 × V) ÷ (Nu ÷ 10⁶).
//   V  velocity [m/s]    D  bore [mm]    Nu  kinematic viscosity [10⁻⁶ m²/s]    -> Re [-]
// Example: V 2, D 50, Nu 1 -> 100000
double reynolds_from_nu(double V, double D, double Nu);

// Reynolds number from the dynamic viscosity and the density: Re = (RHO × V) × (D ÷ 1000) ÷ (Mu ÷ 10⁶).
//   V  velocity [m/s]    D  bore [mm]    Mu  dynamic viscosity [10⁻⁶ Pa·s]    RHO  density [kg/m³]
// Example: RHO 1000, V 2, D 50, Mu 1000 -> 100000
double reynolds_from_mu(double V, double D, double Mu, double RHO);

// The flow regime a Reynolds number shows: "Turbulent" above 2000, "laminaire" below (the two words
// exactly so, one with a capital); none at exactly 2000, where the regime shown is left as it was.
std::optional<std::string_view> regime(float Re);

// Pressure loss of a straight pipe in laminar flow (Darcy–Weisbach with the friction factor 64/Re):
//   t = RHO × Qv, rounded to single precision;
//   ΔP = (t × t × 1250 × L × 32) ÷ (D × D × D × D × D × RHO × Re),
// which is 40000 × RHO × Qv² × L ÷ (D⁵ × Re) for these units.
//   Qv  volume flow [m³/h]   RHO  density [kg/m³]   L  pipe length [m]   D  bore [mm]   Re [-]
//   -> ΔP [bar]
// Example: Qv 2, RHO 900, L 100, D 25, Re 500 -> 2.949 (shows 2.95)
double laminar_pressure_loss(double Qv, double RHO, double L, double D, double Re);

// Pressure loss of a straight pipe in turbulent flow, with Moody's approximation (1947) of the
// Colebrook–White friction factor, λ = 0.0055 × (1 + (2·10⁴ × K/D + 10⁶/Re)^(1/3)):
//   t = RHO × Qv, rounded to single precision;
//   B = K × 20000 ÷ D + 10⁶ ÷ Re;
//   F = (1 + B^(1/3)) × 0.00275           (half of λ, since G is twice the Darcy–Weisbach ΔP ÷ λ);
//   G = (t × t × 1250 × L) ÷ (D × D × D × D × D × RHO);
//   ΔP = F × G.
// The 1 stands outside the cube root, as in Moody's formula: put inside the root it gives a friction
// factor 13 to 40 % below Colebrook–White over the usual range of roughness and Reynolds number.
// A negative B has no real cube root: the result is then not a number.
//   Qv [m³/h]   RHO [kg/m³]   L [m]   D [mm]   Re [-]   K  internal roughness [mm, as D]   -> ΔP [bar]
// Example: Qv 10, RHO 1000, L 100, D 50, Re 100000, K 0.15 -> 0.5633 (shows 0.56); K 0 -> 0.3470 (0.35)
double turbulent_pressure_loss(double Qv, double RHO, double L, double D, double Re, double K);

}  // namespace cf::pipe_flow
