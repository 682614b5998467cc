// The calculation frames the correction pages are tables of: their labels, their completeness test with
// its stricter input, the order of their procedures, and the choice of known data.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "parts/calculation_frame.h"
#include "ui/application.h"

namespace {

namespace parts = cf::parts;
using cf::Page;

std::vector<std::string> runs;
void first(Page& p) { runs.push_back("first " + p.text("txt_Q")); }
void second(Page&) { runs.push_back("second"); }

const parts::CalculationFrame frame = {
    .name = "Frame1",
    .title_label = "titre",
    .title = "Un titre",
    .inputs = {{{"txt_Q", "Q:"}, {"Txt_P", "P:", "1"}}, {{"Text_zc", "Zc:", "1"}, {"txt_T", "T:", "", "T6"}}},
    .results = {{"R", "R =", "txt_R", "unit_R", "m3/h", {.unit_visible = true}}, {"K", "K =", "txt_K"}},
    .note_label = "remark",
    .note = "Une remarque",
    .filled = {"txt_Q", "Txt_P", "txt_T"},
    .not_zero = {"Txt_P", "Text_zc"},
    .result_group = {"R", "txt_R", "K", "txt_K", "unit_R", "remark"},
    .procedures = {first, second},
    .not_zero_when_typed = {"txt_T"},
};

const parts::KnownData known = {"Frame2", {"Frame3", "txt_R"}, {"opt_b"}, "txt_x"};

struct CalculationFrame : ::testing::Test {
    cf::Application app;
    Page* p = nullptr;
    void SetUp() override {
        runs.clear();
        app.define_page("test", [](Page& page) {
            cf::PageBuilder b(page);
            b.row(); b.frame("Frame1");
            b.row(); b.frame("Frame2").hidden();
                     b.frame("Frame3");
            b.row(); b.option("opt_a", "A");
                     b.option("opt_b", "B");
                     b.field("txt_x");
            parts::lay_out(b, frame);
            parts::on_input_changes(page, frame);
            page.on_click("opt_a", parts::choose_known_data(known));
        });
        p = &app.page("test");
    }
    bool group_shown() const {
        for (const char* name : {"R", "txt_R", "K", "txt_K", "unit_R", "remark"})
            if (!p->visible(name)) return false;
        return true;
    }
};

TEST_F(CalculationFrame, LaysOutLabelsNamedAfterTheirFields) {
    for (auto [label, caption] : {std::pair{"lbl_Q", "Q:"}, {"lbl_P", "P:"}, {"lbl_zc", "Zc:"}, {"T6", "T:"}}) {
        EXPECT_EQ(p->text(label), caption);
        EXPECT_EQ(p->control(label).frame, "Frame1");
    }
    EXPECT_EQ(p->text("Txt_P"), "1");
    EXPECT_EQ(p->control("titre").place.column_span, parts::frame_columns);
    EXPECT_EQ(p->control("remark").place.column_span, parts::frame_columns);
    // Hidden at start but for the unit label shown at start; no unit label for K.
    for (const char* name : {"R", "txt_R", "K", "txt_K", "remark"}) EXPECT_FALSE(p->visible(name)) << name;
    EXPECT_TRUE(p->visible("unit_R"));
    EXPECT_FALSE(p->has("lbl_K"));
}

TEST_F(CalculationFrame, ShowsTheResultGroupAndRunsItsProceduresInOrderOnceComplete) {
    p->user_edit("txt_Q", "5");
    p->user_edit("Txt_P", "0");  // a divisor reading 0
    EXPECT_FALSE(p->visible("unit_R"));
    p->user_edit("Txt_P", "2");
    EXPECT_TRUE(runs.empty());  // T still empty
    p->user_edit("txt_T", "20");
    EXPECT_TRUE(group_shown());
    EXPECT_EQ(runs, (std::vector<std::string>{"first 5", "second"}));
    p->user_edit("txt_Q", "");
    EXPECT_FALSE(p->visible("txt_R"));
    EXPECT_EQ(runs.size(), 2u);
}

TEST_F(CalculationFrame, AZeroTypedIntoTheStricterInputHidesWhatTheSameDataShowOtherwise) {
    p->user_edit("txt_Q", "5");
    p->user_edit("txt_T", "0");
    EXPECT_FALSE(group_shown());
    EXPECT_TRUE(runs.empty());
    p->user_edit("txt_Q", "6");
    EXPECT_TRUE(group_shown());
    EXPECT_EQ(runs.front(), "first 6");
}

TEST_F(CalculationFrame, ChoosingKnownDataOpensItsFrameAndLocksTheOthers) {
    for (const char* input : {"txt_Q", "txt_T"}) p->user_edit(input, "5");
    ASSERT_TRUE(p->visible("txt_R"));
    p->user_click("opt_a");
    EXPECT_TRUE(p->visible("Frame2"));
    EXPECT_FALSE(p->visible("Frame3"));
    EXPECT_FALSE(p->visible("txt_R"));
    EXPECT_FALSE(p->enabled("opt_b"));
    EXPECT_TRUE(p->enabled("opt_a"));
    EXPECT_EQ(p->focused(), "txt_x");
}

}  // namespace
