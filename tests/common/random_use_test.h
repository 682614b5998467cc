#pragma once
// The random use of the whole program as a test: a short run on any driver fails the test at its first
// fault (a non-finite number shown, a result that does not read back, a runaway event chain).

#include <gtest/gtest.h>

#include "tests/common/random_use.h"

namespace cf::testing {

inline void use_at_random(scenario::Driver& driver, unsigned seed, int steps) {
    RandomUse use;
    use_at_random(driver, seed, steps, use);
    ASSERT_TRUE(use.fault.empty()) << use.fault;
}

}  // namespace cf::testing
