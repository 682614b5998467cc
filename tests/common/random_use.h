#pragma once
// A user who clicks, types, pastes and picks at random through the whole program, on any driver (the
// page model or the real widgets). After every action, on every control of every page, whatever its
// kind: no text the program wrote shows a number that is not finite, every text it wrote that reads as
// a number reads back to itself, no event chain has run away, and the widgets show what the model holds.
// The suite runs it briefly; scripts/soak.sh runs it at scale under the sanitizers.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "program/program.h"
#include "shell/page_names.h"
#include "scenario/scenario.h"
#include "ui/application.h"

namespace cf::testing {

using Controls = std::vector<std::pair<std::string, std::string>>;

// Every (page, control) the program defines, read from a scratch run.
inline const Controls& every_control() {
    static const Controls all = [] {
        Application scratch;
        start_calcfluides(scratch);
        Controls controls;
        for (const auto& page : scratch.page_names())
            for (const auto& control : scratch.page(page).order()) controls.emplace_back(page, control);
        return controls;
    }();
    return all;
}

struct RandomUse {
    bool rich = false;  // garbage, texts at the limits of the range, very long pastes besides the hurried engineer's
    std::string stay_on;  // a page the user keeps to, with the home page (and what they open); empty: all
    long actions = 0;
    long limit_texts = 0;        // texts near the limits of double and float typed or pasted
    long texts_checked = 0;      // control texts checked after the actions
    long results_read_back = 0;  // of them, shown results that read back to themselves
    long widget_checks = 0;      // comparisons of every widget with the model
    std::set<std::pair<std::string, std::string>> reached;
    std::string fault;  // the first fault met; the run stops there
};

// A number near a limit of double or float, as a user would paste it: the limit itself or a few units of
// its last place away, now and then times a factor that takes a result there (1/3600 makes m3/s of m3/h),
// written with all its digits or rounded to the 15 or 7 significant digits a result shows.
inline std::string limit_text(std::mt19937& random) {
    static const double limits[] = {std::numeric_limits<double>::max(),
                                    largest_shown_double,
                                    std::numeric_limits<float>::max(),
                                    0x1.ffffffp+127,  // the float rounding limit
                                    std::numeric_limits<double>::min(),
                                    std::numeric_limits<double>::denorm_min(),
                                    std::numeric_limits<float>::min(),
                                    std::numeric_limits<float>::denorm_min()};
    static const double factors[] = {1.0 / 3600, 3600, 1000, 0.001, 2, 0.5};
    double v = limits[random() % std::size(limits)];
    for (int k = static_cast<int>(random() % 9) - 4; k != 0; k += k > 0 ? -1 : 1)
        v = std::nextafter(v, k > 0 ? std::numeric_limits<double>::infinity() : 0.0);
    if (random() % 4 == 0) v *= factors[random() % std::size(factors)];
    if (random() % 5 == 0) v = -v;
    static const int digits[] = {17, 16, 15, 9, 8, 7};
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::general,
                                   digits[random() % std::size(digits)]).ptr;
    return std::string(text, end);
}

// Texts a hurried engineer might type: numbers, decimal commas, exponents, signs, blanks, zeros; and,
// for the long run, garbage, numbers at the limits of the range and very long texts.
inline std::string random_text(std::mt19937& random, bool rich, long* limit_texts = nullptr) {
    static const std::vector<std::string> pieces = {"0", "1", "2", "5", "9", "10", "100", "2000", ".", ",", "-", "+",
                                                    "e", "E", "e38", "e-45", "e300", " ", "x", "0.0", "1e39", ""};
    static const std::vector<std::string> garbage = {"e999", "e-999", "E+308", "e-324", "1e4000", "\t", "é", "%",
                                                     "inf", "nan", "0x1p3", "1,5", "1.2.3", "--", "Kg/h", "mm",
                                                     "e308", "e-308", "E+38", "e-38", "😀", "\x01", "3600"};
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);
    std::string text;
    if (rich && random() % 50 == 0) {  // a very long paste
        const std::size_t n = 300 + random() % 3000;
        const char* alphabet = "0123456789.,eE+- x";
        for (std::size_t i = 0; i < n; ++i) text += alphabet[random() % 18];
        return text;
    }
    if (rich && random() % 3 == 0) {
        if (limit_texts) ++*limit_texts;
        return limit_text(random);
    }
    // The exact factors that carry a value to a limit without moving it: a density of 1, or of 1/3600.
    static const char* const factors[] = {"1", "2", "0.5", "10", "1000", "0.001", "3600", "2.7777777777777778e-4"};
    if (rich && random() % 4 == 0) return factors[random() % std::size(factors)];
    for (int n = length(random); n > 0; --n)
        text += rich && random() % 4 == 0 ? garbage[random() % garbage.size()] : pieces[piece(random)];
    return text;
}

// A text that reads whole as a number reads back to the same text: with its own count of decimals, or
// through the text step.
inline bool reads_back(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string::npos || !(std::isdigit(static_cast<unsigned char>(text[first])) ||
                                        text[first] == '.' || text[first] == '-' || text[first] == '+'))
        return true;  // no number at its start: a caption, a unit, a word
    const FieldReading r = read_field_text(text);
    if (text.empty() || !r.whole) return true;  // not a number ("Turbulent", "Kg/m3")
    if (!std::isfinite(r.value)) return false;
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos || text.find_first_of("eE") != std::string::npos
                                     ? 0
                                     : text.size() - point - 1;
    const std::string pattern = decimals ? "0." + std::string(decimals, '0') : "0";
    return format_field_value(r.value, pattern) == text || text_step_double(r.value) == text ||
           text_step_single(to_single(r.value)) == text;
}

// A text that spells a number that is not finite, as a conversion would write it.
inline bool spells_not_finite(std::string_view text) {
    const auto spells = [&](std::string_view word) {
        return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
                   return (a | 0x20) == b;  // ASCII letters of either case
               }) != text.end();
    };
    return spells("inf") || spells("nan");
}

namespace detail {

// A control the user can reach now, at random: a few tries at random, then the first in order from a
// random place. Half of the time the user fills a field first, as an engineer does more than he clicks.
// Says false when there is none.
inline bool reachable(scenario::Driver& driver, std::mt19937& random, const Controls& controls,
                      std::pair<std::string, std::string>& found, scenario::ControlView& view) {
    const bool field_first = random() % 2;
    const auto acts = [&](const std::pair<std::string, std::string>& c, bool fields_only) {
        const auto v = driver.view(c.first, c.second);
        if (!v || !v->shown || !v->enabled) return false;
        const bool can = v->editable || (!fields_only && (v->kind == ControlKind::button || v->kind == ControlKind::option ||
                                                          (v->kind == ControlKind::combo && !v->items.empty())));
        if (can) found = c, view = *v;
        return can;
    };
    for (int attempt = 0; attempt < 200; ++attempt)
        if (acts(controls[random() % controls.size()], field_first && attempt < 100)) return true;
    const std::size_t start = random() % controls.size();
    for (std::size_t k = 0; k < controls.size(); ++k)
        if (acts(controls[(start + k) % controls.size()], false)) return true;
    return false;
}

}  // namespace detail

// Runs exactly `steps` random actions, unless a fault stops it first (`use.fault` then describes it).
inline void use_at_random(scenario::Driver& driver, unsigned seed, long steps, RandomUse& use) {
    std::mt19937 random(seed);
    const int stopped_before = driver.app().stopped_chains();
    Controls controls;
    for (const auto& c : every_control())
        if (use.stay_on.empty() || c.first == use.stay_on || c.first == pages::home)
            controls.push_back(c);
    // What the user last put into each field: the user's own text, which may spell anything.
    std::map<std::pair<std::string, std::string>, std::string> typed;
    for (long step = 0; step < steps && use.fault.empty(); ++step) {
        std::pair<std::string, std::string> target;
        scenario::ControlView view{};
        if (!detail::reachable(driver, random, controls, target, view)) {
            use.fault = "nothing a user can act on";
            break;
        }
        const auto& [page, control] = target;
        std::string action;
        if (view.kind == ControlKind::button || view.kind == ControlKind::option) {
            driver.click(page, control);
            action = "click " + page + "." + control;
        } else if (view.kind == ControlKind::combo && !view.items.empty() && (!view.editable || random() % 2)) {
            const std::string& item = view.items[random() % view.items.size()];
            driver.pick(page, control, item);
            action = "pick " + page + "." + control + " " + scenario::quote(item);
        } else {
            const std::string text = random_text(random, use.rich, &use.limit_texts);
            const bool type = text.size() < 40 && random() % 2;
            if (type)
                driver.type(page, control, text);
            else
                driver.paste(page, control, text);
            action = (type ? "type " : "paste ") + page + "." + control + " " + scenario::quote(text);
            if (const auto after = driver.view(page, control)) typed[target] = after->text;
        }
        use.reached.insert(target);
        ++use.actions;

        for (const auto& c : every_control()) {
            const auto v = driver.view(c.first, c.second);
            if (!v) continue;
            ++use.texts_checked;
            const auto own = typed.find(c);
            if (v->editable && own != typed.end() && own->second == v->text) continue;  // the user's, as typed
            if (!v->editable && v->kind == ControlKind::field && v->shown && !v->text.empty()) ++use.results_read_back;
            if (spells_not_finite(v->text) || !reads_back(v->text)) {
                use.fault = c.first + "." + c.second + " shows " + scenario::quote(v->text) + " after " + action;
                break;
            }
        }
        if (use.fault.empty() && driver.app().stopped_chains() != stopped_before)
            use.fault = "an event chain ran away after " + action;
        if (use.fault.empty()) {
            if (std::string differs = driver.differences_from_model(); !differs.empty())
                use.fault = differs + " after " + action;
            else
                ++use.widget_checks;
        }
        if (!use.fault.empty()) use.fault += " (seed " + std::to_string(seed) + ", step " + std::to_string(step) + ")";
    }
}

}  // namespace cf::testing
