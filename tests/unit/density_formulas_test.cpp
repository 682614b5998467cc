#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/field_value.h"
#include "density/density_formulas.h"

namespace dn = cf::density;

namespace {

// A gas state: pressure [bar abs.], temperature [°C], compressibility factor.
struct State { double P, T, Z; };

double convert(double RHO, State known, State target) {
    return dn::gas_density(RHO, known.P, known.T, known.Z, target.P, target.T, target.Z);
}

}  // namespace

// The conversion scales the density by the pressure ratio, the inverse ratio of absolute temperatures
// and the inverse ratio of compressibility factors; converted back it gives the density it started from.
TEST(GasDensity, FollowsTheGasLawBothWays) {
    const State normal{1.013, 0, 1}, service{6.5, 35, 0.97}, calculation{12, 80, 0.93};
    for (auto [from, to] : {std::pair{normal, service}, {service, calculation}, {calculation, normal}}) {
        const double there = convert(1.25, from, to);
        EXPECT_NEAR(convert(there, to, from), 1.25, 1e-12);
        EXPECT_GT(convert(1.25, from, {to.P * 2, to.T, to.Z}), there);       // higher pressure, denser
        EXPECT_LT(convert(1.25, from, {to.P, to.T + 10, to.Z}), there);      // hotter, lighter
        EXPECT_LT(convert(1.25, from, {to.P, to.T, to.Z * 1.05}), there);    // less compressed, lighter
        EXPECT_NEAR(convert(2.5, from, to), 2 * there, 1e-12);
    }
    EXPECT_DOUBLE_EQ(convert(1.25, normal, {2.026, 273.15, 1}), 1.25);  // twice the pressure and twice the kelvins
}

TEST(SuperheatedSteam, AtTheSaturationTemperatureTheDensityIsThatOfSaturatedSteam) {
    for (float T : {100.0f, 179.88f, 374.15f}) {
        EXPECT_EQ(dn::superheat_factor(T, T), 1);
        EXPECT_EQ(dn::superheated_steam_density(cf::to_single(2.669), T, T), cf::to_single(2.669));
    }
    EXPECT_LT(dn::superheated_steam_density(1, 100, 150), dn::superheated_steam_density(1, 100, 120));
}

// The factor 1 + 0.00252 × (Tsur − Tsat) falls to 0 some 396.8 K below the saturation temperature.
TEST(SuperheatedSteam, TheSuperheatFactorFallsToZeroFarBelowSaturation) {
    EXPECT_GT(dn::superheat_factor(179.88, 179.88 - 396.8), 0);
    EXPECT_LT(dn::superheat_factor(179.88, 179.88 - 396.9), 0);
    EXPECT_LT(dn::superheated_steam_density(5.147, 179.88, -300), 0);
}

// With Z: the ideal-gas density of water vapour, P in pascals, M in kg/mol, T in kelvins.
TEST(SuperheatedSteam, TheDensityFromZIsTheIdealGasLawInConsistentUnits) {
    for (auto [Z, P, T] : {std::tuple{1.0, 10.0, 250.0}, {0.95, 40.0, 400.0}, {1.0, 1.0, 0.0}}) {
        const double ideal = (P * 1e5) * 0.018 / (Z * 8.31 * (T + 273.15));
        EXPECT_NEAR(dn::superheated_steam_density_from_z(Z, P, T), ideal, 1e-12 * ideal);
    }
}
