#include <gtest/gtest.h>

#include <cmath>

#include "core/field_value.h"
#include "orifice/orifice_formulas.h"

namespace od = cf::orifice;

namespace {

// A result as the orifice page shows it: stored in single precision, then through the text step.
std::string shown(double result) { return cf::text_step_single(cf::to_single(result)); }

}  // namespace

// The worked values that no scenario reaches (the chains' own are checked on the page).
TEST(OrificeCoefficients, WorkedValues) {
    EXPECT_EQ(shown(od::discharge_coefficient(0.5, 0, 0, 100000)), "0.6053418");
    EXPECT_EQ(shown(od::discharge_coefficient(0.5, 0, 0, 50000)), "0.6073073");
    EXPECT_EQ(shown(od::differential_pressure(1, 19770, 100, 50, cf::to_single(0.6055), 1000)), "100.0201");
    EXPECT_EQ(shown(od::expansion_factor(100, cf::to_single(1.4), 2, 50, 100)), "0.9845759");
}

// The Stolz equation lowers the coefficient of its L1 term from 0.0900 to 0.0390 for L1 >= 0.4333,
// so that the coefficient hardly moves there (0.0900 × 0.4333 ≈ 0.0390).
TEST(OrificeCoefficients, TheL1TermChangesItsCoefficientAt0_4333) {
    const double corner = od::base_coefficient(0.5, 0, 0);
    const double beta4 = std::pow(0.5, 4) / (1 - std::pow(0.5, 4));
    EXPECT_NEAR(od::base_coefficient(0.5, 0.4332, 0) - corner, beta4 * 0.0900 * 0.4332, 1e-15);
    EXPECT_NEAR(od::base_coefficient(0.5, 0.4333, 0) - corner, beta4 * 0.0390 * 0.4333, 1e-15);
    EXPECT_NEAR(od::base_coefficient(0.5, 1, 0.47) - corner, beta4 * 0.0390 - std::pow(0.5, 3) * 0.0337 * 0.47, 1e-15);
}

TEST(OrificeCoefficients, TapTerms) {
    EXPECT_EQ(od::tap_terms(od::Taps::corner, 100).L1, 0);
    EXPECT_EQ(od::tap_terms(od::Taps::corner, 100).L2, 0);
    EXPECT_DOUBLE_EQ(od::tap_terms(od::Taps::flange, 50.8).L1, 0.5);
    EXPECT_DOUBLE_EQ(od::tap_terms(od::Taps::flange, 50.8).L2, 0.5);
    EXPECT_EQ(od::tap_terms(od::Taps::d_and_d_half, 100).L1, 1);
    EXPECT_EQ(od::tap_terms(od::Taps::d_and_d_half, 100).L2, 0.47);
    EXPECT_FALSE(std::isfinite(od::tap_terms(od::Taps::flange, 0).L1));
}

// The bore found passes the flow asked for, by the flow equation Qm = C × K, for every tap.
TEST(OrificeCoefficients, TheRefinedBoreSolvesTheFlowEquation) {
    const double D = 250, dp = 40, rho = 800, eps = 0.98, Re = 250000;
    for (auto taps : {od::Taps::corner, od::Taps::flange, od::Taps::d_and_d_half}) {
        const auto [L1, L2] = od::tap_terms(taps, D);
        for (double beta = 0.2; beta <= 0.75 + 1e-9; beta += 0.05) {
            const double d = beta * D;
            const double Qm = od::mass_flow_per_hour(od::discharge_coefficient(beta, L1, L2, Re),
                                                     od::flow_constant(D, d, eps, dp, rho));
            const double start = od::discharge_coefficient(od::first_bore(Qm, eps, D, dp, rho) / D, L1, L2, Re);
            EXPECT_NEAR(od::refined_bore(start, Qm, eps, D, dp, rho, L1, L2, Re), d, 1e-8 * D) << beta;
        }
    }
}

// A coefficient that is not a number never settles: the bore is not a number either, so it is not shown.
TEST(OrificeCoefficients, ABoreThatDoesNotSettleIsNotANumber) {
    EXPECT_TRUE(std::isnan(od::refined_bore(0.6, 19785, 1, 100, 100, 1000, 0, 0, 0)));
    EXPECT_TRUE(std::isnan(od::refined_bore(0.6, 19785, 1, 100, 100, 1000, 0, 0, -5000)));
    EXPECT_TRUE(std::isnan(od::refined_bore(0.6, 19785, 1, 100, -100, 1000, 0, 0, 70000)));
}

// A bore equal to the pipe's makes the velocity of approach factor infinite: no finite result.
TEST(OrificeCoefficients, ABoreEqualToThePipeGivesNoFiniteResult) {
    EXPECT_FALSE(std::isfinite(cf::to_single(od::base_coefficient(1, 0, 0))));
    EXPECT_FALSE(std::isfinite(cf::to_single(od::flow_constant(100, 100, 1, 100, 1000))));
}
