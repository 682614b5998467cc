#pragma once
// Acceptance scenarios: plain text files that drive the program as a user does and check what the
// user sees. The same file runs against the page model alone or, through another driver, against the
// real widgets.

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace cf {
class Application;
}

namespace cf::scenario {

struct Step {
    enum class Verb { click, type, paste, pick, expect_text, expect_state, expect_page, save, open, export_sheet };
    Verb verb;
    int line = 0;
    std::string page;
    std::string control;  // empty for expect_page
    std::string argument; // the text, or the state word; the file of a file step
};

// The most a scenario file may hold, and its longest line (its line break apart): beyond them the file
// is refused without being read further, so that any file, a device without end included, is read in
// bounded memory.
struct Limits {
    std::size_t file_bytes = std::size_t{64} << 20;  // 64 MB
    std::size_t line_bytes = std::size_t{1} << 20;   // 1 MB
};

// Reads a scenario in bounded pieces up to its end or its first fault, which goes into errors as
// "LINE: why" (a line it cannot read, a line too long) or "why" (a file too large, a read that fails).
// A UTF-8 byte-order mark at the start is skipped; blanks are spaces, tabs, vertical tabs and form
// feeds; a line may end in CR LF.
std::vector<Step> read_steps(std::istream& in, std::vector<std::string>& errors, const Limits& limits = {});
std::vector<Step> parse(const std::string& source, std::vector<std::string>& errors);

// A text as a report quotes it: in double quotes, at most `characters` characters of it (then "…"),
// with quotes and backslashes escaped, and control characters and bytes that start no UTF-8 character
// written \xNN.
std::string quote(std::string_view text, std::size_t characters = 80);

// What a check sees of one control.
struct ControlView {
    ControlKind kind;
    std::string text;  // Text of a field or combo list, Caption of anything else
    bool visible;      // its own Visible
    bool shown;        // on screen
    bool enabled;
    bool selected;
    bool focused;
    std::vector<std::string> items;
    bool editable = false;  // a field or combo list the user can type into (not a result)
};

enum class PageState { unloaded, hidden, shown };

// Drives one fresh application. Actions are only called on a control that is shown and enabled.
class Driver {
public:
    virtual ~Driver() = default;
    virtual std::optional<ControlView> view(const std::string& page, const std::string& control) = 0;
    virtual PageState page_state(const std::string& page) = 0;
    virtual void click(const std::string& page, const std::string& control) = 0;
    // One key per character (code point) over the whole text selected, as a user types: each key the
    // field takes raises one Change; what it refuses or has no room for is dropped (field_input).
    virtual void type(const std::string& page, const std::string& control, const std::string& text) = 0;
    virtual void paste(const std::string& page, const std::string& control, const std::string& text) = 0;
    virtual void pick(const std::string& page, const std::string& control, const std::string& item) = 0;
    // The run being driven, for what no user sees (held results, stopped event chains).
    virtual Application& app() = 0;
    // A page's calculation saved to a file, a calculation file opened, a page's sheet exported in PDF:
    // "" or the message the program gives.
    virtual std::string save(const std::string& page, const std::string& path);
    virtual std::string open(const std::string& path);
    virtual std::string export_sheet(const std::string& page, const std::string& path);
    // Where what the user sees differs from the page model (the widgets from the model they mirror),
    // described; empty when they agree. A driver of the model alone has nothing to compare.
    virtual std::string differences_from_model() { return {}; }
};

// Runs one file against a fresh driver (a relative file of a file step is taken from the scenario
// file's folder); prints "FILE:LINE: expected ..., found ..." for the first
// failing step, or "FILE: why" for a file that cannot be run: not a file (a directory), not readable,
// beyond the limits, or with no steps at all. Returns whether every step passed, and at least one ran.
bool run_file(const std::string& path, Driver& driver, std::ostream& report, const Limits& limits = {});

}  // namespace cf::scenario
