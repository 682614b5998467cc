#pragma once
// The fluid catalogue: a fixed reference table of fluid properties that the user reads while filling
// in a calculation. Each entry gives, for one fluid state, its density and its dynamic and kinematic
// viscosities. The values are texts, shown exactly as listed ("0.870" keeps its trailing zero) and
// never parsed: no calculation reads them, the user copies a value into a field by hand.
//
// The entry texts are exact too, blanks and spellings included ("Ethane ( à 0°C )  " with two
// trailing blanks in the gas list, "Métane ( à -150°C ) ", "Butane ( à-50°C )").

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cf {

struct FluidEntry {
    std::string_view text;                 // the text listed for the user and matched on selection
    std::string_view density;              // kg/m³
    std::string_view dynamic_viscosity;    // 10⁻⁶ Pa·s
    std::string_view kinematic_viscosity;  // 10⁻⁶ m²/s
};

enum class FluidList {
    liquids,          // 25 liquids, at the temperature each entry names
    gases,            // 44 gases at 1013 mbar
    saturated_steam,  // 5 saturated steam states, each at the pressure it names
};

// The entries of one list, in list order.
std::span<const FluidEntry> fluid_entries(FluidList list);

// The entry texts of one list, in list order: the items of the list's combo.
std::vector<std::string> fluid_entry_texts(FluidList list);

// The entry of that list whose text equals `text` character by character (case and blanks count);
// none when no entry matches. No trimming, no case folding, no partial match.
std::optional<FluidEntry> lookup(FluidList list, std::string_view text);

}  // namespace cf
