#pragma once
// The screenshots of the program: each calculator lists its own, as a page and the user's steps that
// bring it into the state shown.

#include <QImage>
#include <functional>
#include <vector>

#include "scenario/gui_driver.h"

namespace cf::shots {

struct Shot {
    const char* file;  // docs/screenshots/FILE.png
    const char* page;  // the window rendered
    std::function<void(scenario::GuiDriver&)> steps;
    const char* control = nullptr;  // a frame or control of the page to render alone, or the whole window
    // A picture made otherwise (a window with its menu open), in place of the window rendered.
    std::function<QImage(scenario::GuiDriver&)> picture = nullptr;
};

std::vector<Shot> home_shots();
std::vector<Shot> pipe_flow_shots();
std::vector<Shot> orifice_shots();
std::vector<Shot> density_shots();
std::vector<Shot> correction_shots();
std::vector<Shot> records_shots();

}  // namespace cf::shots
