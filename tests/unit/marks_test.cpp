// The marks the page model gives its fields: inputs not read as typed or that their quantity cannot
// take, combo texts that name no item, and results that are not current or stand on a misread input.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "program/program.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/marks.h"
#include "ui/page_builder.h"
#include "ui/procedure.h"

namespace cf {
void PrintTo(const Mark& m, std::ostream* os) { *os << static_cast<int>(m.kind) << " \"" << m.note << "\""; }
}  // namespace cf

namespace {

using cf::Mark;
using cf::MarkKind;
namespace n = cf::pages;

Mark caution(std::string note) { return {MarkKind::caution, std::move(note)}; }
Mark not_current(std::string note) { return {MarkKind::not_current, std::move(note)}; }

// A page of two procedures in a chain, one of each guard style: y = 10 / x shows its held result when
// stopped; z = y + 1 writes nothing when stopped.
struct Held {
    float x = 0, y = 0, z = 0;
};
constexpr cf::procedure::Style show_held{"0.00", cf::procedure::WhenStopped::show_held};
constexpr cf::procedure::Style write_nothing{"0.00", cf::procedure::WhenStopped::write_nothing};

// y is a result field, or (open) a field the user may also type into.
void define_chain(cf::Page& p, bool open = false) {
    cf::PageBuilder b(p);
    b.row(); b.label("lbl_x", "x :"); b.field("txt_x");
    b.row(); b.label("lbl_y", "y :");
    b.field("txt_y").look(open ? cf::Look::plain : cf::Look::result);
    b.field("txt_z").look(cf::Look::result);
    p.on_change("txt_x", [](cf::Page& page) {
        auto& h = cf::procedure::held<Held>(page);
        cf::procedure::read_into(page, {{h.x, "txt_x"}});
        cf::procedure::compute(page, show_held, {"txt_y"}, h.y, h.x != 0, [&] { return 10 / double(h.x); });
    });
    p.on_change("txt_y", [](cf::Page& page) {
        auto& h = cf::procedure::held<Held>(page);
        float y = 0;
        cf::procedure::read_into(page, {{y, "txt_y"}});
        cf::procedure::compute(page, write_nothing, {"txt_z"}, h.z, y < 5, [&] { return y + 1.0; });
    });
}

class Chain : public ::testing::Test {
protected:
    Chain() {
        app.define_page("chain", [](cf::Page& page) { define_chain(page); });
        app.show("chain");
    }
    cf::Page& p() { return app.page("chain"); }
    cf::Application app;
};

TEST_F(Chain, AResultStoppedByItsGuardIsNotCurrentUntilComputedAgain) {
    p().user_edit("txt_x", "4");
    EXPECT_EQ(p().text("txt_y"), "2.50");
    EXPECT_EQ(p().mark("txt_y"), Mark{});
    EXPECT_EQ(p().mark("txt_z"), Mark{});
    p().user_edit("txt_x", "0");  // the held result shown again beside a 0
    EXPECT_EQ(p().text("txt_y"), "2.50");
    EXPECT_EQ(p().mark("txt_y"), not_current("Non recalculé : x est vide ou nul"));
    // z stands on y, which is not current: so is z, for the same reason.
    EXPECT_EQ(p().mark("txt_z"), not_current("Non recalculé : x est vide ou nul"));
    p().user_edit("txt_x", "5");
    EXPECT_EQ(p().mark("txt_y"), Mark{});
    EXPECT_EQ(p().mark("txt_z"), Mark{});
    p().user_edit("txt_x", "1");  // y = 10: z's guard stops it and it keeps 3.00, computed from y = 2
    EXPECT_EQ(p().text("txt_z"), "3.00");
    EXPECT_EQ(p().mark("txt_z"), not_current("Non recalculé : ces valeurs ne permettent pas le calcul"));
    // A text the page writes is its own, no procedure's: no mark.
    p().set_text("txt_z", "");
    EXPECT_EQ(p().mark("txt_z"), Mark{});
}

TEST_F(Chain, AResultFromAnInputNotReadAsTypedSaysWhatWasRead) {
    p().user_edit("txt_x", "2,5");
    EXPECT_EQ(p().mark("txt_x"), caution("Lu comme 2 : le séparateur décimal est le point"));
    EXPECT_EQ(p().text("txt_y"), "5.00");
    EXPECT_EQ(p().mark("txt_y"), caution("Calculé avec x = 2, lu dans « 2,5 »"));
    p().user_edit("txt_x", "2.5");
    EXPECT_EQ(p().mark("txt_x"), Mark{});
    EXPECT_EQ(p().mark("txt_y"), Mark{});
}

// A result field the user types into is an input from then on: the note of its reading stays, and what
// was computed from it says so.
TEST_F(Chain, AResultTypedOverKeepsTheNoteOfItsReading) {
    app.define_page("open chain", [](cf::Page& page) { define_chain(page, true); });
    app.show("open chain");
    cf::Page& p = app.page("open chain");
    p.user_edit("txt_x", "4");
    p.user_edit("txt_y", "1,5");
    EXPECT_EQ(p.mark("txt_y"), caution("Lu comme 1 : le séparateur décimal est le point"));
    EXPECT_EQ(p.mark("txt_z"), caution("Calculé avec y = 1, lu dans « 1,5 »"));
    p.user_edit("txt_x", "5");  // computed again: the procedure's result, with no note
    EXPECT_EQ(p.text("txt_y"), "2.00");
    EXPECT_EQ(p.mark("txt_y"), Mark{});
}

// The program's pages: how their inputs are described, and the orifice plate's chain of working fields.
class Program : public ::testing::Test {
protected:
    Program() { cf::start_calcfluides(app); }
    cf::Page& open(const char* home_button, const char* page) {
        app.page(n::home).user_click(home_button);
        return app.page(page);
    }
    cf::Application app;
};

TEST_F(Program, TheMassFlowLeftBesideAnEmptiedDeltaPIsNotCurrent) {
    cf::Page& od = open("Command_feuille_calcul_od", n::orifice_plate);
    for (const char* choice : {"Command_liquide", "Option_dans_les_angles", "Option_qm"}) od.user_click(choice);
    for (auto [field, text] : {std::pair{"Text_diamétre_intérieur_canalisation", "100"},
                               {"Text_diamétre_plaque_à_orifice", "50"},
                               {"Text_masse_volumique_condition_de_service", "1000"}, {"Text_delta_p", "100"},
                               {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}})
        od.user_edit(field, text);
    const std::string qm = od.text("Text_qm_bis");
    ASSERT_FALSE(qm.empty());
    EXPECT_EQ(od.mark("Text_qm_bis"), Mark{});
    for (const char* emptied : {"", "0"}) {
        od.user_edit("Text_delta_p", emptied);
        EXPECT_EQ(od.text("Text_qm_bis"), qm);
        EXPECT_EQ(od.mark("Text_qm_bis"), not_current("Non recalculé : ΔP est vide ou nul")) << emptied;
        EXPECT_EQ(od.mark("Text_pertes_de_charges").kind, MarkKind::not_current);
    }
    od.user_edit("Text_delta_p", "100");
    EXPECT_EQ(od.mark("Text_qm_bis"), Mark{});
    EXPECT_EQ(od.mark("Text_qv_m3_h"), Mark{});
}

// A change of an input that runs nothing leaves the result standing on the former value.
TEST_F(Program, AResultNotRecomputedAfterItsInputChangedIsNotCurrent) {
    cf::Page& rho = open("bt_dvs_calculs_de_masses_volumiques", n::density);
    for (const char* choice : {"bt_gaz20", "bt_RHOs20", "opbt_RHOs22"}) rho.user_click(choice);
    for (auto [field, text] : {std::pair{"txt_RHOc_pour_RHOs", "2"}, {"txt_Pc_pour_RHOs", "2"},
                               {"txt_Tc_pour_RHOs", "0"}, {"txt_Ps_pour_RHOs22", "1"}, {"txt_Ts_pour_RHOs22", "0"}})
        rho.user_edit(field, text);
    EXPECT_EQ(rho.mark("txt_résultat_RHOs_avec_RHOc"), Mark{});
    rho.user_edit("Text_zs_pour_calcul_rhos_avec_rhoc", "2");  // no Change handler of its own
    EXPECT_EQ(rho.mark("txt_résultat_RHOs_avec_RHOc"), not_current("Non recalculé depuis la modification de Zs"));
    rho.user_edit("txt_Ts_pour_RHOs22", "0");
    EXPECT_EQ(rho.mark("txt_résultat_RHOs_avec_RHOc"), Mark{});
}

TEST_F(Program, InputsAQuantityCannotTakeAreMarkedAndStillComputed) {
    cf::Page& dvs = open("bt_départ_calcul_DVS", n::pipe_flow);
    dvs.user_click("bt_débit");
    dvs.user_edit("txt_vitesse31", "1");
    dvs.user_edit("txt_diamètre31", "-100");
    EXPECT_EQ(dvs.mark("txt_diamètre31"), caution("Un diamètre est positif"));
    EXPECT_EQ(dvs.text("txt_débit31"), "28.27");
    dvs.user_edit("txt_diamètre31", "0");
    EXPECT_EQ(dvs.mark("txt_diamètre31"), caution("Un diamètre est positif"));
    dvs.user_edit("txt_diamètre31", "-1,5");  // both reasons, one a line
    EXPECT_EQ(dvs.mark("txt_diamètre31"),
              caution("Lu comme -1 : le séparateur décimal est le point\nUn diamètre est positif"));
    dvs.user_edit("txt_diamètre31", "mm");  // no number: judged by its reading only
    EXPECT_EQ(dvs.mark("txt_diamètre31"), caution("Lu comme 0 : ce texte n'est pas un nombre"));
    dvs.user_edit("txt_diamètre31", "");
    EXPECT_EQ(dvs.mark("txt_diamètre31"), Mark{});

    // Each kind on its page: the units say it, or the page's units text by symbol.
    cf::Page& rho = open("bt_dvs_calculs_de_masses_volumiques", n::density);
    EXPECT_EQ(rho.control("txt_Pn_pour_RHOc").quantity, cf::Quantity::absolute_pressure);
    EXPECT_EQ(rho.control("txt_Tn_pour_RHOc").quantity, cf::Quantity::temperature);
    EXPECT_EQ(rho.control("txt_RHOn_pour_RHOc").symbol, "RHOn");
    EXPECT_EQ(dvs.control("txt_nu_reynolds").quantity, cf::Quantity::viscosity);
    EXPECT_EQ(dvs.control("txt_RHO51").quantity, cf::Quantity::density);
    cf::Page& od = open("Command_feuille_calcul_od", n::orifice_plate);
    EXPECT_EQ(od.control("Text_delta_p").symbol, "ΔP");
    EXPECT_EQ(od.control("Text__diam_cana").quantity, cf::Quantity::diameter);
    app.page(n::home).user_click("bt_départ_calcul_de_débits_gaz");
    cf::Page& qvn = open("Qvn", n::correction_qvn_qm);
    EXPECT_EQ(qvn.control("txt_DeltaP6").quantity, cf::Quantity::differential_pressure);  // "Delat P:"
    EXPECT_EQ(qvn.control("txt_tn1").quantity, cf::Quantity::temperature);
    EXPECT_EQ(qvn.control("txt_RoC2").quantity, cf::Quantity::density);  // "Rhoc:"
}

TEST(QuantityNotes, EachKindSaysWhatItTakes) {
    using cf::Quantity;
    using cf::quantity_note;
    EXPECT_EQ(quantity_note(Quantity::density, 0), "Une masse volumique est positive");
    EXPECT_EQ(quantity_note(Quantity::viscosity, -1), "Une viscosité est positive");
    EXPECT_EQ(quantity_note(Quantity::absolute_pressure, 0), "Une pression absolue est positive");
    EXPECT_EQ(quantity_note(Quantity::differential_pressure, 0), "");
    EXPECT_EQ(quantity_note(Quantity::differential_pressure, -0.1), "Une pression différentielle n'est pas négative");
    EXPECT_EQ(quantity_note(Quantity::temperature, -273.15), "");
    EXPECT_EQ(quantity_note(Quantity::temperature, -273.2), "Une température n'est pas inférieure à -273.15 °C");
    EXPECT_EQ(quantity_note(Quantity::none, -1e9), "");
}

TEST_F(Program, ATypedTextThatNamesNoLineOfTheTableIsMarked) {
    cf::Page& rho = open("bt_dvs_calculs_de_masses_volumiques", n::density);
    rho.user_click("bt_vapeur_saturée20");
    rho.user_edit("Combo_choix_pression_vapeur_saturée", "10");
    EXPECT_EQ(rho.mark("Combo_choix_pression_vapeur_saturée"), caution("Aucune ligne de la table pour « 10 »"));
    rho.user_pick("Combo_choix_pression_vapeur_saturée", rho.control("Combo_choix_pression_vapeur_saturée").items[3]);
    EXPECT_EQ(rho.mark("Combo_choix_pression_vapeur_saturée"), Mark{});
}

// Closing a page's window does what its "Retour à la page d'accueil" does.
TEST_F(Program, ClosingACalculationPageReturnsHome) {
    cf::Page& home = app.page(n::home);
    home.user_click("bt_départ_calcul_de_débits_gaz");
    home.user_click("Qvc");
    ASSERT_TRUE(app.shown(n::correction_qvc_qvs));
    app.page(n::correction_qvc_qvs).user_close();
    EXPECT_FALSE(app.shown(n::correction_qvc_qvs));
    EXPECT_FALSE(home.visible("Frame_choix_du_débit_a_calculer"));
    EXPECT_TRUE(home.enabled("Qvs"));
    open("Command_feuille_calcul_od", n::orifice_plate).user_click("Command_liquide");
    app.page(n::orifice_plate).user_close();
    EXPECT_FALSE(app.shown(n::orifice_plate));
    EXPECT_TRUE(app.page(n::orifice_plate).enabled("Command_gaz"));  // created again at its start
}

}  // namespace
