#include "orifice/orifice_choices.h"

#include "orifice/orifice_frames.h"
#include "orifice/orifice_procedures.h"

namespace cf::orifice_choices {

using namespace cf::orifice;
namespace frames = cf::orifice_frames;

void define_choices(PageBuilder& b) {
    b.in(frames::initial);
    // Three columns: the fluid, then the taps, then the calculation, each under its heading.
    b.page().read_by_columns(frames::initial);
    b.label("Label_choix_du_fluide", "Choix du fluide").look(Look::heading).at(0, 0);
    b.button("Command_liquide", "Liquide").at(1, 0);
    b.button("Command_vapeur", "Vapeur saturée").at(2, 0);
    b.button("Command_gaz", "Gaz").at(3, 0);
    b.label("Label_choix_des_prises_de_pressions", "Choix des prises de pressions").look(Look::heading).at(0, 1);
    b.option("Option_dans_les_angles", "Dans les angles (0-0) :").disabled().at(1, 1);
    b.option("Option_a_d_et_demid", "A D et D/2 :").disabled().at(2, 1);
    b.option("Option_a_la_bride", "A la bride (25-25) :").disabled().at(3, 1);
    b.label("Label_on_cherche", "Choix du calcul à effectuer").look(Look::heading).at(0, 2);
    b.option("Option_qm", "Qm").disabled().at(1, 2);
    b.option("Option_deltap", "Delta P").disabled().at(2, 2);
    b.option("Option_d", "Diamétre de l'orifice").disabled().at(3, 2);
    b.label("Label8", "Attention: si lors d'une modification de paramètre, celui-ci est mis à Zéro, le calcul\n"
                      "n'est pas effectué.")
        .look(Look::warning).hidden().at(4, 0).span(3);
    // The calculation mode, never shown.
    b.button("Command_qm", "Qm").hidden().at(5, 0);
    b.button("Command_delta_p", "Delta P").hidden().at(5, 1);
    b.button("Command_diamétre_de_l_orifice", "Diamétre de l'orifice").hidden().at(5, 2);
    // The standard, a fourth column and an option group of its own: offered at every step.
    b.frame("Frame_norme").text("Norme de calcul").at(0, 3).tall(4);
    b.in("Frame_norme");
    b.row(); b.label("Label_norme", "Norme de calcul").look(Look::heading);
    b.row(); b.option("Option_norme_1991", "ISO 5167-1:1991 (Stolz)").selected();
    b.row(); b.option("Option_norme_2003", "ISO 5167-2:2003 (Reader-Harris/Gallagher)");
}

void show_choices(Page& p, const Choices& c) {
    show_choices_in_force(p, c);
    show_status(p, c);
}

Page::Handler choose_fluid(Shared c, Fluid fluid, const char* other, const char* another) {
    return [=](Page& p) {
        p.enable(tap_options);
        p.show(tap_options);
        p.disable({other, another});
        p.show({"Label_choix_des_prises_de_pressions"});
        c->fluid = fluid;
        show_choices(p, *c);
    };
}

Page::Handler choose_steam(Shared c) {
    return [c](Page& p) {
        p.set_selected("Option_a_la_bride", false);
        p.enable(tap_options);
        p.disable({"Command_liquide", "Command_gaz"});
        c->fluid = Fluid::steam;
        show_choices(p, *c);
    };
}

Page::Handler choose_taps(Shared c, Taps taps) {
    return [c, taps](Page& p) {
        switch (taps) {
            case Taps::corner:
                p.enable(six_options);
                p.disable({"Option_a_la_bride", "Option_a_d_et_demid"});
                break;
            case Taps::flange:
                p.enable({"Option_qm", "Option_d", "Option_deltap"});
                p.disable({"Option_dans_les_angles", "Option_a_d_et_demid"});
                break;
            case Taps::d_and_d_half:
                p.enable(calculation_options);
                p.disable({"Option_dans_les_angles", "Option_a_la_bride"});
                break;
        }
        p.show({"Label_on_cherche"});
        p.show(calculation_options);
        if (taps == Taps::corner) {
            p.set_text("Text_L1", "0");
            p.set_text("Text_L2", "0");
        } else if (taps == Taps::flange) {
            p.set_text("Text_L1", "25");
            p.set_text("Text_L2", "25");
        }
        c->taps = taps;
        write_tap_terms(p, taps);
        show_choices(p, *c);
    };
}

namespace {

// What a choice of calculation locks and shows.
struct Shown {
    const char* others[2];       // the two other calculation options
    const char* other_modes[2];  // the two other mode buttons
    Names inputs_shown;
    Names inputs_hidden;
    Names result;
};

const Shown mass_flow_calculation = {
    {"Option_deltap", "Option_d"}, {"Command_diamétre_de_l_orifice", "Command_delta_p"},
    {"Text_delta_p", "Label_delta_p", "Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice"},
    {"Text_débit_massique", "Label_débit_massique"}, {"Text_qm_bis", "Labe_Qmx"}};
const Shown differential_pressure_calculation = {
    {"Option_qm", "Option_d"}, {"Command_qm", "Command_diamétre_de_l_orifice"},
    {"Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice", "Text_débit_massique", "Label_débit_massique"},
    {"Text_delta_p", "Label_delta_p"}, {"Text_DeltaPx", "Label_DeltaPx"}};
const Shown bore_calculation = {
    {"Option_qm", "Option_deltap"}, {"Command_qm", "Command_delta_p"},
    {"Text_delta_p", "Label_delta_p", "Text_débit_massique", "Label_débit_massique"},
    {"Text_diamétre_plaque_à_orifice", "Label_diamétre_plaque_a_orifice"}, {"Text_diametre_od", "Label_diametre_od"}};

const Shown& shown_by(Calculation calculation) {
    switch (calculation) {
        case Calculation::mass_flow: return mass_flow_calculation;
        case Calculation::differential_pressure: return differential_pressure_calculation;
        case Calculation::bore: break;
    }
    return bore_calculation;
}

}  // namespace

Page::Handler choose_calculation(Shared c, Calculation calculation) {
    return [c, &calc = shown_by(calculation)](Page& p) {
        p.show(navigation_buttons);
        p.show({"Label8", "Frame_données_et_calcul"});
        p.disable({calc.others[0], calc.others[1]});
        p.disable({calc.other_modes[0], calc.other_modes[1]});
        p.show(calc.inputs_shown);
        p.hide(calc.inputs_hidden);
        p.show(calc.result);
        show_choices(p, *c);
    };
}

}  // namespace cf::orifice_choices
