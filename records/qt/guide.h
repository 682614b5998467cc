#pragma once
// The help windows: the user's guide to the pages and "À propos de CalcFluides", shown in the program.

class QWidget;

namespace cf::records::qt {

// Windows of their own (not modal), named "guide" and "about".
QWidget* make_guide_window();
QWidget* make_about_window();

}  // namespace cf::records::qt
