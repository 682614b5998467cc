#include "program/program.h"

#include <string>

#include "density/density_page.h"
#include "flowcorrection/correction_pages.h"
#include "orifice/orifice_page.h"
#include "pipeflow/pipe_flow_page.h"
#include "shell/page_names.h"

namespace cf {

namespace {

void define_home(Page& page);

}  // namespace

const std::vector<RegisteredPage>& page_registry() {
    static const std::vector<RegisteredPage> registry = {
        // page                   definition                          opened from the home page by
        //                          "Initialisation", "Retour à la page d'accueil"
        {pages::home,               define_home},
        {pages::pipe_flow,          pipe_flow_page::define,
         "bt_départ_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds", {},
         "bt_initialisation", "Command1"},
        {pages::correction_qvc_qvs, correction_pages::define_qvc_qvs, nullptr, nullptr,
         {{"Qvc", "Label3", "Conditions de calculs"}, {"Qvs", "Label6", "Conditions de services"}},
         "initialisation", "Command1"},
        {pages::correction_qvn_qm,  correction_pages::define_qvn_qm, nullptr, nullptr,
         {{"Qvn", "Label7", "Conditions normales"}, {"Qm", "Label8", "Débit massique"}},
         "initialisation", "Command1"},
        {pages::density,            density_page::define,
         "bt_dvs_calculs_de_masses_volumiques", "Calculs des masses volumiques de gaz et vapeurs", {},
         "bt_initialisation", "Command2"},
        {pages::orifice_plate,      orifice_page::define,
         "Command_feuille_calcul_od", "Calculs Plaque à Orifice", {},
         "Init2", "Command_retour_page_d_acceuil"},
    };
    return registry;
}

const RegisteredPage* registered(std::string_view page) {
    for (const RegisteredPage& row : page_registry())
        if (row.name == page) return &row;
    return nullptr;
}

namespace {

// The home page's openings, made once from the registry and kept for the whole program.
const std::vector<home_page::Opening>& home_openings() {
    static const std::vector<home_page::Opening> openings = [] {
        std::vector<home_page::Opening> made;
        for (const RegisteredPage& page : page_registry())
            if (page.home_button || !page.home_flows.empty())
                made.push_back({page.name, page.home_button, page.home_caption, page.home_flows});
        return made;
    }();
    return openings;
}

void define_home(Page& page) { home_page::define(page, home_openings()); }

}  // namespace

void start_calcfluides(Application& app) {
    for (const RegisteredPage& page : page_registry()) app.define_page(std::string(page.name), page.define);
    app.show(pages::home);
}

}  // namespace cf
