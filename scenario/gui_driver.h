#pragma once
// Drives the real Qt widgets: clicks are mouse clicks on the widget, typing is key presses into it,
// and every check reads the widget, not the model. Needs a QApplication.

#include <memory>

#include "records/journal.h"
#include "records/qt/prompts.h"
#include "records/qt/records_ui.h"
#include "scenario/scenario.h"
#include "ui/application.h"
#include "ui/qt/qt_binding.h"

namespace cf::scenario {

class GuiDriver : public Driver {
public:
    GuiDriver();  // a fresh run of the program in windows, home page shown
    ~GuiDriver() override;

    std::optional<ControlView> view(const std::string& page, const std::string& control) override;
    PageState page_state(const std::string& page) override;
    void click(const std::string& page, const std::string& control) override;
    void type(const std::string& page, const std::string& control, const std::string& text) override;
    void paste(const std::string& page, const std::string& control, const std::string& text) override;
    void pick(const std::string& page, const std::string& control, const std::string& item) override;

    // The file steps through the menus of the page's window, the file dialogs answered in advance.
    std::string save(const std::string& page, const std::string& path) override;
    std::string open(const std::string& path) override;
    std::string export_sheet(const std::string& page, const std::string& path) override;

    qt::QtBinding& binding() { return *binding_; }
    Application& app() override { return app_; }
    records::qt::RecordsUi& records() { return *records_; }
    records::Journals& journals() { return journals_; }
    records::qt::AnsweringPrompts& prompts() { return prompts_; }
    // Every widget of every window against the control it mirrors: text (frames and decorations have
    // none on screen), visibility, enabled state, selection and items; every loaded page has its window,
    // shown exactly when the page is.
    std::string differences_from_model() override;

private:
    QWidget* widget(const std::string& page, const std::string& control) const;
    QWidget* text_target(const std::string& page, const std::string& control) const;
    // Scrolls the page's window to the control, as a user does before clicking or typing into it.
    void bring_into_view(const std::string& page, QWidget* w) const;

    // Runs a menu action of a page's window with the file it asks for; "" or the message it showed.
    std::string through_menu(const std::string& page, const QString& caption, const std::string& path);

    Application app_;
    records::Journals journals_{app_};
    std::unique_ptr<qt::QtBinding> binding_;
    records::qt::AnsweringPrompts prompts_;
    std::unique_ptr<records::qt::RecordsUi> records_;
};

}  // namespace cf::scenario
