#include "core/fluid_catalogue.h"

#include <array>

namespace cf {

namespace {

// Each entry: {text, density kg/m³, dynamic viscosity 10⁻⁶ Pa·s, kinematic viscosity 10⁻⁶ m²/s}.

// Liquids, each at the temperature its text names.
constexpr std::array<FluidEntry, 25> liquids = {{
    {"Eau ( à 0°C ) ", "999.8", "1787", "1.78"},
    {"Eau ( à 50°C )", "988", "548", "0.554"},
    {"Eau ( à 100°C )", "958.4", "282", "0.294"},
    {"Butane ( à-50°C )", "652", "355", "0.544"},
    {"Butane ( à 0°C )", "601", "210", "0.349"},
    {"Butane ( à 100°C )", "468", "76", "0.162"},
    {"Dichlore ( à -100°C )", "1717", "1040", "0.606"},
    {"Dichlore ( à 0°C )", "1469", "385", "0.262"},
    {"Ethane ( à -100°C )", "561", "172", "0.307"},
    {"Ethane ( à 0°C )", "412", "65", "0.158"},
    {"Ethane ( à 20°C )", "326", "41.8", "0.128"},
    {"Ethyléne (à -150°C )", "630", "390", "0.619"},
    {"Ethyléne ( à -25°C )", "429", "64", "0.149"},
    {"Métane ( à -150°C ) ", "409", "92", "0.225"},
    {"Méthane ( à-100°C )", "302", "35.7", "0.118"},
    {"Styréne ( à 0°C )", "922", "1047", "1.135"},
    {"Styréne (à 100°C )", "830", "309", "0.372"},
    {"Toluéne ( à 0°C )", "885", "770", "0.870"},
    {"Toluéne ( à 100°C )", "793", "266", "0.335"},
    {"Toluéne ( à 200°C )", "672", "133", "0.198"},
    {"Propyléne ( à 0°C )", "953", "3551", "3.73"},
    {"Propyléne ( à 100°C )", "869", "660", "0.759"},
    {"Phénol ( à 50 °C )", "1050", "3421", "3.258"},
    {"Phénol ( à 150 °C )", "958", "560", "0.585"},
    {"Oxygéne ( à -200°C )", "1226", "314", "0.256"},
}};

// Gases at 1013 mbar.
constexpr std::array<FluidEntry, 44> gases = {{
    {"Air ( à -100°C )", "2.0186", "11.72", "5.806"},
    {"Air ( à 0°C )", "1.2754", "17.1", "13.407"},
    {"Air ( à 100°C )", "0.9329", "21.6", "23.154"},
    {"Acide acétique ( à 25 °C )", "2.45", "8.56", "3.494"},
    {"Acide acétique ( à 100 °C )", "1.96", "10.8", "5.510"},
    {"Acide acétique ( à 500 °C)", "0.95", "22.8", "24"},
    {"Acéthyléne ( à -50°C )", "1.42", "7.6", "5.352"},
    {"Acéthyléne ( à 0°C)", "1.16", "9.4", "8.103"},
    {"Acéthyléne ( à 300°C)", "0.55", "18.5", "33.636"},
    {"Ammoniac ( à -50°C )", "0.93", "7.6", "8.172"},
    {"Ammoniac ( à 0°C )", "0.76", "9.3", "12.236"},
    {"Ammoniac ( à 100 °C )", "0.56", "12.8", "22.857"},
    {"Argon ( à -150°C )", "3.95", "10.2", "2.582"},
    {"Argon ( à 0°C )", "1.78", "21", "11.780"},
    {"Argon ( à 100°C )", "1.3", "26.8", "20.615"},
    {"Benzène ( à 0°C )", "3.48", "7", "2.011"},
    {"Benzène ( à 100°C )", "2.55", "9.51", "3.729"},
    {"Benzène ( à 400°C )", "1.41", "16.7", "11.843"},
    {"Butane ( à 0°C )", "2.59", "6.89", "2.660"},
    {"Butane ( à 100°C )", "1.9", "9.5", "5"},
    {"Butane (à 300°C )", "1.24", "14.34", "11.565"},
    {"Dioxyde de carbone ( à -50°C )", "2.4", "11.2", "4.666"},
    {"Dioxyde de carbone ( à 0°C )", "1.96", "13.7", "6.990"},
    {"Dioxyde de carbone ( à 100°C )", "1.44", "18.6", "12.917"},
    {"Ethane ( à -100°C )", "2.12", "5.52", "2.604"},
    {"Ethane ( à 0°C )  ", "1.34", "8.6", "6.418"},
    {"Ethane ( à 100°C )", "0.98", "11.5", "11.735"},
    {"Hélium ( à -150°C ) ", "0.4", "10.9", "27.25"},
    {"Hélium ( à 0°C)", "0.18", "18.9", "105"},
    {"Hélium ( à 100°C)", "0.13", "22.8", "175.385"},
    {"Méthane (à -150°C )", "1.59", "4.8", "3.0189"},
    {"Méthane (à 0°C ) ", "0.72", "10.2", "14.166"},
    {"Méthane (à 100°C )", "0.52", "13.3", "25.577"},
    {"Néon ( à -150°C)", "2", "16.7", "8.35"},
    {"Néon ( à 0°C) ", "0.9", "29.9", "33.222"},
    {"Néon ( à 100°C)", "0.66", "36.5", "55.303"},
    {"Oxygène (à  -150°C )", "3.17", "9.55", "3.0126"},
    {"Oxygène ( à 0°C ) ", "1.43", "19.2", "13.427"},
    {"Oxygène ( à 100°C )", "1.05", "24.3", "23.143"},
    {"Propylène ( à -100°C )", "2.96", "4.61", "1.557"},
    {"Propylène ( à 0°C ) ", "1.88", "7.8", "4.145"},
    {"Propylène ( à 100°C )", "1.37", "10.7", "7.810"},
    {"Xénon ( à 0°C )", "5.86", "21.1", "3.600"},
    {"Xénon ( à 100°C )", "4.29", "28.3", "6.597"},
}};

// Saturated steam, each at the temperature and pressure its text names ("mb" for mbar, "b" for bar).
constexpr std::array<FluidEntry, 5> saturated_steam = {{
    {"Vapeur saturée à 0°C et 23.368 mb", "0.01729", "8.82", "510.121"},
    {"Vapeur saturée à 50°C et1 23.34 mb", "0.083", "10.02", "120.722"},
    {"Vapeur saturée à 100°C et 1013.2 mb", "0.5974", "12.2", "20.422"},
    {"Vapeur saturée à 190°C et 12.5 b  ", "6.398", "15.3", "2.391"},
    {"Vapeur saturée à 224°C et 25 b", "12.51", "17", "1.358"},
}};

}  // namespace

std::span<const FluidEntry> fluid_entries(FluidList list) {
    switch (list) {
        case FluidList::liquids: return liquids;
        case FluidList::gases: return gases;
        case FluidList::saturated_steam: return saturated_steam;
    }
    return {};
}

std::vector<std::string> fluid_entry_texts(FluidList list) {
    std::vector<std::string> texts;
    for (const auto& entry : fluid_entries(list)) texts.emplace_back(entry.text);
    return texts;
}

std::optional<FluidEntry> lookup(FluidList list, std::string_view text) {
    for (const auto& entry : fluid_entries(list))
        if (entry.text == text) return entry;
    return std::nullopt;
}

}  // namespace cf
