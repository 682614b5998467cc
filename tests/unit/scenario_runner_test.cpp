// The scenario runner: its syntax, and the rules it enforces on the user's actions.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "scenario/model_driver.h"
#include "scenario/scenario.h"

namespace {

using cf::scenario::parse;
using cf::scenario::Step;

TEST(ScenarioSyntax, StepsStringsAndComments) {
    std::vector<std::string> errors;
    const auto steps = parse(
        "# a comment\n"
        "\n"
        "click f_Départ.Qvc\r\n"
        "type DVS.txt_vitesse31 \"a \\\"quoted\\\" \\\\ text \"\n"
        "  expect DVS.txt_débit31 = \"28.27\"\n"
        "expect DVS.fr_débit is notshown\n"
        "expect page DVS is unloaded\n"
        "paste RHO.txt \"\"\n"
        "pick DVS.Combo_chx_gaz \"Eau ( à 0°C ) \"\n",
        errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].verb, Step::Verb::click);
    EXPECT_EQ(steps[0].page, "f_Départ");
    EXPECT_EQ(steps[0].control, "Qvc");
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[1].argument, "a \"quoted\" \\ text ");
    EXPECT_EQ(steps[2].verb, Step::Verb::expect_text);
    EXPECT_EQ(steps[3].argument, "notshown");
    EXPECT_EQ(steps[4].verb, Step::Verb::expect_page);
    EXPECT_EQ(steps[4].page, "DVS");
    EXPECT_EQ(steps[5].argument, "");
    EXPECT_EQ(steps[6].argument, "Eau ( à 0°C ) ");
}

TEST(ScenarioSyntax, LinesThatCannotBeReadAreReportedWithTheirNumber) {
    for (const char* bad : {"press DVS.x", "click DVS", "type DVS.x 12", "expect DVS.x is blue", "expect DVS.x = \"open",
                            "expect page DVS is gone", "click DVS.x extra", "expect DVS.x == \"1\""}) {
        std::vector<std::string> errors;
        parse(std::string("# first line\n") + bad + "\n", errors);
        ASSERT_EQ(errors.size(), 1u) << bad;
        EXPECT_EQ(errors.front().rfind("2: ", 0), 0u) << errors.front();
    }
}

TEST(ScenarioSyntax, TypingGoesOneCharacterAtATime) {
    EXPECT_EQ(cf::scenario::typed_prefixes("1é2"), (std::vector<std::string>{"1", "1é", "1é2"}));
    EXPECT_TRUE(cf::scenario::typed_prefixes("").empty());
}

// Runs a scenario text against a fresh run of the program; returns the report.
std::string run(const std::string& text, bool& passed) {
    const std::string path = testing::TempDir() + "scenario_runner_test.scn";
    std::ofstream(path) << text;
    cf::scenario::ModelDriver driver;
    std::ostringstream report;
    passed = cf::scenario::run_file(path, driver, report);
    std::remove(path.c_str());
    return report.str();
}

TEST(ScenarioRun, StopsAtTheFirstFailingStepAndSaysWhatWasFound) {
    bool passed = true;
    const std::string report = run(
        "expect f_Départ.Label1 = \"Choix du calcul à effectuer\"\n"
        "expect f_Départ.Label1 = \"Autre chose\"\n"
        "expect f_Départ.Label1 = \"never reached\"\n",
        passed);
    EXPECT_FALSE(passed);
    EXPECT_NE(report.find(".scn:2: expected f_Départ.Label1 = \"Autre chose\", found \"Choix du calcul à effectuer\""),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find(":3:"), std::string::npos);
}

TEST(ScenarioRun, AUserCannotReachAControlThatIsNotShownOrNotEnabled) {
    bool passed = true;
    // The flow buttons are inside the closed choice frame.
    EXPECT_NE(run("click f_Départ.Qvc\n", passed).find("shown and enabled"), std::string::npos);
    EXPECT_FALSE(passed);
    run("click f_Départ.bt_départ_calcul_de_débits_gaz\nclick f_Départ.Qvc\nclick f_Départ.Qvs\n", passed);
    EXPECT_FALSE(passed);  // Qvs is disabled once Qvc is chosen
    run("click f_Départ.bt_départ_calcul_de_débits_gaz\nclick f_Départ.Qvc\n", passed);
    EXPECT_TRUE(passed);
    EXPECT_NE(run("expect DVS.lbl_titre = \"x\"\n", passed).find("page DVS not loaded"), std::string::npos);
    EXPECT_NE(run("click f_Départ.Label1\n", passed).find("a button or option button"), std::string::npos);
    // A result can be read, not typed into.
    const std::string flow = "click f_Départ.bt_départ_calcul_DVS\nclick DVS.bt_débit\ntype DVS.txt_vitesse31 \"1\"\n"
                             "type DVS.txt_diamètre31 \"100\"\n";
    EXPECT_NE(run(flow + "type DVS.txt_débit31 \"2\"\n", passed).find("found a result"), std::string::npos);
    EXPECT_FALSE(passed);
}

}  // namespace
