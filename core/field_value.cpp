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

namespace {

// The number at the start of a text with its blanks dropped: where its digits and exponent end, and
// how many digits it has.
struct Scan {
    std::size_t start = 0;  // after the sign
    std::size_t end = 0;    // one past the last character of the number
    std::size_t digits = 0;
    bool negative = false;
};

Scan scan_number(const std::string& s) {
    Scan n;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
    n.start = i;
    while (i < s.size() && is_digit(s[i])) ++i, ++n.digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++n.digits;
    }
    if (n.digits == 0) return n.end = 0, n;
    n.end = i;
    // An exponent counts only when at least one digit follows it ("1e" reads 1).
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j])) ++j;
            n.end = j;
        }
    }
    return n;
}

std::string without_blanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!is_blank(c)) s.push_back(c);
    return s;
}

double value_of(const std::string& s, const Scan& n) {
    if (n.digits == 0) return 0.0;
    // from_chars reads the digits and exponent; the sign was taken by the scan, and a bare leading
    // point (".5") gets its zero.
    std::string number = s.substr(n.start, n.end - n.start);
    if (number.front() == '.') number.insert(number.begin(), '0');
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as zero: decide from the exponent's sign and size.
        const auto e = number.find_first_of("eE");
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return n.negative ? -value : value;
}

// Blanks between the characters of a text (not only around it): "12 5", which reads as 125.
bool blanks_inside(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\r\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return false;
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1).find_first_of(blanks) != std::string_view::npos;
}

}  // namespace

double parse_field_value(std::string_view text) {
    // Blanks are skipped wherever they occur, so drop them all first.
    const std::string s = without_blanks(text);
    return value_of(s, scan_number(s));
}

FieldReading read_field_text(std::string_view text) {
    const std::string s = without_blanks(text);
    const Scan n = scan_number(s);
    FieldReading r;
    r.value = value_of(s, n);
    if (text.empty()) return r;
    const bool number_only = n.digits > 0 && n.end == s.size();
    if (number_only && !blanks_inside(text)) return r;
    r.whole = false;
    if (number_only)
        r.why = FieldReading::Short::blanks_inside;
    else if (n.end < s.size() && s[n.end] == ',')
        r.why = FieldReading::Short::decimal_comma;
    else if (n.digits == 0)
        r.why = FieldReading::Short::not_a_number;
    else
        r.why = FieldReading::Short::rest_ignored;
    return r;
}

std::string reading_note(const FieldReading& reading) {
    const char* reason = nullptr;
    switch (reading.why) {
        case FieldReading::Short::none: return {};
        case FieldReading::Short::decimal_comma: reason = "le séparateur décimal est le point"; break;
        case FieldReading::Short::not_a_number: reason = "ce texte n'est pas un nombre"; break;
        case FieldReading::Short::rest_ignored: reason = "la suite du texte est ignorée"; break;
        case FieldReading::Short::blanks_inside: reason = "les blancs sont ignorés"; break;
    }
    const std::string value = std::isfinite(reading.value) ? text_step_double(reading.value)
                                                            : (reading.value < 0 ? "-infini" : "infini");
    return "Lu comme " + value + " : " + reason;
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
