#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "pipeflow/pipe_flow_formulas.h"
#include "pipeflow/pipe_flow_procedures.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "program/program.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace pf = cf::pipe_flow;
using Texts = std::vector<std::pair<const char*, const char*>>;

namespace {

// The fields the procedures read and write, on a page with no handlers: the procedures alone.
const char* const procedure_fields[] = {
    "txt_vitesse31", "txt_diamètre31", "txt_débit31", "txt_débit32", "txt_vitesse32", "txt_section32",
    "txt_diamètre32", "txt_débit33", "txt_Diamètre33", "txt_vitesse33", "txt_vitesse_calcul_reynolds",
    "txt_diamètre_reynolds", "txt_nu_reynolds", "txt_Mu", "txt_RHO51", "txt_reynolds_calcul_reynolds",
    "txt_régime_reynolds", "txt_Qv_calcul_pertes_de_charges", "txt_RHO_calcul_pertes_de_charges",
    "txt_L_calcul_pertes_de_charges", "txt_D_calcul_pertes_de_charges", "txt_Re_calcul_pertes_de_charges",
    "txt_DeltaP_calcul_pertes_de_charges", "txt_Qv_calcul_pertes_de_charges2", "txt_RHO_calcul_pertes_de_charges2",
    "txt_L_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2", "txt_Re_calcul_pertes_de_charges2",
    "txt_K_calcul_pertes_de_charges2", "txt_DeltaP_calcul_pertes_de_charges2",
};

class PipeFlowProcedures : public ::testing::Test {
protected:
    PipeFlowProcedures() {
        app.define_page(cf::pages::pipe_flow, [](cf::Page& p) {
            cf::PageBuilder b(p);
            for (const char* f : procedure_fields) b.field(f);
        });
    }
    cf::Page& dvs() { return app.page(cf::pages::pipe_flow); }
    void fill(const Texts& texts) {
        for (const auto& [field, text] : texts) dvs().set_text(field, text);
    }
    const std::string& text(const char* field) { return dvs().text(field); }
    pf::PipeFlowHeld& held() { return app.held<pf::PipeFlowHeld>(); }

    cf::Application app;
};

struct Procedure {
    const char* name;
    std::function<void(cf::Page&)> run;
    const char* result_field;
    std::function<float(pf::PipeFlowHeld&)> held_result;
};

const Procedure procedures[] = {
    {"Qv", pf::Qv, "txt_débit31", [](auto& h) { return h.qv.Qv; }},
    {"Section", pf::Section, "txt_section32", [](auto& h) { return h.section.S; }},
    {"diamétre", pf::diamétre, "txt_diamètre32", [](auto& h) { return h.diameter.D; }},
    {"vitesse", pf::vitesse, "txt_vitesse33", [](auto& h) { return h.velocity.V; }},
    {"Reynolds_avec_nu", [](cf::Page& p) { pf::Reynolds_avec_nu(p); }, "txt_reynolds_calcul_reynolds",
     [](auto& h) { return h.reynolds_nu.Re; }},
    {"Reynolds_avec_Mu", pf::Reynolds_avec_Mu, "txt_reynolds_calcul_reynolds", [](auto& h) { return h.reynolds_mu.Re; }},
    {"DeltaP_laminaire", pf::DeltaP_laminaire, "txt_DeltaP_calcul_pertes_de_charges",
     [](auto& h) { return h.laminar.DeltaP; }},
    {"DeltaP_turbulent", pf::DeltaP_turbulent, "txt_DeltaP_calcul_pertes_de_charges2",
     [](auto& h) { return h.turbulent.DeltaP; }},
};

const Procedure& procedure(std::string_view name) {
    for (const auto& p : procedures)
        if (p.name == name) return p;
    throw std::out_of_range(std::string(name));
}

// Inputs that give each procedure its worked value.
const Texts laminar_inputs = {{"txt_Qv_calcul_pertes_de_charges", "2"}, {"txt_RHO_calcul_pertes_de_charges", "900"},
                              {"txt_L_calcul_pertes_de_charges", "100"}, {"txt_D_calcul_pertes_de_charges", "25"},
                              {"txt_Re_calcul_pertes_de_charges", "500"}};
const Texts turbulent_inputs = {{"txt_Qv_calcul_pertes_de_charges2", "10"}, {"txt_RHO_calcul_pertes_de_charges2", "1000"},
                                {"txt_L_calcul_pertes_de_charges2", "100"}, {"txt_D_calcul_pertes_de_charges2", "50"},
                                {"txt_Re_calcul_pertes_de_charges2", "100000"}, {"txt_K_calcul_pertes_de_charges2", "0.15"}};

}  // namespace

TEST_F(PipeFlowProcedures, BoreIsComputedFromTheSectionAsShown) {
    fill({{"txt_débit32", "10"}, {"txt_vitesse32", "1"}});
    pf::Section(dvs());
    pf::diamétre(dvs());
    EXPECT_EQ(held().diameter.S, cf::to_single(2777.78));
    EXPECT_EQ(held().diameter.D, cf::to_single(pf::bore_from_section(cf::to_single(2777.78))));
    EXPECT_NE(held().diameter.D, cf::to_single(pf::bore_from_section(held().section.S)));
    EXPECT_EQ(text("txt_diamètre32"), "59.47");
}

// A guard that fails stops the computation; the field then shows the held result again.
TEST_F(PipeFlowProcedures, AFailingGuardShowsTheHeldResult) {
    struct Case { const char* procedure; Texts inputs; const char* blocking_field; const char* held_shows; };
    const Texts nu_inputs = {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_nu_reynolds", "1"}};
    const Texts mu_inputs = {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"},
                             {"txt_Mu", "1000"}, {"txt_RHO51", "1000"}};
    const Case cases[] = {
        {"Section", {{"txt_débit32", "10"}, {"txt_vitesse32", "1"}}, "txt_vitesse32", "2777.78"},
        {"vitesse", {{"txt_débit33", "10"}, {"txt_Diamètre33", "50"}}, "txt_Diamètre33", "1.41"},
        {"Reynolds_avec_nu", nu_inputs, "txt_nu_reynolds", "100000.00"},
        {"Reynolds_avec_Mu", mu_inputs, "txt_Mu", "100000.00"},
        {"DeltaP_laminaire", laminar_inputs, "txt_D_calcul_pertes_de_charges", "2.95"},
        {"DeltaP_laminaire", laminar_inputs, "txt_Re_calcul_pertes_de_charges", "2.95"},
        {"DeltaP_laminaire", laminar_inputs, "txt_RHO_calcul_pertes_de_charges", "2.95"},
        {"DeltaP_turbulent", turbulent_inputs, "txt_D_calcul_pertes_de_charges2", "0.56"},
        {"DeltaP_turbulent", turbulent_inputs, "txt_Re_calcul_pertes_de_charges2", "0.56"},
        {"DeltaP_turbulent", turbulent_inputs, "txt_RHO_calcul_pertes_de_charges2", "0.56"},
    };
    for (const auto& c : cases) {
        const Procedure& p = procedure(c.procedure);
        fill(c.inputs);
        p.run(dvs());
        const float before = p.held_result(held());
        // Zero, a text that reads as zero, and a value that rounds to zero in single precision.
        for (const char* zero : {"0", "abc", "", "1e-50", ",5"}) {
            dvs().set_text(c.blocking_field, zero);
            dvs().set_text(p.result_field, "previous");
            p.run(dvs());
            EXPECT_EQ(text(p.result_field), c.held_shows) << c.procedure << " with " << c.blocking_field << " \"" << zero << '"';
            EXPECT_EQ(p.held_result(held()), before) << c.procedure;
        }
    }
}

TEST_F(PipeFlowProcedures, BeforeAnyComputationTheHeldResultIs0) {
    for (const auto& p : procedures) {
        p.run(dvs());  // every field empty: every guard fails, and Qv and diamétre compute 0
        EXPECT_EQ(text(p.result_field), "0.00") << p.name;
    }
    EXPECT_EQ(text("txt_régime_reynolds"), "laminaire");  // from the held Re, 0
}

TEST_F(PipeFlowProcedures, TheRegimeFollowsTheHeldReynoldsNumber) {
    struct Case { const char* V; const char* Nu; const char* previous; const char* re; const char* regime; };
    const Case cases[] = {
        {"2", "1", "", "100000.00", "Turbulent"},
        {"0.01", "1", "Turbulent", "500.00", "laminaire"},
        {"0.04", "1", "Turbulent", "2000.00", "Turbulent"},    // exactly 2000: kept
        {"0.04", "1", "laminaire", "2000.00", "laminaire"},
        {"0.04", "1", "something", "2000.00", "something"},
        {"2", "0", "laminaire", "2000.00", "laminaire"},       // guard fails, held Re 2000: kept
        {"2", "1", "laminaire", "100000.00", "Turbulent"},
        {"0.04", "0", "laminaire", "100000.00", "Turbulent"},  // guard fails, held Re 100000
    };
    fill({{"txt_diamètre_reynolds", "50"}});
    for (const auto& c : cases) {
        fill({{"txt_vitesse_calcul_reynolds", c.V}, {"txt_nu_reynolds", c.Nu}, {"txt_régime_reynolds", c.previous}});
        pf::Reynolds_avec_nu(dvs());
        EXPECT_EQ(text("txt_reynolds_calcul_reynolds"), c.re) << "V " << c.V << ", Nu " << c.Nu;
        EXPECT_EQ(text("txt_régime_reynolds"), c.regime) << "V " << c.V << ", Nu " << c.Nu;
    }
}

TEST_F(PipeFlowProcedures, EachReynoldsProcedureHoldsItsOwnResult) {
    fill({{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_nu_reynolds", "1"},
          {"txt_Mu", "1000"}, {"txt_RHO51", "1"}});
    pf::Reynolds_avec_nu(dvs());
    pf::Reynolds_avec_Mu(dvs());
    EXPECT_EQ(text("txt_reynolds_calcul_reynolds"), "100.00");
    fill({{"txt_nu_reynolds", "0"}});
    pf::Reynolds_avec_nu(dvs());
    EXPECT_EQ(text("txt_reynolds_calcul_reynolds"), "100000.00");
    fill({{"txt_Mu", "0"}});
    pf::Reynolds_avec_Mu(dvs());
    EXPECT_EQ(text("txt_reynolds_calcul_reynolds"), "100.00");
}

// A result that is not a finite number is never shown: the field is emptied, the held result keeps its value.
// A Reynolds number that is not finite implies no regime either.
TEST_F(PipeFlowProcedures, AResultThatIsNotFiniteIsNeverShown) {
    struct Case { const char* procedure; Texts good; Texts bad; };
    const Case cases[] = {
        {"Qv", {{"txt_vitesse31", "1"}, {"txt_diamètre31", "100"}}, {{"txt_vitesse31", "1e30"}, {"txt_diamètre31", "1e30"}}},
        {"Qv", {{"txt_vitesse31", "1"}, {"txt_diamètre31", "100"}}, {{"txt_vitesse31", "1e999"}, {"txt_diamètre31", "0"}}},
        {"Section", {{"txt_débit32", "10"}, {"txt_vitesse32", "1"}}, {{"txt_débit32", "1e30"}, {"txt_vitesse32", "1e-30"}}},
        {"diamétre", {{"txt_section32", "2777.78"}}, {{"txt_section32", "-1"}}},
        {"diamétre", {{"txt_section32", "2777.78"}}, {{"txt_section32", "1e39"}}},
        {"vitesse", {{"txt_débit33", "10"}, {"txt_Diamètre33", "50"}}, {{"txt_débit33", "1e30"}, {"txt_Diamètre33", "1e-20"}}},
        {"vitesse", {{"txt_débit33", "10"}, {"txt_Diamètre33", "50"}}, {{"txt_débit33", "-1e999"}}},
        {"Reynolds_avec_nu", {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_nu_reynolds", "1"}},
         {{"txt_vitesse_calcul_reynolds", "1e30"}, {"txt_diamètre_reynolds", "1e30"}, {"txt_nu_reynolds", "1e-30"}}},
        {"Reynolds_avec_Mu",
         {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"}, {"txt_Mu", "1000"}, {"txt_RHO51", "1000"}},
         {{"txt_RHO51", "1e30"}, {"txt_vitesse_calcul_reynolds", "1e30"}}},
        {"DeltaP_laminaire", laminar_inputs, {{"txt_Qv_calcul_pertes_de_charges", "1e30"}}},
        {"DeltaP_laminaire", laminar_inputs, {{"txt_L_calcul_pertes_de_charges", "1e999"}, {"txt_Qv_calcul_pertes_de_charges", "0"}}},
        {"DeltaP_turbulent", turbulent_inputs, {{"txt_K_calcul_pertes_de_charges2", "-1"}}},
        {"DeltaP_turbulent", turbulent_inputs, {{"txt_Re_calcul_pertes_de_charges2", "-100000"}, {"txt_K_calcul_pertes_de_charges2", "0"}}},
        {"DeltaP_turbulent", turbulent_inputs, {{"txt_Qv_calcul_pertes_de_charges2", "1e30"}}},
    };
    for (const auto& c : cases) {
        const Procedure& p = procedure(c.procedure);
        fill(c.good);
        p.run(dvs());
        const float before = p.held_result(held());
        dvs().set_text("txt_régime_reynolds", "kept");
        dvs().set_text(p.result_field, "kept");
        fill(c.bad);
        p.run(dvs());
        EXPECT_EQ(text(p.result_field), "") << c.procedure << " with " << c.bad.front().first;
        const bool reynolds = p.result_field == std::string_view("txt_reynolds_calcul_reynolds");
        EXPECT_EQ(text("txt_régime_reynolds"), reynolds ? "" : "kept") << c.procedure;
        EXPECT_EQ(p.held_result(held()), before) << c.procedure;
        EXPECT_TRUE(std::isfinite(p.held_result(held()))) << c.procedure;
    }
}

TEST_F(PipeFlowProcedures, HeldResultsOutliveThePage) {
    fill({{"txt_débit32", "10"}, {"txt_vitesse32", "1"}});
    pf::Section(dvs());
    app.unload(cf::pages::pipe_flow);
    fill({{"txt_débit32", "10"}, {"txt_vitesse32", "0"}});  // a fresh page
    pf::Section(dvs());
    EXPECT_EQ(text("txt_section32"), "2777.78");
}

// The orifice plate page runs the Reynolds procedure of the pipe flow page, which need not exist yet.
TEST(PipeFlowFromAnotherPage, ReynoldsWithNuCreatesThePipeFlowPageWithoutShowingIt) {
    cf::Application app;
    cf::start_calcfluides(app);
    cf::Page& orifice_page = app.page(cf::pages::orifice_plate);
    ASSERT_FALSE(app.loaded(cf::pages::pipe_flow));
    cf::navigation::orifice_viscosity_changed(orifice_page);
    ASSERT_TRUE(app.loaded(cf::pages::pipe_flow));
    EXPECT_FALSE(app.shown(cf::pages::pipe_flow));
    cf::Page& dvs = app.page(cf::pages::pipe_flow);
    // Nu empty reads 0: the guard fails and the held Re, 0, is shown with its regime.
    EXPECT_EQ(dvs.text("txt_reynolds_calcul_reynolds"), "0.00");
    EXPECT_EQ(dvs.text("txt_régime_reynolds"), "laminaire");
    EXPECT_TRUE(dvs.visible("fr_pertes_de_charges"));
    EXPECT_FALSE(dvs.visible("fr_pertes_de_charges3"));
    // On an existing page it reads that page's fields.
    dvs.set_text("txt_vitesse_calcul_reynolds", "2");
    dvs.set_text("txt_diamètre_reynolds", "50");
    dvs.set_text("txt_nu_reynolds", "1");  // mode none: the page itself computes nothing
    EXPECT_EQ(dvs.text("txt_reynolds_calcul_reynolds"), "0.00");
    cf::navigation::orifice_viscosity_changed(orifice_page);
    EXPECT_EQ(dvs.text("txt_reynolds_calcul_reynolds"), "100000.00");
    EXPECT_TRUE(dvs.visible("fr_pertes_de_charges2"));
    EXPECT_FALSE(app.shown(cf::pages::pipe_flow));
}
