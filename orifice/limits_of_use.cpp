#include "orifice/limits_of_use.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "core/field_value.h"

namespace cf::orifice {

namespace {

// One limit that fails: "NAME = VALUE SIGN BOUND[ UNIT][ (FORMULA)]".
struct Failure {
    const char* name;
    double value;
    bool below;              // the value is below its lower bound (else above its upper bound)
    double bound;
    const char* bound_text;  // the bound as the standard writes it; empty: computed, shown as a result
    const char* unit = "";
    const char* formula = "";
    const char* pattern = "";  // "0.0000" for β and the pressure ratio; empty: 7 significant digits
};

// A value beyond the single precision range (a bound of a huge β) keeps its 15 digits.
std::string shown(double value, std::string_view pattern) {
    if (!pattern.empty()) return format_field_value(value, pattern);
    return std::isfinite(to_single(value)) ? text_step_single(to_single(value)) : text_step_double(value);
}

// The texts of a value and of its bound, so that the value reads beyond the bound: a value that
// would show as its bound is shown with 15 significant digits, and so is a computed bound then.
std::string failure_text(const Failure& f) {
    std::string bound = *f.bound_text ? std::string(f.bound_text) : shown(f.bound, "");
    std::string value = shown(f.value, f.pattern);
    const double read = parse_field_value(value), read_bound = parse_field_value(bound);
    if (f.below ? read >= read_bound : read <= read_bound) {
        value = text_step_double(f.value);
        if (!*f.bound_text) bound = text_step_double(f.bound);
    }
    std::string text = std::string(f.name) + " = " + value;
    if (*f.unit) text += std::string(" ") + f.unit;
    text += f.below ? " < " : " > ";
    text += bound;
    if (*f.unit) text += std::string(" ") + f.unit;
    if (*f.formula) text += std::string(" (") + f.formula + ")";
    return text;
}

void at_least(std::vector<Failure>& failed, Failure f) {
    if (f.value < f.bound) failed.push_back(f);
}

void at_most(std::vector<Failure>& failed, Failure f) {
    f.below = false;
    if (f.value > f.bound) failed.push_back(f);
}

void reynolds_limits(std::vector<Failure>& failed, const PlateInUse& p, double beta) {
    const double beta2 = beta * beta;
    auto re = [&](double bound, const char* text, const char* formula = "") {
        at_least(failed, {"Re", p.Re, true, bound, text, "", formula});
    };
    if (p.standard == Standard::iso1991) {
        if (p.taps != Taps::corner)
            re(1260 * beta2 * p.D, "", "1260.Beta².D");
        else if (beta <= 0.45)
            re(5000, "5000");
        else
            re(10000, "10000");
    } else if (p.taps == Taps::flange) {
        re(5000, "5000");
        re(170 * beta2 * p.D, "", "170.Beta².D");
    } else if (beta <= 0.56) {
        re(5000, "5000");
    } else {
        re(16000 * beta2, "", "16000.Beta²");
    }
}

}  // namespace

const char* standard_name(Standard standard) {
    return standard == Standard::iso1991 ? "ISO 5167-1:1991" : "ISO 5167-2:2003";
}

Verdict limits_verdict(const PlateInUse& p) {
    const double beta = p.d / p.D;
    const bool iso1991 = p.standard == Standard::iso1991;
    std::vector<Failure> failed;
    at_least(failed, {"d", p.d, true, 12.5, "12.5", "mm"});
    at_least(failed, {"D", p.D, true, 50, "50", "mm"});
    at_most(failed, {"D", p.D, false, 1000, "1000", "mm"});
    at_least(failed, {"Beta", beta, true, iso1991 ? 0.2 : 0.1, iso1991 ? "0.2" : "0.1", "", "", "0.0000"});
    at_most(failed, {"Beta", beta, false, 0.75, "0.75", "", "", "0.0000"});
    reynolds_limits(failed, p, beta);
    if (!iso1991 && p.pressure_ratio)
        at_least(failed, {"(P-DeltaP)/P", *p.pressure_ratio, true, 0.75, "0.75", "", "", "0.0000"});

    if (failed.empty()) return {true, std::string("Dans le domaine d'application de l'") + standard_name(p.standard)};
    std::string text = "Hors du domaine d'application : ";
    for (std::size_t i = 0; i < failed.size(); ++i) {
        if (i > 0) text += " ; ";
        text += failure_text(failed[i]);
    }
    return {false, text};
}

}  // namespace cf::orifice
