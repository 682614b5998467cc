// The calculation records: a page's journal of user edits, and its replay through the page model, which
// must give every control of the page back as it was, on every page and in every mode.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "program/program.h"
#include "records/journal.h"
#include "records/replay.h"
#include "records/sheet.h"
#include "scenario/model_driver.h"
#include "scenario/worked_calculations.h"
#include "shell/page_names.h"
#include "tests/common/page_state.h"
#include "tests/common/random_use.h"

namespace {

using cf::Application;
using cf::records::Journals;
using cf::records::Record;
using cf::records::Step;
using cf::testing::state_of;

// The controls whose text, Visible, Enabled or Value differ, one a line.
std::string differences(const cf::testing::PageState& a, const cf::testing::PageState& b) {
    std::string out;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i])
            out += std::get<0>(a[i]) + ": \"" + std::get<1>(a[i]) + "\" " + std::to_string(std::get<2>(a[i])) +
                   std::to_string(std::get<3>(a[i])) + std::to_string(std::get<4>(a[i])) + " then \"" +
                   std::get<1>(b[i]) + "\" " + std::to_string(std::get<2>(b[i])) + std::to_string(std::get<3>(b[i])) +
                   std::to_string(std::get<4>(b[i])) + "\n";
    return out;
}

std::string steps_of(const Record& r) {
    std::string out;
    for (const auto& k : r.kept) out += "kept " + k.field + "=" + k.text + "; ";
    for (const auto& s : r.steps) out += std::to_string(static_cast<int>(s.kind)) + " " + s.control + " " + s.text + "; ";
    return out;
}

// What is on screen of a page: every control not shown as if it were empty.
cf::testing::PageState on_screen(const cf::Page& p) {
    cf::testing::PageState s = state_of(p);
    for (auto& entry : s)
        if (!p.shown(std::get<0>(entry))) entry = {std::get<0>(entry), "", false, false, false};
    return s;
}

// Saved, reset with its "Initialisation", opened again: the page as it was, control by control.
void expect_round_trip(Journals& journals, const std::string& page, const std::string& where) {
    Application& app = journals.app();
    const Record record = journals.record(page);
    const bool exact = journals.exact(page);
    const auto before = exact ? state_of(app.page(page)) : on_screen(app.page(page));
    app.page(page).user_click(cf::registered(page)->initialisation);
    ASSERT_EQ(journals.open(record), "") << where;
    const auto after = exact ? state_of(app.page(page)) : on_screen(app.page(page));
    EXPECT_EQ(differences(before, after), "") << where << ": opened on its page\n" << steps_of(record);
    EXPECT_EQ(journals.record(page), record) << where;
    EXPECT_FALSE(journals.unsaved(page)) << where;
}

// Every worked scenario of every calculator, then each calculation page it leaves loaded saved,
// reset and opened again; and opened in a fresh run, where every field shows the same text.
TEST(CalculationRecord, RoundTripAfterEveryScenario) {
    int pages_checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(CALCFLUIDES_SCENARIOS)) {
        if (entry.path().extension() != ".scn" || entry.path().string().find("/records/") != std::string::npos)
            continue;
        cf::scenario::ModelDriver driver;
        std::ostringstream report;
        ASSERT_TRUE(cf::scenario::run_file(entry.path().string(), driver, report)) << report.str();
        for (const std::string& page : driver.app().page_names()) {
            if (!Journals::keeps_journal(page) || !driver.app().loaded(page)) continue;
            const std::string where = entry.path().filename().string() + " on " + page;
            const Record record = driver.journals().record(page);
            // A page the user never worked on (the pipe flow page the orifice plate page runs) holds no
            // calculation of its own.
            if (record.kept.empty() && std::none_of(record.steps.begin(), record.steps.end(), [](const Step& s) {
                    return s.kind != Step::Kind::flow;
                }))
                continue;
            expect_round_trip(driver.journals(), page, where);
            Application fresh;
            Journals fresh_journals(fresh);
            cf::start_calcfluides(fresh);
            ASSERT_EQ(fresh_journals.open(record), "") << where;
            for (const auto& [name, text] : cf::records::input_texts(driver.app().page(page)))
                EXPECT_EQ(fresh.page(page).text(name), text) << where << ", in a fresh run: " << name;
            ++pages_checked;
        }
    }
    EXPECT_GT(pages_checked, 40);
}

// A user who works on one page at random, then saves, resets and opens: on every calculation page.
TEST(CalculationRecord, RoundTripAfterRandomUseOfEachPage) {
    for (const auto& row : cf::page_registry()) {
        if (!row.initialisation) continue;
        const std::string page(row.name);
        for (unsigned seed = 1; seed <= 12; ++seed) {
            cf::scenario::ModelDriver driver;
            Application& app = driver.app();
            if (!row.home_flows.empty()) {
                driver.click(cf::pages::home, "bt_départ_calcul_de_débits_gaz");
                driver.click(cf::pages::home, row.home_flows[seed % row.home_flows.size()].button);
            } else {
                app.show(page);
            }
            std::mt19937 random(seed);
            const auto& order = app.page(page).order();
            for (int step = 0; step < 60; ++step) {
                const std::string& control = order[random() % order.size()];
                const auto view = driver.view(page, control);
                if (!view || !view->shown || !view->enabled) continue;
                const auto moves = app.page_moves();
                if (view->kind == cf::ControlKind::button || view->kind == cf::ControlKind::option) {
                    if (control == row.return_home) continue;
                    driver.click(page, control);
                } else if (view->editable) {
                    driver.type(page, control, cf::testing::random_text(random, false));
                } else if (view->kind == cf::ControlKind::combo && !view->items.empty()) {
                    driver.pick(page, control, view->items[random() % view->items.size()]);
                }
                if (app.page_moves() != moves) app.show(page);  // a way to another page: back to this one
            }
            expect_round_trip(driver.journals(), page, page + ", seed " + std::to_string(seed));
        }
    }
}

TEST(CalculationRecord, KeepsConsecutiveKeystrokesAsTheLastTextAndDropsTheWaysOut) {
    cf::scenario::ModelDriver driver;
    driver.click(cf::pages::home, "bt_départ_calcul_DVS");
    driver.click("DVS", "bt_débit");
    driver.type("DVS", "txt_vitesse31", "2.5");
    driver.type("DVS", "txt_diamètre31", "10");
    driver.type("DVS", "txt_vitesse31", "3");
    driver.click("DVS", "bt_dvs_calculs_de_masses_volumiques");  // another page opened: not a step
    const std::vector<Step> expected = {{Step::Kind::click, "bt_débit", ""},
                                        {Step::Kind::edit, "txt_vitesse31", "2.5"},
                                        {Step::Kind::edit, "txt_diamètre31", "10"},
                                        {Step::Kind::edit, "txt_vitesse31", "3"}};
    EXPECT_EQ(driver.journals().record("DVS").steps, expected);
    EXPECT_TRUE(driver.journals().unsaved("DVS"));
    driver.click("DVS", "bt_initialisation");
    EXPECT_TRUE(driver.journals().record("DVS").steps.empty());
    EXPECT_TRUE(driver.journals().can_undo("DVS"));
    ASSERT_EQ(driver.journals().undo("DVS"), "");
    EXPECT_EQ(driver.app().page("DVS").text("txt_vitesse31"), "3");
    EXPECT_EQ(driver.journals().record("DVS").steps, expected);
}

// A long typing costs what its text costs: past the longest text a record may hold, each keystroke
// replaces the step before it, so that the journal does not keep every longer text of the typing.
TEST(CalculationRecord, ALongTypingKeepsOneStepPastTheLongestText) {
    cf::scenario::ModelDriver driver;
    driver.click(cf::pages::home, "bt_départ_calcul_DVS");
    driver.click("DVS", "bt_débit");
    driver.type("DVS", "txt_vitesse31", std::string(5000, '1'));
    const auto steps = driver.journals().record("DVS").steps;
    ASSERT_EQ(steps.size(), 2 + cf::records::longest_text);  // bt_débit, then 1 001 keystrokes
    EXPECT_EQ(steps.back().text, std::string(5000, '1'));
    EXPECT_NE(driver.journals().open(driver.journals().record("DVS")), "");  // too long to open again
}

// The texts an "Initialisation" keeps (Pn and Tn of the density page) start the next calculation: the
// record keeps them, and opening types them before its own "Initialisation".
TEST(CalculationRecord, KeepsWhatInitialisationKeeps) {
    cf::scenario::ModelDriver driver;
    driver.click(cf::pages::home, "bt_dvs_calculs_de_masses_volumiques");
    for (const char* step : {"bt_gaz20", "bt_RHOc20", "opbt_RHOc21"}) driver.click("RHO", step);
    driver.type("RHO", "txt_Pn_pour_RHOc", "2");
    driver.click("RHO", "bt_initialisation");
    for (const char* step : {"bt_gaz20", "bt_RHOc20", "opbt_RHOc21"}) driver.click("RHO", step);
    for (const auto& [field, text] : {std::pair{"txt_RHOn_pour_RHOc", "1.293"}, {"txt_Pc_pour_RHOc21", "2.026"},
                                      {"txt_Tc_pour_RHOc21", "0"}})
        driver.type("RHO", field, text);
    const Record record = driver.journals().record("RHO");
    ASSERT_EQ(record.kept.size(), 1u);
    EXPECT_EQ(record.kept[0].field, "txt_Pn_pour_RHOc");
    const std::string result = driver.app().page("RHO").text("txt_résultat_RHOc_avec_RHOn");
    EXPECT_EQ(result, "1.31");
    cf::scenario::ModelDriver other;
    ASSERT_EQ(other.journals().open(record), "");
    EXPECT_EQ(other.app().page("RHO").text("txt_résultat_RHOc_avec_RHOn"), result);
    EXPECT_TRUE(other.app().shown("RHO"));
}

// A record that cannot be done again is refused with what is wrong and where, and the page keeps all.
TEST(CalculationRecord, RefusesWhatCannotBeDoneAgainAndChangesNothing) {
    cf::scenario::ModelDriver driver;
    cf::scenario::pipe_flow(driver);
    const auto before = state_of(driver.app().page("DVS"));
    const std::string long_text(1001, '1');
    const std::vector<std::pair<Record, std::string>> bad = {
        {{"nulle_part", {}, {}}, "page inconnue nulle_part"},
        {{"f_Départ", {}, {}}, "page inconnue f_Départ"},
        {{"DVS", {}, {{Step::Kind::click, "Text_xyz", ""}}}, "contrôle inconnu Text_xyz (étape 1)"},
        {{"DVS", {}, {{Step::Kind::edit, "txt_vitesse31", "1"}}}, "txt_vitesse31 n'est pas accessible (étape 1)"},
        {{"DVS", {}, {{Step::Kind::click, "bt_débit", ""}, {Step::Kind::click, "bt_vitesse", ""}}},
         "bt_vitesse n'est pas accessible (étape 2)"},
        {{"DVS", {}, {{Step::Kind::click, "bt_débit", ""}, {Step::Kind::edit, "txt_vitesse31", long_text}}},
         "texte de plus de 1 000 caractères pour txt_vitesse31 (étape 2)"},
        {{"DVS", {{"txt_xyz", "1"}}, {}}, "contrôle inconnu txt_xyz (textes conservés)"},
        {{"DVS", {}, {{Step::Kind::click, "Command1", ""}}}, "Command1 quitte la page (étape 1)"},
        {{"DVS", {}, {{Step::Kind::flow, "Qxx", ""}}}, "débit inconnu Qxx (étape 1)"},
    };
    for (const auto& [record, message] : bad) {
        const std::string got = driver.journals().open(record);
        EXPECT_EQ(got.rfind(std::string(cf::records::not_a_record), 0), 0u) << got;
        EXPECT_NE(got.find(message), std::string::npos) << got;
        EXPECT_EQ(state_of(driver.app().page("DVS")), before) << message;
        EXPECT_FALSE(driver.app().shown("RHO"));
    }
}

// The sheet: the page's own texts, as displayed, in the page's order, with units and notes.
TEST(CalculationSheet, HoldsTheInputsAndResultsAsShown) {
    cf::scenario::ModelDriver driver;
    cf::scenario::pipe_flow(driver);
    const auto& page = driver.app().page("DVS");
    const auto sheet = cf::records::make_sheet(page, driver.journals().record("DVS"), "essai.cfcalc", "09/12/2026");
    EXPECT_EQ(sheet.title, "Calculs de débits, vitesse, section, pertes de charge, nombre de Reynolds");
    EXPECT_EQ(sheet.choices, std::vector<std::string>{page.text("bt_débit")});
    const auto row = [&](const std::string& value) {
        for (const auto& r : sheet.rows)
            if (r.value == value) return r;
        return cf::records::SheetRow{};
    };
    EXPECT_EQ(row("2").label, "V :");
    EXPECT_EQ(row("2").unit, "m/s");
    EXPECT_EQ(row(page.text("txt_débit31")).unit, "m3/h");
    EXPECT_TRUE(row(page.text("txt_débit31")).result);
    EXPECT_FALSE(sheet.notes.empty());
    const std::string text = cf::records::tab_separated(sheet);
    EXPECT_NE(text.find("V :\t2\tm/s\n"), std::string::npos) << text;
    EXPECT_NE(cf::records::html_table(sheet).find("<td>m/s</td>"), std::string::npos);
}

}  // namespace
