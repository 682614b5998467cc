#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "orifice/orifice_procedures.h"
#include "program/program.h"
#include "shell/page_names.h"
#include "tests/common/page_state.h"
#include "ui/application.h"

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;
using namespace cf::orifice;  // the input fields' names

class Orifice2003Page : public ::testing::Test {
protected:
    Orifice2003Page() {
        cf::start_calcfluides(app);
        app.page(cf::pages::home).user_click("Command_feuille_calcul_od");
    }
    cf::Page& od() { return app.page(cf::pages::orifice_plate); }
    void choose(const char* taps, const char* calculation) {
        od().user_click("Command_liquide");
        od().user_click(taps);
        od().user_click(calculation);
    }
    void enter(const Texts& texts) {
        for (const auto& [field, text] : texts) od().user_edit(field, text);
    }
    const std::string& text(const char* field) { return od().text(field); }

    cf::Application app;
};

const char* const tap_options[] = {"Option_dans_les_angles", "Option_a_la_bride", "Option_a_d_et_demid"};

struct Calculation {
    const char* option;
    Texts inputs;
    const char* result;
};
const Calculation calculations[] = {
    {"Option_qm", {{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {dp_in, "100"}, {eps_in, "1"}, {nu_in, "1"}},
     "Text_qm_bis"},
    {"Option_deltap", {{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {Qm_in, "19785"}, {eps_in, "1"}, {nu_in, "1"}},
     "Text_DeltaPx"},
    {"Option_d", {{D_in, "100"}, {Qm_in, "19785"}, {rho_in, "1000"}, {dp_in, "100"}, {eps_in, "1"}, {nu_in, "1"}},
     "Text_diametre_od"},
};

// --- The same equations, written again in long double with no code of the program: the coefficient
// as one sum, the Reynolds number and the flow equation in SI units with the exact π, and each mode
// solved by bisection instead of the program's passes. ---
using LD = long double;
constexpr LD exact_pi = 3.14159265358979323846264338327950288L;

LD rhg(LD b, LD D_mm, LD L1, LD L2, LD Re) {
    const LD b4 = b * b * b * b, A = std::pow(19000 * b / Re, 0.8L), M = 2 * L2 / (1 - b);
    LD C = 0.5961L + 0.0261L * b * b - 0.216L * b4 * b4 + 0.000521L * std::pow(1e6L * b / Re, 0.7L) +
           (0.0188L + 0.0063L * A) * std::pow(b, 3.5L) * std::pow(1e6L / Re, 0.3L) +
           (0.043L + 0.080L * std::exp(-10 * L1) - 0.123L * std::exp(-7 * L1)) * (1 - 0.11L * A) * b4 / (1 - b4) -
           0.031L * (M - 0.8L * std::pow(M, 1.1L)) * std::pow(b, 1.3L);
    if (D_mm < 71.12L) C += 0.011L * (0.75L - b) * (2.8L - D_mm / 25.4L);
    return C;
}

struct Case {
    LD D, d, rho, dp, Qm, eps, nu;  // the page's units
    LD L1, L2;
};

LD reynolds(const Case& c, LD q_kg_s) { return 4 * q_kg_s / (exact_pi * (c.D / 1000) * (c.nu * 1e-6L) * c.rho); }
// The flow equation [kg/s] for a bore [mm] and a coefficient.
LD flow(const Case& c, LD d_mm, LD C, LD dp_mbar) {
    const LD b = d_mm / c.D, d_m = d_mm / 1000;
    return C / std::sqrt(1 - b * b * b * b) * c.eps * exact_pi / 4 * d_m * d_m * std::sqrt(2 * dp_mbar * 100 * c.rho);
}
template <class F>
LD bisect(LD low, LD high, F f) {  // f increasing, changing sign on [low, high]
    for (int i = 0; i < 200; ++i) {
        const LD mid = (low + high) / 2;
        (f(mid) < 0 ? low : high) = mid;
    }
    return (low + high) / 2;
}
LD independent_mass_flow(const Case& c) {  // kg/h
    const LD q = bisect(0, flow(c, c.d, 2, c.dp),
                        [&](LD q) { return q - flow(c, c.d, rhg(c.d / c.D, c.D, c.L1, c.L2, reynolds(c, q)), c.dp); });
    return q * 3600;
}
LD independent_differential_pressure(const Case& c) {  // mbar
    const LD q = c.Qm / 3600, C = rhg(c.d / c.D, c.D, c.L1, c.L2, reynolds(c, q));
    const LD per_root_dp = flow(c, c.d, C, 1);  // the flow is C' × √ΔP
    return (q / per_root_dp) * (q / per_root_dp);
}
LD independent_bore(const Case& c) {  // mm
    const LD q = c.Qm / 3600, Re = reynolds(c, q);
    return bisect(0.02L * c.D, 0.98L * c.D,
                  [&](LD d) { return flow(c, d, rhg(d / c.D, c.D, c.L1, c.L2, Re), c.dp) - q; });
}

// A number as a user types it: 6 significant digits.
std::string typed(LD value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                   std::chars_format::general, 6);
    return std::string(buffer, end);
}
LD read(const std::string& text) { return std::stold(text); }

}  // namespace

// The three modes under 2003, on random plates and fluids, agree with the independent computation to
// 1e-5 relative (the program's results carry 7 significant digits; the largest gap found is printed).
TEST_F(Orifice2003Page, TheThreeModesAgreeWithAnIndependentComputation) {
    std::mt19937 random(20031991);
    auto between = [&](double low, double high) {  // log-uniform
        return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random));
    };
    double worst[3] = {0, 0, 0};
    const int cases = 300;
    for (int n = 0; n < cases; ++n) {
        const int tap = n % 3;
        Case c{};
        c.D = read(typed(between(50, 1000)));
        c.d = read(typed(c.D * std::uniform_real_distribution<double>(0.1, 0.75)(random)));
        c.rho = read(typed(between(0.5, 1500)));
        c.dp = read(typed(between(5, 2000)));
        c.eps = read(typed(std::uniform_real_distribution<double>(0.85, 1)(random)));
        c.nu = read(typed(between(0.2, 50)));
        c.L1 = tap == 0 ? 0 : tap == 1 ? 25.4L / c.D : 1;
        c.L2 = tap == 0 ? 0 : tap == 1 ? 25.4L / c.D : 0.47L;
        c.Qm = read(typed(independent_mass_flow(c)));
        const Texts fluid = {{rho_in, typed(c.rho)}, {eps_in, typed(c.eps)}, {nu_in, typed(c.nu)}};
        const Texts plate = {{D_in, typed(c.D)}, {d_in, typed(c.d)}};
        const LD expected[] = {independent_mass_flow(c), independent_differential_pressure(c), independent_bore(c)};
        const Texts inputs[] = {{{dp_in, typed(c.dp)}}, {{Qm_in, typed(c.Qm)}},
                                {{D_in, typed(c.D)}, {Qm_in, typed(c.Qm)}, {dp_in, typed(c.dp)}}};
        for (int mode = 0; mode < 3; ++mode) {
            choose(tap_options[tap], calculations[mode].option);
            od().user_click("Option_norme_2003");
            if (mode < 2) enter(plate);
            enter(inputs[mode]);
            enter(fluid);
            const std::string shown = text(calculations[mode].result);
            ASSERT_FALSE(shown.empty()) << n << " " << mode;
            const double gap = static_cast<double>(std::fabs(read(shown) / expected[mode] - 1));
            worst[mode] = std::max(worst[mode], gap);
            EXPECT_LT(gap, 1e-5) << "case " << n << ", " << calculations[mode].option << ": " << shown << " against "
                                 << static_cast<double>(expected[mode]);
            od().user_click("Init2");
        }
    }
    std::printf("%d random cases, largest relative gap: Qm %.2g, Delta P %.2g, bore %.2g\n", cases, worst[0],
                worst[1], worst[2]);
}

// 1991 -> 2003 -> 1991 gives back every text of the page, in every mode and with every tap, and the
// 2003 results differ from the 1991 ones.
TEST_F(Orifice2003Page, BackTo1991EveryTextIsAsItWas) {
    for (const char* taps : tap_options) {
        for (const auto& calc : calculations) {
            choose(taps, calc.option);
            enter(calc.inputs);
            const auto under_1991 = cf::testing::state_of(od());
            const std::string result_1991 = text(calc.result);
            od().user_click("Option_norme_2003");
            EXPECT_NE(text(calc.result), result_1991) << taps << " " << calc.option;
            EXPECT_NE(text("Text_incertitude_C"), "");
            EXPECT_NE(text("Label4").find("conformément à l'ISO 5167-2:2003"), std::string::npos);
            EXPECT_NE(text("Label4").find("Re>= 5000 et Re>=170. Beta².D"), std::string::npos);
            EXPECT_NE(text("Label_gazs").find("Epsilon = 1- (0,351+ 0,256 . (d/D)^4 + 0,93 . (d/D)^8)"),
                      std::string::npos);
            od().user_click("Option_norme_1991");
            EXPECT_EQ(cf::testing::state_of(od()), under_1991) << taps << " " << calc.option;
            od().user_click("Init2");
        }
    }
}

// "Initialisation" under 2003 leaves the page exactly as "Initialisation" under 1991 does.
TEST_F(Orifice2003Page, InitialisationBringsThePageBackTo1991) {
    choose("Option_a_la_bride", "Option_qm");
    enter(calculations[0].inputs);
    od().user_click("Init2");
    const auto after_1991 = cf::testing::state_of(od());
    choose("Option_a_la_bride", "Option_qm");
    od().user_click("Option_norme_2003");
    enter(calculations[0].inputs);
    od().user_click("Init2");
    EXPECT_EQ(cf::testing::state_of(od()), after_1991);
    EXPECT_TRUE(od().selected("Option_norme_1991"));
}
