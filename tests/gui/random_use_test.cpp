#include "tests/common/random_use_test.h"

#include "scenario/gui_driver.h"

TEST(RandomUseThroughTheWidgets, NoFieldEverShowsANonFiniteNumber) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        cf::scenario::GuiDriver driver;
        cf::testing::use_at_random(driver, seed, 150);
        if (HasFatalFailure()) return;
    }
}
