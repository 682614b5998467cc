#include "tests/common/monkey.h"

#include "scenario/gui_driver.h"

TEST(RandomUseThroughTheWidgets, NoFieldEverShowsANonFiniteNumber) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        cf::scenario::GuiDriver driver;
        cf::testing::wander(driver, seed, 150);
        if (HasFatalFailure()) return;
    }
}
