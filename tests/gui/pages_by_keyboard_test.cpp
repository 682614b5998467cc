// The program's pages worked with the keyboard, their marks drawn, their windows placed and closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "scenario/gui_driver.h"
#include "shell/page_names.h"
#include "ui/qt/field_marks.h"

namespace {

namespace n = cf::pages;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Pages : public ::testing::Test {
protected:
    cf::qt::PageWindow& window(const char* page) { return *driver.binding().window(page); }
    std::vector<std::string> tabs(const char* page, std::size_t presses) {
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < presses; ++i) {
            QTest::keyClick(window(page).focusWidget(), Qt::Key_Tab);
            QWidget* w = window(page).focusWidget();
            seen.push_back(w ? w->objectName().toStdString() : "");
        }
        return seen;
    }
    cf::scenario::GuiDriver driver;
};

// A two-column frame: down the left column (density, pressures, temperatures), then the factors.
TEST_F(Pages, TabGoesDownAColumnBeforeTheNext) {
    driver.click(n::home, "bt_dvs_calculs_de_masses_volumiques");
    for (const char* choice : {"bt_gaz20", "bt_RHOc20", "opbt_RHOc21"}) driver.click(n::density, choice);
    ASSERT_EQ(window(n::density).focusWidget()->objectName().toStdString(), "txt_RHOn_pour_RHOc");
    EXPECT_EQ(tabs(n::density, 6), (std::vector<std::string>{"txt_Pn_pour_RHOc", "txt_Tn_pour_RHOc", "txt_Pc_pour_RHOc21",
                                                             "txt_Tc_pour_RHOc21", "Text_zn_pour_calcul_rhoc_avec_rhon",
                                                             "Text_zc_pour_calcul_rhoc_avec_rhon"}));
}

// The orifice plate's choices come first, column by column (the standard last), then the calculation
// frame's inputs.
TEST_F(Pages, TheChoicesComeInReadingOrderBeforeTheInputs) {
    driver.click(n::home, "Command_feuille_calcul_od");
    driver.click(n::orifice_plate, "Command_liquide");
    driver.click(n::orifice_plate, "Option_a_la_bride");
    driver.click(n::orifice_plate, "Option_qm");
    window(n::orifice_plate).widget("Option_a_la_bride")->setFocus();
    EXPECT_EQ(tabs(n::orifice_plate, 5),
              (std::vector<std::string>{"Option_qm", "Option_norme_1991", "Option_norme_2003",
                                        "Text_diamétre_intérieur_canalisation", "Text_masse_volumique_condition_de_service"}));
}

TEST_F(Pages, AResultNotCurrentIsDrawnSoWithItsReason) {
    driver.click(n::home, "Command_feuille_calcul_od");
    for (const char* choice : {"Command_liquide", "Option_dans_les_angles", "Option_qm"})
        driver.click(n::orifice_plate, choice);
    for (auto [f, t] : {std::pair{"Text_diamétre_intérieur_canalisation", "100"}, {"Text_diamétre_plaque_à_orifice", "50"},
                        {"Text_masse_volumique_condition_de_service", "1000"}, {"Text_delta_p", "100"},
                        {"Text_coefficient_de_détente", "1"}, {"Text_Nu", "1"}})
        driver.type(n::orifice_plate, f, t);
    auto* qm = qobject_cast<QLineEdit*>(window(n::orifice_plate).widget("Text_qm_bis"));
    const QString shown = qm->text();
    EXPECT_EQ(cf::qt::drawn_mark(qm), "");
    driver.type(n::orifice_plate, "Text_delta_p", "");
    EXPECT_EQ(qm->text(), shown);
    EXPECT_EQ(cf::qt::drawn_mark(qm), "not_current");
    EXPECT_EQ(qm->toolTip().toStdString(), "Non recalculé : ΔP est vide ou nul");
    driver.type(n::orifice_plate, "Text_delta_p", "100");
    EXPECT_EQ(cf::qt::drawn_mark(qm), "");
}

// A page opens beside the home page; closing its window does what its "Retour à la page d'accueil" does.
TEST_F(Pages, APageOpensBesideHomeAndClosesAsItsReturnHome) {
    driver.click(n::home, "bt_départ_calcul_de_débits_gaz");
    driver.click(n::home, "Qvc");
    settle();
    cf::qt::PageWindow& home = window(n::home);
    cf::qt::PageWindow& page = window(n::correction_qvc_qvs);
    const QRect room = page.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(page.frameGeometry()));
    const QRect beside = home.frameGeometry();
    if (beside.right() + page.frameGeometry().width() <= room.right()) {
        EXPECT_EQ(page.frameGeometry().left(), beside.right() + 1);
    } else if (beside.left() >= page.frameGeometry().width()) {
        EXPECT_EQ(page.frameGeometry().right(), beside.left() - 1);
    }
    page.close();
    settle();
    EXPECT_FALSE(driver.app().shown(n::correction_qvc_qvs));
    EXPECT_FALSE(driver.app().page(n::home).visible("Frame_choix_du_débit_a_calculer"));
    EXPECT_TRUE(driver.app().page(n::home).enabled("Qvs"));
}

}  // namespace
