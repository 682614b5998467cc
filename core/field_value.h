#pragma once
// Field values: the only way a field's text becomes a number and a number becomes a field's text.
// None of these functions depends on the C locale: the program runs under a French locale, where
// printf would write "1,5" and strtod would stop at the point.

#include <limits>
#include <string>
#include <string_view>

namespace cf {

// Reads the number at the start of a field's text.
// Blanks, tabs and line breaks are skipped wherever they stand ("1 2 5" reads 125); then an optional
// sign, digits, an optional point and digits, an optional exponent (E or e, sign, digits). Reading
// stops at the first character that cannot continue the number, so a decimal comma ends it
// ("0,15" reads 0). A text with no leading number reads 0. A number too large for a double reads
// as an infinity of its sign; the procedures never display a non-finite result.
double parse_field_value(std::string_view text);

// How a field's text is read, for telling the user when it is not read as typed. The value is
// parse_field_value's; `whole` says that all of the text went into it: the empty text, or one number
// with at most blanks around it. Otherwise `why` gives the first reason that the reading stopped short.
struct FieldReading {
    enum class Short { none, decimal_comma, not_a_number, rest_ignored, blanks_inside };
    double value = 0;
    bool whole = true;
    Short why = Short::none;
};
FieldReading read_field_text(std::string_view text);

// What a field shows the user about a text that is not read whole, in French: « Lu comme 2 : le
// séparateur décimal est le point ». Empty for a text read whole.
std::string reading_note(const FieldReading& reading);

// Shows a value with the decimals of a format pattern ("0.00", "0,000", "0,000+Kg/s", ...): the count
// of '0' after the first '.' or ','. The exact held value is rounded half away from zero (0.125 gives
// "0.13"); the decimal mark is always the point so that the text reads back through
// parse_field_value. A negative value shows its "-", unless it shows as zero ("0.00", not "-0.00").
// A non-finite value gives the empty text (callers never write one).
std::string format_field_value(double value, std::string_view pattern);

// The text step: a held result written as a decimal text of at most 7 significant digits (held in
// single precision) or 15 (held in double precision), rounded to nearest with ties to even, trailing
// zeros dropped, no leading blank, a leading zero below 1, and the E form ("1.5E-05", "2E+07")
// exactly where C's %.7g (or %.15g) would use it. A value that is not finite, or whose text would read
// back as an infinity, gives the empty text.
std::string text_step_single(float value);
std::string text_step_double(double value);

// The largest double whose text step reads back finite: 1.7976931348623149E+308, shown as
// "1.79769313486231E+308". The four doubles above it, up to the largest double, show
// "1.79769313486232E+308", which rounds above the largest double and reads as an infinity: for the
// display rule they are not finite. Every float's text reads back finite ("3.402823E+38" at most).
inline constexpr double largest_shown_double = 0x1.ffffffffffffbp+1023;

// Rounds a computed value to the single precision in which a procedure stores it, to nearest. A value
// at or beyond the float range's rounding limit (the largest float and half a unit in its last place,
// 2^128 - 2^103) becomes an infinity of its sign, as the rounding says, without a conversion that the
// language leaves to the implementation.
inline float to_single(double value) {
    constexpr double overflow = 0x1.ffffffp+127;
    constexpr float infinity = std::numeric_limits<float>::infinity();
    if (value >= overflow) return infinity;
    if (value <= -overflow) return -infinity;
    return static_cast<float>(value);
}

}  // namespace cf
