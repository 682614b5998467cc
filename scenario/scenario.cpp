#include "scenario/scenario.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ui/page.h"

namespace cf::scenario {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

struct Cursor {
    const std::string& s;
    std::size_t i = 0;
    void blanks() {
        while (i < s.size() && is_blank(s[i])) ++i;
    }
    bool done() {
        blanks();
        return i >= s.size();
    }
    std::string word() {
        blanks();
        std::size_t start = i;
        while (i < s.size() && !is_blank(s[i])) ++i;
        return s.substr(start, i - start);
    }
    // A string in double quotes, with \" and \\ as escapes.
    std::optional<std::string> string() {
        blanks();
        if (i >= s.size() || s[i] != '"') return std::nullopt;
        std::string out;
        for (++i; i < s.size(); ++i) {
            if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '"' || s[i + 1] == '\\')) {
                out += s[++i];
            } else if (s[i] == '"') {
                ++i;
                return out;
            } else {
                out += s[i];
            }
        }
        return std::nullopt;
    }
};

bool split_target(const std::string& target, Step& step) {
    const auto dot = target.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == target.size()) return false;
    step.page = target.substr(0, dot);
    step.control = target.substr(dot + 1);
    return true;
}

const std::vector<std::string> control_states = {"visible", "hidden",   "shown",      "notshown", "enabled",
                                                 "disabled", "selected", "unselected", "focused"};
const std::vector<std::string> page_states = {"loaded", "unloaded", "shown", "hidden"};

bool one_of(const std::string& w, const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), w) != list.end();
}

// --- The steps, one reader per verb ---
// A reader takes the rest of the line after its verb; it fills the step, or says why it cannot.
using StepReader = std::string (*)(const std::string& verb, Cursor& c, Step& step);

// click PAGE.CONTROL, type / paste / pick PAGE.CONTROL "TEXT"
std::string read_action(const std::string& verb, Cursor& c, Step& step) {
    step.verb = verb == "click" ? Step::Verb::click
                : verb == "type" ? Step::Verb::type
                : verb == "paste" ? Step::Verb::paste
                                  : Step::Verb::pick;
    if (!split_target(c.word(), step)) return "expected PAGE.CONTROL after " + verb;
    if (step.verb == Step::Verb::click) return {};
    auto text = c.string();
    if (!text) return "expected a quoted text after PAGE.CONTROL";
    step.argument = *text;
    return {};
}

// expect PAGE.CONTROL = "TEXT", expect PAGE.CONTROL is STATE, expect page PAGE is STATE
std::string read_expect(const std::string&, Cursor& c, Step& step) {
    const std::string target = c.word();
    if (target == "page") {
        step.verb = Step::Verb::expect_page;
        step.page = c.word();
        if (step.page.empty() || c.word() != "is") return "expected: expect page PAGE is STATE";
        step.argument = c.word();
        return one_of(step.argument, page_states) ? "" : "unknown page state " + quote(step.argument, 20);
    }
    if (!split_target(target, step)) return "expected PAGE.CONTROL after expect";
    const std::string op = c.word();
    if (op == "=") {
        step.verb = Step::Verb::expect_text;
        auto text = c.string();
        if (!text) return "expected a quoted text after =";
        step.argument = *text;
        return {};
    }
    if (op != "is") return "expected '=' or 'is' after PAGE.CONTROL";
    step.verb = Step::Verb::expect_state;
    step.argument = c.word();
    return one_of(step.argument, control_states) ? "" : "unknown state " + quote(step.argument, 20);
}

// save PAGE "FILE", export PAGE "FILE.pdf", open "FILE"
std::string read_file_step(const std::string& verb, Cursor& c, Step& step) {
    step.verb = verb == "save" ? Step::Verb::save : verb == "open" ? Step::Verb::open : Step::Verb::export_sheet;
    if (step.verb != Step::Verb::open && (step.page = c.word()).empty()) return "expected PAGE after " + verb;
    auto file = c.string();
    if (!file || file->empty()) return "expected a quoted file name after " + verb;
    step.argument = *file;
    return {};
}

struct VerbReader {
    std::string_view verb;
    StepReader read;
};
const VerbReader verbs[] = {
    {"click", read_action}, {"type", read_action}, {"paste", read_action},
    {"pick", read_action},  {"expect", read_expect},
    {"save", read_file_step}, {"open", read_file_step}, {"export", read_file_step},
};

// One line that holds a step; returns why it cannot be read, or the empty text.
std::string parse_line(const std::string& line, Step& step) {
    Cursor c{line};
    const std::string verb = c.word();
    const auto reader = std::find_if(std::begin(verbs), std::end(verbs), [&](const auto& v) { return v.verb == verb; });
    if (reader == std::end(verbs)) return "unknown step " + quote(verb, 20);
    if (std::string why = reader->read(verb, c, step); !why.empty()) return why;
    return c.done() ? "" : "unexpected text after the step";
}

std::string size_text(std::size_t bytes) {
    return bytes % (std::size_t{1} << 20) == 0 ? std::to_string(bytes >> 20) + " MB" : std::to_string(bytes) + " bytes";
}

// Reads lines in pieces of 64 kB, each line no longer than the limit and the whole no larger.
class LineReader {
public:
    LineReader(std::istream& in, const Limits& limits) : in_(in), limits_(limits) {}
    // The next line without its line break; false at the end or at a fault (then `fault` says which).
    bool next(std::string& line, std::string& fault) {
        line.clear();
        for (;;) {
            if (at_ == got_ && !refill(fault)) return !fault.empty() || line.empty() ? false : ended_line(line);
            const char* begin = piece_.data() + at_;
            const char* end = piece_.data() + got_;
            const char* line_break = std::find(begin, end, '\n');
            if (line.size() + static_cast<std::size_t>(line_break - begin) > limits_.line_bytes) {
                fault = std::to_string(number_ + 1) + ": line longer than " + size_text(limits_.line_bytes);
                return false;
            }
            line.append(begin, line_break);
            at_ = static_cast<std::size_t>(line_break - piece_.data());
            if (line_break != end) {
                ++at_;
                return ended_line(line);
            }
        }
    }
    int number() const { return number_; }

private:
    bool refill(std::string& fault) {
        at_ = got_ = 0;
        if (!in_.good()) return false;
        in_.read(piece_.data(), static_cast<std::streamsize>(piece_.size()));
        got_ = static_cast<std::size_t>(in_.gcount());
        if (in_.bad()) fault = "cannot be read";
        total_ += got_;
        if (total_ > limits_.file_bytes) fault = "larger than " + size_text(limits_.file_bytes);
        return fault.empty() && got_ > 0;
    }
    bool ended_line(std::string& line) {
        if (++number_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte-order mark
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }

    std::istream& in_;
    const Limits& limits_;
    std::array<char, 1 << 16> piece_{};
    std::size_t at_ = 0, got_ = 0, total_ = 0;
    int number_ = 0;
};

const char* state_name(PageState s) {
    switch (s) {
        case PageState::unloaded: return "unloaded";
        case PageState::hidden: return "hidden";
        case PageState::shown: return "shown";
    }
    return "?";
}

bool has_state(const ControlView& v, const std::string& state) {
    if (state == "visible") return v.visible;
    if (state == "hidden") return !v.visible;
    if (state == "shown") return v.shown;
    if (state == "notshown") return !v.shown;
    if (state == "enabled") return v.enabled;
    if (state == "disabled") return !v.enabled;
    if (state == "selected") return v.selected;
    if (state == "unselected") return !v.selected;
    return v.focused;  // "focused"
}

std::string describe(const ControlView& v) {
    std::string s = v.visible ? "visible" : "hidden";
    s += v.shown ? ", shown" : ", notshown";
    s += v.enabled ? ", enabled" : ", disabled";
    if (v.kind == ControlKind::option) s += v.selected ? ", selected" : ", unselected";
    if (v.focused) s += ", focused";
    return s;
}

// A file step: the file taken from the scenario's folder when relative.
std::string run_file_step(const Step& step, Driver& driver, const std::filesystem::path& folder) {
    std::filesystem::path file(step.argument);
    if (file.is_relative()) file = folder / file;
    const std::string path = file.lexically_normal().string();
    std::string message;
    switch (step.verb) {
        case Step::Verb::save: message = driver.save(step.page, path); break;
        case Step::Verb::open: message = driver.open(path); break;
        default: message = driver.export_sheet(step.page, path); break;
    }
    return message.empty() ? "" : "expected " + quote(step.argument) + " done, found: " + message;
}

// Two texts as a failure shows them; long ones cut, with where they part.
std::string expected_and_found(const std::string& expected, const std::string& found) {
    std::string s = quote(expected) + ", found " + quote(found);
    if (expected.size() > 80 || found.size() > 80) {
        const auto differ = std::mismatch(expected.begin(), expected.end(), found.begin(), found.end());
        s += " (" + std::to_string(found.size()) + " bytes, " + std::to_string(expected.size()) +
             " expected, the same up to byte " + std::to_string(differ.first - expected.begin()) + ")";
    }
    return s;
}

// Runs one step; returns the failure ("expected ..., found ...") or an empty text.
std::string run_step(const Step& step, Driver& driver) {
    const std::string target = step.page + "." + step.control;
    if (step.verb == Step::Verb::expect_page) {
        const PageState s = driver.page_state(step.page);
        const bool ok = step.argument == "loaded"     ? s != PageState::unloaded
                        : step.argument == "unloaded" ? s == PageState::unloaded
                                                      : step.argument == state_name(s);
        return ok ? "" : "expected page " + step.page + " " + step.argument + ", found " + state_name(s);
    }
    const auto view = driver.view(step.page, step.control);
    if (!view) {
        return driver.page_state(step.page) == PageState::unloaded
                   ? "expected " + target + ", found page " + step.page + " not loaded"
                   : "expected " + target + ", found no such control";
    }
    switch (step.verb) {
        case Step::Verb::expect_text:
            return view->text == step.argument ? "" : "expected " + target + " = " + expected_and_found(step.argument, view->text);
        case Step::Verb::expect_state:
            return has_state(*view, step.argument)
                       ? ""
                       : "expected " + target + " " + step.argument + ", found " + describe(*view);
        default: break;
    }
    // An action: the user can only reach a control that is on screen and enabled.
    if (!view->shown || !view->enabled)
        return "expected " + target + " shown and enabled, found " + describe(*view);
    switch (step.verb) {
        case Step::Verb::click:
            if (view->kind != ControlKind::button && view->kind != ControlKind::option)
                return "expected a button or option button at " + target + ", found another kind of control";
            driver.click(step.page, step.control);
            return "";
        case Step::Verb::type:
        case Step::Verb::paste:
            if (view->kind != ControlKind::field && view->kind != ControlKind::combo)
                return "expected a field or combo list at " + target + ", found another kind of control";
            if (!view->editable) return "expected a field the user can type into at " + target + ", found a result";
            if (step.verb == Step::Verb::type)
                driver.type(step.page, step.control, step.argument);
            else
                driver.paste(step.page, step.control, step.argument);
            return "";
        case Step::Verb::pick:
            if (view->kind != ControlKind::combo) return "expected a combo list at " + target + ", found another kind";
            if (std::find(view->items.begin(), view->items.end(), step.argument) == view->items.end())
                return "expected " + quote(step.argument) + " among the items of " + target + ", found it missing";
            driver.pick(step.page, step.control, step.argument);
            return "";
        default: return "";
    }
}

}  // namespace

std::string quote(std::string_view text, std::size_t characters) {
    std::string out = "\"";
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        if (count == characters) return out + "\"…";
        const field_input::Character c = field_input::character_at(text, at);
        const bool control = c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F);
        if (!c.well_formed || control) {
            for (std::size_t k = 0; k < c.bytes; ++k) {
                static const char hex[] = "0123456789ABCDEF";
                const auto byte = static_cast<unsigned char>(text[at + k]);
                out += {'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
            }
        } else {
            if (c.code == '"' || c.code == '\\') out += '\\';
            out.append(text.substr(at, c.bytes));
        }
        at += c.bytes;
    }
    return out + "\"";
}

std::vector<Step> read_steps(std::istream& in, std::vector<std::string>& errors, const Limits& limits) {
    std::vector<Step> steps;
    LineReader lines(in, limits);
    std::string line, fault;
    while (lines.next(line, fault)) {
        Cursor c{line};
        if (c.done() || line[c.i] == '#') continue;
        Step step{};
        step.line = lines.number();
        if (std::string why = parse_line(line, step); !why.empty()) {
            errors.push_back(std::to_string(step.line) + ": " + why + " in " + quote(line));
            return steps;
        }
        steps.push_back(std::move(step));
    }
    if (!fault.empty()) errors.push_back(fault);
    return steps;
}

std::vector<Step> parse(const std::string& source, std::vector<std::string>& errors) {
    std::istringstream in(source);
    return read_steps(in, errors);
}

namespace {
const std::string no_files = "a driver without calculation files";
}

std::string Driver::save(const std::string&, const std::string&) { return no_files; }
std::string Driver::open(const std::string&) { return no_files; }
std::string Driver::export_sheet(const std::string&, const std::string&) { return no_files; }

bool run_file(const std::string& path, Driver& driver, std::ostream& report, const Limits& limits) {
    const auto fail = [&](const std::string& why) {
        // A fault of a line reads "FILE:LINE: why", one of the whole file "FILE: why".
        const bool of_a_line = !why.empty() && why[0] >= '0' && why[0] <= '9';
        report << path << (of_a_line ? ":" : ": ") << why << "\n";
        return false;
    };
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) return fail("cannot be read: " + error.message());
    if (std::filesystem::is_directory(status)) return fail("not a file");
    std::ifstream file(path, std::ios::binary);
    if (!file) return fail("cannot be read");
    std::vector<Step> steps;
    try {
        std::vector<std::string> errors;
        steps = read_steps(file, errors, limits);
        if (!errors.empty()) return fail(errors.front());
    } catch (const std::exception& e) {
        return fail(std::string("cannot be read: ") + e.what());
    }
    if (steps.empty()) return fail("no steps in " + path);
    for (const auto& step : steps) {
        std::string failure;
        try {
            const bool file_step =
                step.verb == Step::Verb::save || step.verb == Step::Verb::open || step.verb == Step::Verb::export_sheet;
            failure = file_step ? run_file_step(step, driver, std::filesystem::path(path).parent_path())
                                : run_step(step, driver);
        } catch (const std::exception& e) {
            failure = std::string("expected the step to run, found an error: ") + e.what();
        }
        if (!failure.empty()) {
            report << path << ":" << step.line << ": " << failure << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace cf::scenario
