#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/saturated_steam_table.h"
#include "shell/page_names.h"
#include "program/program.h"
#include "tests/common/page_state.h"
#include "ui/application.h"

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

// The program with the density page opened from the home page, as a user does.
class DensityPage : public ::testing::Test {
protected:
    DensityPage() {
        cf::start_calcfluides(app);
        app.page(cf::pages::home).user_click("bt_dvs_calculs_de_masses_volumiques");
    }
    cf::Page& rho() { return app.page(cf::pages::density); }
    void type(const Texts& texts) {
        for (const auto& [field, text] : texts) rho().user_edit(field, text);
    }

    cf::Application app;
};

using State = cf::testing::PageState;
using cf::testing::state_of;

// How a field of a gas input frame counts in the frame's completeness test.
enum class Role { filled, not_zero, filled_and_not_zero, no_handler };

struct Frame {
    const char* density_button;
    const char* option;
    std::vector<std::tuple<const char*, const char*, Role>> fields;  // with a text that completes the frame
    const char* result;
    const char* result_button;
};

const std::vector<Frame> frames = {
    {"bt_RHOc20", "opbt_RHOc21",
     {{"txt_RHOn_pour_RHOc", "1.293", Role::filled}, {"txt_Pn_pour_RHOc", "1.013", Role::filled_and_not_zero},
      {"txt_Tn_pour_RHOc", "0", Role::filled}, {"txt_Pc_pour_RHOc21", "2", Role::filled},
      {"txt_Tc_pour_RHOc21", "0", Role::filled}, {"Text_zn_pour_calcul_rhoc_avec_rhon", "1", Role::not_zero},
      {"Text_zc_pour_calcul_rhoc_avec_rhon", "1", Role::not_zero}},
     "txt_résultat_RHOc_avec_RHOn", "cmd_calcul_RHOc_avec_RHOn"},
    {"bt_RHOc20", "opbt_RHOc22",
     {{"txt_RHOs_pour_RHOc", "5", Role::filled}, {"txt_Ps_pour_RHOc", "5", Role::filled_and_not_zero},
      {"txt_Ts_pour_RHOc", "0", Role::filled}, {"txt_Pc_pour_RHOc22", "2", Role::filled},
      {"txt_Tc_pour_RHOc22", "0", Role::filled}, {"Text_zs_pour_calcul_rhoc", "1", Role::not_zero},
      {"Text_zc_pour_calcul_rhoc", "1", Role::not_zero}},
     "txt_résultat_RHOc_avec_RHOs", "cmd_calcul_RHOc_avec_RHOs"},
    {"bt_RHOn20", "opbt_RHOn21",
     {{"txt_RHOc_pour_RHOn", "5", Role::filled}, {"txt_Pc_pour_RHOn", "5", Role::filled_and_not_zero},
      {"txt_Tc_pour_RHOn", "0", Role::filled}, {"txt_Pn_pour_RHOn21", "1.013", Role::filled},
      {"txt_Tn_pour_RHOn21", "0", Role::filled}, {"Text_zc_pour_calcul_rhon_avec_rhoc", "1", Role::not_zero},
      {"Text_zn_pour_calcul_rhon_avec_rhoc", "1", Role::not_zero}},
     "txt_résultat_RHOn_avec_RHOc", "bt_resultat_RHOn_avec_RHOc"},
    {"bt_RHOn20", "opbt_RHOn22",
     {{"txt_RHOs_pour_RHOn", "5", Role::filled}, {"txt_Ps_pour_RHOn", "5", Role::filled_and_not_zero},
      {"txt_Ts_pour_RHOn", "0", Role::filled}, {"txt_Pn_pour_RHOn22", "1.013", Role::filled},
      {"txt_Tn_pour_RHOn22", "0", Role::filled}, {"Text_Zs_pour_calcul_rhon_avec_rhos", "1", Role::not_zero},
      {"Text_Zn_pour_calcul_rhon_avec_rhos", "1", Role::not_zero}},
     "txt_résultat_RHOn_avec_RHOs", "bt_resultat_RHOn_avec_RHOsc"},
    {"bt_RHOs20", "opbt_RHOs21",
     {{"txt_RHOn_pour_RHOs", "1", Role::filled}, {"txt_Pn_pour_RHOs", "1.013", Role::filled},
      {"txt_Tn_pour_RHOs", "0", Role::filled}, {"txt_Ps_pour_RHOs21", "2", Role::filled_and_not_zero},
      {"txt_Ts_pour_RHOs21", "0", Role::filled}, {"Text_zs_pour_calcul_rhos_avec_rhon", "1", Role::not_zero},
      {"Text_zn_pour_calcul_rhos_avec_rhon", "1", Role::not_zero}},
     "txt_résultat_RHOs_avec_RHOn", "cmd_calcul_RHOs_avec_RHOn"},
    {"bt_RHOs20", "opbt_RHOs22",
     {{"txt_RHOc_pour_RHOs", "10", Role::filled}, {"txt_Pc_pour_RHOs", "10", Role::filled},
      {"txt_Tc_pour_RHOs", "0", Role::filled}, {"txt_Ps_pour_RHOs22", "5", Role::filled_and_not_zero},
      {"txt_Ts_pour_RHOs22", "0", Role::filled}, {"Text_zs_pour_calcul_rhos_avec_rhoc", "1", Role::no_handler},
      {"Text_zc_pour_calcul_rhos_avec_rhoc", "1", Role::no_handler}},
     "txt_résultat_RHOs_avec_RHOc", "cmd_calcul_RHOs_avec_RHOc"},
};

}  // namespace

// Each field of a gas frame hides the result when emptied or set to 0 exactly as its frame's test says;
// a text of blanks is filled and reads as 0.
TEST_F(DensityPage, EachGasFrameTestsItsFieldsAsItsTableSays) {
    for (const Frame& f : frames) {
        rho().user_click("bt_initialisation");
        rho().user_click("bt_gaz20");
        rho().user_click(f.density_button);
        rho().user_click(f.option);
        for (const auto& [field, text, role] : f.fields) rho().user_edit(field, text);
        ASSERT_TRUE(rho().shown(f.result)) << f.option;
        for (const auto& [field, text, role] : f.fields) {
            const bool tests_text = role == Role::filled || role == Role::filled_and_not_zero;
            const bool tests_value = role == Role::not_zero || role == Role::filled_and_not_zero;
            for (const char* probe : {"", "0", " "}) {
                rho().user_edit(field, probe);
                const bool incomplete = std::string(probe).empty() ? tests_text || tests_value : tests_value;
                EXPECT_EQ(rho().visible(f.result), !incomplete) << field << " \"" << probe << '"';
                rho().user_edit(field, text);
                EXPECT_TRUE(rho().visible(f.result)) << field;
            }
        }
    }
}

// Whatever the order of typing, once "Résultat" is clicked each frame shows the density of the inputs it
// shows: the compressibility factors typed last count, also in the frame where they run nothing.
TEST_F(DensityPage, AfterResultatEachFrameShowsTheDensityOfItsInputs) {
    auto open = [&](const Frame& f) {
        rho().user_click("bt_initialisation");
        rho().user_click("bt_gaz20");
        rho().user_click(f.density_button);
        rho().user_click(f.option);
    };
    for (const Frame& f : frames) {
        const auto& [factor1, text1, role1] = f.fields[5];
        const auto& [factor2, text2, role2] = f.fields[6];
        open(f);
        type({{factor1, "0.8"}, {factor2, "1.25"}});
        for (const auto& [field, text, role] : f.fields)
            if (field != factor1 && field != factor2) rho().user_edit(field, text);
        const std::string expected = rho().text(f.result);
        ASSERT_NE(expected, "") << f.option;

        open(f);
        for (const auto& [field, text, role] : f.fields) rho().user_edit(field, text);
        const std::string with_factors_1 = rho().text(f.result);
        type({{factor1, "0.8"}, {factor2, "1.25"}});
        rho().user_click(f.result_button);
        EXPECT_NE(with_factors_1, expected) << f.option;
        EXPECT_EQ(rho().text(f.result), expected) << f.option;
        EXPECT_TRUE(rho().shown(f.result)) << f.option;
    }
}

// The start state is the state after "Initialisation", whatever was done before.
TEST_F(DensityPage, InitialisationBringsBackTheStartState) {
    const State start = state_of(rho());
    rho().user_click("bt_gaz20");
    rho().user_click("bt_RHOs20");
    rho().user_click("opbt_RHOs22");
    type({{"txt_RHOc_pour_RHOs", "10"}, {"txt_Pc_pour_RHOs", "10"}, {"txt_Tc_pour_RHOs", "0"},
          {"txt_Ps_pour_RHOs22", "5"}, {"txt_Ts_pour_RHOs22", "0"}, {"Text_zs_pour_calcul_rhos_avec_rhoc", "2"}});
    ASSERT_TRUE(rho().shown("cmd_calcul_RHOs_avec_RHOc"));
    rho().user_click("bt_initialisation");
    rho().user_click("bt_vapeur_saturée20");
    rho().user_pick("Combo_choix_pression_vapeur_saturée", "2.0");
    rho().user_click("bt_initialisation");
    rho().user_click("bt_vapeur_surchauffée20");
    type({{"txt_RHOs_pour_calcul_vapeur_surchaufée", "1"}, {"txt_Tsat", "100"}, {"txt_Tsur", "200"}, {"txt_Z", "1"},
          {"txt_P", "10"}});
    ASSERT_TRUE(rho().shown("txt_RHO_exact"));
    rho().user_click("bt_initialisation");
    EXPECT_EQ(state_of(rho()), start);
}

TEST_F(DensityPage, TheSteamListsHoldTheTableAndLookUpOnlyItsTexts) {
    EXPECT_EQ(rho().control("Combo_choix_pression_vapeur_saturée").items, cf::saturated_steam_pressures());
    EXPECT_EQ(rho().control("Combo_choix_température_vapeur_saturée").items, cf::saturated_steam_temperatures());
    rho().user_click("bt_vapeur_saturée20");
    rho().user_pick("Combo_choix_pression_vapeur_saturée", "2.0");
    const State picked = state_of(rho());
    rho().user_edit("Combo_choix_température_vapeur_saturée", "179.88");  // typed: no lookup
    rho().user_pick("Combo_choix_pression_vapeur_saturée", "2");           // no such pressure
    rho().user_pick("Combo_choix_température_vapeur_saturée", "");          // nor temperature
    rho().user_edit("Combo_choix_température_vapeur_saturée", "120.23");
    rho().user_edit("Combo_choix_pression_vapeur_saturée", "2.0");
    EXPECT_EQ(state_of(rho()), picked);
}
