#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>

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

TEST(FieldValues, DoNotDependOnTheCLocale) {
    // A French locale writes "1,5" through printf; the field values must not follow it.
    const char* french = std::setlocale(LC_ALL, "fr_FR.UTF-8");
    EXPECT_EQ(format_field_value(1.5, "0.00"), "1.50");
    EXPECT_EQ(text_step_single(1.5f), "1.5");
    EXPECT_DOUBLE_EQ(parse_field_value("1.5"), 1.5);
    std::setlocale(LC_ALL, "C");
    if (!french) GTEST_SKIP() << "no French locale on this machine; checked under C only";
}
