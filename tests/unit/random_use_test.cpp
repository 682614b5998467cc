#include "tests/common/random_use_test.h"

#include "scenario/model_driver.h"

TEST(RandomUse, NoFieldEverShowsANonFiniteNumber) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        cf::scenario::ModelDriver driver;
        cf::testing::use_at_random(driver, seed, 300);
        if (HasFatalFailure()) return;
    }
}
