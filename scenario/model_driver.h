#pragma once
// Drives the page model alone, without any window.

#include "records/journal.h"
#include "records/record_files.h"
#include "scenario/scenario.h"
#include "ui/application.h"

namespace cf::scenario {

class ModelDriver : public Driver {
public:
    ModelDriver();  // a fresh run of the program, home page shown
    Application& app() override { return app_; }

    std::optional<ControlView> view(const std::string& page, const std::string& control) override;
    PageState page_state(const std::string& page) override;
    void click(const std::string& page, const std::string& control) override;
    void type(const std::string& page, const std::string& control, const std::string& text) override;
    void paste(const std::string& page, const std::string& control, const std::string& text) override;
    void pick(const std::string& page, const std::string& control, const std::string& item) override;

    // The file steps, through the program's calculation files, when it is given them.
    void set_files(records::Files* files) { files_ = files; }
    records::Journals& journals() { return journals_; }
    std::string save(const std::string& page, const std::string& path) override;
    std::string open(const std::string& path) override;
    std::string export_sheet(const std::string& page, const std::string& path) override;

private:
    Application app_;
    records::Journals journals_{app_};
    records::Files* files_ = nullptr;
};

}  // namespace cf::scenario
