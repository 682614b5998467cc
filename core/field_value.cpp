#include "core/field_value.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
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

Scan scan_number(std::string_view s) {
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

// The power of ten of a number's first significant digit, written exponent included ("0.001" is -3,
// "1200e-10" is -7): a number out of a double's range is too large when it is positive, too small when
// negative. The written exponent is read with saturation, so that any count of digits is safe.
long long decimal_magnitude(std::string_view number) {
    const auto e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long long written = 0;
    if (e != std::string_view::npos) {
        std::size_t i = e + 1;
        const bool down = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        for (; i < number.size(); ++i) written = std::min(written * 10 + (number[i] - '0'), 1'000'000'000'000LL);
        if (down) written = -written;
    }
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return 0;  // all zeros: no magnitude, and never out of range
    const long long place = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return place + written;
}

// The exact fast path of decimal reading: a number of at most 15 digits times or over a power of ten up
// to 10^22 is two exact doubles and one correctly rounded operation, so it gives the double nearest the
// decimal, as from_chars does. Says false for any other number.
bool read_short_number(std::string_view number, double& value) {
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t mantissa = 0;
    int digits = 0, exponent = 0;
    std::size_t i = 0;
    bool point = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            point = true;
            continue;
        }
        if (!is_digit(c)) break;
        if (mantissa == 0 && c == '0') {  // leading zeros count for nothing but the place of the point
            if (point) --exponent;
            continue;
        }
        if (++digits > 15) return false;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        if (point) --exponent;
    }
    if (i < number.size()) {  // the exponent: E or e, a sign, digits
        ++i;
        const bool down = number[i] == '-';
        if (number[i] == '+' || number[i] == '-') ++i;
        int written = 0;
        for (; i < number.size(); ++i) {
            written = written * 10 + (number[i] - '0');
            if (written > 400) return false;
        }
        exponent += down ? -written : written;
    }
    if (mantissa == 0) return value = 0.0, true;
    if (exponent < -22 || exponent > 22) return false;
    value = exponent < 0 ? static_cast<double>(mantissa) / powers[-exponent]
                         : static_cast<double>(mantissa) * powers[exponent];
    return true;
}

double value_of(std::string_view s, const Scan& n) {
    if (n.digits == 0) return 0.0;
    // from_chars reads the digits and exponent (a bare leading point, ".5", included); the sign was
    // taken by the scan.
    const std::string_view number = s.substr(n.start, n.end - n.start);
    double value = 0.0;
    if (!read_short_number(number, value)) {
        auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (ec == std::errc::result_out_of_range)
            value = decimal_magnitude(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
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
    if (std::none_of(text.begin(), text.end(), is_blank)) return value_of(text, scan_number(text));
    // Blanks are skipped wherever they occur, so drop them all first.
    const std::string s = without_blanks(text);
    return value_of(s, scan_number(s));
}

FieldReading read_field_text(std::string_view text) {
    std::string kept;  // the text without its blanks, made only when it has some
    const bool has_blanks = std::any_of(text.begin(), text.end(), is_blank);
    if (has_blanks) kept = without_blanks(text);
    const std::string_view s = has_blanks ? std::string_view(kept) : text;
    const Scan n = scan_number(s);
    FieldReading r;
    r.value = value_of(s, n);
    if (text.empty()) return r;
    const bool number_only = n.digits > 0 && n.end == s.size();
    if (number_only && (!has_blanks || !blanks_inside(text))) return r;
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

namespace {

// How many decimals the exact expansion of a finite double has: x = m × 2^e with m odd has max(0, -e).
int exact_decimal_count(double magnitude) {
    if (magnitude == 0) return 0;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int e = (biased == 0 ? -1074 : biased - 1075) + std::countr_zero(m);
    return std::max(0, -e);
}

// |value| written with `count` decimals, exact: the decimal expansion of the double itself, cut after
// `count` decimals, never rounded. Digits past a double's last decimal are zeros.
std::string exact_fixed(double magnitude, std::size_t count) {
    const auto write = [&](int precision) {
        std::string out(312 + static_cast<std::size_t>(precision), '\0');  // 309 integer digits, point, decimals
        auto [end, ec] = std::to_chars(out.data(), out.data() + out.size(), magnitude, std::chars_format::fixed,
                                       precision);
        out.resize(ec == std::errc() ? static_cast<std::size_t>(end - out.data()) : 0);
        if (out.find('.') == std::string::npos) out += '.';
        return out;
    };
    const int all = exact_decimal_count(magnitude);
    std::string out;
    if (static_cast<std::size_t>(all) <= count) {
        out = write(all);  // the whole expansion: nothing is rounded
    } else {
        // Rounded to 20 more decimals than needed, the first `count` decimals are the exact ones unless
        // the rounding carried into them, which leaves only zeros after them; then write it all out.
        const std::size_t spare = 20;
        const int precision = static_cast<int>(std::min(count + spare, static_cast<std::size_t>(all)));
        out = write(precision);
        const std::size_t first_spare = out.find('.') + 1 + count;
        if (precision != all && out.find_first_not_of('0', first_spare) == std::string::npos) out = write(all);
    }
    out.resize(out.find('.') + 1 + count, '0');
    return out;
}

}  // namespace

std::string format_field_value(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return {};
    const std::size_t decimals = pattern_decimals(pattern);
    const bool negative = std::signbit(value) && value != 0.0;

    // The held value exactly, with one decimal more than shown: that decimal decides the rounding.
    const std::string exact = exact_fixed(std::fabs(value), decimals + 1);
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

// The text step's digits found in double arithmetic: the value scaled by an exact power of ten to an
// integer of `significant` digits and a fraction, rounded to nearest. The scaling's own rounding error
// is taken back with a fused multiply-add, so the fraction is compared with one half exactly; a tie, a
// value too small or too large for an exact power, goes to the precise path instead (false).
bool fast_text_step(double value, int significant, std::string& out) {
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const double x = std::fabs(value);
    const int top = significant - 1;  // the decimal exponent of the last digit kept, counted from the first
    if (!(x >= 1e-7 && x < powers[top + 1])) return false;
    // The decimal exponent from the binary one (log10 2 = 0.30103...), put right by the scaled value.
    int e = (std::ilogb(x) * 30103) / 100000 - (x < 1 ? 1 : 0);
    double y = 0, error = 0;
    for (int tries = 0;; ++tries) {
        if (top - e < 0 || top - e > 22 || tries > 3) return false;
        const double p = powers[top - e];
        y = x * p;
        if (y < powers[top]) --e;
        else if (y >= powers[top + 1]) ++e;
        else {
            error = std::fma(x, p, -y);  // x × p = y + error, exactly
            break;
        }
    }
    double whole = std::floor(y);
    double fraction = y - whole;  // exact: y is below 2^53
    if (fraction == 0 && error < 0) whole -= 1, fraction = 1;
    const double above_half = (fraction - 0.5) + error;  // its sign is exact
    if (above_half == 0) return false;
    auto n = static_cast<std::uint64_t>(whole) + (above_half > 0 ? 1 : 0);
    if (n == static_cast<std::uint64_t>(powers[top + 1])) n /= 10, ++e;

    char digits[24];
    const int all = static_cast<int>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    int count = all;
    while (count > 1 && digits[count - 1] == '0') --count;  // trailing zeros dropped

    char text[48];
    char* t = text;
    if (value < 0) *t++ = '-';
    if (e < -4 || e >= significant) {  // the E form: d.ddd, E, a sign and at least two digits
        *t++ = digits[0];
        if (count > 1) {
            *t++ = '.';
            t = std::copy(digits + 1, digits + count, t);
        }
        *t++ = 'E';
        *t++ = e < 0 ? '-' : '+';
        const int magnitude = e < 0 ? -e : e;
        if (magnitude < 10) *t++ = '0';
        t = std::to_chars(t, text + sizeof text, magnitude).ptr;
    } else if (e < 0) {  // 0.000ddd
        *t++ = '0';
        *t++ = '.';
        t = std::fill_n(t, -e - 1, '0');
        t = std::copy(digits, digits + count, t);
    } else if (count <= e + 1) {  // ddd
        t = std::copy(digits, digits + count, t);
        t = std::fill_n(t, e + 1 - count, '0');
    } else {  // ddd.ddd
        t = std::copy(digits, digits + e + 1, t);
        *t++ = '.';
        t = std::copy(digits + e + 1, digits + count, t);
    }
    out.assign(text, t);
    return true;
}

template <class T>
std::string text_step(T value, int significant) {
    if (!std::isfinite(value) || std::fabs(double(value)) > largest_shown_double) return {};
    if (value == 0) return "0";  // also drops the sign of a negative zero
    if (std::string out; fast_text_step(static_cast<double>(value), significant, out)) return out;
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
