#pragma once
// The screenshots of the program: each calculator lists its own, as a page and the user's steps that
// bring it into the state shown.

#include <functional>
#include <vector>

#include "scenario/gui_driver.h"

namespace cf::shots {

struct Shot {
    const char* file;  // docs/screenshots/FILE.png
    const char* page;  // the window rendered
    std::function<void(scenario::GuiDriver&)> steps;
    const char* control = nullptr;  // a frame or control of the page to render alone, or the whole window
};

std::vector<Shot> home_shots();
std::vector<Shot> pipe_flow_shots();
std::vector<Shot> orifice_shots();
std::vector<Shot> density_shots();
std::vector<Shot> correction_shots();

}  // namespace cf::shots
