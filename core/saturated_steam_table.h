#pragma once
// The saturated steam table: for 60 states of saturated water steam, the pressure, the saturation
// temperature and the density of the saturated vapour. Saturated steam exists only on this
// pressure-temperature curve, so choosing one of the two gives the other and the density.
//
// The values are texts, listed, compared and shown exactly as written, each with its own number of
// decimals ("0.010", "1.0133", "170.4", "315.5"); none is ever parsed or formatted. Units: pressure in
// bar absolute, temperature in °C, density in kg/m³.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cf {

struct SaturatedSteamRow {
    std::string_view pressure;     // bar abs.
    std::string_view temperature;  // °C, as the temperature list holds it
    std::string_view density;      // kg/m³
};

// The 60 rows, from 0.010 bar to the critical point (221.2 bar, 374.15 °C).
std::span<const SaturatedSteamRow> saturated_steam_rows();

// The items of the two lists, in table order.
std::vector<std::string> saturated_steam_pressures();
std::vector<std::string> saturated_steam_temperatures();

// What the page shows for a chosen state: the other quantity and the density.
struct SaturatedSteamState {
    std::string_view pressure;
    std::string_view temperature;
    std::string_view density;
};

// The state whose pressure text is exactly `text` (whole text, case and blanks count: "1" is not "1.0").
// Its temperature is the one shown from the pressure side: 1.0133 bar shows "100.00", while the
// temperature list holds "100.0".
std::optional<SaturatedSteamState> saturated_steam_at_pressure(std::string_view text);

// The state whose temperature text is exactly `text` ("100" is not "100.0").
std::optional<SaturatedSteamState> saturated_steam_at_temperature(std::string_view text);

}  // namespace cf
