#pragma once
// The page model: one page of the program as named controls with their states and event handlers.
// Page logic and tests drive it without any window; the Qt binding mirrors it in widgets.
//
// Events. Setting a field's Text raises its Change handlers at once, nested inside whatever set it.
// A Change is raised on every set of a field's Text, also when the text does not change: a procedure
// that writes the same result again still runs the handlers that depend on that field, so a chain of
// fields is always brought up to date from its head (the orifice chains and the pipe flow reset rely
// on every link running). Clicking a button, selecting an option button and picking a combo item raise
// Click. One thread; handlers run to completion.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <deque>
#include <vector>

#include "ui/control.h"
#include "ui/name_index.h"

namespace cf {

class Application;
struct TypedNote;

// --- What a text field keeps of what the user puts into it ---
// One rule for the page model and the window alike, so that the two never differ: a field holds what a
// real line edit holds. The page model applies it to everything the user types or pastes; the binding
// gives its line edits the same longest text and shows what the model kept.
namespace field_input {

// The longest text a field holds, in UTF-16 units: a line edit's own limit.
inline constexpr std::size_t max_length = 32767;

// One character of a UTF-8 text as the toolkit reads it: a well-formed character (shortest form, not a
// surrogate, at most U+10FFFF), or a byte that starts none, which reads as U+FFFD.
struct Character {
    char32_t code;
    std::size_t bytes;
    bool well_formed;
};
Character character_at(std::string_view text, std::size_t at);  // at < text.size()

// The length of a text in UTF-16 units, as a line edit counts it.
std::size_t length(std::string_view text);

// A text put into a field whole (pasted, or reported by a window): read as above, each byte that starts
// no well-formed character becoming U+FFFD; cut to max_length UTF-16 units, a character cut in half
// leaving "?"; then without the byte-order marks (U+FEFF) at its start, which reading UTF-8 takes for
// marks. Nothing else is dropped: a paste keeps its tabs, line breaks and control characters.
std::string kept(std::string_view text);

// What a field does with one typed key, the character `key`: it enters; or the field refuses it (a
// control character: C0, DEL, C1; a code point of the basic plane that Unicode 14 leaves unassigned);
// or, for Tab, the focus moves away and the selection ends. Every other character enters: letters,
// marks, symbols, private use, format characters, every character beyond the basic plane.
enum class Key { enters, refused, moves_focus };
Key typed(std::string_view key);

}  // namespace field_input

class Page {
public:
    using Handler = std::function<void(Page&)>;

    // Told of every change of a control's state and of the page's focus; the Qt binding is one.
    struct Observer {
        virtual ~Observer() = default;
        virtual void control_changed(const Page& page, const Control& control) = 0;
        virtual void focus_requested(const Page& page, const Control& control) = 0;
    };

    Page(Application& app, std::string name);
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    const std::string& name() const { return name_; }
    Application& app() const { return app_; }
    const std::string& window_title() const { return window_title_; }
    void set_window_title(std::string title) { window_title_ = std::move(title); }

    // --- Definition (design time) ---
    Control& add(Control control);
    void on_change(std::string_view control, Handler handler);
    void on_click(std::string_view control, Handler handler);
    const std::vector<std::string>& order() const { return order_; }  // controls in design order
    // A procedure of this page that rules crossing pages run by name (the orifice plate page's viscosity
    // runs the pipe flow page's Reynolds number).
    void define_procedure(std::string name, Handler procedure);

    // --- Reading state ---
    bool has(std::string_view name) const;
    const Control& control(std::string_view name) const;  // throws std::out_of_range if unknown
    const std::string& text(std::string_view name) const;  // Text, or Caption
    double value(std::string_view name) const;             // the field value of the text
    bool empty(std::string_view name) const { return text(name).empty(); }
    bool visible(std::string_view name) const { return control(name).visible; }
    bool enabled(std::string_view name) const { return control(name).enabled; }
    bool selected(std::string_view name) const { return control(name).selected; }
    bool shown(std::string_view name) const;  // page shown, every enclosing frame and itself visible
    const std::string& focused() const { return focused_; }
    bool page_shown() const { return page_shown_; }

    // --- Page logic ---
    void set_text(std::string_view name, std::string text);  // field: raises Change; combo: no event
    void set_caption(std::string_view name, std::string caption);
    void set_look(std::string_view name, Look look);  // how the window draws it; the logic never reads it
    void set_visible(std::string_view name, bool visible);
    void show(std::initializer_list<std::string_view> names);
    void hide(std::initializer_list<std::string_view> names);
    void set_enabled(std::string_view name, bool enabled);
    void enable(std::initializer_list<std::string_view> names);
    void disable(std::initializer_list<std::string_view> names);
    // Value of an option button: selecting clears the other option buttons of its frame and raises
    // Click when it becomes selected; clearing raises nothing.
    void set_selected(std::string_view name, bool selected);
    void focus(std::string_view name);
    void run_procedure(std::string_view name);  // throws std::out_of_range if the page has none of that name

    // --- What a user does (the binding and the scenario runner call these) ---
    // Text put into a field or an editable combo list as a whole (pasted, or reported by a window): it
    // holds field_input::kept(text); a field raises Change, a combo list does not. A result field cannot
    // be typed into.
    void user_edit(std::string_view name, std::string text);
    // One key that enters (field_input::typed) typed into a field or an editable combo list: it replaces
    // the whole text when `over_selection`, else it enters at the end, as far as the field has room; the
    // field then holds field_input::kept of that, with one Change. Says whether the field took it: a full
    // field keeps its text and raises nothing.
    bool user_key(std::string_view name, std::string_view key, bool over_selection);
    // A command button raises Click; an option button becomes selected (clearing its group) and raises
    // Click even when it was already selected.
    void user_click(std::string_view name);
    // A combo list item chosen: the text becomes the item, then Click.
    void user_pick(std::string_view name, std::string item);
    // The page's window closed by the user: what the page's button for leaving it does (its "Retour à la
    // page d'accueil"), or, for a page without one, the page hidden.
    void user_close();
    void close_with(std::string button) { close_button_ = std::move(button); }

    void set_observer(Observer* observer) {
        if (observer) refresh_marks();  // the window starts from marks up to date
        observer_ = observer;
    }

    // --- Marks: what the window shows of a field's value besides its text (ui/page_marks.cpp) ---
    // An input is marked while its typed text is not read as typed or holds a value its quantity cannot
    // take; a combo list whose items the page looks up, while its typed text is none of them; a result,
    // while its procedure has not computed it from the inputs shown (its guard stopped it, or its inputs
    // changed since), or when it was computed from an input not read as typed. A text the page writes
    // into an input carries no mark. Marks are brought up to date at the end of every outermost event.
    void describe(std::string_view field, Quantity quantity, std::string symbol);
    // The inputs not described: each named after the label laid just before it in its row, and holding
    // the quantity of the unit label laid just after it. Done once the page is defined, and before a
    // description that goes by symbol.
    void describe_by_layout();
    void set_looked_up(std::string_view combo);
    // A frame laid out as columns of label and field: the keyboard goes down each column first.
    void read_by_columns(std::string_view frame) { mutable_control(frame).by_columns = true; }
    const Mark& mark(std::string_view field) const;

    // The procedure kit's side. A procedure's reads are noted; then, before the kit writes its result
    // fields (or leaves them as they are), it says what became of them, and the reads are forgotten.
    double procedure_read(std::string_view field) const;  // the field value, noted as read
    enum class ResultEnd {
        computed,    // computed from what was read and written: the fields stand on it
        held_shown,  // the guard stopped it and the held result is written again
        kept,        // the guard stopped it and nothing is written: the fields keep what they showed
        emptied,     // not a finite number: the fields are emptied
    };
    void results_of_procedure(std::initializer_list<std::string_view> fields, ResultEnd end);
    // A result that the page derives from another (the flow regime from the Reynolds number): current
    // exactly while that one is.
    void result_follows(std::string_view field, std::string_view from);
    void refresh_marks();
    // The end of an outermost event: the marks are brought up to date for the window that watches the
    // page; a page no window shows (the engine alone, a replay) brings them up to date when they are read.
    void marks_event_done() {
        if (observer_) refresh_marks();
    }

private:
    void edit_by_user(std::string_view name, std::string text);
    void click_by_user(std::string_view name);
    void pick_by_user(std::string_view name, std::string item);
    // A control with its event handlers: one lookup by name finds both.
    struct Slot;
    struct Source {  // a field a result was computed from, and the revision of its text then
        const Slot* slot;
        unsigned revision;
    };
    struct Slot {
        Control control;
        std::vector<Handler> on_change, on_click;
        // The field value of the text, read once for every procedure that reads it until the text changes.
        mutable double value = 0;
        mutable bool value_read = false;
        // For the marks: the changes of the text counted; for a result, whether a procedure wrote it and
        // what it stood on; for an input, the notes of its typed text.
        unsigned revision = 0;
        bool computed = false, stopped = false, pending = false, listed = false, misread = false, described = false;
        std::vector<Source> sources;
        std::vector<const Slot*> stopped_by;  // the inputs read as 0 when its guard stopped it
        std::string input_note;
        mutable unsigned checked = 0, visited = 0;  // the refresh that last judged it, the last walk
        mutable bool current = true;
        mutable std::string why;
        std::string_view key() const { return control.name; }
    };
    void set_text_of(Slot& s, std::string text);
    void write_text(Slot& s, std::string text, const TypedNote* typed);
    bool note_write(Slot& s, const TypedNote* typed);  // says whether the input's mark changed
    double value_of(const Slot& s) const;
    void set_mark(Slot& s, Mark mark);
    bool judge(const Slot& s) const;
    void misread_sources(const Slot& s, std::string& notes) const;

    Slot& slot(std::string_view name);
    const Slot& slot(std::string_view name) const;
    Control& mutable_control(std::string_view name) { return slot(name).control; }
    void changed(const Control& c);
    void raise(const std::vector<Handler>& handlers, std::string_view name);
    void select_in_group(Control& c);

    Application& app_;
    std::string name_;
    std::string window_title_;
    std::deque<Slot> slots_;  // in design order; a deque keeps every slot where it is as more are added
    NameIndex<Slot> by_name_;
    std::vector<std::string> order_;
    std::vector<std::pair<std::string, Handler>> procedures_;
    std::string focused_;
    std::string close_button_;
    Observer* observer_ = nullptr;
    bool page_shown_ = false;
    mutable std::vector<Source> reads_;  // what the running procedure has read
    std::vector<Slot*> results_;         // the fields a procedure has written
    bool marks_stale_ = false;
    int misread_inputs_ = 0;
    mutable unsigned refreshes_ = 0, walks_ = 0;
    friend class Application;
};

}  // namespace cf
