#include "scenario/scenario.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cf::scenario {

namespace {

struct Cursor {
    const std::string& s;
    std::size_t i = 0;
    void blanks() {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    }
    bool done() {
        blanks();
        return i >= s.size();
    }
    std::string word() {
        blanks();
        std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        return s.substr(start, i - start);
    }
    // A string in double quotes, with \" and \\ as escapes.
    std::optional<std::string> quoted() {
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

std::optional<Step> parse_line(const std::string& line, int number, std::string& why) {
    Cursor c{line};
    Step step{};
    step.line = number;
    const std::string verb = c.word();
    if (verb == "click" || verb == "type" || verb == "paste" || verb == "pick") {
        step.verb = verb == "click" ? Step::Verb::click
                    : verb == "type" ? Step::Verb::type
                    : verb == "paste" ? Step::Verb::paste
                                      : Step::Verb::pick;
        if (!split_target(c.word(), step)) return why = "expected PAGE.CONTROL after " + verb, std::nullopt;
        if (step.verb != Step::Verb::click) {
            auto text = c.quoted();
            if (!text) return why = "expected a quoted text after " + step.page + "." + step.control, std::nullopt;
            step.argument = *text;
        }
    } else if (verb == "expect") {
        const std::string target = c.word();
        if (target == "page") {
            step.verb = Step::Verb::expect_page;
            step.page = c.word();
            if (step.page.empty() || c.word() != "is") return why = "expected: expect page PAGE is STATE", std::nullopt;
            step.argument = c.word();
            if (!one_of(step.argument, page_states)) return why = "unknown page state '" + step.argument + "'", std::nullopt;
        } else {
            if (!split_target(target, step)) return why = "expected PAGE.CONTROL after expect", std::nullopt;
            const std::string op = c.word();
            if (op == "=") {
                step.verb = Step::Verb::expect_text;
                auto text = c.quoted();
                if (!text) return why = "expected a quoted text after =", std::nullopt;
                step.argument = *text;
            } else if (op == "is") {
                step.verb = Step::Verb::expect_state;
                step.argument = c.word();
                if (!one_of(step.argument, control_states))
                    return why = "unknown state '" + step.argument + "'", std::nullopt;
            } else {
                return why = "expected '=' or 'is' after " + target, std::nullopt;
            }
        }
    } else if (verb == "save" || verb == "export" || verb == "open") {
        step.verb = verb == "save" ? Step::Verb::save : verb == "open" ? Step::Verb::open : Step::Verb::export_sheet;
        if (step.verb != Step::Verb::open && (step.page = c.word()).empty())
            return why = "expected PAGE after " + verb, std::nullopt;
        auto file = c.quoted();
        if (!file || file->empty()) return why = "expected a quoted file name after " + verb, std::nullopt;
        step.argument = *file;
    } else {
        return why = "unknown step '" + verb + "'", std::nullopt;
    }
    if (!c.done()) return why = "unexpected text after the step", std::nullopt;
    return step;
}

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out + "\"";
}

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
            return view->text == step.argument ? ""
                                               : "expected " + target + " = " + quote(step.argument) + ", found " +
                                                     quote(view->text);
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

std::vector<Step> parse(const std::string& source, std::vector<std::string>& errors) {
    std::vector<Step> steps;
    std::istringstream in(source);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Cursor c{line};
        if (c.done() || line[c.i] == '#') continue;
        std::string why;
        if (auto step = parse_line(line, number, why))
            steps.push_back(*step);
        else
            errors.push_back(std::to_string(number) + ": " + why);
    }
    return steps;
}

namespace {
const std::string no_files = "a driver without calculation files";
}

std::string Driver::save(const std::string&, const std::string&) { return no_files; }
std::string Driver::open(const std::string&) { return no_files; }
std::string Driver::export_sheet(const std::string&, const std::string&) { return no_files; }

std::vector<std::string> typed_prefixes(const std::string& text) {
    std::vector<std::string> prefixes;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        // Stop only after a whole UTF-8 character: the next byte is not a continuation byte.
        if (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        prefixes.push_back(text.substr(0, i));
    }
    return prefixes;
}

bool run_file(const std::string& path, Driver& driver, std::ostream& report) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        report << path << ":0: expected a readable scenario file, found none\n";
        return false;
    }
    std::stringstream buffer;
    buffer << file.rdbuf();
    std::vector<std::string> errors;
    const auto steps = parse(buffer.str(), errors);
    if (!errors.empty()) {
        report << path << ":" << errors.front() << "\n";
        return false;
    }
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
