#pragma once
// The units the density page shows beside its fields.

namespace cf::density_page {

inline constexpr const char* bar = "Bar abs.";
inline constexpr const char* celsius = "°C";
inline constexpr const char* kg_m3 = "Kg/m3";

}  // namespace cf::density_page
