// The page registry and the navigation rules keyed by page name: the home page opens every registered
// page by its own button or flow, and a page added without a navigation row returns home safely.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "program/program.h"
#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace {

TEST(PageRegistry, TheHomePageOpensEveryRegisteredPageByItsButtonOrFlow) {
    for (const cf::RegisteredPage& entry : cf::page_registry()) {
        if (entry.name == cf::pages::home) continue;
        std::vector<const char*> clicks;
        if (entry.home_button) clicks = {entry.home_button};
        for (const auto& flow : entry.home_flows) clicks.push_back(flow.button);
        ASSERT_FALSE(clicks.empty()) << entry.name << " cannot be opened from the home page";
        for (const char* button : clicks) {
            cf::Application app;
            cf::start_calcfluides(app);
            cf::Page& home = app.page(cf::pages::home);
            if (!entry.home_flows.empty()) home.user_click("bt_départ_calcul_de_débits_gaz");
            ASSERT_TRUE(home.shown(button)) << button;
            EXPECT_EQ(home.text(button), entry.home_button ? entry.home_caption : button);
            home.user_click(button);
            EXPECT_TRUE(app.shown(entry.name)) << button << " opens " << entry.name;
        }
    }
}

// The main column holds one button per page with a home button and one for the flow choice, in the
// registry's order, and the flow choice frame is drawn over exactly those buttons.
TEST(PageRegistry, TheMainColumnFollowsTheRegistry) {
    cf::Application app;
    cf::start_calcfluides(app);
    const cf::Page& home = app.page(cf::pages::home);
    std::vector<std::string> expected;
    for (const cf::RegisteredPage& entry : cf::page_registry()) {
        if (entry.home_button) expected.emplace_back(entry.home_button);
        if (!entry.home_flows.empty() && std::find(expected.begin(), expected.end(), "bt_départ_calcul_de_débits_gaz") ==
                                             expected.end())
            expected.emplace_back("bt_départ_calcul_de_débits_gaz");
    }
    std::vector<std::string> buttons;
    for (const auto& name : home.order())
        if (home.control(name).frame == "fr_départ" && home.control(name).kind == cf::ControlKind::button)
            buttons.push_back(name);
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(home.control("Frame_choix_du_débit_a_calculer").place.row_span, static_cast<int>(expected.size()));
}

// A fifth calculator with no navigation row: its "Retour à la page d'accueil" enables the flow buttons
// again and unloads every calculation page, itself included; the home page stays.
TEST(Navigation, APageWithoutANavigationRowReturnsHomeAndUnloadsTheCalculationPages) {
    cf::Application app;
    cf::start_calcfluides(app);
    app.define_page("fifth", [](cf::Page& p) {
        cf::PageBuilder b(p);
        b.button("bt_retour", "Retour à la page d'accueil");
        b.button("bt_autre", "Calculs Plaque à Orifice").hidden();
        p.on_click("bt_retour", [](cf::Page& page) { cf::navigation::return_home(page, {"bt_autre"}); });
    });
    cf::Page& home = app.page(cf::pages::home);
    home.user_click("bt_départ_calcul_de_débits_gaz");
    home.user_click("Qvc");
    app.show(cf::pages::density);
    app.show(cf::pages::orifice_plate);
    app.show("fifth");
    ASSERT_FALSE(home.enabled("Qm"));

    app.page("fifth").user_click("bt_retour");
    EXPECT_TRUE(app.shown(cf::pages::home));
    for (const char* page : {"fifth", cf::pages::density, cf::pages::orifice_plate, cf::pages::correction_qvc_qvs})
        EXPECT_FALSE(app.loaded(page)) << page;
    EXPECT_TRUE(home.enabled("Qm"));
    EXPECT_FALSE(home.visible("Frame_choix_du_débit_a_calculer"));
    EXPECT_TRUE(home.visible("bt_départ_calcul_DVS"));
}

// A rule that crosses pages runs the other page's public procedure by name; an unknown name is an
// error of the definition, not a silent no-op.
TEST(Navigation, APublicProcedureIsRunByNameAndAnUnknownOneIsAnError) {
    cf::Application app;
    app.define_page("p", [](cf::Page& p) {
        cf::PageBuilder(p).field("txt");
        p.define_procedure("fill", [](cf::Page& page) { page.set_text("txt", "1"); });
    });
    cf::Page& p = app.page("p");
    p.run_procedure("fill");
    EXPECT_EQ(p.text("txt"), "1");
    EXPECT_THROW(p.run_procedure("missing"), std::out_of_range);
}

}  // namespace
