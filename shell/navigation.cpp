#include "shell/navigation.h"

#include <string>
#include <utility>

#include "shell/home_page.h"
#include "shell/page_names.h"
#include "ui/application.h"

namespace cf::navigation {

namespace {

enum class Close { unload, hide, keep };

// A calculation page's navigation row. Its "Retour à la page d'accueil" enables the flow buttons again
// or not, and hides or keeps the pages it names; every other calculation page is unloaded. The home
// page is never unloaded: it lives for the whole run. A page without a row re-enables the flow buttons
// and unloads every calculation page.
struct NavigationRow {
    std::string_view page;
    bool reenable_flow_buttons;
    std::initializer_list<std::pair<std::string_view, Close>> pages_kept;
    // The options of the page cleared each time its flow is chosen on the home page.
    std::initializer_list<std::string_view> cleared_when_chosen = {};
};

//  page left                 flow buttons   pages hidden or kept (the others unloaded)
const NavigationRow navigation_rows[] = {
    {pages::density, true,
     {{pages::density, Close::hide}, {pages::correction_qvc_qvs, Close::hide}, {pages::correction_qvn_qm, Close::keep}}},
    {pages::pipe_flow, false, {{pages::correction_qvn_qm, Close::keep}}},
    {pages::orifice_plate, true, {{pages::correction_qvn_qm, Close::keep}}},
    {pages::correction_qvc_qvs, true,
     {{pages::density, Close::hide}, {pages::correction_qvc_qvs, Close::hide}, {pages::correction_qvn_qm, Close::keep}}},
    {pages::correction_qvn_qm, true,
     {{pages::density, Close::hide}, {pages::correction_qvc_qvs, Close::keep}, {pages::correction_qvn_qm, Close::hide}},
     {"Chx2"}},  // "Ps égal Pc et Ts égal Tc"
};

const NavigationRow default_row = {"", true, {}};

const NavigationRow& row_of(std::string_view page) {
    for (const auto& row : navigation_rows)
        if (row.page == page) return row;
    return default_row;
}

Close what_becomes_of(const NavigationRow& row, std::string_view page) {
    for (const auto& [kept, close] : row.pages_kept)
        if (kept == page) return close;
    return Close::unload;
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
    const NavigationRow& row = row_of(from.name());
    Application& app = from.app();
    Page& home = app.page(pages::home);
    if (row.reenable_flow_buttons) home_page::enable_flow_choices(home);
    home_page::close_flow_choice(home);
    from.hide(own_calculator_buttons);
    app.show(pages::home);
    for (const std::string& page : app.page_names()) {
        if (page == pages::home) continue;
        switch (what_becomes_of(row, page)) {
            case Close::unload: app.unload(page); break;
            case Close::hide: app.hide(page); break;
            case Close::keep: break;
        }
    }
}

bool return_home_discards(std::string_view from, std::string_view page) {
    return page == from || (page != pages::home && what_becomes_of(row_of(from), page) == Close::unload);
}

bool flow_enabled_on_home(const Page& from, std::string_view flow_button) {
    return from.app().page(pages::home).enabled(flow_button);
}

void flow_chosen(Page& home, std::string_view correction_page) {
    const NavigationRow& row = row_of(correction_page);
    if (row.cleared_when_chosen.size() == 0) return;
    Page& page = home.app().page(correction_page);
    for (auto option : row.cleared_when_chosen) page.set_selected(option, false);
}

void orifice_viscosity_changed(Page& orifice_page) {
    orifice_page.app().page(pages::pipe_flow).run_procedure("Reynolds_avec_nu");
}

}  // namespace cf::navigation
