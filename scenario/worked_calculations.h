#pragma once
// Worked calculations done as a user does them, on any driver: what the tests, the benchmarks and the
// screenshots of the calculation files start from.

#include "scenario/scenario.h"

namespace cf::scenario {

// The orifice plate page computing a mass flow: a liquid, corner taps, "Qm"; a 100 mm pipe, a 50 mm
// bore, 1000 kg/m3, 100 mbar, an expansion factor of 1 and a viscosity of 1 (Qm 19792.3 kg/h).
void orifice_mass_flow(Driver& driver);

// The pipe flow page computing a flow: V 2 m/s in a 100 mm pipe.
void pipe_flow(Driver& driver);

}  // namespace cf::scenario
