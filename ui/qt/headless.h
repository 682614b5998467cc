#pragma once
// Running the windows without a screen: the test programs, the scenario runner and the screenshots.

namespace cf::qt {

// Without a display (a server, CI) Qt is told to use its offscreen platform. Call before QApplication.
void use_offscreen_without_display();

// The offscreen platform with one screen of the given size in device pixels (its default is 800×800),
// so that windows can be checked against a real screen size. Call before QApplication.
void use_offscreen_screen(int width, int height);

// The offscreen platform says "This plugin does not support raise()" at every window shown; drop
// those notices so that test and scenario output keeps only what matters. Other messages pass.
void quiet_platform_notices();

}  // namespace cf::qt
