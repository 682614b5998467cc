#include "flowcorrection/correction_page_skeleton.h"

#include <string>

#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/marks.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace cf::correction_pages {

namespace {

using parts::frame_columns;

const Names navigation_names = {"bt_OD_calcul_DVS", "bt_OD_calcul_de_débits_gaz", "Command2"};

// --- Layout ---

// The help frame Frame22: abbreviations, then units.
void help_frame(PageBuilder& b, bool with_compressibility_line) {
    b.in("Frame22");
    b.row(); b.label("Abréviations", "Abréviations").look(Look::heading);
    std::string abbreviations = lines({
        "Qvs= Débit volumique aux conditions de services",
        "Qvn=Débit volumique aux conditions normales",
        "Qvc=Débit volumique aux conditions de calculs",
        "Qm=Débit massique",
        "RHOc=masse volumique aux conditions de calculs",
        "RHOs=masse volumique aux conditions de services",
        "Kc=coefficient de l'installation aux conditions de calculs= Qvc / Racine DeltaP",
    });
    if (with_compressibility_line) abbreviations += "\nZ= Facteur de Compressibilité";
    b.row(); b.label("Abr", abbreviations);
    b.row(); b.label("Unités", "Unités").look(Look::heading);
    // Drawn as a list of units, so that its runs of blanks stay on their line.
    b.row(); b.label("units", lines({
        "Pour des calculs cohérants il faut respecter les unité suivantes:",
        "Qvc = Qvs ( m3/h)",
        "Qvn  (Nm3/h)",
        "Qm  (Kg/h)",
        "DeltaP  (milliBar)",
        "Pc = Ps = Pn  (bar absolu)",
        "RHOc = RHOs  (Kg/m3)",
        "Tc = Ts = Tn   (°C)",
    })).look(Look::unit);
}

// The page itself: the title with the help frame beside it, the warning, the conditions and the areas of
// the flow frames down the left, then the buttons (those to the other calculators hidden until a
// condition is chosen), the note and the picture; then Frame1's conditions.
void page_layout(PageBuilder& b, const CorrectionPage& page) {
    b.row(); b.label(page.title_label, page.title).look(Look::title);
             b.frame("Frame22").hidden().tall(5);
    b.row(); b.label("lbl_attention2", lines(page.warning)).look(Look::warning);
    b.row(); b.frame("Frame1");
    for (const FrameArea& area : page.areas) {
        b.row(); b.frame(area.frame).hidden();
                 b.over(area.over).hidden();
    }
    b.row(); b.button("Command2", "Calculs Plaque à Orifice").hidden();
             b.button("bt_OD_calcul_de_débits_gaz", page.density_caption).hidden();
    b.row(); b.button("bt_OD_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds").hidden().span(2);
    b.row(); b.button("initialisation", "Initialisation");
             b.button("Command1", "Retour à la page d'accueil");
    b.row(); b.label("Label12", "CalcFluides - calculs d'écoulements de fluides en conduite").look(Look::note);
             b.decoration("Picture1");

    b.in("Frame1");
    b.row(); b.label("Condition", "Conditions de calculs").look(Look::heading);
    for (const Condition& condition : page.conditions) {
        b.row(); b.option(condition.option, condition.caption);
    }
}

// A choice frame: its title, the known-data options, the calculation frames drawn over each other; then
// each calculation frame's own controls.
void lay_out(PageBuilder& b, const ChoiceFrame& choice) {
    b.in(choice.name);
    parts::frame_title(b, choice.title_label, choice.title);
    b.row(); b.label(choice.prompt_label, "Nous connaissons :").span(frame_columns);
    b.row();
    for (const KnownDataOption& option : choice.options) b.option(option.option, option.caption).span(2);
    b.row();
    bool first = true;
    for (const parts::CalculationFrame& frame : choice.frames) {
        (first ? b.frame(frame.name) : b.over(frame.name)).hidden().span(frame_columns);
        first = false;
    }
    for (const parts::CalculationFrame& frame : choice.frames) parts::lay_out(b, frame);
}

// --- Handlers ---

// The condition chosen: the help frame and the calculator buttons shown, the frame of the flow chosen on
// the home page opened, then the condition enabled and the other one locked.
Page::Handler choose_conditions(const Condition& chosen, const Condition& other) {
    return [&chosen, &other](Page& p) {
        p.show({"Frame22"});
        p.show(navigation_names);
        for (const WhenHomeChose& step : chosen.steps) {
            if (!p.selected(chosen.option) || !navigation::flow_enabled_on_home(p, step.home_button)) continue;
            p.hide(step.hide);
            p.set_visible(step.show, true);
            p.set_enabled(other.option, false);
        }
        p.set_enabled(chosen.option, true);
        p.set_enabled(other.option, false);
    };
}

void reset_choices(Page& p, const Reset& reset) {
    for (auto option : reset.options_unlocked) {
        p.set_enabled(option, true);
        p.set_selected(option, false);
    }
    for (auto option : reset.options_cleared_then_unlocked) {
        p.set_selected(option, false);
        p.set_enabled(option, true);
    }
    p.show({"Frame1"});
    p.hide(reset.frames_closed);
}

void reset_results_and_fields(Page& p, const Reset& reset) {
    p.hide(reset.results_hidden);
    for (const auto& [fields, text] : reset.texts)
        for (auto field : fields) p.set_text(field, std::string(text));
}

void initialisation(Page& p, const Reset& reset) {
    p.hide(reset.hidden_first);
    p.hide(navigation_names);
    reset_choices(p, reset);
    reset_results_and_fields(p, reset);
}

void return_home(Page& p, const Reset& reset) {
    p.hide(reset.hidden_first);
    navigation::return_home(p, navigation_names);
    reset_choices(p, reset);
    if (reset.home_flows_enabled_on_return.size() != 0)
        p.app().page(pages::home).enable(reset.home_flows_enabled_on_return);
    reset_results_and_fields(p, reset);
}

}  // namespace

void define_page(Page& p, const CorrectionPage& page) {
    p.set_window_title(page.window_title);
    PageBuilder b(p);
    page_layout(b, page);
    for (const parts::CalculationFrame& frame : page.page_frames) parts::lay_out(b, frame);
    for (const ChoiceFrame& choice : page.choice_frames) lay_out(b, choice);
    help_frame(b, page.with_compressibility_line);

    const auto& [first, second] = page.conditions;
    p.on_click(first.option, choose_conditions(first, second));
    p.on_click(second.option, choose_conditions(second, first));
    for (const parts::CalculationFrame& frame : page.page_frames) parts::on_input_changes(p, frame);
    for (const ChoiceFrame& choice : page.choice_frames) {
        for (const KnownDataOption& option : choice.options)
            p.on_click(option.option, parts::choose_known_data(option.chosen));
        for (const parts::CalculationFrame& frame : choice.frames) parts::on_input_changes(p, frame);
    }
    const Reset* reset = &page.reset;
    p.on_click("initialisation", [reset](Page& q) { initialisation(q, *reset); });
    p.on_click("Command1", [reset](Page& q) { return_home(q, *reset); });
    p.close_with("Command1");
    // The quantities by symbol, as the page's units label gives them.
    describe_by_symbol(p, {{"Pc", Quantity::absolute_pressure}, {"Ps", Quantity::absolute_pressure},
                           {"Pn", Quantity::absolute_pressure}, {"Tc", Quantity::temperature},
                           {"Ts", Quantity::temperature}, {"Tn", Quantity::temperature},
                           {"RHOc", Quantity::density}, {"RHOs", Quantity::density}, {"Rhoc", Quantity::density},
                           {"Delta P", Quantity::differential_pressure},
                           {"Delat P", Quantity::differential_pressure}});
    p.on_click("Command2", [](Page& q) { navigation::open_calculator(q, pages::orifice_plate); });
    p.on_click("bt_OD_calcul_de_débits_gaz", [](Page& q) { navigation::open_calculator(q, pages::density); });
    p.on_click("bt_OD_calcul_DVS", [](Page& q) { navigation::open_calculator(q, pages::pipe_flow); });
}

}  // namespace cf::correction_pages
