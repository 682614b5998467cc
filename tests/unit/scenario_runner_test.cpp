// The scenario runner: its syntax, and the rules it enforces on the user's actions.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST(ScenarioSyntax, LinesThatCannotBeReadAreReportedWithTheirNumberAndText) {
    for (const char* bad : {"press DVS.x", "click DVS", "type DVS.x 12", "expect DVS.x is blue", "expect DVS.x = \"open",
                            "expect page DVS is gone", "click DVS.x extra", "expect DVS.x == \"1\""}) {
        std::vector<std::string> errors;
        parse(std::string("# first line\n") + bad + "\n", errors);
        ASSERT_EQ(errors.size(), 1u) << bad;
        EXPECT_EQ(errors.front().rfind("2: ", 0), 0u) << errors.front();
        EXPECT_NE(errors.front().find(cf::scenario::quote(bad)), std::string::npos) << errors.front();
    }
    // At most 80 characters of the line, with control characters and bytes that are not UTF-8 escaped.
    std::vector<std::string> errors;
    parse("pr\x01ss \"\xff\\é" + std::string(200, 'x') + "\n", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), "1: unknown step \"pr\\x01ss\" in \"pr\\x01ss \\\"\\xFF\\\\é" + std::string(70, 'x') + "\"…");
}

TEST(ScenarioSyntax, AByteOrderMarkVerticalTabsAndFormFeeds) {
    std::vector<std::string> errors;
    const auto steps = parse("\xEF\xBB\xBF" "click\vf_Départ.Qvc\f\n\f\v\n\xEF\xBB\xBF" "click f_Départ.Qvc\n", errors);
    ASSERT_EQ(errors.size(), 1u);  // a mark only counts at the start of the file
    EXPECT_EQ(errors.front().rfind("3: unknown step", 0), 0u) << errors.front();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].control, "Qvc");
}

// A scenario file written for the test; removed with the test.
struct ScenarioFile {
    explicit ScenarioFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    ~ScenarioFile() { std::remove(path.c_str()); }
    const std::string path = testing::TempDir() + "scenario_runner_test.scn";
};

std::string run_path(const std::string& path, bool& passed, const cf::scenario::Limits& limits = {}) {
    cf::scenario::ModelDriver driver;
    std::ostringstream report;
    passed = cf::scenario::run_file(path, driver, report, limits);
    return report.str();
}

// A check that cannot fail is a fault: a file that runs no step fails, and so does anything that is not a
// scenario file, read in bounded memory whatever it is.
TEST(ScenarioFiles, AFileThatRunsNoStepOrCannotBeReadFails) {
    bool passed = true;
    EXPECT_EQ(run_path(testing::TempDir(), passed), testing::TempDir() + ": not a file\n");
    EXPECT_FALSE(passed);
    EXPECT_EQ(run_path("/dev/null", passed), "/dev/null: no steps in /dev/null\n");
    EXPECT_FALSE(passed);
    EXPECT_EQ(run_path("/dev/zero", passed), "/dev/zero:1: line longer than 1 MB\n");
    EXPECT_FALSE(passed);
    EXPECT_NE(run_path("/no/such/file.scn", passed).find("/no/such/file.scn: cannot be read: "), std::string::npos);
    EXPECT_FALSE(passed);
    for (const char* nothing : {"", "\n\n", "# only a comment\n  # and another\r\n", "\xEF\xBB\xBF"}) {
        ScenarioFile file(nothing);
        EXPECT_EQ(run_path(file.path, passed), file.path + ": no steps in " + file.path + "\n");
        EXPECT_FALSE(passed);
    }
    // Both sides of both limits.
    const cf::scenario::Limits small{100, 20};
    const std::string step = "click f_Départ.bt_départ_calcul_de_débits_gaz\n";
    const std::size_t n = step.size();
    {
        ScenarioFile file(step);
        run_path(file.path, passed, {n, n - 1});  // the file and its line exactly at the limits
        EXPECT_TRUE(passed);
        EXPECT_EQ(run_path(file.path, passed, {n - 1, n}), file.path + ": larger than " + std::to_string(n - 1) + " bytes\n");
        EXPECT_EQ(run_path(file.path, passed, {n, n - 2}),
                  file.path + ":1: line longer than " + std::to_string(n - 2) + " bytes\n");
        EXPECT_FALSE(passed);
    }
    ScenarioFile blanks(std::string(101, '\n'));
    EXPECT_EQ(run_path(blanks.path, passed, small), blanks.path + ": larger than 100 bytes\n");
}

// Runs a scenario text against a fresh run of the program; returns the report.
std::string run(const std::string& text, bool& passed) {
    ScenarioFile file(text);
    return run_path(file.path, passed);
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

// Typing through the model: one key per character, each judged by the field's own rule, one Change for
// each key the field takes; keeping one text, so that a long text costs what it holds.
TEST(ScenarioTyping, OneKeyPerCharacterAndOneChangePerKeyTaken) {
    cf::scenario::ModelDriver driver;
    driver.click("f_Départ", "bt_départ_calcul_DVS");
    driver.click("DVS", "bt_débit");
    std::vector<std::string> changes;
    bool record = true;
    driver.app().page("DVS").on_change("txt_vitesse31", [&](cf::Page& p) {
        if (record) changes.push_back(p.text("txt_vitesse31"));
    });
    driver.type("DVS", "txt_vitesse31", "\x01" "1é😀\x7f" "2");
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "1é", "1é😀", "1é😀2"}));
    changes.clear();
    driver.type("DVS", "txt_vitesse31", "\t5");  // Tab takes the focus away, and the selection with it
    EXPECT_EQ(changes, std::vector<std::string>{"1é😀25"});
    changes.clear();
    driver.type("DVS", "txt_vitesse31", "");
    driver.type("DVS", "txt_vitesse31", "");  // an empty field stays as it is
    EXPECT_EQ(changes, std::vector<std::string>{""});

    record = false;
    std::size_t longest = 0, count = 0;
    driver.app().page("DVS").on_change("txt_vitesse31", [&](cf::Page& p) {
        ++count;
        longest = std::max(longest, p.text("txt_vitesse31").size());
    });
    driver.type("DVS", "txt_vitesse31", std::string(1'000'000, '7'));
    EXPECT_EQ(count, cf::field_input::max_length);  // the rest has no room: no Change
    EXPECT_EQ(longest, cf::field_input::max_length);
    EXPECT_EQ(driver.app().page("DVS").text("txt_vitesse31"), std::string(cf::field_input::max_length, '7'));
}

}  // namespace
