#include "parts/fluid_data_frame.h"

#include "core/fluid_catalogue.h"

#include <utility>

#include "ui/marks.h"

namespace cf::fluid_data_frame {

namespace {

constexpr const char* frame = "Frame_données";
constexpr const char* use_values = "Command_utiliser_ces_valeurs";

// The combo names do not follow their contents: Combo_chx_gaz holds the liquids and
// Combo_choix_liquide the gases.
struct ListCombo {
    const char* combo;
    FluidList list;
};
constexpr ListCombo list_combos[] = {
    {"Combo_chx_gaz", FluidList::liquids},
    {"Combo_choix_liquide", FluidList::gases},
    {"Combo_vap_saturée", FluidList::saturated_steam},
};

// A picked entry shows its density, then its dynamic viscosity, then its kinematic viscosity; a text
// that matches no entry of the combo's own list shows nothing new.
void show_entry(Page& p, const ListCombo& lc) {
    const auto entry = lookup(lc.list, p.text(lc.combo));
    if (!entry) return;
    p.set_text("Combo_masse_volumique", std::string(entry->density));
    p.set_text("Combo_viscosité_dynamique", std::string(entry->dynamic_viscosity));
    p.set_text("Combo_viscosité_cinématique", std::string(entry->kinematic_viscosity));
    p.enable({use_values});
}

// The values looked up copied into the host's inputs shown, each as if typed.
void use_the_values(Page& p, const Host& host) {
    const std::pair<const char*, const std::vector<std::string>*> copies[] = {
        {"Combo_masse_volumique", &host.density_inputs},
        {"Combo_viscosité_cinématique", &host.kinematic_viscosity_inputs},
        {"Combo_viscosité_dynamique", &host.dynamic_viscosity_inputs},
    };
    for (const auto& [shown, inputs] : copies) {
        const std::string value = p.text(shown);
        if (!holds_a_number(value)) continue;
        for (const std::string& input : *inputs)
            if (p.shown(input)) p.user_edit(input, value);
    }
}

// Puts a control in the same cell as `first`, drawn over it: only the visible one is seen. It must be
// the last of its row, since the row's next cell has moved on.
void same_cell(Added added, const Added& first) {
    const Placement& cell = first.control().place;
    added.at(cell.row, cell.column).span(cell.column_span);
}

}  // namespace

void reset(Page& p) {
    p.hide({"Combo_chx_gaz", "Labe_chx_liquide", "Combo_choix_liquide", "Label_chx_gaz", "Combo_vap_saturée",
            "Label_vapeur_saturée", "Label_pression_des_gaz"});
    p.show({"Command_chx_gaz", "Command_chx_vap_saturée", "Command_chx_liquide", "Label_chx_fluide"});
    p.set_text("Combo_masse_volumique", "Kg/m3");
    p.set_text("Combo_viscosité_dynamique", "Pa.s");
    p.set_text("Combo_viscosité_cinématique", "m²/s");
    // The reset texts of the two first lists are in lower case, unlike their initial texts.
    p.set_text("Combo_chx_gaz", "Choix liquide");
    p.set_text("Combo_choix_liquide", "Choix gaz");
    p.set_text("Combo_vap_saturée", "Choix vapeur saturée");
    p.disable({use_values});
}

Added add(PageBuilder& b, const std::string& container, Host host) {
    b.in(container);
    Added the_frame = b.frame(frame).hidden();

    b.in(frame);
    b.row(); b.label("Label_chx_fluide", "Choix du fluide").look(Look::heading).span(5);
    b.row(); b.button("Command_chx_liquide", "Liquide").span(2);
             b.button("Command_chx_gaz", "Gaz");
             b.button("Command_chx_vap_saturée", "Vapeur saturée").span(2);
    // One list at a time is shown, with its heading(s); the three share one place.
    b.row(); Added heading = b.label("Labe_chx_liquide", "Liquide").look(Look::heading).hidden().span(5);
             same_cell(b.label("Label_chx_gaz", "Gaz").look(Look::heading).hidden(), heading);
             same_cell(b.label("Label_vapeur_saturée", "Vapeur saturée").look(Look::heading).hidden(), heading);
    b.row(); b.label("Label_pression_des_gaz", "Pression : 1013 mbar").hidden().span(5);
    b.row(); Added list = b.combo("Combo_chx_gaz", "Choix Liquide", fluid_entry_texts(FluidList::liquids))
                              .hidden().span(5);
             same_cell(b.combo("Combo_choix_liquide", "Choix Gaz", fluid_entry_texts(FluidList::gases)).hidden(), list);
             same_cell(b.combo("Combo_vap_saturée", "Choix vapeur saturée",
                               fluid_entry_texts(FluidList::saturated_steam)).hidden(), list);
    // The display fields: combo lists with no items. A unit 10⁻⁶ is drawn as "10" with a raised "-6".
    b.row(); b.label("Labe_résultat_masse_volumique", "Masse volumique en Kg/m3").span(2);
             b.combo("Combo_masse_volumique", "Kg/m3").look(Look::result);
    b.row(); b.label("Label9", "Viscosité dynamique").span(2);
             b.combo("Combo_viscosité_dynamique", "Pa.s").look(Look::result);
             micro_unit(b, "Label_10", "10     Pa.s", "Label_6");
    b.row(); b.label("Label_visco_cinématique", "Viscosité Cinématique").span(2);
             b.combo("Combo_viscosité_cinématique", "m²/s").look(Look::result);
             micro_unit(b, "Label10", "10     m²/s", "Label11");
    b.row(); b.button(use_values, "Utiliser ces valeurs").disabled().span(5);
    b.row(); b.button("Command_retour4", "Initialisation").span(2);
             b.button("Command_sortie", "Retour");
             b.button("Command_retour5", "Retour").span(2);
    b.in(container);

    Page& p = b.page();
    p.on_click("Command_chx_liquide", [](Page& page) {
        page.show({"Combo_chx_gaz", "Labe_chx_liquide"});
        page.hide({"Command_chx_gaz", "Command_chx_vap_saturée", "Command_chx_liquide", "Label_chx_fluide",
                   "Label_pression_des_gaz"});
    });
    p.on_click("Command_chx_gaz", [](Page& page) {
        page.show({"Combo_choix_liquide", "Label_chx_gaz", "Label_pression_des_gaz"});
        page.hide({"Command_chx_gaz", "Command_chx_vap_saturée", "Command_chx_liquide", "Label_chx_fluide"});
    });
    p.on_click("Command_chx_vap_saturée", [](Page& page) {
        page.show({"Combo_vap_saturée", "Label_vapeur_saturée"});
        page.hide({"Command_chx_gaz", "Command_chx_vap_saturée", "Command_chx_liquide", "Label_chx_fluide",
                   "Label_pression_des_gaz"});
    });
    p.on_click("Command_retour4", reset);
    p.on_click("Command_sortie", [on_leave = host.on_leave](Page& page) {
        page.hide({frame});
        if (on_leave) on_leave(page);
        reset(page);
    });
    p.on_click(use_values, [host](Page& page) { use_the_values(page, host); });
    p.on_click("Command_retour5", [on_second_return = host.on_second_return](Page& page) {
        if (on_second_return) on_second_return(page);
    });
    for (const ListCombo& lc : list_combos) {
        p.on_click(lc.combo, [&lc](Page& page) { show_entry(page, lc); });
        p.set_looked_up(lc.combo);  // a typed text that names no entry is marked
    }
    return the_frame;
}

}  // namespace cf::fluid_data_frame
