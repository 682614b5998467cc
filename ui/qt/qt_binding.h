#pragma once
// Turns every page of an application into a window: created with the page, shown, hidden and deleted
// with it. A page shown opens beside the home page, or comes to the front if it is open already.
// Closing a page's window does what the page's button for leaving it does (close_page); closing the home
// page's window ends the program.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/application.h"
#include "ui/qt/page_window.h"

namespace cf::qt {

class QtBinding : private Application::Observer {
public:
    // home_page: the page whose window, when closed, quits the Qt application.
    QtBinding(Application& app, std::string home_page);
    ~QtBinding() override;
    QtBinding(const QtBinding&) = delete;
    QtBinding& operator=(const QtBinding&) = delete;

    // The window of a loaded page, or nullptr.
    PageWindow* window(std::string_view page) const;
    // Called with every window as it is made (and with those made already): menus and guards go on it.
    void set_window_hook(std::function<void(PageWindow&)> hook);
    // The user closes a page's window: the page does what its "Retour à la page d'accueil" does (Page::
    // user_close), which hides or unloads it; the window closes with it.
    void close_page(const std::string& page);

private:
    void page_created(Page& page) override;
    void page_shown(Page& page) override;
    void page_hidden(Page& page) override;
    void page_unloading(Page& page) override;

    Application& app_;
    std::string home_page_;
    std::map<std::string, PageWindow*, std::less<>> windows_;
    std::function<void(PageWindow&)> window_hook_;
    bool started_ = false;  // the home page has been shown once
};

}  // namespace cf::qt
