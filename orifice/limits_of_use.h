#pragma once
// The limits of use of an orifice plate, by standard and pressure taps, and the verdict the page
// shows: in range, or every limit that fails with its value. Out of range is a warning only: it never
// stops or changes a calculation.
//
// ISO 5167-1:1991 (the limits that the page's "Limites d'emploi" frame lists):
//   d ≥ 12.5 mm, 50 ≤ D ≤ 1000 mm, 0.2 ≤ β ≤ 0.75;
//   corner taps: Re ≥ 5000 for β ≤ 0.45, Re ≥ 10000 above;
//   flange and D and D/2 taps: Re ≥ 1260 β² D (D in mm).
// ISO 5167-2:2003:
//   d ≥ 12.5 mm, 50 ≤ D ≤ 1000 mm, 0.1 ≤ β ≤ 0.75;
//   corner and D and D/2 taps: Re ≥ 5000 for β ≤ 0.56, Re ≥ 16000 β² above;
//   flange taps: Re ≥ 5000 and Re ≥ 170 β² D (D in mm);
//   a gas, when the upstream pressure and ΔP are known: (P − ΔP) / P ≥ 0.75.

#include <optional>
#include <string>

#include "orifice/orifice_formulas.h"

namespace cf::orifice {

enum class Standard { iso1991, iso2003 };

// What the verdict is made of. β is d / D in double precision from the values read.
struct PlateInUse {
    Standard standard;
    Taps taps;
    double d, D, Re;                        // mm, mm, -
    std::optional<double> pressure_ratio;  // (P − ΔP) / P of a gas, when known (2003 limits it)
};

// "Dans le domaine d'application de l'ISO 5167-1:1991" (or "-2:2003"), or "Hors du domaine
// d'application : " then each limit that fails, separated by " ; ", as "Beta = 0.8000 > 0.75" or
// "Re = 3200 < 5000". β is shown with 4 decimals, every other value as the page shows results
// (7 significant digits); a value whose text would read as the limit itself is shown with 15. A limit
// that depends on β and D names its formula: "Re = 3000 < 3150 (1260.Beta².D)".
struct Verdict {
    bool in_range;
    std::string text;
};
Verdict limits_verdict(const PlateInUse& plate);

// The name of a standard as the page writes it: "ISO 5167-1:1991", "ISO 5167-2:2003".
const char* standard_name(Standard standard);

}  // namespace cf::orifice
