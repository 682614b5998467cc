#pragma once
// Density formulas: the conversion of a gas density between two states (calculation, service and
// normal conditions), and two estimates of the density of superheated water steam.
//
// Each formula takes the inputs as the procedures hold them (single precision, promoted exactly to
// double), evaluates in double precision in the order written, and returns the unrounded result; the
// procedure rounds it to single precision once, when it stores it. Pressures in bar absolute,
// temperatures in °C, densities in kg/m³; compressibility factors are pure numbers.

namespace cf::density {

// Absolute temperature of a temperature in °C: T + 273.15 [K].
inline constexpr double kelvin_offset = 273.15;

// Density of a gas in a target state t from its density in a known state k (ideal gas law corrected by
// the compressibility factors):
//   RHOt = (RHOk × Pt × (Tk + 273.15) × Zk) / ((Tt + 273.15) × Pk × Zt)
// the numerator built left to right, then the denominator left to right, then one division.
//   RHOk  known density [kg/m³]    Pk, Tk, Zk  known state [bar abs., °C, -]
//   Pt, Tt, Zt  target state [bar abs., °C, -]    -> RHOt [kg/m³]
// Not finite when Pk, Zt or Tt + 273.15 is 0.
// Example: RHOk 1.293 at 1.013 bar, 0 °C, Z 1 -> at 10.13 bar, 0 °C, Z 1: 12.93 (the pressure ratio alone)
double gas_density(double RHOk, double Pk, double Tk, double Zk, double Pt, double Tt, double Zt);

// Denominator of the approximate superheated steam density: 1 + 0.00252 × ((Tsur + 273.15) − (Tsat + 273.15)),
// the two absolute temperatures formed first and subtracted.
//   Tsat  saturation temperature [°C]    Tsur  temperature of the superheated steam [°C]
// Example: Tsat 100, Tsur 200 -> 1.252
double superheat_factor(double Tsat, double Tsur);

// Approximate density of superheated steam from the density of saturated steam at the same pressure,
// within 2 %: RHOsur = RHOsat / superheat_factor(Tsat, Tsur). Negative or not finite when the
// superheat factor is not above 0 (a temperature far below the saturation temperature).
//   RHOsat  density of the saturated steam [kg/m³]    Tsat, Tsur [°C]    -> RHOsur [kg/m³]
// Example: RHOsat 1, Tsat 100, Tsur 200 -> 0.79872 (shows 0.799)
double superheated_steam_density(double RHOsat, double Tsat, double Tsur);

// Density of superheated steam from its pressure and compressibility factor: the ideal-gas density of
// water vapour corrected by Z, ρ = P × M / (Z × R × T) with M = 18 g/mol and R = 8.31 J/(mol·K).
// The pressure is brought to kPa and the temperature to kelvin, the units of M and R:
//   ρ = (P × 100) × 18 / (Z × 8.31 × (Tsur + 273.15))
// the numerator first, then the denominator left to right, then one division.
//   Z [-]    P  pressure [bar abs.]    Tsur  temperature [°C]    -> ρ [kg/m³]
// Example: Z 1, P 10, Tsur 250 -> 4.14042 (shows 4.140)
double superheated_steam_density_from_z(double Z, double P, double Tsur);

}  // namespace cf::density
