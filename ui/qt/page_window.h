#pragma once
// One window for one page of the model: a widget per control, named after it, kept in step with the
// model both ways. Model changes are pushed to the widgets (compared before written, signals blocked
// while pushing); what the user does in a widget is reported to the model, which runs the handlers.
// The binding knows control kinds, not pages.

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "ui/page.h"

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void control_changed(const Page& page, const Control& control) override;
    void focus_requested(const Page& page, const Control& control) override;

    QWidget* make_widget(const Control& c, QWidget* parent);
    void connect_user_events(const Control& c, QWidget* w);
    void sync(const Control& c);
    // Runs what the user did against the model, unless the page has gone meanwhile.
    void report(const std::function<void(Page&)>& action);

    Page* page_;
    std::map<std::string, QWidget*> widgets_;
    std::function<void()> close_action_;
};

}  // namespace cf::qt
