#pragma once
// Every control's state on a page, to compare two moments of it (the start and after "Initialisation").

#include <string>
#include <tuple>
#include <vector>

#include "ui/page.h"

namespace cf::testing {

using PageState = std::vector<std::tuple<std::string, std::string, bool, bool, bool>>;

inline PageState state_of(const Page& p) {
    PageState s;
    for (const auto& name : p.order()) {
        const Control& c = p.control(name);
        s.emplace_back(c.name, c.text, c.visible, c.enabled, c.selected);
    }
    return s;
}

}  // namespace cf::testing
