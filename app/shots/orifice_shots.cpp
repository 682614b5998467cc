#include <utility>

#include "app/shots/shots.h"
#include "shell/page_names.h"

namespace cf::shots {

namespace {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

constexpr const char* od = pages::orifice_plate;

// The page opened, a liquid with corner taps, the calculation chosen and the inputs typed.
void calculation(scenario::GuiDriver& d, const char* option, Texts inputs) {
    d.click(pages::home, "Command_feuille_calcul_od");
    d.click(od, "Command_liquide");
    d.click(od, "Option_dans_les_angles");
    d.click(od, option);
    for (const auto& [field, text] : inputs) d.type(od, field, text);
}

void mass_flow(scenario::GuiDriver& d) {
    calculation(d, "Option_qm",
                {{"Text_diamétre_intérieur_canalisation", "100"}, {"Text_diamétre_plaque_à_orifice", "50"},
                 {"Text_masse_volumique_condition_de_service", "1000"}, {"Text_delta_p", "100"},
                 {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}});
}

// The same under ISO 5167-2:2003.
void mass_flow_2003(scenario::GuiDriver& d) {
    mass_flow(d);
    d.click(od, "Option_norme_2003");
}

// The expansion factor calculator opened and filled: 100 mbar, 2 bar, κ 1.4, d 50, D 100.
void expansion_factor(scenario::GuiDriver& d) {
    d.click(od, "Command_coefficient_de_détente");
    d.click(od, "Command_calcul_E");
    const std::pair<const char*, const char*> inputs[] = {{"Text__deltap_pour_E", "100"},
                                                          {"Text_pression_amont", "2"},
                                                          {"Text_K", "1.4"},
                                                          {"Text_diam_plaque", "50"},
                                                          {"Text__diam_cana", "100"}};
    for (const auto& [field, text] : inputs) d.type(od, field, text);
}

// A gas through a plate of β 0.8 at a low Reynolds number, under 2003: out of the range of use.
void out_of_range_2003(scenario::GuiDriver& d) {
    d.click(pages::home, "Command_feuille_calcul_od");
    d.click(od, "Command_gaz");
    d.click(od, "Option_dans_les_angles");
    d.click(od, "Option_qm");
    d.click(od, "Option_norme_2003");
    const std::pair<const char*, const char*> inputs[] = {
        {"Text_diamétre_intérieur_canalisation", "100"}, {"Text_diamétre_plaque_à_orifice", "80"},
        {"Text_masse_volumique_condition_de_service", "5"}, {"Text_delta_p", "100"},
        {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1000"}};
    for (const auto& [field, text] : inputs) d.type(od, field, text);
}

}  // namespace

std::vector<Shot> orifice_shots() {
    namespace p = pages;
    return {
        {"orifice-plate", od, [](auto& d) { d.click(p::home, "Command_feuille_calcul_od"); }},
        {"orifice-plate-qm", od, mass_flow},
        {"orifice-plate-delta-p", od,
         [](auto& d) {
             calculation(d, "Option_deltap",
                         {{"Text_diamétre_intérieur_canalisation", "100"}, {"Text_diamétre_plaque_à_orifice", "50"},
                          {"Text_masse_volumique_condition_de_service", "1000"}, {"Text_débit_massique", "19785"},
                          {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}});
         }},
        {"orifice-plate-bore", od,
         [](auto& d) {
             calculation(d, "Option_d",
                         {{"Text_diamétre_intérieur_canalisation", "100"},
                          {"Text_masse_volumique_condition_de_service", "1000"}, {"Text_débit_massique", "19785"},
                          {"Text_delta_p", "100"}, {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}});
         }},
        {"orifice-plate-qm-2003", od, mass_flow_2003},
        {"orifice-plate-out-of-range-2003", od, out_of_range_2003},
        {"orifice-expansion-note", od,
         [](auto& d) {
             mass_flow(d);
             d.click(od, "Command_coefficient_de_détente");
         }},
        {"orifice-expansion-factor", od,
         [](auto& d) {
             mass_flow(d);
             expansion_factor(d);
         }},
        {"orifice-expansion-factor-2003", od,
         [](auto& d) {
             mass_flow_2003(d);
             expansion_factor(d);
         }},
        {"orifice-fluid-data", od,
         [](auto& d) {
             mass_flow(d);
             d.click(od, "Command_aide");
             d.click(od, "Command_chx_liquide");
             d.pick(od, "Combo_chx_gaz", "Eau ( à 50°C )");
         }},
        {"orifice-reminders", od,
         [](auto& d) {
             mass_flow(d);
             d.click(od, "Command_rappels");
         }},
        {"orifice-limits", od,
         [](auto& d) {
             mass_flow(d);
             d.click(od, "Command_limite_d_emploi");
         }},
        {"orifice-limits-2003", od,
         [](auto& d) {
             mass_flow_2003(d);
             d.click(od, "Command_limite_d_emploi");
         }},
    };
}

}  // namespace cf::shots
