#pragma once
// Drives the page model alone, without any window.

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

private:
    Application app_;
};

}  // namespace cf::scenario
