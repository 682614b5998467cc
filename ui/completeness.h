#pragma once
// The completeness test of a calculation frame: its Change handlers show the frame's result group and
// run its procedures only when the inputs are all filled and the divisors do not read as 0.

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "ui/page.h"

namespace cf {

using Names = std::initializer_list<std::string_view>;

// Every field holds some text (blanks count as text).
inline bool filled(const Page& p, Names fields) {
    return std::none_of(fields.begin(), fields.end(), [&](std::string_view f) { return p.empty(f); });
}

// No field reads as 0.
inline bool not_zero(const Page& p, Names fields) {
    return std::none_of(fields.begin(), fields.end(), [&](std::string_view f) { return p.value(f) == 0; });
}

// The same Change handler for every input of a frame.
inline void on_changes(Page& p, Names fields, const Page::Handler& handler) {
    for (auto f : fields) p.on_change(f, handler);
}

using Procedure = void (*)(Page&);

// A frame's inputs complete: its result group shown, then its procedures run in order; incomplete: the
// group hidden, nothing run, and the hidden fields keep their last text. Says whether it was complete.
inline bool show_result_if(Page& p, bool complete, Names result_group, std::initializer_list<Procedure> procedures = {}) {
    if (!complete) {
        p.hide(result_group);
        return false;
    }
    p.show(result_group);
    for (Procedure run : procedures) run(p);
    return true;
}

}  // namespace cf
