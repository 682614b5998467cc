#include <gtest/gtest.h>

#include <cmath>

#include "core/field_value.h"
#include "pipeflow/pipe_flow_formulas.h"

namespace pf = cf::pipe_flow;

namespace {

// A result as the page shows it: stored in single precision, then with two decimals.
std::string shown(double result) { return cf::format_field_value(cf::to_single(result), "0.00"); }

// Darcy friction factor from the Colebrook–White equation, by fixed-point iteration.
double colebrook(double relative_roughness, double Re) {
    double lambda = 0.02;
    for (int i = 0; i < 100; ++i) {
        const double r = -2 * std::log10(relative_roughness / 3.7 + 2.51 / (Re * std::sqrt(lambda)));
        lambda = 1 / (r * r);
    }
    return lambda;
}

}  // namespace

TEST(PipeFlowFormulas, WorkedValues) {
    struct Case { const char* what; double result; const char* shows; };
    const Case cases[] = {
        {"Qv, V 1, D 100", pf::volume_flow(1, 100), "28.27"},
        {"S, Qv 10, V 1", pf::section(10, 1), "2777.78"},
        {"D, S 2777.78", pf::bore_from_section(cf::to_single(2777.78)), "59.47"},
        {"V, Qv 10, D 50", pf::velocity(10, 50), "1.41"},
        {"Re, V 2, D 50, Nu 1", pf::reynolds_from_nu(2, 50, 1), "100000.00"},
        {"Re, RHO 1000, V 2, D 50, Mu 1000", pf::reynolds_from_mu(2, 50, 1000, 1000), "100000.00"},
        {"ΔP laminar, Qv 2, RHO 900, L 100, D 25, Re 500", pf::laminar_pressure_loss(2, 900, 100, 25, 500), "2.95"},
        {"ΔP turbulent, K 0.15", pf::turbulent_pressure_loss(10, 1000, 100, 50, 100000, cf::to_single(0.15)), "0.56"},
        {"ΔP turbulent, K 0", pf::turbulent_pressure_loss(10, 1000, 100, 50, 100000, 0), "0.35"},
        {"Qv, V 0, D 100", pf::volume_flow(0, 100), "0.00"},
        {"Re, V 0.04, D 50, Nu 1", pf::reynolds_from_nu(cf::to_single(0.04), 50, 1), "2000.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.result), c.shows) << c.what;
}

TEST(PipeFlowFormulas, RegimeAroundTheCriticalReynoldsNumber) {
    struct Case { float Re; const char* regime; };
    const Case cases[] = {
        {2000.0f, nullptr}, {std::nextafter(2000.0f, 3000.0f), "Turbulent"}, {std::nextafter(2000.0f, 0.0f), "laminaire"},
        {100000.0f, "Turbulent"}, {0.0f, "laminaire"}, {-5.0f, "laminaire"},
    };
    for (const auto& c : cases) {
        const auto r = pf::regime(c.Re);
        if (c.regime == nullptr)
            EXPECT_FALSE(r) << c.Re;
        else
            EXPECT_EQ(r.value_or("none"), c.regime) << c.Re;
    }
}

// The turbulent pressure loss uses Moody's approximation with the 1 outside the cube root: it stays within
// a few per cent of Colebrook–White over the usual range of smooth to rough pipes.
TEST(PipeFlowFormulas, TurbulentFrictionFollowsColebrookWhite) {
    // With Qv 10, RHO 1000, L 100, D 50 the pressure loss is 20 times the Darcy friction factor.
    for (double K : {0.0, 0.005, 0.05, 0.15, 0.5}) {
        for (double Re : {1e4, 3e4, 1e5, 1e6, 1e7}) {
            const double lambda = pf::turbulent_pressure_loss(10, 1000, 100, 50, Re, K) / 20;
            const double reference = colebrook(K / 50, Re);
            EXPECT_NEAR(lambda / reference, 1.0, 0.06) << "K " << K << ", Re " << Re;
        }
    }
}

TEST(PipeFlowFormulas, LaminarFrictionIs64OverRe) {
    for (double Re : {100.0, 500.0, 1999.0}) {
        const double lambda = pf::laminar_pressure_loss(10, 1000, 100, 50, Re) / 20;
        EXPECT_DOUBLE_EQ(lambda, 64 / Re) << Re;
    }
}

TEST(PipeFlowFormulas, ResultsThatAreNotRealNumbers) {
    EXPECT_TRUE(std::isnan(pf::bore_from_section(-1)));
    EXPECT_EQ(pf::bore_from_section(0), 0);
    // K × 20000 ÷ D + 10⁶ ÷ Re below 0 has no real cube root.
    EXPECT_TRUE(std::isnan(pf::turbulent_pressure_loss(10, 1000, 100, 50, 100000, -1)));
    EXPECT_TRUE(std::isnan(pf::turbulent_pressure_loss(10, 1000, 100, 50, -100000, 0)));
    EXPECT_TRUE(std::isinf(pf::section(10, 0)));
    EXPECT_TRUE(std::isinf(cf::to_single(pf::volume_flow(1e30, 1e30))));
    EXPECT_TRUE(std::isnan(pf::velocity(0, 0)));
}
