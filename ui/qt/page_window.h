#pragma once
// One window for one page of the model: a widget per control, named after it, kept in step with the
// model both ways. Model changes are pushed to the widgets (compared before written, signals blocked
// while pushing); what the user does in a widget is reported to the model, which runs the handlers.
// The binding knows control kinds, not pages.
//
// A window a user can work in:
// - its content sits in a scroll area and the window is fitted to it each time what is shown changes,
//   never larger than the screen: a page that fits does not scroll, a larger one does;
// - frames drawn over the same area are as wide as the widest of them, so columns do not jump;
// - the keyboard alone works it (ui/qt/keyboard.h); result fields are read-only and copyable;
// - a field carries the mark the page model gives it (ui/qt/field_marks.h).

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/page.h"

class QScrollArea;

namespace cf::qt {

class PageWindow : public QWidget, private Page::Observer {
public:
    explicit PageWindow(Page& page);
    ~PageWindow() override;

    Page* page() const { return page_; }
    QWidget* widget(const std::string& control) const;
    // The page was unloaded: the window no longer speaks to it and will be deleted.
    void detach();
    // What closing the window with its title bar does (the page's own close, or the end of the program).
    void set_close_action(std::function<void()> action) { close_action_ = std::move(action); }
    // Asked before the window closes, and before a click on a button reaches the page: false stops it
    // (a question about unsaved work answered "Annuler").
    void set_close_guard(std::function<bool()> guard) { close_guard_ = std::move(guard); }
    void set_click_guard(std::function<bool(const std::string& button)> guard) { click_guard_ = std::move(guard); }
    // The page's own close, reported to it as the user's.
    void report_close() {
        report([](Page& p) { p.user_close(); }, true);
    }

    // The exact text of a control as its widget holds it (a label's caption, not the lines drawn).
    static QString control_text(const QWidget* widget);

    // Sizes the window to its content, as far as the screen allows; done whenever what is shown changes
    // (ui/qt/window_fit.cpp). While the user types it only grows; it shrinks back when a choice closes
    // a frame or the page is shown anew, never below the size the user gave it.
    void fit_to_screen();
    // Puts the window beside another one (the home page's), fully on that window's screen.
    void place_beside(const QWidget* other);
    // Scrolls the content so that a control's widget is in view.
    void ensure_visible(QWidget* widget);
    QScrollArea* scroll_area() const { return scroll_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void control_changed(const Page& page, const Control& control) override;
    void focus_requested(const Page& page, const Control& control) override;

    QWidget* make_widget(const Control& c, QWidget* parent);
    void connect_user_events(const Control& c, QWidget* w);
    void sync(const Control& c);
    void set_tab_order(const Page& page);
    void align_shared_cells(const Page& page);
    void schedule_fit();
    // Runs what the user did against the model, unless the page has gone meanwhile.
    // A choice (a button or an option clicked) that opens a frame of inputs moves the focus into it.
    void report(const std::function<void(Page&)>& action, bool choice = false);

    Page* page_;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    bool fit_pending_ = false;
    bool framed_ = false;  // painted since it was last shown: its frame is the window manager's
    std::map<std::string, QWidget*> widgets_;
    std::vector<QWidget*> tab_chain_;   // the keyboard order
    bool choosing_ = false;             // a choice is being reported
    static inline bool typing_ = false; // an edit is being reported, in whichever window
    bool focus_said_ = false;           // the page gave the focus while it was
    std::vector<QWidget*> opened_;      // the frames it showed
    bool may_shrink_ = true;            // it closed a frame: the window may shrink to its content
    QSize fitted_;                      // the size the window last gave itself
    QSize users_;                       // the size the user gave it
    std::function<void()> close_action_;
    std::function<bool()> close_guard_;
    std::function<bool(const std::string&)> click_guard_;
};

}  // namespace cf::qt
