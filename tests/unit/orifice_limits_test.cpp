#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "orifice/limits_of_use.h"

namespace {

using cf::orifice::limits_verdict;
using cf::orifice::PlateInUse;
using cf::orifice::Standard;
using cf::orifice::Taps;

constexpr auto iso1991 = Standard::iso1991;
constexpr auto iso2003 = Standard::iso2003;
const std::vector<Taps> all_taps = {Taps::corner, Taps::flange, Taps::d_and_d_half};
const std::vector<Taps> corner = {Taps::corner};
const std::vector<Taps> flange = {Taps::flange};
const std::vector<Taps> flange_or_d_and_d_half = {Taps::flange, Taps::d_and_d_half};
const std::vector<Taps> corner_or_d_and_d_half = {Taps::corner, Taps::d_and_d_half};

struct Row {
    Standard standard;
    const std::vector<Taps>& taps;
    double d, D, Re;
    std::optional<double> pressure_ratio;
    const char* failed;  // what follows "Hors du domaine d'application : ", or "" in range
};

}  // namespace

// Every limit at its value (in range) and on both sides of it, for both standards and every tap it
// concerns; a limit of β and D at the value that formula gives.
TEST(OrificeLimits, EveryLimitAtAndOnBothSides) {
    const double beta_06 = 0.6;
    const Row rows[] = {
        // d ≥ 12.5 mm and 50 ≤ D ≤ 1000 mm, both standards
        {iso1991, all_taps, 12.5, 50, 1e5, {}, ""},
        {iso1991, all_taps, 12.4999, 50, 1e5, {}, "d = 12.4999 mm < 12.5 mm"},
        {iso2003, all_taps, 12.5, 50, 1e5, {}, ""},
        {iso2003, all_taps, 12.4999, 50, 1e5, {}, "d = 12.4999 mm < 12.5 mm"},
        {iso1991, all_taps, 25, 50, 1e5, {}, ""},
        {iso2003, all_taps, 25, 49.999, 1e5, {}, "D = 49.999 mm < 50 mm"},
        {iso1991, all_taps, 500, 1000, 1e6, {}, ""},
        {iso2003, all_taps, 500, 1000, 1e5, {}, ""},
        {iso1991, all_taps, 500, 1000.001, 1e6, {}, "D = 1000.001 mm > 1000 mm"},
        // β: 0.2 (1991) or 0.1 (2003) to 0.75; a β that would show as its limit shows more digits
        {iso1991, all_taps, 20, 100, 1e5, {}, ""},
        {iso1991, all_taps, 19, 100, 1e5, {}, "Beta = 0.1900 < 0.2"},
        {iso1991, all_taps, 19.999, 100, 1e5, {}, "Beta = 0.19999 < 0.2"},
        {iso2003, all_taps, 19, 100, 1e5, {}, ""},
        {iso2003, all_taps, 12.5, 125, 1e5, {}, ""},
        {iso2003, all_taps, 12.5, 125.1, 1e5, {}, "Beta = 0.0999 < 0.1"},
        {iso1991, all_taps, 75, 100, 1e5, {}, ""},
        {iso2003, all_taps, 75, 100, 1e5, {}, ""},
        {iso1991, all_taps, 75.01, 100, 1e5, {}, "Beta = 0.7501 > 0.75"},
        {iso2003, all_taps, 75.004, 100, 1e5, {}, "Beta = 0.75004 > 0.75"},
        // 1991, corner taps: Re ≥ 5000 up to β 0.45, 10000 above
        {iso1991, corner, 45, 100, 5000, {}, ""},
        {iso1991, corner, 45, 100, 4999.99, {}, "Re = 4999.99 < 5000"},
        {iso1991, corner, 45.01, 100, 10000, {}, ""},
        {iso1991, corner, 45.01, 100, 9999, {}, "Re = 9999 < 10000"},
        // 1991, flange and D and D/2 taps: Re ≥ 1260 β² D
        {iso1991, flange_or_d_and_d_half, 50, 100, 31500, {}, ""},
        {iso1991, flange_or_d_and_d_half, 50, 100, 31499, {}, "Re = 31499 < 31500 (1260.Beta².D)"},
        {iso1991, flange_or_d_and_d_half, 50, 100, 31500.1, {}, ""},
        // 2003, corner and D and D/2 taps: Re ≥ 5000 up to β 0.56, 16000 β² above
        {iso2003, corner_or_d_and_d_half, 56, 100, 5000, {}, ""},
        {iso2003, corner_or_d_and_d_half, 56, 100, 4999, {}, "Re = 4999 < 5000"},
        {iso2003, corner_or_d_and_d_half, 56.01, 100, 5010, {}, "Re = 5010 < 5019.392 (16000.Beta²)"},
        {iso2003, corner_or_d_and_d_half, 60, 100, 16000 * beta_06 * beta_06, {}, ""},
        {iso2003, corner_or_d_and_d_half, 60, 100, 5759, {}, "Re = 5759 < 5760 (16000.Beta²)"},
        {iso2003, corner_or_d_and_d_half, 60, 100, 5761, {}, ""},
        // 2003, flange taps: Re ≥ 5000 and Re ≥ 170 β² D
        {iso2003, flange, 50, 100, 5000, {}, ""},
        {iso2003, flange, 50, 100, 4999, {}, "Re = 4999 < 5000"},
        {iso2003, flange, 500, 1000, 42500, {}, ""},
        {iso2003, flange, 500, 1000, 42499, {}, "Re = 42499 < 42500 (170.Beta².D)"},
        {iso2003, flange, 500, 1000, 3000, {}, "Re = 3000 < 5000 ; Re = 3000 < 42500 (170.Beta².D)"},
        // 2003, a gas: (P − ΔP) / P ≥ 0.75; 1991 does not limit it
        {iso2003, all_taps, 50, 100, 1e5, 0.75, ""},
        {iso2003, all_taps, 50, 100, 1e5, 0.7499, "(P-DeltaP)/P = 0.7499 < 0.75"},
        {iso1991, all_taps, 50, 100, 1e5, 0.5, ""},
        // Every limit that fails, in order
        {iso1991, corner, 80, 100, 3200, {}, "Beta = 0.8000 > 0.75 ; Re = 3200 < 10000"},
        {iso2003, corner, 80, 100, 3200, 0.6, "Beta = 0.8000 > 0.75 ; Re = 3200 < 10240 (16000.Beta²) ; "
                                              "(P-DeltaP)/P = 0.6000 < 0.75"},
        {iso2003, flange, 10, 40, 1e5, {}, "d = 10 mm < 12.5 mm ; D = 40 mm < 50 mm"},
    };
    for (const auto& r : rows) {
        for (Taps taps : r.taps) {
            const auto verdict = limits_verdict(PlateInUse{r.standard, taps, r.d, r.D, r.Re, r.pressure_ratio});
            const std::string expected =
                *r.failed ? std::string("Hors du domaine d'application : ") + r.failed
                          : std::string("Dans le domaine d'application de l'ISO ") +
                                (r.standard == iso1991 ? "5167-1:1991" : "5167-2:2003");
            EXPECT_EQ(verdict.text, expected) << "d " << r.d << ", D " << r.D << ", Re " << r.Re << ", taps "
                                              << static_cast<int>(taps);
            EXPECT_EQ(verdict.in_range, !*r.failed) << verdict.text;
        }
    }
}
