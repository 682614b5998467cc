#include "flowcorrection/correction_page_parts.h"

#include <string_view>

#include "shell/navigation.h"
#include "shell/page_names.h"
#include "ui/application.h"

namespace cf::correction_pages::parts {

namespace {

std::string label_name(const Input& in) {
    if (in.label) return in.label;
    std::string_view field = in.field;
    for (std::string_view prefix : {"txt_", "Txt_", "Text_"})
        if (field.substr(0, prefix.size()) == prefix) field.remove_prefix(prefix.size());
    return "lbl_" + std::string(field);
}

const Names navigation_names = {"bt_OD_calcul_DVS", "bt_OD_calcul_de_débits_gaz", "Command2"};

}  // namespace

void input_rows(PageBuilder& b, std::initializer_list<std::initializer_list<Input>> rows) {
    for (const auto& row : rows) {
        b.row();
        for (const Input& in : row) {
            b.label(label_name(in), in.caption);
            b.field(in.field, in.text);
        }
    }
}

void frame_title(PageBuilder& b, const char* name, const char* caption) {
    b.row(); b.label(name, caption).look(Look::heading).span(frame_columns);
}

void result_row(PageBuilder& b, const char* label, const char* caption, const char* field, const char* unit_label,
                const char* unit, ResultStart start) {
    b.row();
    auto shown_at_start = [](Added a, bool visible) { if (!visible) a.hidden(); };
    shown_at_start(b.label(label, caption), start.result_visible);
    shown_at_start(b.field(field).look(Look::result), start.result_visible);
    if (unit_label) shown_at_start(b.label(unit_label, unit).look(Look::unit), start.unit_visible);
}

std::string lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

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

void navigation_buttons(PageBuilder& b, const char* density_caption) {
    b.row(); b.button("Command2", "Calculs Plaque à Orifice").hidden();
             b.button("bt_OD_calcul_de_débits_gaz", density_caption).hidden();
    b.row(); b.button("bt_OD_calcul_DVS", "Calculs de Débits, Vitesse, Section, Nombre de Reynolds").hidden().span(2);
}

void navigation_handlers(Page& p) {
    p.on_click("Command2", [](Page& page) { navigation::open_calculator(page, pages::orifice_plate); });
    p.on_click("bt_OD_calcul_de_débits_gaz", [](Page& page) { navigation::open_calculator(page, pages::density); });
    p.on_click("bt_OD_calcul_DVS", [](Page& page) { navigation::open_calculator(page, pages::pipe_flow); });
}

const Names& navigation_button_names() { return navigation_names; }

Page::Handler choose_conditions(std::string X, std::string Y, std::vector<WhenHomeChose> steps) {
    return [X, Y, steps](Page& p) {
        p.show({"Frame22"});
        p.show(navigation_names);
        for (const auto& step : steps) {
            if (!p.selected(X) || !navigation::flow_enabled_on_home(p, step.home_button)) continue;
            for (const auto& frame : step.hide) p.set_visible(frame, false);
            p.set_visible(step.show, true);
            p.set_enabled(Y, false);
        }
        p.set_enabled(X, true);
        p.set_enabled(Y, false);
    };
}

Page::Handler choose_known_data(std::string frame, std::vector<std::string> hide, std::vector<std::string> disable,
                                std::string focus) {
    return [frame, hide, disable, focus](Page& p) {
        p.set_visible(frame, true);
        for (const auto& name : hide) p.set_visible(name, false);
        for (const auto& name : disable) p.set_enabled(name, false);
        p.focus(focus);
    };
}

}  // namespace cf::correction_pages::parts
