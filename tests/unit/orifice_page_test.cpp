#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "orifice/orifice_procedures.h"
#include "shell/page_names.h"
#include "program/program.h"
#include "tests/common/page_state.h"
#include "ui/application.h"

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

using namespace cf::orifice;  // the input fields' names

// The program with the orifice plate page opened from the home page, as a user does.
class OrificePage : public ::testing::Test {
protected:
    OrificePage() {
        cf::start_calcfluides(app);
        app.page(cf::pages::home).user_click("Command_feuille_calcul_od");
    }
    cf::Page& od() { return app.page(cf::pages::orifice_plate); }
    // A liquid, the taps and the calculation chosen.
    void choose(const char* taps, const char* calculation) {
        od().user_click("Command_liquide");
        od().user_click(taps);
        od().user_click(calculation);
    }
    // Each text pasted whole: one Change per field.
    void enter(const Texts& texts) {
        for (const auto& [field, text] : texts) od().user_edit(field, text);
    }
    const std::string& text(const char* field) { return od().text(field); }
    cf::orifice::OrificeHeld& held() { return app.held<cf::orifice::OrificeHeld>(); }

    cf::Application app;
};

const char* const tap_options[] = {"Option_dans_les_angles", "Option_a_la_bride", "Option_a_d_et_demid"};

// Every field of the page that shows something not finite.
std::vector<std::string> non_finite_texts(const cf::Page& p) {
    std::vector<std::string> found;
    for (const auto& name : p.order()) {
        const cf::Control& c = p.control(name);
        if ((c.kind == cf::ControlKind::field || c.kind == cf::ControlKind::label) &&
            (c.text.find("inf") != std::string::npos || c.text.find("nan") != std::string::npos))
            found.push_back(name + " \"" + c.text + "\"");
    }
    return found;
}

}  // namespace

// The bore that the page computes for the mass flow it computes itself gives back the bore entered
// (to the last digit shown), for every tap and diameter ratio the standard covers (D = 50 mm puts the flange tap term above 0.4333).
TEST_F(OrificePage, TheBoreOfTheMassFlowCalculatedIsTheBoreEntered) {
    for (const char* taps : tap_options) {
        for (double D : {50.0, 100.0, 300.0}) {
            for (int percent = 20; percent <= 75; percent += 5) {
                const std::string D_text = cf::text_step_single(cf::to_single(D));
                const std::string d_text = cf::text_step_single(cf::to_single(D * percent / 100));
                const Texts fluid = {{rho_in, "1000"}, {eps_in, "1"}, {nu_in, "1"}};
                choose(taps, "Option_qm");
                enter({{D_in, D_text}, {d_in, d_text}, {dp_in, "100"}});
                enter(fluid);
                const std::string Qm = text("Text_qm_bis");
                od().user_click("Init2");
                choose(taps, "Option_d");
                enter({{D_in, D_text}, {Qm_in, Qm}, {dp_in, "100"}});
                enter(fluid);
                // Within one unit of the last of the 7 digits shown.
                const double d = cf::parse_field_value(d_text);
                const double last_digit = std::pow(10, std::floor(std::log10(d)) - 6);
                EXPECT_NEAR(cf::parse_field_value(text("Text_diametre_od")), d, 1.01 * last_digit)
                    << taps << ", D " << D_text << ", d " << d_text << ", Qm " << Qm;
                od().user_click("Init2");
            }
        }
    }
}

// The results do not depend on the order in which the inputs are typed.
TEST_F(OrificePage, TheOrderOfTheInputsDoesNotMatter) {
    struct Calculation { const char* option; Texts inputs; std::vector<const char*> results; };
    const Calculation calculations[] = {
        {"Option_qm",
         {{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {dp_in, "100"}, {eps_in, "1"}, {nu_in, "1"}},
         {"Text_qm_bis", "Text_Re_bis", "Text_qv_m3_h", "Text_pertes_de_charges"}},
        {"Option_deltap",
         {{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {Qm_in, "19785"}, {eps_in, "1"}, {nu_in, "1"}},
         {"Text_DeltaPx", "Text_Re_bis", "Text_qv_m3_h", "Text_pertes_de_charges"}},
        {"Option_d",
         {{D_in, "100"}, {Qm_in, "19785"}, {rho_in, "1000"}, {dp_in, "100"}, {eps_in, "1"}, {nu_in, "1"}},
         {"Text_diametre_od", "Text_Re_bis", "Text_qv_m3_h", "Text_pertes_de_charges"}},
    };
    for (const auto& calc : calculations) {
        std::array<int, 6> order = {0, 1, 2, 3, 4, 5};
        std::vector<std::string> first;
        do {
            choose("Option_dans_les_angles", calc.option);
            for (int i : order) enter({calc.inputs[i]});
            std::vector<std::string> results;
            for (const char* r : calc.results) results.push_back(text(r));
            if (first.empty()) first = results;
            ASSERT_EQ(results, first) << calc.option << ", inputs in the order " << order[0] << order[1] << order[2]
                                      << order[3] << order[4] << order[5];
            od().user_click("Init2");
        } while (std::next_permutation(order.begin(), order.end()));
        EXPECT_FALSE(first[0].empty()) << calc.option;
    }
}

// A result that is not finite empties its field and leaves the held result as it was; the emptied
// field reads as 0, so the chain stops at the next guard and the fields after it keep their texts.
TEST_F(OrificePage, AResultThatIsNotFiniteEmptiesItsFieldAndStopsTheChain) {
    choose("Option_dans_les_angles", "Option_qm");
    enter({{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {dp_in, "100"}, {eps_in, "1"}, {nu_in, "1"}});
    ASSERT_EQ(text("Text_qm_bis"), "19792.3");
    // A viscosity so small that the Reynolds number overflows single precision.
    enter({{nu_in, "1e-44"}});
    EXPECT_EQ(text("Text_Re1"), "");
    EXPECT_EQ(held().Re1.Re, cf::to_single(69565.95));
    EXPECT_EQ(text("Text_dpc_C2"), "0.6062436");
    EXPECT_EQ(text("Text_qm_bis"), "19792.3");
    enter({{nu_in, "1"}});
    EXPECT_EQ(text("Text_Re1"), "69565.95");
}

// A bore whose ratio does not settle is not shown; the held bore stays, and the pressure loss that
// reads the emptied bore stops at its guard.
TEST_F(OrificePage, ABoreThatDoesNotSettleIsNotShown) {
    choose("Option_dans_les_angles", "Option_d");
    enter({{D_in, "100"}, {Qm_in, "19785"}, {rho_in, "1000"}, {dp_in, "100"}, {eps_in, "1"}, {nu_in, "1"}});
    ASSERT_EQ(text("Text_diametre_od"), "49.99144");
    // The Reynolds number of the entered flow overflows and is emptied: the coefficient at d1 keeps
    // its text, and the bore iterated with no Reynolds number never settles.
    enter({{nu_in, "1e-44"}});
    EXPECT_EQ(text("Text_Re_11"), "");
    EXPECT_EQ(text("Text_c_1"), "0.6063154");
    enter({{eps_in, "1"}});
    EXPECT_EQ(text("Text_d_2"), "");
    EXPECT_EQ(text("Text_diametre_od"), "");
    EXPECT_EQ(held().d_2.d2, cf::to_single(49.99144));
    EXPECT_EQ(text("Text_pertes_de_charges"), "73.214378");
}

// Whatever is pasted into an input, under either standard, in any mode and with any taps, no field or
// label (the verdict of the limits) shows a number that is not finite, and no chain runs away.
TEST_F(OrificePage, NoInputMakesAFieldShowANonFiniteNumber) {
    const char* const calculations[] = {"Option_qm", "Option_deltap", "Option_d"};
    const Texts worked = {{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {dp_in, "100"},
                          {Qm_in, "19785"}, {eps_in, "1"}, {nu_in, "1"}};
    const char* const nasty[] = {"1e999", "-1e999", "1e-44", "-1e-44", "-5", "0", "1e38", "3e38", "100", "99.9999"};
    testing::internal::CaptureStderr();
    for (const char* standard : {"Option_norme_1991", "Option_norme_2003"}) {
        for (const char* taps : tap_options) {
            for (const char* calc : calculations) {
                choose(taps, calc);
                od().user_click(standard);
                for (const auto& [field, ignored] : worked) {
                    for (const char* text : nasty) {
                        enter(worked);
                        enter({{field, text}});
                        ASSERT_EQ(non_finite_texts(od()), std::vector<std::string>{})
                            << standard << ", " << taps << ", " << calc << ", " << field << " = " << text;
                    }
                }
                od().user_click("Init2");
            }
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// --- ISO 5167-2:2003 ---

namespace {

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
TEST_F(OrificePage, TheThreeModesAgreeWithAnIndependentComputation) {
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
TEST_F(OrificePage, BackTo1991EveryTextIsAsItWas) {
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
TEST_F(OrificePage, InitialisationBringsThePageBackTo1991) {
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
