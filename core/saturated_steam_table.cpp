#include "core/saturated_steam_table.h"

#include <array>

namespace cf {

namespace {

// {pressure bar abs., temperature °C, density kg/m³}
constexpr std::array<SaturatedSteamRow, 60> rows = {{
    {"0.010", "6.982", "0.00774"},
    {"0.05", "32.898", "0.0355"},
    {"0.10", "45.833", "0.0681"},
    {"0.20", "60.086", "0.1307"},
    {"0.30", "69.124", "0.1912"},
    {"0.40", "75.886", "0.2504"},
    {"0.50", "81.345", "0.3086"},
    {"0.60", "85.954", "0.3661"},
    {"0.80", "93.512", "0.4792"},
    {"1.0", "99.632", "0.5904"},
    {"1.0133", "100.0", "0.5977"},
    {"1.5", "111.37", "0.8628"},
    {"2.0", "120.23", "1.129"},
    {"2.5", "127.43", "1.392"},
    {"3.0", "133.54", "1.651"},
    {"3.5", "138.87", "1.908"},
    {"4.0", "143.62", "2.163"},
    {"4.5", "147.92", "2.417"},
    {"5.0", "151.84", "2.669"},
    {"6.0", "158.84", "3.170"},
    {"7.0", "164.96", "3.667"},
    {"8.0", "170.4", "4.162"},
    {"9.0", "175.36", "4.655"},
    {"10.0", "179.88", "5.147"},
    {"12.0", "187.96", "6.127"},
    {"14.0", "195.04", "7.106"},
    {"16.0", "201.37", "8.085"},
    {"18.0", "207.11", "9.065"},
    {"20.0", "212.42", "10.05"},
    {"22.5", "218.41", "11.28"},
    {"25.0", "223.94", "12.51"},
    {"27.5", "229.07", "13.76"},
    {"30.0", "233.84", "15.01"},
    {"35.0", "242.54", "17.54"},
    {"40.0", "250.33", "20.10"},
    {"45.0", "257.41", "22.71"},
    {"50.0", "263.91", "25.36"},
    {"55.0", "269.93", "28.07"},
    {"60.0", "275.55", "30.83"},
    {"65.0", "280.82", "33.65"},
    {"70.0", "285.79", "36.53"},
    {"75.0", "290.5", "39.48"},
    {"80.0", "294.97", "42.51"},
    {"85.0", "299.23", "45.61"},
    {"90.0", "303.31", "48.79"},
    {"95.0", "307.21", "52.06"},
    {"100.0", "310.96", "55.43"},
    {"110.0", "318.05", "62.48"},
    {"120.0", "324.65", "70.01"},
    {"130.0", "330.83", "78.14"},
    {"140.0", "336.64", "86.99"},
    {"150.0", "342.13", "96.71"},
    {"160.0", "347.33", "107.4"},
    {"170.0", "352.26", "119.5"},
    {"180.0", "356.96", "133.4"},
    {"190.0", "361.43", "149.8"},
    {"200.0", "365.70", "170.2"},
    {"210.0", "369.78", "199.1"},
    {"220.0", "373.69", "268.3"},
    {"221.2", "374.15", "315.5"},
}};

// The normal boiling point, chosen by its pressure, shows its temperature with two decimals.
constexpr std::string_view boiling_point_pressure = "1.0133";
constexpr std::string_view boiling_point_temperature_from_pressure = "100.00";

std::vector<std::string> column(std::string_view SaturatedSteamRow::*text) {
    std::vector<std::string> items;
    items.reserve(rows.size());
    for (const auto& row : rows) items.emplace_back(row.*text);
    return items;
}

// Every row is compared; the keys of one column are all different, so at most one matches.
std::optional<SaturatedSteamState> find(std::string_view SaturatedSteamRow::*key, std::string_view text) {
    std::optional<SaturatedSteamState> found;
    for (const auto& row : rows)
        if (row.*key == text) found = SaturatedSteamState{row.pressure, row.temperature, row.density};
    return found;
}

}  // namespace

std::span<const SaturatedSteamRow> saturated_steam_rows() { return rows; }

std::vector<std::string> saturated_steam_pressures() { return column(&SaturatedSteamRow::pressure); }

std::vector<std::string> saturated_steam_temperatures() { return column(&SaturatedSteamRow::temperature); }

std::optional<SaturatedSteamState> saturated_steam_at_pressure(std::string_view text) {
    auto state = find(&SaturatedSteamRow::pressure, text);
    if (state && state->pressure == boiling_point_pressure)
        state->temperature = boiling_point_temperature_from_pressure;
    return state;
}

std::optional<SaturatedSteamState> saturated_steam_at_temperature(std::string_view text) {
    return find(&SaturatedSteamRow::temperature, text);
}

}  // namespace cf
