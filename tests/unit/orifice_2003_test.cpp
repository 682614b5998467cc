#include <gtest/gtest.h>

#include <cmath>

#include "core/field_value.h"
#include "orifice/iso5167_2003.h"
#include "orifice/orifice_formulas.h"

namespace iso = cf::orifice::iso2003;
using cf::orifice::Taps;
using cf::orifice::tap_terms;

// The Reader-Harris/Gallagher equation, term by term, at three points worked by hand:
//   β 0.6, D 60, flange taps (L1 = L2 = 25.4 / 60 = 0.423333), Re 20000:
//     base 0.5961 + 0.0261 × 0.36 − 0.216 × 0.6⁸ = 0.605496 − 0.0036280 = 0.6018680
//     A = (19000 × 0.6 / 20000)^0.8 = 0.57^0.8 = 0.637797;  β⁴ / (1 − β⁴) = 0.1296 / 0.8704 = 0.148897
//     upstream (0.043 + 0.080 × e^−4.2333 − 0.123 × e^−2.9633)(1 − 0.11A) × 0.148897
//              = (0.043 + 0.0011603 − 0.0063510) × 0.929842 × 0.148897 = 0.0052345
//     M2′ = 2 × 0.423333 / 0.4 = 2.116667;  2.116667^1.1 = 2.281486;  0.6^1.3 = 0.514750
//     downstream −0.031 × (2.116667 − 0.8 × 2.281486) × 0.514750 = −0.031 × 0.291478 × 0.514750 = −0.0046512
//     small pipe 0.011 × 0.15 × (2.8 − 60 / 25.4) = 0.00165 × 0.437795 = 0.00072236
TEST(Iso5167_2003, TheCoefficientTermByTerm) {
    struct Point { double beta, D, L1, L2, Re; double terms[6]; double C; };
    const Point points[] = {
        {0.5, 100, 0, 0, 70000, {0.60178125, 0.0020632321586212, 0.0039401863623299, 0, 0, 0}, 0.6077846685209509},
        {0.6, 60, 25.4 / 60, 25.4 / 60, 20000,
         {0.60186802944, 0.0056340747100428, 0.0123453476568045, 0.0052345039599579, -0.0046511941511689,
          0.0007223622047244},
         0.6211531238203607},
        {0.7, 200, 1, 0.47, 1e6,
         {0.59643702984, 0.0004058881305013, 0.0054521697438175, 0.0135050602399931, -0.0063054847298574, 0},
         0.6094946632244546},
    };
    for (const auto& p : points) {
        const iso::CoefficientTerms t = iso::coefficient_terms(p.beta, p.D, p.L1, p.L2, p.Re);
        const double got[] = {t.base, t.reynolds_1, t.reynolds_2, t.upstream_tap, t.downstream_tap, t.small_pipe};
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[i], p.terms[i], 1e-15) << "β " << p.beta << ", term " << i;
        EXPECT_NEAR(iso::discharge_coefficient(p.beta, p.D, p.L1, p.L2, p.Re), p.C, 1e-15) << p.beta;
    }
    // The small-pipe term stops at 71.12 mm.
    EXPECT_GT(iso::coefficient_terms(0.5, 71.11, 0, 0, 1e5).small_pipe, 0);
    EXPECT_EQ(iso::coefficient_terms(0.5, 71.12, 0, 0, 1e5).small_pipe, 0);
}

// ε = 1 − (0.351 + 0.256 / 16 + 0.93 / 256)(1 − 0.95^(1/1.4)) = 1 − 0.3706328 × 0.0359752, and its
// uncertainty 3.5 × 0.1 / (1.4 × 2) %.
TEST(Iso5167_2003, TheExpansibilityFactorAndItsUncertainty) {
    EXPECT_NEAR(iso::expansion_factor(100, 1.4, 2, 50, 100), 0.9866664787385535, 1e-15);
    EXPECT_NEAR(iso::expansion_factor_uncertainty(100, 1.4, 2), 0.125, 1e-15);
    EXPECT_TRUE(std::isnan(iso::expansion_factor(3000, 1.4, 2, 50, 100)));  // P − ΔP below 0
}

TEST(Iso5167_2003, TheUncertaintyOfTheCoefficientByRange) {
    struct Row { double beta, D, Re, u; };
    const Row rows[] = {
        {0.1, 100, 1e5, 0.6},     {0.15, 100, 1e5, 0.55},  {0.2, 100, 1e5, 0.5},  {0.6, 100, 1e5, 0.5},
        {0.65, 100, 1e5, 0.58355}, {0.75, 100, 1e5, 0.75025},
        // A pipe below 71.12 mm, then a low Reynolds number above β 0.5.
        {0.5, 50, 1e5, 0.5 + 0.9 * 0.25 * (2.8 - 50 / 25.4)}, {0.5, 71.12, 1e5, 0.5},
        {0.55, 100, 9999, 1.0},   {0.55, 100, 10000, 0.5}, {0.5, 100, 9999, 0.5},
    };
    for (const auto& r : rows) EXPECT_NEAR(iso::coefficient_uncertainty(r.beta, r.D, r.Re), r.u, 1e-12) << r.beta;
    EXPECT_TRUE(std::isnan(iso::coefficient_uncertainty(0.0999, 100, 1e5)));
    EXPECT_TRUE(std::isnan(iso::coefficient_uncertainty(0.7501, 100, 1e5)));
}

// The solvers' worked values, as the page shows them (7 significant digits).
TEST(Iso5167_2003, TheSolversWorkedValues) {
    auto shown = [](double v) { return cf::text_step_single(cf::to_single(v)); };
    const iso::Solution flow = iso::mass_flow(100, 50, 1, 100, 1000, 1, 0, 0);
    EXPECT_EQ(shown(flow.value), "19842.95");
    EXPECT_EQ(shown(flow.C), "0.6077774");
    EXPECT_EQ(shown(flow.Re), "70180.09");
    const iso::Solution dp = iso::differential_pressure(100, 50, 1, 19785, 1000, 1, 0, 0);
    EXPECT_EQ(shown(dp.value), "99.41403");
    EXPECT_EQ(shown(dp.C), "0.6077857");
    const iso::Solution bore = iso::bore(100, 1, 19785, 100, 1000, 1, 0, 0);
    EXPECT_EQ(shown(bore.value), "49.9323");
    EXPECT_NEAR(bore.C, 0.6077562, 1e-7);
    EXPECT_NEAR(iso::coefficient_uncertainty(0.55, 50, 8000), 1.1496692913385826, 1e-12);
}

// Each mode solved, then undone by another: Qm -> ΔP -> Qm and Qm -> bore -> Qm, over the range of
// the standard, every tap, small and large pipes, a liquid and a gas.
TEST(Iso5167_2003, TheSolversRoundTrip) {
    struct Fluid { double eps, rho, nu, dp; };
    const Fluid fluids[] = {{1, 1000, 1, 100}, {0.97, 4.2, 14, 250}};
    int cases = 0;
    for (auto taps : {Taps::corner, Taps::flange, Taps::d_and_d_half}) {
        for (double D : {50.0, 60.0, 71.12, 100.0, 300.0, 1000.0}) {
            const auto [L1, L2] = tap_terms(taps, D);
            for (int percent = 10; percent <= 75; percent += 5) {
                for (const auto& f : fluids) {
                    const double d = D * percent / 100;
                    const iso::Solution flow = iso::mass_flow(D, d, f.eps, f.dp, f.rho, f.nu, L1, L2);
                    ASSERT_TRUE(std::isfinite(flow.value));
                    const iso::Solution dp = iso::differential_pressure(D, d, f.eps, flow.value, f.rho, f.nu, L1, L2);
                    const iso::Solution bore = iso::bore(D, f.eps, flow.value, f.dp, f.rho, f.nu, L1, L2);
                    EXPECT_NEAR(dp.value / f.dp, 1, 1e-6) << D << " " << percent;
                    EXPECT_NEAR(bore.value / d, 1, 1e-6) << D << " " << percent;
                    EXPECT_NEAR(iso::mass_flow(D, d, f.eps, dp.value, f.rho, f.nu, L1, L2).value / flow.value, 1, 1e-6);
                    EXPECT_NEAR(iso::mass_flow(D, bore.value, f.eps, f.dp, f.rho, f.nu, L1, L2).value / flow.value, 1,
                                1e-6);
                    // The coefficient and the Reynolds number of the last pass agree with the flow found.
                    EXPECT_NEAR(flow.C, iso::discharge_coefficient(d / D, D, L1, L2, flow.Re), 1e-9);
                    EXPECT_NEAR(dp.C, flow.C, 1e-9);
                    ++cases;
                }
            }
        }
    }
    EXPECT_EQ(cases, 3 * 6 * 14 * 2);
}

// Inputs for which no pass settles give no number at all, so that the page shows none.
TEST(Iso5167_2003, ASolutionThatDoesNotSettleIsNotANumber) {
    for (const iso::Solution s : {iso::mass_flow(100, 50, 1, 100, 1000, -1, 0, 0),
                                  iso::differential_pressure(100, 50, 1, 19785, 1000, -1, 0, 0),
                                  iso::bore(100, 1, 19785, -100, 1000, 1, 0, 0)}) {
        EXPECT_TRUE(std::isnan(s.value));
        EXPECT_TRUE(std::isnan(s.C));
        EXPECT_TRUE(std::isnan(s.Re));
    }
}
