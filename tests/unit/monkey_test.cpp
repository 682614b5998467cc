#include "tests/common/monkey.h"

#include "scenario/model_driver.h"

TEST(RandomUse, NoFieldEverShowsANonFiniteNumber) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        cf::scenario::ModelDriver driver;
        cf::testing::wander(driver, seed, 300);
        if (HasFatalFailure()) return;
    }
}
