#pragma once
// A user who clicks and types at random through the whole program, on any driver (the page model or
// the real widgets): every step must leave no field showing a number that is not finite.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "scenario/scenario.h"
#include "shell/program.h"
#include "ui/application.h"

namespace cf::testing {

// Every (page, control) the program defines, read from a scratch run.
inline std::vector<std::pair<std::string, std::string>> every_control() {
    Application scratch;
    start_calcfluides(scratch);
    std::vector<std::pair<std::string, std::string>> all;
    for (const auto& page : scratch.page_names())
        for (const auto& control : scratch.page(page).order()) all.emplace_back(page, control);
    return all;
}

// Texts a hurried engineer might type: numbers, decimal commas, exponents, signs, blanks, zeros.
inline std::string random_text(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"0", "1", "2", "5", "9", "10", "100", "2000", ".", ",", "-", "+",
                                                    "e", "E", "e38", "e-45", "e300", " ", "x", "0.0", "1e39", ""};
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);
    std::string text;
    for (int n = length(random); n > 0; --n) text += pieces[piece(random)];
    return text;
}

// Runs `steps` random actions; fails the test at the first field that shows "inf" or "nan".
inline void wander(scenario::Driver& driver, unsigned seed, int steps) {
    static const auto controls = every_control();
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, controls.size() - 1);
    for (int step = 0; step < steps; ++step) {
        // Find a control the user can reach.
        for (int attempt = 0; attempt < 200; ++attempt) {
            const auto& [page, control] = controls[pick(random)];
            const auto view = driver.view(page, control);
            if (!view || !view->shown || !view->enabled) continue;
            if (view->kind == ControlKind::button || view->kind == ControlKind::option) {
                driver.click(page, control);
            } else if (view->kind == ControlKind::field && view->editable) {
                const std::string text = random_text(random);
                if (random() % 2)
                    driver.type(page, control, text);
                else
                    driver.paste(page, control, text);
            } else if (view->kind == ControlKind::combo && !view->items.empty()) {
                driver.pick(page, control, view->items[random() % view->items.size()]);
            } else {
                continue;
            }
            break;
        }
        for (const auto& [page, control] : controls) {
            const auto view = driver.view(page, control);
            if (!view || view->kind != ControlKind::field) continue;
            const bool not_finite = view->text.find("inf") != std::string::npos ||
                                    view->text.find("nan") != std::string::npos;
            ASSERT_FALSE(not_finite) << page << "." << control << " shows \"" << view->text << "\" after step " << step
                                     << " (seed " << seed << ")";
        }
    }
}

}  // namespace cf::testing
