#include "core/field_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace cf {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double parse_field_value(std::string_view text) {
    // Blanks are skipped wherever they occur, so drop them all first.
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!is_blank(c)) s.push_back(c);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    // An exponent counts only when at least one digit follows it ("1e" reads 1).
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j])) ++j;
            end = j;
        }
    }

    // from_chars reads the digits and exponent; the sign was taken above, and a bare leading point
    // (".5") gets its zero.
    std::string number = s.substr(start, end - start);
    if (number.front() == '.') number.insert(number.begin(), '0');
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as zero: decide from the exponent's sign and size.
        const auto e = number.find_first_of("eE");
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

namespace {

std::size_t pattern_decimals(std::string_view pattern) {
    const auto mark = pattern.find_first_of(".,");
    if (mark == std::string_view::npos) return 0;
    std::size_t zeros = 0;
    for (char c : pattern.substr(mark + 1))
        if (c == '0') ++zeros;
    return zeros;
}

}  // namespace

std::string format_field_value(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return {};
    const std::size_t decimals = pattern_decimals(pattern);
    const bool negative = std::signbit(value) && value != 0.0;

    // The exact decimal expansion of the held value: a double has at most 1074 decimals.
    static constexpr int exact_decimals = 1080;
    std::array<char, 1500> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::fixed, exact_decimals);
    if (ec != std::errc()) return {};
    std::string exact(buf.data(), end);
    const std::size_t point = exact.find('.');
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, decimals);
    const std::size_t int_len = point;

    // Half away from zero on the exact value: the first dropped digit decides.
    if (exact[point + 1 + decimals] >= '5') {
        std::size_t k = digits.size();
        while (k > 0) {
            --k;
            if (digits[k] == '9') {
                digits[k] = '0';
            } else {
                ++digits[k];
                break;
            }
            if (k == 0) digits.insert(digits.begin(), '1');
        }
    }
    const std::size_t new_int_len = int_len + (digits.size() - (int_len + decimals));
    // A value that shows as zero shows no sign: "-0.00" would read back as 0 and show "0.00".
    const bool shows_zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !shows_zero ? "-" : "";
    out += digits.substr(0, new_int_len);
    if (decimals > 0) {
        out += '.';
        out += digits.substr(new_int_len);
    }
    return out;
}

namespace {

template <class T>
std::string text_step(T value, int significant) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";  // also drops the sign of a negative zero
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::general, significant);
    if (ec != std::errc()) return {};
    std::string out(buf.data(), end);
    for (char& c : out)
        if (c == 'e') c = 'E';
    return out;
}

}  // namespace

std::string text_step_single(float value) { return text_step(value, 7); }
std::string text_step_double(double value) { return text_step(value, 15); }

}  // namespace cf
