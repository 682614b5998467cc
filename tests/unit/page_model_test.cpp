// The page model's semantics: nested Change, option groups, shown on screen, unload and re-create,
// held results that outlive a page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/page_builder.h"

namespace {

using cf::Application;
using cf::Page;
using cf::PageBuilder;

// A small page: two fields chained by Change, an option group in a frame, a nested frame.
void define_test_page(Page& p) {
    PageBuilder b(p);
    b.row(); b.field("txt_a");
    b.row(); b.field("txt_b");
    b.row(); b.field("txt_c", "design");
    b.row(); b.frame("fr_outer");
    b.in("fr_outer");
    b.row(); b.frame("fr_inner").hidden();
    b.row(); b.option("opt_1", "Un"); b.option("opt_2", "Deux");
    b.in("fr_inner");
    b.row(); b.label("lbl_deep", "profond");
    b.on_page();
    b.row(); b.option("opt_page", "Sur la page");
    b.row(); b.button("bt_go", "Go");
    b.row(); b.combo("cmb", "Choix", {"x", "y"});

    // Writing txt_a writes txt_b, whose own Change runs before txt_a's handler goes on.
    p.on_change("txt_a", [](Page& page) {
        page.set_text("txt_b", page.text("txt_a") + "!");
        page.set_caption("bt_go", "after b: " + page.text("txt_c"));
    });
    p.on_change("txt_b", [](Page& page) { page.set_text("txt_c", "from b " + page.text("txt_b")); });
}

struct Counts {
    int held = 0;
};

class PageModel : public ::testing::Test {
protected:
    void SetUp() override {
        app.define_page("test", define_test_page);
        app.define_page("other", [](Page& p) { PageBuilder(p).field("txt_x"); });
    }
    Application app;
};

TEST_F(PageModel, ChangeIsNestedInsideTheHandlerThatSetTheText) {
    Page& p = app.page("test");
    p.user_edit("txt_a", "1");
    EXPECT_EQ(p.text("txt_b"), "1!");
    EXPECT_EQ(p.text("txt_c"), "from b 1!");
    EXPECT_EQ(p.text("bt_go"), "after b: from b 1!");
}

TEST_F(PageModel, ChangeIsRaisedEvenWhenTheTextDoesNotChange) {
    Page& p = app.page("test");
    int changes = 0;
    p.on_change("txt_c", [&](Page&) { ++changes; });
    p.set_text("txt_c", "design");
    p.set_text("txt_c", "design");
    EXPECT_EQ(changes, 2);
}

TEST_F(PageModel, ComboTextAcceptsAnyTextAndTypingRaisesNoClick) {
    Page& p = app.page("test");
    int clicks = 0;
    p.on_click("cmb", [&](Page&) { ++clicks; });
    p.set_text("cmb", "pas dans la liste");
    EXPECT_EQ(p.text("cmb"), "pas dans la liste");
    p.user_edit("cmb", "tapé");
    EXPECT_EQ(clicks, 0);
    p.user_pick("cmb", "y");
    EXPECT_EQ(p.text("cmb"), "y");
    EXPECT_EQ(clicks, 1);
}

TEST_F(PageModel, OptionButtonsOfOneFrameFormAGroup) {
    Page& p = app.page("test");
    std::vector<std::string> clicks;
    for (const char* o : {"opt_1", "opt_2", "opt_page"})
        p.on_click(o, [&clicks, o](Page&) { clicks.push_back(o); });

    p.user_click("opt_1");
    p.user_click("opt_page");  // another frame: opt_1 stays selected
    EXPECT_TRUE(p.selected("opt_1"));
    EXPECT_TRUE(p.selected("opt_page"));
    p.set_selected("opt_2", true);  // by page logic: clears opt_1, raises Click
    EXPECT_FALSE(p.selected("opt_1"));
    EXPECT_TRUE(p.selected("opt_2"));
    p.set_selected("opt_2", true);  // already selected: no Click
    p.user_click("opt_2");          // a user's click on a selected option raises Click again
    p.set_selected("opt_2", false);  // clearing raises nothing
    EXPECT_FALSE(p.selected("opt_2"));
    EXPECT_EQ(clicks, (std::vector<std::string>{"opt_1", "opt_page", "opt_2", "opt_2"}));
}

TEST_F(PageModel, ShownOnScreenNeedsThePageAndEveryEnclosingFrame) {
    Page& p = app.page("test");
    EXPECT_FALSE(p.shown("txt_a"));  // created, not shown
    app.show("test");
    EXPECT_TRUE(p.shown("txt_a"));
    EXPECT_TRUE(p.visible("lbl_deep"));
    EXPECT_FALSE(p.shown("lbl_deep"));  // its frame is hidden
    p.show({"fr_inner"});
    EXPECT_TRUE(p.shown("lbl_deep"));
    p.hide({"fr_outer"});
    EXPECT_FALSE(p.shown("lbl_deep"));
    EXPECT_FALSE(p.shown("opt_1"));
    EXPECT_TRUE(p.visible("fr_inner"));
    app.hide("test");
    EXPECT_FALSE(p.shown("txt_a"));
    EXPECT_TRUE(app.loaded("test"));
}

TEST_F(PageModel, UnloadDiscardsThePageAndTheNextReferenceCreatesItAfresh) {
    app.show("test");
    Page& p = app.page("test");
    p.user_edit("txt_a", "5");
    p.show({"fr_inner"});
    app.unload("test");
    EXPECT_FALSE(app.loaded("test"));
    EXPECT_FALSE(app.shown("test"));
    Page& again = app.page("test");  // created, not shown
    EXPECT_FALSE(app.shown("test"));
    EXPECT_EQ(again.text("txt_c"), "design");
    EXPECT_EQ(again.text("txt_a"), "");
    EXPECT_FALSE(again.visible("fr_inner"));
}

TEST_F(PageModel, APageUnloadedByItsOwnHandlerFinishesTheHandlerSafely) {
    Page& p = app.page("test");
    bool finished = false;
    p.on_click("bt_go", [&](Page& page) {
        page.app().unload("test");
        page.set_caption("bt_go", "still here");  // the page lives until the event is done
        page.app().show("other");
        finished = true;
    });
    p.user_click("bt_go");
    EXPECT_TRUE(finished);
    EXPECT_FALSE(app.loaded("test"));
    EXPECT_TRUE(app.shown("other"));
    EXPECT_EQ(app.page("test").text("bt_go"), "Go");
}

TEST_F(PageModel, HeldResultsOutliveAnUnloadAndStartAtZero) {
    EXPECT_EQ(app.held<Counts>().held, 0);
    app.page("test").on_click("bt_go", [](Page& page) { page.app().held<Counts>().held += 1; });
    app.page("test").user_click("bt_go");
    app.unload("test");
    EXPECT_EQ(app.held<Counts>().held, 1);
    Application fresh;
    EXPECT_EQ(fresh.held<Counts>().held, 0);
}

TEST_F(PageModel, ARunawayChainIsStopped) {
    Page& p = app.page("test");
    int runs = 0;
    p.on_change("txt_c", [&](Page& page) {
        ++runs;
        page.set_text("txt_c", std::to_string(runs));
    });
    testing::internal::CaptureStderr();
    p.set_text("txt_c", "go");
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(runs, Application::max_event_depth);
    EXPECT_NE(report.find("event chain deeper"), std::string::npos);
}

TEST_F(PageModel, FocusIsKeptPerPage) {
    Page& p = app.page("test");
    p.focus("txt_b");
    EXPECT_EQ(p.focused(), "txt_b");
    p.user_edit("txt_a", "1");  // typing into a field gives it the focus
    EXPECT_EQ(p.focused(), "txt_a");
}

TEST_F(PageModel, UnknownNamesAndWrongKindsAreErrorsOfTheDefinition) {
    Page& p = app.page("test");
    EXPECT_THROW((void)p.text("txt_nowhere"), std::out_of_range);
    EXPECT_THROW(p.set_selected("txt_a", true), std::logic_error);
    EXPECT_THROW(p.user_click("txt_a"), std::logic_error);
    EXPECT_THROW(app.page("nowhere"), std::out_of_range);
    EXPECT_THROW(app.define_page("test", define_test_page), std::logic_error);
}

}  // namespace
