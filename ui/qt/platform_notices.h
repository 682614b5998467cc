#pragma once

namespace cf::qt {

// The offscreen platform says "This plugin does not support raise()" at every window shown; drop
// those notices so that test and scenario output keeps only what matters. Other messages pass.
void quiet_platform_notices();

}  // namespace cf::qt
