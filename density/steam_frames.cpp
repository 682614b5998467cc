#include "density/steam_frames.h"

#include <array>
#include <string>

#include "core/saturated_steam_table.h"
#include "density/density_procedures.h"
#include "density/density_units.h"
#include "ui/completeness.h"

namespace cf::density_page {

namespace {

// The superheated steam results: the approximate value with the Z and P inputs it reveals, then the
// exact value.
const Names approximate_group = {"lbl_RHO", "txt_RHO", "lbl_RHO_unités", "txt_Z", "lbl_Z", "txt_P",
                                 "lbl_P_unités", "lbl_P", "bt_résultat_RHO_masse_volumique"};
const Names exact_group = {"txt_RHO_exact", "lbl_RHOexact", "lbl_RHOexact_unités",
                           "bt_résultat_RHOexact_masse_volumique"};

// --- Long texts ---
// Stored as the labels hold them: a run of blanks breaks the line in the label's width.

// What saturated and superheated steam are, one line of the label after another.
std::string steam_definitions() {
    const std::array<const char*, 10> lines = {
        "Lorsque l'on injecte de l'eau dans un récipient vide, elle",
        "s'évapore jusqu'à ce que la pression atteigne la pression de",
        "vapeur saturante ; l'eau ajoutée ensuite reste liquide.",
        "Si l'on chauffe le récipient, la pression augmente : pression et",
        "température d'une vapeur en présence de son liquide se",
        "correspondent. Cette vapeur est appelée vapeur saturée ; sans",
        "liquide, c'est de la vapeur surchauffée.",
        "Le chauffage utilise la vapeur saturée ; les cycles moteurs",
        "demandent de la vapeur surchauffée, pour éviter les dégâts",
        "causés par les gouttelettes de liquide.",
    };
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) text += "     ";
        text += line;
    }
    return text;
}

const char* const saturated_steam_note =
    "N.B. : On ne trouve la vapeur saturée que dans des conditions de pressions et de températures bien "
    "déterminées. C'est pour             cela qu'une modification de la pression engendre une modification "
    "de la température et inversement. ";

const char* const saturated_steam_units =
    "    Pression en Bar absolu                 Température en Degré Celsius                "
    "Masse volumique en Kg/m3";

const char* const superheated_steam_units =
    "RHO=RHOs (Kg/m3)                                                   Tsur=Tsat  (°C)";

const char* const superheated_steam_abbreviations =
    "RHOsat=masse volumique            de la vapeur saturée           à la pression de la               "
    "vapeur                      Tsur=Température de la                vapeur surchauffée              "
    "               Tsat=Température de la                vapeur saturée";

// --- Handlers ---

// A pressure picked from the list: the saturation temperature and the density of that state. A text
// that names no state of the table changes nothing.
void pressure_picked(Page& p) {
    p.show({"Combo_choix_température_vapeur_saturée", "txt_masse_volumique_associée20"});
    if (auto state = saturated_steam_at_pressure(p.text("Combo_choix_pression_vapeur_saturée"))) {
        p.set_text("Combo_choix_température_vapeur_saturée", std::string(state->temperature));
        p.set_text("txt_masse_volumique_associée20", std::string(state->density));
    }
}

void temperature_picked(Page& p) {
    p.show({"txt_masse_volumique_associée20"});
    if (auto state = saturated_steam_at_temperature(p.text("Combo_choix_température_vapeur_saturée"))) {
        p.set_text("Combo_choix_pression_vapeur_saturée", std::string(state->pressure));
        p.set_text("txt_masse_volumique_associée20", std::string(state->density));
    }
}

// RHOsat, Tsat or Tsur changed: the approximate value while all three hold some text (no value test),
// which also reveals Z and P; otherwise every superheated result hidden, their texts kept.
void approximate_input_changed(Page& p) {
    if (!show_result_if(p, filled(p, {"txt_RHOs_pour_calcul_vapeur_surchaufée", "txt_Tsur", "txt_Tsat"}),
                        approximate_group, {density::RHOsur}))
        p.hide(exact_group);
}

// Z or P changed: the exact value while Z is not 0 and both hold some text. A change of Tsur alone
// leaves it as it was until Z or P changes.
void exact_input_changed(Page& p) {
    show_result_if(p, not_zero(p, {"txt_Z"}) && filled(p, {"txt_Z", "txt_P"}), exact_group, {density::RHOsur_exact});
}

}  // namespace

void steam_frame_rows(PageBuilder& b) {
    // Saturated steam: a pressure or a temperature from the table, the other and the density shown.
    b.in("fr_vap_sat_avec_p");
    b.row(); b.label("lbl_choix_pression_ou_température_", "Choix de la pression ou de la température ")
                 .look(Look::heading).span(4);
    b.row(); b.label("lbl_pression", "Pression de la vapeur d'eau                (Bar absolu)");
             b.label("lbl_température_associé", "Température de la vapeur d'eau                     ( °C )");
             b.label("lbl_masse_volumique_associée20", "Masse volumique de la vapeur       d'eau correspondante")
                 .span(2);
    b.row(); b.combo("Combo_choix_pression_vapeur_saturée", "Choix de la pression", saturated_steam_pressures());
             b.combo("Combo_choix_température_vapeur_saturée", "Choix de la température",
                     saturated_steam_temperatures());
             b.field("txt_masse_volumique_associée20").look(Look::result);
             b.label("lbl_masse_volumique_associée20_unités", kg_m3).look(Look::unit);
    // The typed text is looked up among the items: one that matches none is marked.
    b.page().set_looked_up("Combo_choix_pression_vapeur_saturée");
    b.page().set_looked_up("Combo_choix_température_vapeur_saturée");
    b.row(); b.label("lbl_nb_vapeur_saturée", saturated_steam_note).span(4);

    // Superheated steam: the approximate value from saturated steam, then the exact value from Z and P;
    // the units and abbreviations beside the inputs.
    b.in("fr_calcul_de_RHO_vapeur_saturée");
    b.row(); b.label("lbl_calcul_de_RHO_vapeur_saturée", "Calcul de la masse volumique de la vapeur surchauffée")
                 .look(Look::heading).span(3);
    input_row(b, "lbl_RHOs_pour_vapeur_surchaufée", "RHOsat :", "txt_RHOs_pour_calcul_vapeur_surchaufée",
              "lbl_RHOs_pour_vapeur_surchaufée_unités", kg_m3);
    input_row(b, "lbl_Tsat", "Tsat :", "txt_Tsat", "lbl_Tsat_unités", celsius);
    input_row(b, "lbl_Tsur", "Tsur :", "txt_Tsur", "lbl_Tsur_unités", celsius);
    result_row(b, "lbl_RHO", "RHOsur. approchée =", "txt_RHO", "lbl_RHO_unités", kg_m3);
    b.row(); b.skip(); b.button("bt_résultat_RHO_masse_volumique", "Résultat").hidden();
    b.row(); b.label("lbl_nb_vapeur_surchauffée", "N.B. : Le calcul donne un résultat à plus ou moins 2% maximun.")
                 .span(5);
    b.row(); b.label("Label2", "La valeur exacte est calcuée grâce au coefficient de compressibilité Z du fluide et à "
                               "la pression (apparition des entrées après le calcul de RHOsur. approché) :")
                 .span(5);
    b.row(); b.label("lbl_Z", "Z :").hidden();
             b.field("txt_Z").hidden();
    b.row(); b.label("lbl_P", "P :").hidden();
             b.field("txt_P").hidden();
             b.label("lbl_P_unités", bar).look(Look::unit).hidden();
    result_row(b, "lbl_RHOexact", "RHOsur =", "txt_RHO_exact", "lbl_RHOexact_unités", kg_m3);
    b.row(); b.skip(); b.button("bt_résultat_RHOexact_masse_volumique", "Résultat").hidden();
    b.frame("fr_unités_calcul_vapeur_surchauffée").at(0, 3).tall(3);
    b.frame("fr_abréviation_vapeur_surchauffée").at(0, 4).tall(6);

    b.in("fr_unités_calcul_vapeur_surchauffée");
    b.row(); b.label("lbl_unités_calcul_vapeur_surchauffée", "Unités").look(Look::heading);
    b.row(); b.label("lbl_unités_calcul_RHO", superheated_steam_units);

    b.in("fr_abréviation_vapeur_surchauffée");
    b.row(); b.label("lbl_abréviation_vapeur_surchauffée", "Abréviations").look(Look::heading);
    b.row(); b.label("Label1", superheated_steam_abbreviations);
}

void steam_definition_rows(PageBuilder& b) {
    b.in("fr_definition_vapeur_saturée");
    b.row(); b.label("lbl_definitions_vapeur_saturée", "Définitions").look(Look::heading);
    b.row(); b.label("lbl_definitions_vapeur_saturée2", steam_definitions());
}

void saturated_steam_unit_rows(PageBuilder& b) {
    b.in("fr_unités_vapeur_saturée");
    b.row(); b.label("lbl_titre_unité_vapeur_saturée", "Unité :").look(Look::heading);
    b.row(); b.label("lbl_unité_vapeur_saturée", saturated_steam_units);
}

void steam_handlers(Page& p) {
    p.on_click("Combo_choix_pression_vapeur_saturée", pressure_picked);
    p.on_click("Combo_choix_température_vapeur_saturée", temperature_picked);
    on_changes(p, {"txt_RHOs_pour_calcul_vapeur_surchaufée", "txt_Tsat", "txt_Tsur"}, approximate_input_changed);
    on_changes(p, {"txt_Z", "txt_P"}, exact_input_changed);
    // The two steam "Résultat" buttons do nothing: the results are already shown live.
}

}  // namespace cf::density_page
