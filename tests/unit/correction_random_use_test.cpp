#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "shell/page_names.h"
#include "program/program.h"
#include "tests/common/random_use_test.h"
#include "ui/application.h"

namespace {

const char* const correction_pages[] = {cf::pages::correction_qvc_qvs, cf::pages::correction_qvn_qm};

// Mostly plausible data, so that the frames often complete; sometimes anything an engineer might type.
std::string some_text(std::mt19937& random) {
    static const char* const plausible[] = {"0", "1", "2", "4", "8", "20", "25", "100", "1.013", "0.95", "-5",
                                            "273.15"};
    if (random() % 4 == 0) return cf::testing::random_text(random, false);
    return plausible[random() % std::size(plausible)];
}

}  // namespace

// A user who works only with the flow choice and the two correction pages, long enough to fill their
// frames: no field shows anything but a result with two decimals or nothing, and no chain of events runs
// away.
TEST(CorrectionRandomUse, ResultsAreNumbersOrNothing) {
    static const std::regex two_decimals("-?[0-9]+\\.[0-9]{2}");
    for (unsigned seed = 1; seed <= 20; ++seed) {
        cf::Application app;
        cf::start_calcfluides(app);
        std::vector<std::pair<cf::Page*, std::string>> controls;
        cf::Page& home = app.page(cf::pages::home);
        for (const char* name : {"bt_départ_calcul_de_débits_gaz", "Command_retour", "Qvc", "Qvs", "Qvn", "Qm"})
            controls.emplace_back(&home, name);
        for (const char* page : correction_pages)
            for (const auto& name : app.page(page).order())
                if (name.rfind("bt_OD", 0) != 0 && name != "Command2") controls.emplace_back(&app.page(page), name);
        std::mt19937 random(seed);
        ::testing::internal::CaptureStderr();
        for (int step = 0; step < 3000; ++step) {
            // One of the controls the user can reach now, buttons and inputs alike.
            std::vector<std::pair<cf::Page*, std::string>> reachable;
            for (const auto& [page, name] : controls) {
                const cf::Control& c = page->control(name);
                const bool acts = c.kind == cf::ControlKind::button || c.kind == cf::ControlKind::option ||
                                  (c.kind == cf::ControlKind::field && c.look != cf::Look::result);
                if (acts && c.enabled && page->shown(name)) reachable.emplace_back(page, name);
            }
            auto& [page, name] = reachable[random() % reachable.size()];
            if ((name == "initialisation" || name == "Command1") && random() % 8 != 0) continue;  // now and then
            if (page->control(name).kind == cf::ControlKind::field)
                page->user_edit(name, some_text(random));
            else
                page->user_click(name);
            for (const char* shown_page : correction_pages) {
                const cf::Page& p = app.page(shown_page);
                for (const auto& field : p.order()) {
                    const cf::Control& f = p.control(field);
                    if (f.look != cf::Look::result || f.text.empty()) continue;
                    ASSERT_TRUE(std::regex_match(f.text, two_decimals))
                        << shown_page << "." << field << " shows \"" << f.text << "\" (seed " << seed << ")";
                }
            }
        }
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "seed " << seed;
    }
}
