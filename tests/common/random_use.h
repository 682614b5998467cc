#pragma once
// A user who clicks, types, pastes and picks at random through the whole program, on any driver (the
// page model or the real widgets). After every action no field may show a number that is not finite,
// every result that is a number must read back to the text shown, and no event chain may have run away.
// The suite runs it briefly; scripts/soak.sh runs it at scale under the sanitizers.

#include <cmath>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/field_value.h"
#include "scenario/scenario.h"
#include "program/program.h"
#include "ui/application.h"

namespace cf::testing {

using Controls = std::vector<std::pair<std::string, std::string>>;

// Every (page, control) the program defines, read from a scratch run; or only its text fields.
inline const Controls& every_control(bool fields_only = false) {
    static const auto lists = [] {
        Application scratch;
        start_calcfluides(scratch);
        std::pair<Controls, Controls> all_and_fields;
        for (const auto& page : scratch.page_names())
            for (const auto& control : scratch.page(page).order()) {
                all_and_fields.first.emplace_back(page, control);
                if (scratch.page(page).control(control).kind == ControlKind::field)
                    all_and_fields.second.emplace_back(page, control);
            }
        return all_and_fields;
    }();
    return fields_only ? lists.second : lists.first;
}

struct RandomUse {
    bool rich = false;  // garbage, huge and tiny exponents, very long pastes besides the hurried engineer's texts
    long actions = 0;
    long results_read_back = 0;
    std::set<std::pair<std::string, std::string>> reached;
    std::string fault;  // the first fault met; the run stops there
};

// Texts a hurried engineer might type: numbers, decimal commas, exponents, signs, blanks, zeros; and,
// for the long run, garbage and very long texts.
inline std::string random_text(std::mt19937& random, bool rich) {
    static const std::vector<std::string> pieces = {"0", "1", "2", "5", "9", "10", "100", "2000", ".", ",", "-", "+",
                                                    "e", "E", "e38", "e-45", "e300", " ", "x", "0.0", "1e39", ""};
    static const std::vector<std::string> garbage = {"e999", "e-999", "E+308", "e-324", "1e4000", "\t", "é", "%",
                                                     "inf", "nan", "0x1p3", "1,5", "1.2.3", "--", "Kg/h", "mm"};
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);
    std::string text;
    if (rich && random() % 50 == 0) {  // a very long paste
        const std::size_t n = 300 + random() % 3000;
        const char* alphabet = "0123456789.,eE+- x";
        for (std::size_t i = 0; i < n; ++i) text += alphabet[random() % 18];
        return text;
    }
    for (int n = length(random); n > 0; --n)
        text += rich && random() % 4 == 0 ? garbage[random() % garbage.size()] : pieces[piece(random)];
    return text;
}

// A shown result that is a number reads back to the same text: with its own count of decimals, or
// through the text step.
inline bool reads_back(const std::string& text) {
    const FieldReading r = read_field_text(text);
    if (text.empty() || !r.whole) return true;  // not a number ("Turbulent", "Kg/m3")
    if (!std::isfinite(r.value)) return false;
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos || text.find_first_of("eE") != std::string::npos
                                     ? 0
                                     : text.size() - point - 1;
    const std::string pattern = decimals ? "0." + std::string(decimals, '0') : "0";
    return format_field_value(r.value, pattern) == text || text_step_double(r.value) == text ||
           text_step_single(static_cast<float>(r.value)) == text;
}

// Runs `steps` random actions; stops at the first fault, which `use.fault` then describes.
inline void use_at_random(scenario::Driver& driver, unsigned seed, long steps, RandomUse& use) {
    const auto& controls = every_control();
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, controls.size() - 1);
    const int stopped_before = driver.app().stopped_chains();
    for (long step = 0; step < steps && use.fault.empty(); ++step) {
        std::string action;
        for (int attempt = 0; attempt < 200; ++attempt) {  // a control the user can reach
            const auto& [page, control] = controls[pick(random)];
            const auto view = driver.view(page, control);
            if (!view || !view->shown || !view->enabled) continue;
            if (view->kind == ControlKind::button || view->kind == ControlKind::option) {
                driver.click(page, control);
                action = "click " + page + "." + control;
            } else if (view->editable) {
                const std::string text = random_text(random, use.rich);
                const bool type = text.size() < 40 && random() % 2;
                if (type)
                    driver.type(page, control, text);
                else
                    driver.paste(page, control, text);
                action = (type ? "type " : "paste ") + page + "." + control + " \"" + text.substr(0, 60) + "\"";
            } else if (view->kind == ControlKind::combo && !view->items.empty()) {
                const std::string& item = view->items[random() % view->items.size()];
                driver.pick(page, control, item);
                action = "pick " + page + "." + control + " \"" + item + "\"";
            } else {
                continue;
            }
            use.reached.emplace(page, control);
            ++use.actions;
            break;
        }
        for (const auto& [page, control] : every_control(true)) {
            const auto view = driver.view(page, control);
            if (!view) continue;
            const bool result = !view->editable;
            // A typed text is the user's own: in the long run it may spell "inf" itself.
            const bool typed = view->editable && use.rich;
            const bool not_finite =
                view->text.find("inf") != std::string::npos || view->text.find("nan") != std::string::npos;
            if (result && view->shown && !view->text.empty()) ++use.results_read_back;
            if ((not_finite && !typed) || (result && view->shown && !reads_back(view->text)))
                use.fault = page + "." + control + " shows \"" + view->text.substr(0, 80) + "\" after " + action;
        }
        if (driver.app().stopped_chains() != stopped_before)
            use.fault = "an event chain ran away after " + action;
        if (!use.fault.empty()) use.fault += " (seed " + std::to_string(seed) + ", step " + std::to_string(step) + ")";
    }
}

}  // namespace cf::testing
