#pragma once
// Working a page with the keyboard alone:
// - Tab goes through every control a user can act on (inputs, buttons, options, combo lists) in reading
//   order: frame by frame, top to bottom then left to right, and down each column first in a frame laid
//   out as columns; results are read-only and passed by. After the last control it wraps to the first.
// - Return and the keypad's Enter click the focused button or option, as Space does.

#include <string>
#include <vector>

#include "ui/page.h"

class QKeyEvent;
class QWidget;

namespace cf::qt {

// The controls Tab goes through, in order.
std::vector<const Control*> keyboard_order(const Page& page);

// A control the keyboard can act on: an input, a button, an option, a combo list that is not a result.
bool takes_keyboard(const Control& c);

// Return or Enter on a focused button or option clicks it; says whether it did.
bool click_on_enter(QWidget* focused, const QKeyEvent* event);

}  // namespace cf::qt
