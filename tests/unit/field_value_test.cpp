#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <bit>
#include <charconv>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/field_value.h"

using cf::format_field_value;
using cf::parse_field_value;
using cf::text_step_double;
using cf::text_step_single;

TEST(ParseFieldValue, ReadsTheNumberAtTheStartOfTheText) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"0.15", 0.15}, {"0,15", 0.0}, {"1,013", 1.0}, {" 12 5", 125.0}, {"abc", 0.0}, {"", 0.0},
        {"1e3", 1000.0}, {"-2.5x", -2.5}, {"1E-2", 0.01}, {"+4", 4.0}, {".5", 0.5}, {"5.", 5.0},
        {"1e", 1.0}, {"1e+", 1.0}, {"2e+2", 200.0}, {"\t3\n", 3.0}, {"-", 0.0}, {".", 0.0},
        {"- 1 . 5", -1.5}, {"Kg/m3", 0.0}, {"12abc3", 12.0}, {"1.2.3", 1.2}, {"--1", 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(parse_field_value(c.text), c.value) << '"' << c.text << '"';
}

// A number out of a double's range is decided by its size, not by the sign of its written exponent.
TEST(ParseFieldValue, OutOfRangeReadsAsZeroOrInfinityByTheNumbersSize) {
    const std::string zeros(400, '0');
    EXPECT_EQ(parse_field_value("0." + zeros + "1"), 0.0);  // 1e-401
    EXPECT_TRUE(std::isinf(parse_field_value("1" + zeros + "e-10")));  // 1e390
    EXPECT_EQ(parse_field_value("0." + zeros + "1e300"), 1e-101);  // in range
    EXPECT_TRUE(std::isinf(parse_field_value("-1" + zeros)));
    EXPECT_LT(parse_field_value("-1" + zeros), 0.0);
    // Both sides of both limits.
    EXPECT_EQ(parse_field_value("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_TRUE(std::isinf(parse_field_value("1.8e308")));
    EXPECT_EQ(parse_field_value("0.0001797e312"), 1.797e308);
    EXPECT_TRUE(std::isinf(parse_field_value("180" + std::string(307, '0'))));
    EXPECT_EQ(parse_field_value("4.9406564584124654e-324"), 4.9406564584124654e-324);  // the smallest double
    EXPECT_EQ(parse_field_value("2e-324"), 0.0);
    EXPECT_EQ(parse_field_value("0." + std::string(323, '0') + "5"), 4.9406564584124654e-324);
    EXPECT_EQ(parse_field_value("0." + std::string(330, '0') + "5"), 0.0);
    EXPECT_EQ(parse_field_value("1e-99999999999999999999999"), 0.0);
    EXPECT_TRUE(std::isinf(parse_field_value("1e99999999999999999999999")));
    EXPECT_EQ(parse_field_value("0e99999999999999999999999"), 0.0);
}

TEST(ParseFieldValue, HugeAndTinyExponentsStayHarmless) {
    EXPECT_TRUE(std::isinf(parse_field_value("1e999")));
    EXPECT_LT(parse_field_value("-1e999"), 0.0);
    EXPECT_EQ(parse_field_value("1e-999"), 0.0);
    EXPECT_EQ(parse_field_value(std::string(400, '9')), parse_field_value(std::string(400, '9')));
}

// The mark on a field: whether all of its text went into the value read, and what the user is told.
TEST(ReadFieldText, SaysWhenATextIsNotReadAsTyped) {
    using Short = cf::FieldReading::Short;
    struct Case { const char* text; double value; Short why; const char* note; };
    const Case cases[] = {
        {"", 0, Short::none, ""},
        {"2.5", 2.5, Short::none, ""},
        {" 12 ", 12, Short::none, ""},  // blanks around the number are harmless
        {"-1.5E-3", -0.0015, Short::none, ""},
        {".5", 0.5, Short::none, ""},
        {"5.", 5, Short::none, ""},
        {"1e999", HUGE_VAL, Short::none, ""},  // a whole number, however large
        {"2,5", 2, Short::decimal_comma, "Lu comme 2 : le séparateur décimal est le point"},
        {"1,013", 1, Short::decimal_comma, "Lu comme 1 : le séparateur décimal est le point"},
        {",5", 0, Short::decimal_comma, "Lu comme 0 : le séparateur décimal est le point"},
        {"abc", 0, Short::not_a_number, "Lu comme 0 : ce texte n'est pas un nombre"},
        {"mm", 0, Short::not_a_number, "Lu comme 0 : ce texte n'est pas un nombre"},
        {" ", 0, Short::not_a_number, "Lu comme 0 : ce texte n'est pas un nombre"},
        {"-", 0, Short::not_a_number, "Lu comme 0 : ce texte n'est pas un nombre"},
        {"1.2.3", 1.2, Short::rest_ignored, "Lu comme 1.2 : la suite du texte est ignorée"},
        {"2.009x", 2.009, Short::rest_ignored, "Lu comme 2.009 : la suite du texte est ignorée"},
        {"1e", 1, Short::rest_ignored, "Lu comme 1 : la suite du texte est ignorée"},
        {"12 5", 125, Short::blanks_inside, "Lu comme 125 : les blancs sont ignorés"},
        {"1 e3", 1000, Short::blanks_inside, "Lu comme 1000 : les blancs sont ignorés"},
    };
    for (const auto& c : cases) {
        const cf::FieldReading r = cf::read_field_text(c.text);
        EXPECT_EQ(r.value, parse_field_value(c.text)) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(r.whole, c.why == Short::none) << '"' << c.text << '"';
        EXPECT_EQ(r.why, c.why) << '"' << c.text << '"';
        EXPECT_EQ(cf::reading_note(r), c.note) << '"' << c.text << '"';
    }
}

TEST(FormatFieldValue, RoundsTheExactHeldValueHalfAwayFromZero) {
    EXPECT_EQ(format_field_value(0.125, "0.00"), "0.13");
    EXPECT_EQ(format_field_value(-0.125, "0.00"), "-0.13");
    EXPECT_EQ(format_field_value(cf::to_single(1.005), "0.00"), "1.00");  // held as 1.00499999523
    EXPECT_EQ(format_field_value(cf::to_single(0.6031), "0,00000"), "0.60310");
    EXPECT_EQ(format_field_value(12, "0.000000"), "12.000000");
    EXPECT_EQ(format_field_value(2.5, "0"), "3");
    EXPECT_EQ(format_field_value(9.995, "0.00"), "9.99");  // the double nearest 9.995 is below it
    EXPECT_EQ(format_field_value(9.9951, "0.00"), "10.00");
    EXPECT_EQ(format_field_value(999.999, "0.00"), "1000.00");
    EXPECT_EQ(format_field_value(0, "0.00"), "0.00");
    EXPECT_EQ(format_field_value(-0.0, "0.00"), "0.00");
    EXPECT_EQ(format_field_value(-0.001, "0.00"), "0.00");  // shows as zero: no sign
    EXPECT_EQ(format_field_value(-0.005, "0.00"), "-0.01");
    EXPECT_EQ(format_field_value(1e20, "0.00"), "100000000000000000000.00");
    EXPECT_EQ(format_field_value(28.274333882308138, "0.00"), "28.27");
}

// Independent of the fast path: the full exact expansion, cut and rounded half away from zero.
std::string reference_format(double value, std::size_t decimals) {
    std::vector<char> buf(1500);
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value), std::chars_format::fixed, 1074);
    std::string exact(buf.data(), end);
    exact.append(decimals + 1, '0');
    const std::size_t point = exact.find('.');
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, decimals);
    bool up = exact[point + 1 + decimals] >= '5';
    for (std::size_t k = digits.size(); up && k-- > 0;) {
        up = digits[k] == '9';
        digits[k] = up ? '0' : char(digits[k] + 1);
    }
    if (up) digits.insert(digits.begin(), '1');
    const std::size_t int_len = digits.size() - decimals;
    std::string out = std::signbit(value) && digits.find_first_not_of('0') != std::string::npos ? "-" : "";
    out += digits.substr(0, int_len);
    if (decimals) out += "." + digits.substr(int_len);
    return out;
}

TEST(FormatFieldValue, AgreesWithTheFullExactExpansion) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> decimals(0, 30);
    for (int i = 0; i < 20000; ++i) {
        double v;
        do v = std::bit_cast<double>(random()); while (!std::isfinite(v));
        if (i % 3 == 0) v = std::ldexp(double(random() % 100000), -int(random() % 20));  // short exact decimals
        if (i % 3 == 1 && std::fabs(v) < 1e300) v = std::round(v * 1e6) / 1e6;
        const std::size_t d = static_cast<std::size_t>(decimals(random));
        ASSERT_EQ(format_field_value(v, "0." + std::string(d, '0')), reference_format(v, d)) << v << " " << d;
    }
    // Halves and their neighbours.
    for (double v : {0.125, 0.375, 2.5, 0.5, 1.5, 9.995, 0.045, 1e-7, 5e-324, 1.7976931348623157e308})
        for (std::size_t d = 0; d < 12; ++d) EXPECT_EQ(format_field_value(v, "0." + std::string(d, '0')), reference_format(v, d));
}

// Any count of decimals is written whole, past the last decimal a double has.
TEST(FormatFieldValue, ManyDecimals) {
    const std::string pattern = "0." + std::string(1081, '0');
    EXPECT_EQ(format_field_value(0.5, pattern), "0.5" + std::string(1080, '0'));
    EXPECT_EQ(format_field_value(5e-324, "0." + std::string(2000, '0')), reference_format(5e-324, 2000));
    EXPECT_EQ(format_field_value(-1, "0." + std::string(1500, '0')), "-1." + std::string(1500, '0'));
}

TEST(FormatFieldValue, EveryPatternInUse) {
    const double v = cf::to_single(1234.56789);
    EXPECT_EQ(format_field_value(v, "0.00"), "1234.57");
    EXPECT_EQ(format_field_value(v, "0.000"), "1234.568");
    EXPECT_EQ(format_field_value(v, "0.000000"), "1234.567871");
    EXPECT_EQ(format_field_value(v, "0,00"), "1234.57");
    EXPECT_EQ(format_field_value(v, "0,000"), "1234.568");
    EXPECT_EQ(format_field_value(v, "0,00000"), "1234.56787");
    EXPECT_EQ(format_field_value(v, "0,000+Kg/s"), "1234.568");
    EXPECT_EQ(format_field_value(v, "0,00+m3/s"), "1234.57");
}

TEST(FormatFieldValue, NonFiniteGivesNoText) {
    EXPECT_EQ(format_field_value(INFINITY, "0.00"), "");
    EXPECT_EQ(format_field_value(NAN, "0.00"), "");
}

TEST(TextStep, SevenOrFifteenSignificantDigits) {
    EXPECT_EQ(text_step_single(0.60245891f), "0.6024589");
    EXPECT_EQ(text_step_double(5.46369756086483), "5.46369756086483");
    EXPECT_EQ(text_step_single(19792.3f), "19792.3");
    EXPECT_EQ(text_step_single(69975.125f), "69975.12");  // a tie goes to even
    EXPECT_EQ(text_step_single(69975.375f), "69975.38");
    EXPECT_EQ(text_step_single(1.0f), "1");
    EXPECT_EQ(text_step_single(-0.5f), "-0.5");
    EXPECT_EQ(text_step_single(-0.0f), "0");
    // The shortest form and the rounding agree: random values of every size against C's %.7g and %.15g.
    std::mt19937 random(11);
    for (int i = 0; i < 200000; ++i) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        const double d = std::bit_cast<double>((std::uint64_t{random()} << 32) | random());
        char c[64];
        if (std::isfinite(f) && f != 0) {
            std::snprintf(c, sizeof c, "%.7G", f);
            ASSERT_EQ(text_step_single(f), c) << f;
        }
        if (std::isfinite(d) && d != 0) {
            std::snprintf(c, sizeof c, "%.15G", d);
            ASSERT_EQ(text_step_double(d), c) << d;
        }
        // Values of the sizes the pages show, and values as typed.
        const std::uint64_t mantissa = ((std::uint64_t{random()} << 32) | random()) & 0x000fffffffffffffull;
        const double near =
            std::ldexp(std::bit_cast<double>(mantissa | 0x3ff0000000000000ull), static_cast<int>(random() % 80) - 30);
        std::snprintf(c, sizeof c, "%.15G", near);
        ASSERT_EQ(text_step_double(near), c) << near;
        std::snprintf(c, sizeof c, "%.7G", static_cast<float>(near));
        ASSERT_EQ(text_step_single(static_cast<float>(near)), c) << near;
        const float g = static_cast<float>(random() % 100000) / 100.0f;
        std::snprintf(c, sizeof c, "%.7G", g);
        if (g != 0) {
            ASSERT_EQ(text_step_single(g), c) << g;
        }
    }
    EXPECT_EQ(text_step_single(0.0001f), "0.0001");
    EXPECT_EQ(text_step_single(0.00001f), "1E-05");
    EXPECT_EQ(text_step_single(1234567.0f), "1234567");
    EXPECT_EQ(text_step_single(12345678.0f), "1.234568E+07");
    EXPECT_EQ(text_step_double(1e15), "1E+15");
    EXPECT_EQ(text_step_double(123456789012345.0), "123456789012345");
    EXPECT_EQ(text_step_single(INFINITY), "");
}

TEST(FieldValues, EveryDisplayedValueReadsBackAsDisplayed) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        const float f = cf::to_single(x);
        const std::string seven = text_step_single(f);
        EXPECT_EQ(text_step_single(cf::to_single(parse_field_value(seven))), seven);
        const std::string fifteen = text_step_double(x);
        EXPECT_EQ(text_step_double(parse_field_value(fifteen)), fifteen);
        const std::string two = format_field_value(f, "0.00");
        EXPECT_EQ(format_field_value(parse_field_value(two), "0.00"), two);
    }
}

// Both sides of the limits of the range: the largest value whose text reads back finite, and the next one
// up, whose text is not shown.
TEST(FieldValues, AtTheLimitsOfTheRangeEveryTextShownReadsBackFinite) {
    const double last = cf::largest_shown_double;
    EXPECT_EQ(text_step_double(last), "1.79769313486231E+308");
    EXPECT_EQ(text_step_double(-last), "-1.79769313486231E+308");
    EXPECT_TRUE(std::isfinite(parse_field_value(text_step_double(last))));
    EXPECT_TRUE(std::isinf(parse_field_value("1.79769313486232E+308")));
    int above = 0;
    for (double d = std::nextafter(last, INFINITY); std::isfinite(d); d = std::nextafter(d, INFINITY), ++above) {
        EXPECT_EQ(text_step_double(d), "") << d;
        EXPECT_EQ(text_step_double(-d), "") << d;
    }
    EXPECT_EQ(above, 4);
    // Every float's text reads back finite, in double and in single precision; the next one up is infinite.
    const float top = std::numeric_limits<float>::max();
    EXPECT_EQ(text_step_single(top), "3.402823E+38");
    EXPECT_EQ(cf::to_single(parse_field_value(text_step_single(top))), 3.402823e38f);
    EXPECT_EQ(text_step_single(std::nextafter(top, INFINITY)), "");
    EXPECT_EQ(format_field_value(top, "0.00"), "340282346638528859811704183484516925440.00");
    // Rounding to single precision: to nearest up to the rounding limit, an infinity from it on.
    const double limit = 0x1.ffffffp+127;  // the largest float and half a unit in its last place
    EXPECT_EQ(cf::to_single(std::nextafter(limit, 0)), top);
    EXPECT_EQ(cf::to_single(-std::nextafter(limit, 0)), -top);
    EXPECT_EQ(cf::to_single(limit), INFINITY);
    EXPECT_EQ(cf::to_single(-limit), -INFINITY);
    EXPECT_EQ(cf::to_single(std::numeric_limits<double>::max()), INFINITY);
    EXPECT_EQ(cf::to_single(-INFINITY), -INFINITY);
    EXPECT_TRUE(std::isnan(cf::to_single(NAN)));
    EXPECT_EQ(cf::to_single(1e-300), 0.0f);
}

TEST(FieldValues, DoNotDependOnTheCLocale) {
    // A French locale writes "1,5" through printf; the field values must not follow it.
    const char* french = std::setlocale(LC_ALL, "fr_FR.UTF-8");
    EXPECT_EQ(format_field_value(1.5, "0.00"), "1.50");
    EXPECT_EQ(text_step_single(1.5f), "1.5");
    EXPECT_DOUBLE_EQ(parse_field_value("1.5"), 1.5);
    std::setlocale(LC_ALL, "C");
    if (!french) GTEST_SKIP() << "no French locale on this machine; checked under C only";
}
