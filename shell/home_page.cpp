#include "shell/home_page.h"

#include <string>

#include "shell/navigation.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace cf::home_page {

namespace {

constexpr const char* main_frame = "fr_départ";
constexpr const char* flow_frame = "Frame_choix_du_débit_a_calculer";
constexpr const char* flow_choice_button = "bt_départ_calcul_de_débits_gaz";

// The controls of one frame of the home page, of one kind or of any kind, in design order.
template <class Act>
void for_each_in(const Page& home, std::string_view frame, Act act, bool buttons_only = false) {
    for (const std::string& name : home.order()) {
        const Control& c = home.control(name);
        if (c.frame == frame && (!buttons_only || c.kind == ControlKind::button)) act(name);
    }
}

// A flow chosen: its correction page shown, every other flow button and label greyed, then what the
// choice clears on that page.
void choose_flow(Page& home, const Flow& chosen, const std::vector<Opening>& openings) {
    std::string_view page;
    for (const Opening& o : openings)
        for (const Flow& f : o.flows)
            if (&f == &chosen) page = o.page;
    home.app().show(page);
    for (const Opening& o : openings)
        for (const Flow& f : o.flows)
            if (&f != &chosen) home.disable({f.button, f.label});
    navigation::flow_chosen(home, page);
}

}  // namespace

void enable_flow_choices(Page& home) {
    for_each_in(home, flow_frame, [&](const std::string& name) { home.set_enabled(name, true); });
}

void open_flow_choice(Page& home) {
    home.set_visible(flow_frame, true);
    for_each_in(home, main_frame, [&](const std::string& name) { home.set_visible(name, false); }, true);
}

void close_flow_choice(Page& home) {
    home.set_visible(flow_frame, false);
    for_each_in(home, main_frame, [&](const std::string& name) { home.set_visible(name, true); }, true);
}

void define(Page& p, const std::vector<Opening>& openings) {
    p.set_window_title("CalcFluides");
    PageBuilder b(p);

    // The main column: a button per calculation, the flow choice drawn over them when open.
    b.row(); b.frame("fr_départ");
    b.in(main_frame);
    b.row(); b.label("Label1", "Choix du calcul à effectuer").look(Look::title);
    int main_buttons = 0;
    for (const Opening& o : openings) {
        if (o.flows.empty()) {
            b.row(); b.button(o.button, o.caption);
            p.on_click(o.button, [page = o.page](Page& home) { home.app().show(page); });
        } else if (!p.has(flow_choice_button)) {
            b.row(); b.button(flow_choice_button, "Correction des débits de gaz ");
            p.on_click(flow_choice_button, open_flow_choice);
        } else {
            continue;
        }
        ++main_buttons;
    }
    b.frame(flow_frame).hidden().at(1, 0).tall(main_buttons);
    b.row(); b.label("Label2", "Les calculs sont effectués suivant la norme ISO 5167").look(Look::note);

    // The flow choice: for each page opened by flows, a row of labels over a row of buttons.
    b.in(flow_frame);
    b.row(); b.label("Choix", "Choix du débit à calculer").look(Look::heading).span(2);
    for (const Opening& o : openings) {
        if (o.flows.empty()) continue;
        b.row();
        for (const Flow& f : o.flows) b.label(f.label, f.label_caption);
        b.row();
        for (const Flow& f : o.flows) {
            b.button(f.button, f.button);
            p.on_click(f.button, [&f, &openings](Page& home) { choose_flow(home, f, openings); });
        }
    }
    b.row(); b.button("Command_retour", "Retour").span(2);
    p.on_click("Command_retour", [](Page& home) {
        close_flow_choice(home);
        enable_flow_choices(home);
    });

    b.on_page();
    b.row(); b.label("Label9", "CalcFluides").look(Look::note);
    b.row(); b.label("Label5", "Calculs d'écoulements de fluides en conduite").look(Look::note);
    b.row(); b.label("Label4", "Débits, masses volumiques, organes déprimogènes").look(Look::note);
    for (const char* picture : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6", "Picture8"})
        b.decoration(picture);
}

}  // namespace cf::home_page
