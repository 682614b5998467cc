#include "shell/navigation.h"

#include <array>
#include <stdexcept>
#include <string>

#include "shell/home_page.h"
#include "shell/page_names.h"
#include "ui/application.h"

namespace cf::navigation {

namespace {

enum class Close { unload, hide, keep };

struct ClosingRule {
    const char* page_left;
    bool reenable_flow_buttons;
    // What becomes of each calculation page, in the order of the columns below.
    std::array<Close, 5> pages;
};

constexpr std::array<const char*, 5> closing_columns = {
    pages::pipe_flow, pages::orifice_plate, pages::density, pages::correction_qvc_qvs, pages::correction_qvn_qm};

//                                          flow    DVS            od             RHO            Qvc/Qvs        Qvn/Qm
constexpr std::array<ClosingRule, 5> closing_rules = {{
    {pages::density,            true,  {Close::unload, Close::unload, Close::hide,   Close::hide,   Close::keep}},
    {pages::pipe_flow,          false, {Close::unload, Close::unload, Close::unload, Close::unload, Close::keep}},
    {pages::orifice_plate,      true,  {Close::unload, Close::unload, Close::unload, Close::unload, Close::keep}},
    {pages::correction_qvc_qvs, true,  {Close::unload, Close::unload, Close::hide,   Close::hide,   Close::keep}},
    {pages::correction_qvn_qm,  true,  {Close::unload, Close::unload, Close::hide,   Close::keep,   Close::hide}},
}};

const ClosingRule& rule_for(const Page& from) {
    for (const auto& rule : closing_rules)
        if (from.name() == rule.page_left) return rule;
    throw std::logic_error("no return rule for page " + from.name());
}

}  // namespace

void open_calculator(Page& from, std::string_view page) { from.app().show(page); }

void open_flow_correction(Page& from) {
    Application& app = from.app();
    Page& home = app.page(pages::home);
    home_page::enable_flow_choices(home);
    app.show(pages::home);
    home_page::open_flow_choice(home);
}

void return_home(Page& from, std::initializer_list<std::string_view> own_calculator_buttons) {
    const ClosingRule& rule = rule_for(from);
    Application& app = from.app();
    Page& home = app.page(pages::home);
    if (rule.reenable_flow_buttons) home_page::enable_flow_choices(home);
    home_page::close_flow_choice(home);
    from.hide(own_calculator_buttons);
    app.show(pages::home);
    for (std::size_t i = 0; i < closing_columns.size(); ++i) {
        switch (rule.pages[i]) {
            case Close::unload: app.unload(closing_columns[i]); break;
            case Close::hide: app.hide(closing_columns[i]); break;
            case Close::keep: break;
        }
    }
}

}  // namespace cf::navigation
