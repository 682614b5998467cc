// The procedure kit at the limits of the range: what a procedure reads, keeps and shows there.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

#include "core/field_value.h"
#include "ui/application.h"
#include "ui/page_builder.h"
#include "ui/procedure.h"

namespace {

using cf::Page;
using cf::procedure::Outcome;

constexpr cf::procedure::Style text_step{{}, cf::procedure::WhenStopped::write_nothing};

class ProcedureKit : public ::testing::Test {
protected:
    void SetUp() override {
        app.define_page("kit", [](Page& p) {
            cf::PageBuilder b(p);
            b.field("txt_in");
            b.field("txt_out");
        });
    }
    Page& page() { return app.page("kit"); }
    // The input typed, then its value times `factor` kept and shown through the text step.
    template <class Held>
    Outcome times(const char* input, double factor, Held& held) {
        page().user_edit("txt_in", input);
        const double read = std::is_same_v<Held, float> ? cf::procedure::read(page(), "txt_in")
                                                         : cf::procedure::read_double(page(), "txt_in");
        return cf::procedure::compute(page(), text_step, {"txt_out"}, held, true, [&] { return read * factor; });
    }
    cf::Application app;
};

TEST_F(ProcedureKit, ADoubleAboveTheFloatRangeReadsAsAnInfinityInSinglePrecision) {
    for (const auto& [text, value] : {std::pair{"3.4028235e38", std::numeric_limits<float>::max()},
                                      std::pair{"3.40282356e38", std::numeric_limits<float>::max()},
                                      std::pair{"3.40282357e38", INFINITY}, std::pair{"1e39", INFINITY},
                                      std::pair{"-1e300", -INFINITY}, std::pair{"1e-50", 0.0f}}) {
        page().user_edit("txt_in", text);
        EXPECT_EQ(cf::procedure::read(page(), "txt_in"), value) << text;
    }
}

// A result whose text would read back as an infinity is not finite for the display rule: its field is
// emptied and the held result keeps its value; the largest one that reads back is shown.
TEST_F(ProcedureKit, AResultIsShownExactlyWhenItsTextReadsBackFinite) {
    double held_double = 0;
    EXPECT_EQ(times("2", 0.5, held_double), Outcome::computed);
    EXPECT_EQ(times("1.7976931348623149e308", 1, held_double), Outcome::computed);
    EXPECT_EQ(held_double, cf::largest_shown_double);
    EXPECT_EQ(page().text("txt_out"), "1.79769313486231E+308");
    EXPECT_EQ(times("1.7976931348623157e308", 1, held_double), Outcome::emptied);
    EXPECT_EQ(times("-1.7976931348623157e308", 1, held_double), Outcome::emptied);
    EXPECT_EQ(page().text("txt_out"), "");
    EXPECT_EQ(held_double, cf::largest_shown_double);

    float held_float = 0;
    EXPECT_EQ(times("3.40282356e38", 1, held_float), Outcome::computed);  // rounds to the largest float
    EXPECT_EQ(held_float, std::numeric_limits<float>::max());
    EXPECT_EQ(page().text("txt_out"), "3.402823E+38");
    EXPECT_EQ(times("3.4028234e38", 2, held_float), Outcome::emptied);  // rounds to an infinity
    EXPECT_EQ(page().text("txt_out"), "");
    EXPECT_EQ(held_float, std::numeric_limits<float>::max());
}

}  // namespace
