#pragma once
// The state of the vector registers between Qt's code and the page model's.
//
// Qt's raster painting fills with AVX code that leaves the upper halves of the 256-bit vector registers
// in use (one QImage::fill of a 32- or 16-bit image is enough, and every paint fills). On the Intel
// processors that keep that state, every later switch between AVX code (libm's pow and fma) and SSE code
// (the page model's, built for plain x86-64) then pays for it: the orifice plate's keystroke took three
// times as long in a process that had painted as in one that had not, until a vzeroupper. The binding
// clears the state where control enters the page model from Qt and after each paint of a page window.
// Qt's own switch for its vector code (QT_NO_CPU_FEATURE=avx2) does not keep its fill from leaving the
// state in use. On processors without AVX both functions do nothing.

#include <optional>

namespace cf::qt {

// Marks the upper halves of the vector registers unused (vzeroupper), on a processor that has AVX.
void clear_vector_state();

// Whether the upper halves are in use, where the processor can tell (XGETBV with ECX = 1); for tests.
std::optional<bool> vector_state_in_use();

}  // namespace cf::qt
