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
// - Tab goes through the input fields in reading order (frame by frame, top to bottom, left to right),
//   then the buttons; result fields are read-only, copyable and skipped by Tab;
// - a field carries the mark the page model gives it (ui/qt/field_marks.h).

#include <QWidget>
#include <functional>
#include <map>
#include <string>

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
    // What closing the window with its title bar does (hide the page, or end the program).
    void set_close_action(std::function<void()> action) { close_action_ = std::move(action); }

    // The exact text of a control as its widget holds it (a label's caption, not the lines drawn).
    static QString control_text(const QWidget* widget);

    // Sizes the window to its content, as far as the screen allows; done whenever what is shown changes.
    void fit_to_screen();
    // Scrolls the content so that a control's widget is in view.
    void ensure_visible(QWidget* widget);
    QScrollArea* scroll_area() const { return scroll_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

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
    void report(const std::function<void(Page&)>& action);

    Page* page_;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    bool fit_pending_ = false;
    std::map<std::string, QWidget*> widgets_;
    std::function<void()> close_action_;
};

}  // namespace cf::qt
