#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "shell/page_names.h"
#include "program/program.h"
#include "tests/common/page_state.h"
#include "ui/application.h"

namespace {

using State = cf::testing::PageState;
using cf::testing::state_of;

bool is_compressibility_factor(const std::string& field) {
    return field.rfind("Text_z", 0) == 0 || field.rfind("Text_Z", 0) == 0;
}

struct Case {
    const char* page;
    const char* home_flow;
    // Shown at start inside their hidden frames; the reset hides them like every other result.
    std::vector<const char*> visible_only_at_start;
};

const Case cases[] = {
    {cf::pages::correction_qvc_qvs, "Qvs",
     {"Label_unité_resultat_qvs", "Label_unité_resultat_qvs_bis", "Label_unité_resultat_qvc",
      "Label_unité_resultat_qvc_bis"}},
    {cf::pages::correction_qvn_qm, "Qm", {"txt_Qvn3", "Qvn3", "txt_Kc10", "Kc10"}},
};

// The page opened from the home page, then every option clicked and "5" typed into every input.
cf::Page& used_page(cf::Application& app, const Case& c) {
    cf::start_calcfluides(app);
    app.page(cf::pages::home).user_click("bt_départ_calcul_de_débits_gaz");
    app.page(cf::pages::home).user_click(c.home_flow);
    cf::Page& p = app.page(c.page);
    for (const auto& name : p.order())
        if (p.control(name).kind == cf::ControlKind::option) p.user_click(name);
    for (const auto& name : p.order())
        if (p.control(name).kind == cf::ControlKind::field && p.control(name).look != cf::Look::result)
            p.user_edit(name, "5");
    return p;
}

}  // namespace

// "Initialisation" brings back the start state, but for the compressibility factors, kept as typed, and
// the results that start shown inside their hidden frames.
TEST(CorrectionPages, InitialisationBringsBackTheStartState) {
    for (const auto& c : cases) {
        cf::Application app;
        State expected;
        {
            cf::Application fresh;
            cf::start_calcfluides(fresh);
            expected = state_of(fresh.page(c.page));
        }
        for (auto& [name, text, visible, enabled, selected] : expected) {
            if (is_compressibility_factor(name)) text = "5";
            for (const char* hidden : c.visible_only_at_start)
                if (name == hidden) visible = false;
        }
        cf::Page& p = used_page(app, c);
        p.user_click("initialisation");
        EXPECT_EQ(state_of(p), expected) << c.page;
    }
}

// "Retour à la page d'accueil" leaves the page hidden in the state "Initialisation" gives it.
TEST(CorrectionPages, ReturnHomeResetsThePage) {
    for (const auto& c : cases) {
        cf::Application reset_app, return_app;
        cf::Page& reset = used_page(reset_app, c);
        cf::Page& returned = used_page(return_app, c);
        reset.user_click("initialisation");
        returned.user_click("Command1");
        EXPECT_EQ(state_of(returned), state_of(reset)) << c.page;
        EXPECT_FALSE(return_app.shown(c.page));
    }
}
