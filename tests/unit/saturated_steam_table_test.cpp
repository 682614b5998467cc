#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/saturated_steam_table.h"

namespace {

// The table as printed: row, pressure (bar abs.), temperature (°C), density (kg/m³).
const char* const printed = R"(
1   0.010   6.982   0.00774
2   0.05    32.898  0.0355
3   0.10    45.833  0.0681
4   0.20    60.086  0.1307
5   0.30    69.124  0.1912
6   0.40    75.886  0.2504
7   0.50    81.345  0.3086
8   0.60    85.954  0.3661
9   0.80    93.512  0.4792
10  1.0     99.632  0.5904
11  1.0133  100.0   0.5977
12  1.5     111.37  0.8628
13  2.0     120.23  1.129
14  2.5     127.43  1.392
15  3.0     133.54  1.651
16  3.5     138.87  1.908
17  4.0     143.62  2.163
18  4.5     147.92  2.417
19  5.0     151.84  2.669
20  6.0     158.84  3.170
21  7.0     164.96  3.667
22  8.0     170.4   4.162
23  9.0     175.36  4.655
24  10.0    179.88  5.147
25  12.0    187.96  6.127
26  14.0    195.04  7.106
27  16.0    201.37  8.085
28  18.0    207.11  9.065
29  20.0    212.42  10.05
30  22.5    218.41  11.28
31  25.0    223.94  12.51
32  27.5    229.07  13.76
33  30.0    233.84  15.01
34  35.0    242.54  17.54
35  40.0    250.33  20.10
36  45.0    257.41  22.71
37  50.0    263.91  25.36
38  55.0    269.93  28.07
39  60.0    275.55  30.83
40  65.0    280.82  33.65
41  70.0    285.79  36.53
42  75.0    290.5   39.48
43  80.0    294.97  42.51
44  85.0    299.23  45.61
45  90.0    303.31  48.79
46  95.0    307.21  52.06
47  100.0   310.96  55.43
48  110.0   318.05  62.48
49  120.0   324.65  70.01
50  130.0   330.83  78.14
51  140.0   336.64  86.99
52  150.0   342.13  96.71
53  160.0   347.33  107.4
54  170.0   352.26  119.5
55  180.0   356.96  133.4
56  190.0   361.43  149.8
57  200.0   365.70  170.2
58  210.0   369.78  199.1
59  220.0   373.69  268.3
60  221.2   374.15  315.5
)";

struct PrintedRow { std::string pressure, temperature, density; };

std::vector<PrintedRow> printed_rows() {
    std::istringstream in(printed);
    std::vector<PrintedRow> rows;
    int number = 0;
    PrintedRow r;
    while (in >> number >> r.pressure >> r.temperature >> r.density) {
        EXPECT_EQ(number, static_cast<int>(rows.size()) + 1);
        rows.push_back(r);
    }
    return rows;
}

}  // namespace

TEST(SaturatedSteamTable, HoldsTheSixtyRowsAsPrinted) {
    const auto expected = printed_rows();
    const auto rows = cf::saturated_steam_rows();
    ASSERT_EQ(expected.size(), 60u);
    ASSERT_EQ(rows.size(), 60u);
    const auto pressures = cf::saturated_steam_pressures();
    const auto temperatures = cf::saturated_steam_temperatures();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].pressure, expected[i].pressure) << "row " << i + 1;
        EXPECT_EQ(rows[i].temperature, expected[i].temperature) << "row " << i + 1;
        EXPECT_EQ(rows[i].density, expected[i].density) << "row " << i + 1;
        EXPECT_EQ(pressures.at(i), expected[i].pressure);
        EXPECT_EQ(temperatures.at(i), expected[i].temperature);
    }
}

// Each row is found from either side; from the pressure side the normal boiling point alone shows
// another text than the temperature list.
TEST(SaturatedSteamTable, EveryRowIsFoundFromItsPressureAndFromItsTemperature) {
    for (const auto& row : cf::saturated_steam_rows()) {
        const auto by_pressure = cf::saturated_steam_at_pressure(row.pressure);
        ASSERT_TRUE(by_pressure) << row.pressure;
        EXPECT_EQ(by_pressure->temperature, row.pressure == "1.0133" ? "100.00" : row.temperature);
        EXPECT_EQ(by_pressure->density, row.density);
        const auto by_temperature = cf::saturated_steam_at_temperature(row.temperature);
        ASSERT_TRUE(by_temperature) << row.temperature;
        EXPECT_EQ(by_temperature->pressure, row.pressure);
        EXPECT_EQ(by_temperature->density, row.density);
    }
}

TEST(SaturatedSteamTable, OnlyTheWholeTextMatches) {
    for (const char* text : {"1", "1.00", "2", " 2.0", "2.0 ", "0.01", "100", "Choix de la pression", ""})
        EXPECT_FALSE(cf::saturated_steam_at_pressure(text)) << '"' << text << '"';
    for (const char* text : {"100", "100.00", "170.40", "6.98", "Choix de la température", ""})
        EXPECT_FALSE(cf::saturated_steam_at_temperature(text)) << '"' << text << '"';
}
