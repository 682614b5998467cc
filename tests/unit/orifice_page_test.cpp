#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "orifice/orifice_procedures.h"
#include "shell/page_names.h"
#include "program/program.h"
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
        if (c.kind == cf::ControlKind::field &&
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

// Whatever is pasted into an input, in any mode and with any taps, no field shows a number that is not
// finite, and no chain runs away.
TEST_F(OrificePage, NoInputMakesAFieldShowANonFiniteNumber) {
    const char* const calculations[] = {"Option_qm", "Option_deltap", "Option_d"};
    const Texts worked = {{D_in, "100"}, {d_in, "50"}, {rho_in, "1000"}, {dp_in, "100"},
                          {Qm_in, "19785"}, {eps_in, "1"}, {nu_in, "1"}};
    const char* const nasty[] = {"1e999", "-1e999", "1e-44", "-1e-44", "-5", "0", "1e38", "3e38", "100", "99.9999"};
    testing::internal::CaptureStderr();
    for (const char* taps : tap_options) {
        for (const char* calc : calculations) {
            choose(taps, calc);
            for (const auto& [field, ignored] : worked) {
                for (const char* text : nasty) {
                    enter(worked);
                    enter({{field, text}});
                    ASSERT_EQ(non_finite_texts(od()), std::vector<std::string>{}) << taps << ", " << calc << ", "
                                                                                  << field << " = " << text;
                }
            }
            od().user_click("Init2");
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
