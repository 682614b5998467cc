// calcfluides-soak [ACTIONS [INPUTS]] [--widgets N]: the long run. Random use of the whole program at
// scale, through the page model (ACTIONS actions, 100 000 unless told) and through the real widgets
// offscreen (N actions, a fifth of ACTIONS unless told), with garbage, numbers at the limits of double
// and float and their 15- and 7-digit roundings, decimal commas, very long pastes and every combo list;
// after every action every control of every page is checked, and the widgets are compared with the
// model. Then parse_field_value is fuzzed with INPUTS texts (10 million unless told) against an
// independent reading of its rule. Prints its figures and ends non-zero at any fault, or when it did
// not do exactly the actions asked. scripts/soak.sh builds it with the sanitizers and runs it.
#include <QApplication>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/field_value.h"
#include "scenario/gui_driver.h"
#include "scenario/model_driver.h"
#include "tests/common/random_use.h"
#include "ui/qt/headless.h"

namespace {

struct Figures {
    long actions = 0, limit_texts = 0, texts_checked = 0, results_read_back = 0, widget_checks = 0;
    std::set<std::pair<std::string, std::string>> reached;
    long faults = 0;
};

// The calculation pages, one of which every other run keeps to, so that each is worked long enough to
// fill its frames.
std::vector<std::string> calculation_pages() {
    cf::Application scratch;
    cf::start_calcfluides(scratch);
    std::vector<std::string> names = scratch.page_names();
    std::erase(names, std::string(cf::pages::home));
    return names;
}

// Random use on fresh runs of `run_length` actions until exactly `actions` are done.
template <class MakeDriver>
void soak(const char* through, long actions, long run_length, MakeDriver make, Figures& f) {
    static const std::vector<std::string> pages = calculation_pages();
    for (unsigned seed = 1; f.actions < actions; ++seed) {
        auto driver = make();
        cf::testing::RandomUse use;
        use.rich = true;
        if (seed % 2 == 0) use.stay_on = pages[seed / 2 % pages.size()];
        cf::testing::use_at_random(*driver, seed, std::min(run_length, actions - f.actions), use);
        f.actions += use.actions;
        f.limit_texts += use.limit_texts;
        f.texts_checked += use.texts_checked;
        f.results_read_back += use.results_read_back;
        f.widget_checks += use.widget_checks;
        f.reached.insert(use.reached.begin(), use.reached.end());
        if (!use.fault.empty()) {
            ++f.faults;
            std::printf("FAULT through %s: %s\n", through, use.fault.c_str());
        }
        if (use.actions == 0) break;  // nothing reachable: would loop for ever
    }
}

// The rule read independently: blanks dropped; the longest start of the text that reads as
// [sign] digits [. digits] [e [sign] digits] (at least one digit before the exponent); its value by C's
// strtod in the C locale, which decides overflow and underflow by the value's size. Anything else is 0.
double reference_reading(const std::string& text) {
    std::string s;
    for (char c : text)
        if (!std::strchr(" \t\n\r\v\f", c) || c == '\0') s += c;
    std::size_t i = 0, digits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
            end = j;
        }
    }
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t before = uselocale(c_locale);
    const double value = std::strtod(s.substr(0, end).c_str(), nullptr);
    uselocale(before);
    return value;
}

std::string fuzz_text(std::mt19937_64& random, long n) {
    static const char alphabet[] = "0123456789.,eE+- \tx";
    std::string t;
    if (n % 2 == 0) {  // random characters
        const std::size_t length = random() % 24;
        for (std::size_t i = 0; i < length; ++i) t += alphabet[random() % (sizeof alphabet - 1)];
        return t;
    }
    // structured: a sign, runs of zeros and digits, a point, an exponent near the limits
    if (random() % 3 == 0) t += random() % 2 ? "-" : "+";
    if (random() % 4 == 0) t += "0.";
    t += std::string(random() % 4 == 0 ? random() % 400 : random() % 3, '0');
    for (std::size_t k = random() % 20; k > 0; --k) t += char('0' + random() % 10);
    if (random() % 2) t += ".";
    for (std::size_t k = random() % 20; k > 0; --k) t += char('0' + random() % 10);
    if (random() % 4 == 0) t += std::string(random() % 400, '0');
    if (random() % 2) {
        t += random() % 2 ? "e" : "E";
        if (random() % 2) t += random() % 2 ? "-" : "+";
        static const int near[] = {0, 1, 22, 23, 300, 307, 308, 309, 310, 320, 323, 324, 325, 330, 400, 999};
        t += std::to_string(near[random() % std::size(near)] + static_cast<int>(random() % 3));
    }
    if (random() % 5 == 0) t.insert(random() % (t.size() + 1), " ");
    if (random() % 7 == 0) t += ",5";
    return t;
}

// The buttons, option buttons, fields that are not results and combo lists of the whole program.
std::size_t actionable_controls() {
    cf::Application scratch;
    cf::start_calcfluides(scratch);
    std::size_t n = 0;
    for (const auto& [page, name] : cf::testing::every_control()) {
        const cf::Control& c = scratch.page(page).control(name);
        const bool acts = c.kind == cf::ControlKind::button || c.kind == cf::ControlKind::option ||
                          ((c.kind == cf::ControlKind::field || c.kind == cf::ControlKind::combo) && !cf::is_result(c));
        n += acts;
    }
    return n;
}

long fuzz_parse(long inputs) {
    std::mt19937_64 random(2026);
    long faults = 0;
    for (long n = 0; n < inputs; ++n) {
        const std::string text = fuzz_text(random, n);
        const double ours = cf::parse_field_value(text);
        const double theirs = reference_reading(text);
        const cf::FieldReading reading = cf::read_field_text(text);
        const bool same = std::memcmp(&ours, &theirs, sizeof ours) == 0 || (ours == 0 && theirs == 0);
        if (!same || std::memcmp(&reading.value, &ours, sizeof ours) != 0) {
            if (++faults <= 10)
                std::printf("FAULT parse_field_value(\"%.80s\") = %.17g, read independently %.17g\n", text.c_str(), ours,
                            theirs);
        }
    }
    return faults;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<long> numbers;
    long widget_actions = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--widgets") == 0 && i + 1 < argc)
            widget_actions = std::atol(argv[++i]);
        else
            numbers.push_back(std::atol(argv[i]));
    }
    const long actions = numbers.size() > 0 ? numbers[0] : 100000;
    const long inputs = numbers.size() > 1 ? numbers[1] : 10'000'000;
    if (widget_actions < 0) widget_actions = actions / 5;
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);

    Figures model, widgets;
    soak("the page model", actions, 500, [] { return std::make_unique<cf::scenario::ModelDriver>(); }, model);
    soak("the widgets", widget_actions, 250, [] { return std::make_unique<cf::scenario::GuiDriver>(); }, widgets);
    const long parse_faults = fuzz_parse(inputs);

    const std::size_t actionable = actionable_controls();
    const auto report = [&](const char* through, const Figures& f, long asked) {
        std::printf("random use through %-14s %ld of %ld actions asked, %ld texts at the limits of the range, "
                    "%zu of the %zu controls a user can act on reached, %ld control texts checked, %ld results "
                    "read back",
                    through, f.actions, asked, f.limit_texts, f.reached.size(), actionable, f.texts_checked,
                    f.results_read_back);
        if (&f == &widgets) std::printf(", the widgets compared with the model %ld times", f.widget_checks);
        std::printf("\n");
    };
    report("the page model:", model, actions);
    report("the widgets:", widgets, widget_actions);
    std::printf("parse_field_value fuzzed:          %ld inputs against an independent reading\n", inputs);
    const long short_runs = (model.actions != actions) + (widgets.actions != widget_actions);
    const long faults = model.faults + widgets.faults + parse_faults + short_runs;
    std::printf("faults:                            %ld\n", faults);
    return faults == 0 ? 0 : 1;
}
