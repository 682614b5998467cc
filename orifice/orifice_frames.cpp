#include "orifice/orifice_frames.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "orifice/orifice_procedures.h"
#include "orifice/orifice_procedures_2003.h"
#include "orifice/orifice_status.h"
#include "ui/completeness.h"
#include "ui/marks.h"

namespace cf::orifice_frames {

namespace {

// An opening button shows its frame and hides the other upper frames.
Page::Handler open(const char* frame) {
    return [frame](Page& p) {
        for (const char* other : {initial, reminders, limits, expansion_calculator, fluid_data, expansion_note})
            if (other != std::string_view(frame)) p.set_visible(other, false);
        p.set_visible(frame, true);
    };
}

// A "Retour" or "Calcul" button: one frame hidden, another shown.
Page::Handler swap(const char* hide, const char* show) {
    return [=](Page& p) {
        p.set_visible(hide, false);
        p.set_visible(show, true);
    };
}

// The expansion factor of the standard in force, then what the page does after it.
void expansion_factor(Page& p, const Page::Handler& then) {
    if (orifice::standard_in_force(p) == orifice::Standard::iso2003)
        orifice::OD_calcul_coef_de_détente_2003(p);
    else
        orifice::OD_calcul_coef_de_détente(p);
    then(p);
}

// "Calcul" opens the calculator: its ΔP, d and D start from the calculation frame's values (entered or
// computed, as the calculation chosen shows them) where they hold none.
void open_calculator(Page& p) {
    p.set_visible(expansion_note, false);
    p.set_visible(expansion_calculator, true);
    const struct {
        const char* field;
        const char* input;
        const char* result;
    } starts[] = {{"Text__deltap_pour_E", orifice::dp_in, "Text_DeltaPx"},
                  {"Text_diam_plaque", orifice::d_in, "Text_diametre_od"},
                  {"Text__diam_cana", orifice::D_in, orifice::D_in}};
    for (const auto& start : starts) {
        const std::string& from = p.text(p.visible(start.input) ? start.input : start.result);
        if (!holds_a_number(p.text(start.field)) && holds_a_number(from)) p.set_text(start.field, from);
    }
}

// "Reporter ε": the factor computed carried into the calculation, as if typed there.
void carry_expansion_factor(Page& p) {
    if (holds_a_number(p.text("Text_E"))) p.user_edit(orifice::eps_in, p.text("Text_E"));
}

// The alert of the calculator: two labels with one text in one place, so that it is visible exactly
// while d >= D after a change of either field.
Page::Handler bore_or_pipe_changed(const char* hidden_alert, const char* alert, Page::Handler then) {
    return [=](Page& p) {
        p.hide({hidden_alert});
        p.set_visible(alert, p.value("Text_diam_plaque") >= p.value("Text__diam_cana"));
        expansion_factor(p, then);
    };
}

// The formula of the expansion factor as each standard writes it.
const char* expansion_formula(orifice::Standard s) {
    return s == orifice::Standard::iso1991
               ? "Epsilon = 1- (0,41+ 0,35 . (d/D)^4) . DeltaP/ (K.P)"
               : "Epsilon = 1- (0,351+ 0,256 . (d/D)^4 + 0,93 . (d/D)^8) . (1 - ((P-DeltaP)/P)^(1/K))";
}

std::string expansion_note_text(orifice::Standard s) {
    return lines({"Pour les gaz, le coefficient de détente est égal à :", expansion_formula(s),
                  "Avec : - K = rapport des chaleurs massiques", "- P = pression amont du fluide",
                  "- d = diamétre de la plaque à orifice", "- D = diamétre intérieur de la canalisation",
                  "- DeltaP = différence de pression du à la", "vitesse découlement du fluide."});
}

std::string limits_text(orifice::Standard s) {
    if (s == orifice::Standard::iso1991)
        return lines({"Les diaphragmes des types normalisés ne doivent être utilisés conformément à la présente partie "
                      "de l'ISO 5167 que dans les conditions suivantes :",
                      "- Pour les diaphragmes avec prises de pression dans les angles:", "d >= 12,5mm",
                      "50mm<=D<=1000mm", "0,2 <= Beta <=0.75", "Re>= 5000 pour 0,2<= Beta <= 0,45",
                      "Re>=10000 pour Beta >= 0,45",
                      "- Pour les diaphragmes avec prises de pression à la bride ou à D et D/2:", "d >= 12,5mm",
                      "50mm<=D<=1000mm", "0,2 <= Beta <=0.75", "Re>=1260. Beta².D", "où D est en mm"});
    return lines({"Les diaphragmes des types normalisés ne doivent être utilisés conformément à l'ISO 5167-2:2003 "
                  "que dans les conditions suivantes :",
                  "- Pour les diaphragmes avec prises de pression dans les angles ou à D et D/2:", "d >= 12,5mm",
                  "50mm<=D<=1000mm", "0,1 <= Beta <=0.75", "Re>= 5000 pour 0,1<= Beta <= 0,56",
                  "Re>=16000. Beta² pour Beta > 0,56", "- Pour les diaphragmes avec prises de pression à la bride:",
                  "d >= 12,5mm", "50mm<=D<=1000mm", "0,1 <= Beta <=0.75", "Re>= 5000 et Re>=170. Beta².D",
                  "où D est en mm", "- Pour les gaz : (P-DeltaP)/P >= 0,75"});
}

void expansion_note_contents(PageBuilder& b) {
    b.in(expansion_note);
    b.row(); b.label("Label_gaz", "Cas des Gaz").look(Look::heading);
             b.label("Label_coef_détente", "Cas des liquides").look(Look::heading);
    b.row(); b.label("Label_gazs", expansion_note_text(orifice::Standard::iso1991));
             b.label("Label_liquide", "Pour les liquides, le coefficient de détente est égal à 1.");
    b.row(); b.label("Labe_nb", lines({"NB: Si le coefficient de détente n'est pas calculable pour le moment, il faut "
                                       "faire un premier calcul avec",
                                       "Epsilon=1 et venir calculer un premier coefficient de détente avec les "
                                       "résultats obtenus. Reprendre",
                                       "l'itération jusqu'a obtention de la precision souhaitée."}))
                 .look(Look::note).span(2);
    b.row(); b.button("Command_calcul_E", "Calcul");
             b.button("Command_retour3", "Retour");
}

void expansion_calculator_contents(PageBuilder& b) {
    b.in(expansion_calculator);
    // The heading is drawn twice in the same place.
    b.row(); Added heading = b.label("Label_calcul_E", "Calcul du coefficient de détente:").look(Look::heading).span(4);
             b.label("Label_calcul_E2", "Calcul du coefficient de détente:").look(Look::heading)
                 .at(heading.control().place.row, 0).span(4);
    b.row(); b.label("Label_données_calcul_E", "Données nécessaire au calcul:").span(4);
    // Two columns of inputs, read in the order ΔP, P, κ, then d, D; the result under them.
    b.page().read_by_columns(expansion_calculator);
    const int first = 2;
    auto input = [&](const char* label_name, const char* caption, const char* field, const char* text, int row,
                     int column) {
        b.label(label_name, caption).at(first + row, column);
        b.field(field, text).at(first + row, column + 1);
    };
    input("Label_deltap_pour_E", "DeltaP (mbar) :", "Text__deltap_pour_E", "mbar", 0, 0);
    input("Label_pression_amont", "Pression de travail ( bar absolu) :", "Text_pression_amont", "bar abs", 1, 0);
    input("Label_K", "Rapport des chaleurs massique :", "Text_K", "", 2, 0);
    input("Label_diam_plaque", "Diamétre plaque à orifice (mm):", "Text_diam_plaque", "mm", 0, 2);
    input("Label_diam_cana", "Diamétre intérieur canalisation (mm):", "Text__diam_cana", "mm", 1, 2);
    describe_inputs(b.page(), {{"Text__deltap_pour_E", Quantity::differential_pressure, "ΔP"},
                               {"Text_pression_amont", Quantity::absolute_pressure, "P"},
                               {"Text_K", Quantity::none, "κ"}, {"Text_diam_plaque", Quantity::diameter, "d"},
                               {"Text__diam_cana", Quantity::diameter, "D"}});
    b.label("Label_E", "Coefficient de détente :").at(first + 2, 2);
    b.field("Text_E").look(Look::result).at(first + 2, 3);
    b.label("Label_alerte_4", "Attention : D<d impossible!").look(Look::warning).hidden().at(first + 3, 2).span(2);
    b.label("Label_alerte2", "Attention : D<d impossible!").look(Look::warning).hidden().at(first + 3, 2).span(2);
    b.button("Command_retour6", "Retour").at(first + 3, 0);
    // Under ISO 5167-2:2003 the uncertainty of ε; the formula of the standard in force under it all.
    b.label("Label_incertitude_E", "Incertitude sur le coefficient de détente (%) :").at(first + 4, 2);
    b.field("Text_incertitude_E").look(Look::result).at(first + 4, 3);
    b.label("Label_formule_E", expansion_formula(orifice::Standard::iso1991)).look(Look::note).at(first + 5, 0).span(4);
    b.button("Command_reporter_E", "Reporter ε").at(first + 2, 4);
}

void reminders_contents(PageBuilder& b) {
    b.in(reminders);
    b.row(); b.label("Labe_rappels", "Rappels").look(Look::heading).span(3);
    b.row(); b.label("Label_viscosité", lines({"Relation Viscosité cinématique / dynamique :",
                                               "- Viscosité dynamique (ou absolue) = mu", "unité : Pa.s",
                                               "- Viscosité Cinématique = nu", "unité : m2/s", "- Relation :",
                                               "nu = mu/rho"}));
             b.label("Label_Re", lines({"Nombre de Reynolds :", "Re = ( rho . v . D )/ mu", "ou", "Re = ( v . D) / nu",
                                        "D=diamétre intérieur de la canalisation.", "v=Vitesse du fluide"}));
             b.label("Label6", lines({"Relation débit masse / débit volume:", "Qm = Qv . Rho",
                                      "- Qm = débit masse (Kg/s)", "- Qv = Débit volume (m3/s)",
                                      "- Rho = masse volumique (Kg/m3)"}));
    b.row(); b.label("Label_formule_générale_calcul_débit",
                     lines({"Formule utilisée pour la calcul du débit massique :", "Qm= débit massique (Kg/s)", "C",
                            "= coefficient de décharge", "E=", "coeficient de détente", "d",
                            "= diamétre plaque à orifice", "D  = diamétre intérieur de la canalisation"}));
             b.label("Image4", mass_flow_formula()).look(Look::fixed_width).span(2);
    b.row(); b.button("Command_retour2", "Retour");
}

void limits_contents(PageBuilder& b) {
    b.in(limits);
    b.row(); b.label("Label5", "Limites d'emploi").look(Look::heading).span(2);
    b.row(); b.label("Label_domaine_d_application", "Domaine d'application").look(Look::heading).span(2);
    b.row(); b.label("Label_subsonique", lines({"Les calculs suivants ne sont applicables qu'aux appareils pour lesquels",
                                                "l'écoulement reste subsonique!"}))
                 .look(Look::warning).span(2);
    b.row(); b.label("Label4", limits_text(orifice::Standard::iso1991)).span(2);
    b.row(); b.label("Labe_détail", lines({"D = diamètre intérieur de la conduite d = diamètre plaque à orifice",
                                           "Beta= d/D"}));
             b.button("Command_retour", "Retour");
}

}  // namespace

std::string mass_flow_formula() {
    // Blanks that keep their width: the window draws a run of ordinary blanks as a line break.
    const std::string_view drawn[] = {
        "       C . E     π . d²",
        "Qm = ───────── . ────── . √(2 . ΔP . ρ)",
        "     √(1 − β⁴)     4",
        "",
        "avec β = d / D",
    };
    std::string text;
    for (auto line : drawn) {
        if (!text.empty()) text += '\n';
        for (char c : line) {
            if (c == ' ')
                text += "\u00A0";
            else
                text += c;
        }
    }
    return text;
}

void reset_expansion_calculator(Page& p) {
    p.set_text("Text__deltap_pour_E", "mbar");
    p.set_text("Text_pression_amont", "bar abs");
    p.set_text("Text_K", "");
    p.set_text("Text_diam_plaque", "mm");
    p.set_text("Text__diam_cana", "mm");
    p.set_text("Text_E", "");
    p.set_text("Text_incertitude_E", "");
}

void show_standard(Page& p, orifice::Standard s) {
    p.set_caption("Label_gazs", expansion_note_text(s));
    p.set_caption("Label_formule_E", expansion_formula(s));
    p.set_caption("Label4", limits_text(s));
    if (s == orifice::Standard::iso1991) p.set_text("Text_incertitude_E", "");
}

void recompute_expansion_factor(Page& p) { expansion_factor(p, [](Page&) {}); }

void define(PageBuilder& b, const Page::Handler& after_calculator_change) {
    expansion_note_contents(b);
    expansion_calculator_contents(b);
    reminders_contents(b);
    limits_contents(b);
    b.on_page();

    Page& p = b.page();
    p.on_click("Command_coefficient_de_détente", open(expansion_note));
    p.on_click("Command_aide", open(fluid_data));
    p.on_click("Command_visco_cinématique", open(fluid_data));
    p.on_click("Command_rappels", open(reminders));
    p.on_click("Command_limite_d_emploi", open(limits));

    p.on_click("Command_calcul_E", open_calculator);
    p.on_click("Command_reporter_E", carry_expansion_factor);
    p.on_click("Command_retour3", swap(expansion_note, initial));
    p.on_click("Command_retour6", swap(expansion_calculator, expansion_note));
    p.on_click("Command_retour2", swap(reminders, initial));
    p.on_click("Command_retour", swap(limits, initial));

    const Page::Handler& then = after_calculator_change;
    on_changes(p, {"Text__deltap_pour_E", "Text_K", "Text_pression_amont"},
               [then](Page& page) { expansion_factor(page, then); });
    p.on_change("Text_diam_plaque", bore_or_pipe_changed("Label_alerte2", "Label_alerte_4", then));
    p.on_change("Text__diam_cana", bore_or_pipe_changed("Label_alerte_4", "Label_alerte2", then));
}

}  // namespace cf::orifice_frames
