#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "density/density_formulas.h"
#include "density/density_procedures.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace dn = cf::density;
using Texts = std::vector<std::pair<const char*, const char*>>;

namespace {

// The procedures alone, on a page holding their fields and no handler.
class DensityProcedures : public ::testing::Test {
protected:
    void fill(const Texts& texts) {
        for (const auto& [field, text] : texts) rho().set_text(field, text);
    }
    cf::Page& rho() {
        if (!app.defines(cf::pages::density))
            app.define_page(cf::pages::density, [this](cf::Page& p) {
                cf::PageBuilder b(p);
                for (const auto& c : cases)
                    for (const auto& [field, text] : c.inputs)
                        if (!p.has(field)) b.field(field);
                for (const auto& c : cases)
                    if (!p.has(c.result)) b.field(c.result);
            });
        return app.page(cf::pages::density);
    }

    struct Case {
        const char* name;
        std::function<void(cf::Page&)> run;
        Texts inputs;  // a computable state
        const char* result;
        std::function<float(dn::DensityHeld&)> held;
        const char* guarded_field;     // a field whose value can stop the computation
        const char* stopping_text;     // a text of it that does
        const char* overflowing_field; // a field whose value can make the result not finite
        const char* overflowing_text;
    };
    const std::vector<Case> cases = {
        {"RHOc_avec_RHOn", dn::RHOc_avec_RHOn,
         {{"txt_Pc_pour_RHOc21", "2.026"}, {"txt_Tc_pour_RHOc21", "0"}, {"txt_Tn_pour_RHOc", "0"},
          {"txt_Pn_pour_RHOc", "1.013"}, {"txt_RHOn_pour_RHOc", "1.293"},
          {"Text_zc_pour_calcul_rhoc_avec_rhon", "1"}, {"Text_zn_pour_calcul_rhoc_avec_rhon", "1"}},
         "txt_résultat_RHOc_avec_RHOn", [](auto& h) { return h.RHOc_avec_RHOn.RHOc; },
         "txt_Pn_pour_RHOc", "0", "Text_zc_pour_calcul_rhoc_avec_rhon", "0"},
        {"RHOc_avec_RHOs", dn::RHOc_avec_RHOs,
         {{"txt_Pc_pour_RHOc22", "10"}, {"txt_Tc_pour_RHOc22", "50"}, {"txt_Ts_pour_RHOc", "20"},
          {"txt_Ps_pour_RHOc", "5"}, {"txt_RHOs_pour_RHOc", "5"}, {"Text_zc_pour_calcul_rhoc", "1"},
          {"Text_zs_pour_calcul_rhoc", "1"}},
         "txt_résultat_RHOc_avec_RHOs", [](auto& h) { return h.RHOc_avec_RHOs.RHOc; },
         "txt_Ps_pour_RHOc", "abc", "Text_zc_pour_calcul_rhoc", ""},
        {"RHOn_avec_RHOc", dn::RHOn_avec_RHOc,
         {{"txt_Pc_pour_RHOn", "10"}, {"txt_Tc_pour_RHOn", "50"}, {"txt_Tn_pour_RHOn21", "0"},
          {"txt_Pn_pour_RHOn21", "1.013"}, {"txt_RHOc_pour_RHOn", "9.07"},
          {"Text_zn_pour_calcul_rhon_avec_rhoc", "1"}, {"Text_zc_pour_calcul_rhon_avec_rhoc", "0.95"}},
         "txt_résultat_RHOn_avec_RHOc", [](auto& h) { return h.RHOn_avec_RHOc.RHOn; },
         "txt_Pc_pour_RHOn", "", "txt_RHOc_pour_RHOn", "1e999"},
        {"RHOn_avec_RHOs", dn::RHOn_avec_RHOs,
         {{"txt_Ps_pour_RHOn", "2.026"}, {"txt_Ts_pour_RHOn", "0"}, {"txt_Tn_pour_RHOn22", "0"},
          {"txt_Pn_pour_RHOn22", "1.013"}, {"txt_RHOs_pour_RHOn", "2"}, {"Text_Zn_pour_calcul_rhon_avec_rhos", "1"},
          {"Text_Zs_pour_calcul_rhon_avec_rhos", "1"}},
         "txt_résultat_RHOn_avec_RHOs", [](auto& h) { return h.RHOn_avec_RHOs.RHOn; },
         "txt_Ps_pour_RHOn", "1e-50", "Text_Zn_pour_calcul_rhon_avec_rhos", "0"},
        {"RHOs_avec_RHOc", dn::RHOs_avec_RHOc,
         {{"txt_Ps_pour_RHOs22", "5"}, {"txt_Ts_pour_RHOs22", "0"}, {"txt_Tc_pour_RHOs", "0"},
          {"txt_Pc_pour_RHOs", "10"}, {"txt_RHOc_pour_RHOs", "10"}, {"Text_zs_pour_calcul_rhos_avec_rhoc", "1"},
          {"Text_zc_pour_calcul_rhos_avec_rhoc", "1"}},
         "txt_résultat_RHOs_avec_RHOc", [](auto& h) { return h.RHOs_avec_RHOc.RHOs; },
         "txt_Pc_pour_RHOs", ",5", "Text_zs_pour_calcul_rhos_avec_rhoc", "0"},
        {"RHOs_avec_RHOn", dn::RHOs_avec_RHOn,
         {{"txt_Ps_pour_RHOs21", "2.026"}, {"txt_Ts_pour_RHOs21", "0"}, {"txt_Tn_pour_RHOs", "0"},
          {"txt_Pn_pour_RHOs", "1.013"}, {"txt_RHOn_pour_RHOs", "1"}, {"Text_zn_pour_calcul_rhos_avec_rhon", "1"},
          {"Text_zs_pour_calcul_rhos_avec_rhon", "1"}},
         "txt_résultat_RHOs_avec_RHOn", [](auto& h) { return h.RHOs_avec_RHOn.RHOs; },
         "txt_Pn_pour_RHOs", "0", "txt_RHOn_pour_RHOs", "3e38"},
        {"RHOsur", dn::RHOsur,
         {{"txt_RHOs_pour_calcul_vapeur_surchaufée", "1"}, {"txt_Tsat", "100"}, {"txt_Tsur", "200"}},
         "txt_RHO", [](auto& h) { return h.RHOsur.RHO; },
         "txt_Tsur", "-300", "txt_RHOs_pour_calcul_vapeur_surchaufée", "1e999"},
        {"RHOsur_exact", dn::RHOsur_exact,
         {{"txt_Z", "1"}, {"txt_P", "10"}, {"txt_Tsur", "250"}},
         "txt_RHO_exact", [](auto& h) { return h.RHOsur_exact.RHO; },
         "txt_Tsur", "-300", "txt_P", "1e39"},
    };

    dn::DensityHeld& held() { return app.held<dn::DensityHeld>(); }

    cf::Application app;
};

}  // namespace

TEST_F(DensityProcedures, OnAFreshStartAStoppedProcedureShowsZero) {
    for (const auto& c : cases) {
        c.run(rho());  // every field empty
        EXPECT_EQ(rho().text(c.result), std::string(c.result).starts_with("txt_RHO") ? "0.000" : "0.00") << c.name;
    }
}

// A guard that fails, whatever the text that reads as 0, shows the held result again; a result that is
// not a finite number empties the field; in both cases the held result stays.
TEST_F(DensityProcedures, TheHeldResultOutlivesStoppedAndFailedComputations) {
    for (const auto& c : cases) {
        fill(c.inputs);
        c.run(rho());
        const float computed = c.held(held());
        const std::string shown = rho().text(c.result);
        ASSERT_NE(computed, 0) << c.name;
        rho().set_text(c.guarded_field, c.stopping_text);
        rho().set_text(c.result, "previous");
        c.run(rho());
        EXPECT_EQ(rho().text(c.result), shown) << c.name;
        EXPECT_EQ(c.held(held()), computed) << c.name;
        fill(c.inputs);
        rho().set_text(c.overflowing_field, c.overflowing_text);
        c.run(rho());
        EXPECT_EQ(rho().text(c.result), "") << c.name;
        EXPECT_EQ(c.held(held()), computed) << c.name;
    }
}

// Held in single precision and shown from the held value; kept when the page is unloaded.
TEST_F(DensityProcedures, ResultsAreHeldInSinglePrecisionForTheWholeRun) {
    fill(cases[1].inputs);
    fill({{"txt_RHOs_pour_RHOc", "12.17"}, {"txt_Ts_pour_RHOc", "15"}, {"txt_Pc_pour_RHOc22", "7.5"},
     {"txt_Tc_pour_RHOc22", "15"}});
    dn::RHOc_avec_RHOs(rho());
    EXPECT_EQ(held().RHOc_avec_RHOs.RHOc, cf::to_single(dn::gas_density(cf::to_single(12.17), 5, 15, 1, 7.5, 15, 1)));
    EXPECT_EQ(held().RHOc_avec_RHOs.Pc, cf::to_single(7.5));
    const std::string shown = rho().text("txt_résultat_RHOc_avec_RHOs");
    EXPECT_EQ(shown, cf::format_field_value(held().RHOc_avec_RHOs.RHOc, "0.00"));
    app.unload(cf::pages::density);
    rho().set_text("txt_Ps_pour_RHOc", "0");
    dn::RHOc_avec_RHOs(rho());
    EXPECT_EQ(rho().text("txt_résultat_RHOc_avec_RHOs"), shown);
}

// The exact steam density counts 0 °C as a temperature; only the absolute zero and below stop it.
TEST_F(DensityProcedures, TheExactSteamDensityIsComputedAtZeroCelsius) {
    fill({{"txt_Z", "1"}, {"txt_P", "10"}, {"txt_Tsur", "0"}});
    dn::RHOsur_exact(rho());
    EXPECT_EQ(rho().text("txt_RHO_exact"), "7.930");
    fill({{"txt_Tsur", "-273.16"}});
    dn::RHOsur_exact(rho());
    EXPECT_EQ(rho().text("txt_RHO_exact"), "7.930");
}
