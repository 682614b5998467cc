#include "ui/qt/qt_binding.h"

#include <QApplication>
#include <QScreen>

#include "ui/qt/vector_state.h"

namespace cf::qt {

QtBinding::QtBinding(Application& app, std::string home_page) : app_(app), home_page_(std::move(home_page)) {
    clear_vector_state();  // what creating the QApplication left in the vector registers
    app_.set_observer(this);
}

QtBinding::~QtBinding() {
    app_.set_observer(nullptr);
    for (auto& [name, w] : windows_) {
        w->detach();
        delete w;
    }
}

PageWindow* QtBinding::window(std::string_view page) const {
    auto it = windows_.find(page);
    return it == windows_.end() ? nullptr : it->second;
}

void QtBinding::page_created(Page& page) {
    auto* w = new PageWindow(page);
    const std::string name = page.name();
    if (name == home_page_)
        w->set_close_action([] { QApplication::quit(); });
    else
        w->set_close_action([this, name] { close_page(name); });
    windows_[name] = w;
    if (window_hook_) window_hook_(*w);
}

void QtBinding::set_window_hook(std::function<void(PageWindow&)> hook) {
    window_hook_ = std::move(hook);
    if (window_hook_)
        for (auto& [name, w] : windows_) window_hook_(*w);
}

void QtBinding::close_page(const std::string& page) {
    PageWindow* w = window(page);
    if (w) w->report_close();
}

void QtBinding::page_shown(Page& page) {
    PageWindow* w = window(page.name());
    if (!w) return;
    PageWindow* home = window(home_page_);
    if (!w->isVisible()) {
        if (home && home != w && home->isVisible())
            w->place_beside(home);
        else
            w->fit_to_screen();
        // The home page starts at the top left of its screen, leaving the room beside it to the pages.
        if (w == home && !started_ && w->screen()) w->move(w->screen()->availableGeometry().topLeft());
        started_ = started_ || w == home;
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void QtBinding::page_hidden(Page& page) {
    if (PageWindow* w = window(page.name())) w->hide();
}

void QtBinding::page_unloading(Page& page) {
    auto it = windows_.find(page.name());
    if (it == windows_.end()) return;
    PageWindow* w = it->second;
    windows_.erase(it);
    w->detach();
    w->hide();
    // The window may be delivering the click that unloads it.
    w->deleteLater();
}

}  // namespace cf::qt
