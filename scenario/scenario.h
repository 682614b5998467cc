#pragma once
// Acceptance scenarios: plain text files that drive the program as a user does and check what the
// user sees. The same file runs against the page model alone or, through another driver, against the
// real widgets.

#include <memory>
#include <optional>
#include <ostream>
#include <string>
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

// Reads a scenario; a line it cannot read is reported as "LINE: why" in errors.
std::vector<Step> parse(const std::string& source, std::vector<std::string>& errors);

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
    // One key at a time: the field holds each longer prefix of text in turn.
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
};

// Runs one file against a fresh driver (a relative file of a file step is taken from the scenario
// file's folder); prints "FILE:LINE: expected ..., found ..." for the first
// failing step. Returns whether every step passed.
bool run_file(const std::string& path, Driver& driver, std::ostream& report);

// The ways a user can type a text: each longer prefix, one Unicode character at a time.
std::vector<std::string> typed_prefixes(const std::string& text);

}  // namespace cf::scenario
