#include "density/density_formulas.h"

namespace cf::density {

namespace {

constexpr float water_molar_mass = 18;  // g/mol, held in single precision
constexpr double gas_constant = 8.31;   // J/(mol·K)
constexpr double superheat_coefficient = 0.00252;  // 1/K

}  // namespace

double gas_density(double RHOk, double Pk, double Tk, double Zk, double Pt, double Tt, double Zt) {
    return (RHOk * Pt * (Tk + kelvin_offset) * Zk) / ((Tt + kelvin_offset) * Pk * Zt);
}

double superheat_factor(double Tsat, double Tsur) {
    return 1 + superheat_coefficient * ((Tsur + kelvin_offset) - (Tsat + kelvin_offset));
}

double superheated_steam_density(double RHOsat, double Tsat, double Tsur) {
    return RHOsat / superheat_factor(Tsat, Tsur);
}

double superheated_steam_density_from_z(double Z, double P, double Tsur) {
    return (P * 100) * water_molar_mass / (Z * gas_constant * (Tsur + kelvin_offset));
}

}  // namespace cf::density
