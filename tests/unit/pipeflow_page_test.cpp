#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "pipeflow/pipe_flow_page.h"
#include "pipeflow/pipe_flow_procedures.h"
#include "shell/page_names.h"
#include "program/program.h"
#include "tests/common/page_state.h"
#include "ui/application.h"

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

// The program with the pipe flow page opened from the home page, as a user does.
class PipeFlowPage : public ::testing::Test {
protected:
    PipeFlowPage() {
        cf::start_calcfluides(app);
        app.page(cf::pages::home).user_click("bt_départ_calcul_DVS");
    }
    cf::Page& dvs() { return app.page(cf::pages::pipe_flow); }
    void click(const char* control) { dvs().user_click(control); }
    void type(const Texts& texts) {
        for (const auto& [field, text] : texts) dvs().user_edit(field, text);
    }
    bool visible(const char* control) { return dvs().visible(control); }
    const std::string& text(const char* control) { return dvs().text(control); }

    cf::Application app;
};

using State = cf::testing::PageState;
using cf::testing::state_of;

}  // namespace

// The start state is the state after "Initialisation".
TEST_F(PipeFlowPage, InitialisationBringsBackTheStartState) {
    const State start = state_of(dvs());
    click("bt_débit");
    type({{"txt_vitesse31", "1"}, {"txt_diamètre31", "100"}});
    click("chx_Mu");
    type({{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_Mu", "1000"}, {"txt_RHO51", "1000"}});
    ASSERT_TRUE(visible("fr_pertes_de_charges2"));
    type({{"txt_Qv_calcul_pertes_de_charges2", "10"}, {"txt_RHO_calcul_pertes_de_charges2", "1000"},
          {"txt_L_calcul_pertes_de_charges2", "100"}, {"txt_D_calcul_pertes_de_charges2", "50"},
          {"txt_Re_calcul_pertes_de_charges2", "100000"}});
    ASSERT_EQ(text("txt_DeltaP_calcul_pertes_de_charges2"), "0.56");
    dvs().set_text("txt_régime_reynolds", "laminaire");
    type({{"txt_Qv_calcul_pertes_de_charges", "2"}, {"txt_RHO_calcul_pertes_de_charges", "900"},
          {"txt_L_calcul_pertes_de_charges", "100"}, {"txt_D_calcul_pertes_de_charges", "25"},
          {"txt_Re_calcul_pertes_de_charges", "500"}});
    ASSERT_EQ(text("txt_DeltaP_calcul_pertes_de_charges"), "2.95");
    click("bt_régime_laminaire");
    click("chx_nu");
    type({{"txt_nu_reynolds", "1"}});
    click("bt_initialisation");
    EXPECT_EQ(state_of(dvs()), start);
}

// Each working frame shows its result exactly while its inputs are complete: every field holding some
// text (blanks count), and the divisors not 0.
TEST_F(PipeFlowPage, ResultsFollowTheCompletenessOfTheirInputs) {
    struct Case {
        const char* opening_button;
        Texts inputs;
        std::vector<const char*> divisors;
        std::vector<const char*> results;
        bool opens_reynolds_frame;
    };
    const Case cases[] = {
        {"bt_débit", {{"txt_vitesse31", "1"}, {"txt_diamètre31", "100"}}, {},
         {"lbl_débit31", "txt_débit31", "lbl_débit31_unités", "bt_résultat_débit31"}, true},
        {"bt_Section", {{"txt_débit32", "10"}, {"txt_vitesse32", "1"}}, {"txt_vitesse32"},
         {"txt_diamètre32", "lbl_diamètre32", "txt_section32", "lbl_section32", "lbl_section32_unités",
          "lbl_diamètre32_unités", "bt_résultat_section"}, true},
        {"bt_vitesse", {{"txt_débit33", "10"}, {"txt_Diamètre33", "50"}}, {"txt_Diamètre33"},
         {"txt_vitesse33", "lbl_vitesse33", "lbl_vitesse33_unités", "bt_résultat33"}, true},
        {"bt_régime_laminaire",
         {{"txt_Qv_calcul_pertes_de_charges", "2"}, {"txt_RHO_calcul_pertes_de_charges", "900"},
          {"txt_L_calcul_pertes_de_charges", "100"}, {"txt_D_calcul_pertes_de_charges", "25"},
          {"txt_Re_calcul_pertes_de_charges", "500"}},
         {"txt_RHO_calcul_pertes_de_charges", "txt_D_calcul_pertes_de_charges", "txt_Re_calcul_pertes_de_charges"},
         {"txt_DeltaP_calcul_pertes_de_charges", "lbl_DeltaP_calcul_pertes_de_charges",
          "lbl_DeltaP_calcul_pertes_de_charges_unités", "bt_résultat_calcul_pertrs_de_charges"}, false},
        {"bt_régime_turbulant",
         {{"txt_Qv_calcul_pertes_de_charges2", "10"}, {"txt_RHO_calcul_pertes_de_charges2", "1000"},
          {"txt_L_calcul_pertes_de_charges2", "100"}, {"txt_D_calcul_pertes_de_charges2", "50"},
          {"txt_Re_calcul_pertes_de_charges2", "100000"}, {"txt_K_calcul_pertes_de_charges2", "0.15"}},
         {"txt_RHO_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2", "txt_Re_calcul_pertes_de_charges2"},
         {"txt_DeltaP_calcul_pertes_de_charges2", "lbl_DeltaP_calcul_pertes_de_charges2",
          "lbl_DeltaP_calcul_pertes_de_charges2_unités", "bt_résultat_calcul_pertrs_de_charges2"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opening_button);
        click("bt_initialisation");
        click(c.opening_button);
        auto expect_results = [&](bool shown, const std::string& after) {
            for (const char* r : c.results) EXPECT_EQ(visible(r), shown) << r << " after " << after;
            if (c.opens_reynolds_frame) {
                EXPECT_EQ(visible("fr_nb_reynolds"), shown) << after;
                EXPECT_EQ(visible("fr_calcul_du_nombre_de_Reynolds"), !shown) << after;
            }
        };
        type(c.inputs);
        expect_results(true, "all inputs");
        for (const auto& [field, good] : c.inputs) {
            type({{field, ""}});
            expect_results(false, std::string(field) + " emptied");
            type({{field, " "}});  // a blank is some text; it reads as 0
            const bool divisor = std::find_if(c.divisors.begin(), c.divisors.end(),
                                              [&](const char* d) { return std::string(d) == field; }) != c.divisors.end();
            expect_results(!divisor, std::string(field) + " blank");
            type({{field, "0,5"}});  // reads as 0
            expect_results(!divisor, std::string(field) + " 0,5");
            type({{field, good}});
            expect_results(true, std::string(field) + " back");
        }
    }
}

// V and D run the Nu part in mode none and Nu mode, the Mu part in Mu mode; the result is computed only in
// the matching mode.
TEST_F(PipeFlowPage, ReynoldsModesChooseWhichInputsCountAndWhetherItComputes) {
    struct Case {
        const char* mode;  // "none", "nu", "mu"
        Texts inputs;
        bool shown;
        const char* re;
    };
    const Texts nu = {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_nu_reynolds", "1"}};
    const Texts mu = {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"},
                      {"txt_Mu", "1000"}, {"txt_RHO51", "1000"}};
    const Texts all = {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_nu_reynolds", "1"},
                       {"txt_Mu", "500"}, {"txt_RHO51", "1000"}};
    const Case cases[] = {
        {"none", nu, true, ""},  {"none", mu, false, ""},     {"none", all, true, ""},
        {"nu", nu, true, "100000.00"}, {"nu", mu, false, ""}, {"nu", all, true, "100000.00"},
        // The Nu field runs the Nu part in every mode: in Mu mode it shows the result without computing.
        {"mu", nu, true, ""},    {"mu", mu, true, "100000.00"}, {"mu", all, true, "200000.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("mode ") + c.mode);
        click("bt_initialisation");
        click("bt_calcul_du_nombre_de_Reynolds");
        if (std::string(c.mode) == "nu") click("chx_nu");
        if (std::string(c.mode) == "mu") click("chx_Mu");
        type(c.inputs);
        EXPECT_EQ(visible("txt_reynolds_calcul_reynolds"), c.shown);
        EXPECT_EQ(visible("bt_nb_resultat_reynolds"), c.shown);
        EXPECT_EQ(text("txt_reynolds_calcul_reynolds"), c.re);
    }
}

// The regime field chooses the pressure-loss frame: the chooser card for an empty text, the laminar or
// turbulent frame for the two words exactly as the procedures write them; any other text (" 0.00"
// included, which no procedure writes) changes no frame.
TEST_F(PipeFlowPage, TheRegimeShownChoosesThePressureLossFrame) {
    const auto frames = [&] {
        return std::tuple(visible("fr_pertes_de_charges3"), visible("fr_pertes_de_charges"),
                          visible("fr_pertes_de_charges2"));
    };
    const auto chooser = std::tuple(true, false, false), laminar = std::tuple(false, true, false),
               turbulent = std::tuple(false, false, true);
    const std::pair<const char*, std::tuple<bool, bool, bool>> steps[] = {
        {"Turbulent", turbulent}, {" 0.00", turbulent}, {"laminaire", laminar}, {"turbulent", laminar},
        {"Laminaire", laminar},   {"0.00", laminar},  {"Turbulent", turbulent}, {"", chooser},
    };
    for (const auto& [regime, expected] : steps) {
        dvs().set_text("txt_régime_reynolds", regime);
        EXPECT_EQ(frames(), expected) << '"' << regime << '"';
    }
}

TEST(PipeFlowUnits, EveryPhraseStartsALineOfTheFixedWidthLabel) {
    const std::string text = cf::pipe_flow_page::units_text();
    // The window breaks the caption at each run of three blanks or more.
    std::vector<std::string> phrases(1);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t run = std::min(text.find_first_not_of(' ', i), text.size()) - i;
        if (run >= 3) {
            phrases.emplace_back();
            i += run;
        } else {
            phrases.back() += text[i++];
        }
    }
    const std::vector<std::string> expected = {
        "V=vitesse du fluide  (m/s)", "Nu=viscosité cinématique (10-6 m2/s)", "Mu=Viscosité dynamique (10-6 Pa.s)",
        "Diamètre intérieur de la canalisation (mm)", "S=Section (mm2)", "Re=Nombre de Reynolds",
        "Régime=Carractéristique de l'écoulement", "RHO=Masse volumique aux conditions de calcul (Kg/m3)",
        "L=Longueur de la conduite (m)", "Qv=débit volumique (m3/h)", "DeltaP et Pertes de charge (Bar)",
        "K=Coefficient de rugosité interne"};
    EXPECT_EQ(phrases, expected);
    EXPECT_NE(text.back(), ' ');
}

// Random texts typed into every field in random order, with random clicks: no result field ever shows
// anything but a finite number written with two decimals, and nothing throws.
TEST(PipeFlowRandomInput, ResultFieldsOnlyEverShowFiniteNumbers) {
    const std::vector<const char*> inputs = {
        "txt_vitesse31", "txt_diamètre31", "txt_débit32", "txt_vitesse32", "txt_débit33", "txt_Diamètre33",
        "txt_vitesse_calcul_reynolds", "txt_diamètre_reynolds", "txt_nu_reynolds", "txt_Mu", "txt_RHO51",
        "txt_Qv_calcul_pertes_de_charges", "txt_RHO_calcul_pertes_de_charges", "txt_L_calcul_pertes_de_charges",
        "txt_D_calcul_pertes_de_charges", "txt_Re_calcul_pertes_de_charges", "txt_Qv_calcul_pertes_de_charges2",
        "txt_RHO_calcul_pertes_de_charges2", "txt_L_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2",
        "txt_Re_calcul_pertes_de_charges2", "txt_K_calcul_pertes_de_charges2"};
    const std::vector<const char*> results = {
        "txt_débit31", "txt_section32", "txt_diamètre32", "txt_vitesse33", "txt_reynolds_calcul_reynolds",
        "txt_DeltaP_calcul_pertes_de_charges", "txt_DeltaP_calcul_pertes_de_charges2"};
    const std::vector<const char*> buttons = {
        "bt_débit", "bt_vitesse", "bt_Section", "bt_calcul_du_nombre_de_Reynolds", "chx_nu", "chx_Mu",
        "bt_régime_laminaire", "bt_régime_turbulant", "bt_initialisation", "Command3", "bt_résultat_débit31"};
    const std::vector<std::string> tokens = {
        "0", "1", "2", "5", "9", "00", "123", "-", "+", ".", ",", "e", "E", " ", "\t", "a", "x", "é", "e38", "e39",
        "e-38", "e-45", "e-50", "e308", "e309", "e999", "E+999", "e-999", "3.4e38", "1e30", "-1e30", "99999999999",
        "0.04", "2000", "1e-7", "inf", "nan", "NaN", "--", "1,5", "0.00"};

    std::mt19937 random(20240611);
    auto pick = [&](const auto& list) { return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)]; };
    for (int run = 0; run < 30; ++run) {
        cf::Application app;
        cf::start_calcfluides(app);
        app.page(cf::pages::home).user_click("bt_départ_calcul_DVS");
        for (int step = 0; step < 300; ++step) {
            cf::Page& dvs = app.page(cf::pages::pipe_flow);
            std::string what;
            if (std::uniform_int_distribution<int>(0, 5)(random) == 0) {
                what = std::string("click ") + pick(buttons);
                ASSERT_NO_THROW(dvs.user_click(pick(buttons))) << what;
            } else {
                const char* field = pick(inputs);
                std::string typed;
                const int length = std::uniform_int_distribution<int>(0, 5)(random);
                for (int i = 0; i < length; ++i) typed += pick(tokens);
                what = std::string("type \"") + typed + "\" into " + field;
                ASSERT_NO_THROW(dvs.user_edit(field, typed)) << what;
            }
            for (const char* r : results) {
                const std::string& shown = dvs.text(r);
                if (shown.empty()) continue;
                const double value = cf::parse_field_value(shown);
                ASSERT_TRUE(std::isfinite(value)) << r << " shows \"" << shown << "\" after " << what;
                ASSERT_EQ(cf::format_field_value(value, "0.00"), shown) << r << " after " << what;
            }
            const std::string& regime = dvs.text("txt_régime_reynolds");
            ASSERT_TRUE(regime.empty() || regime == "laminaire" || regime == "Turbulent") << regime;
        }
        const auto& held = app.held<cf::pipe_flow::PipeFlowHeld>();
        for (float h : {held.qv.Qv, held.section.S, held.diameter.D, held.velocity.V, held.reynolds_nu.Re,
                        held.reynolds_mu.Re, held.laminar.DeltaP, held.turbulent.DeltaP})
            EXPECT_TRUE(std::isfinite(h));
    }
}
