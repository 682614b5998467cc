// The binding between the page model and real widgets, driven by key presses and mouse clicks.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/page_names.h"
#include "program/program.h"
#include "ui/application.h"
#include "ui/page_builder.h"
#include "ui/qt/qt_binding.h"

namespace {

using cf::Application;
using cf::Page;
using cf::PageBuilder;

template <class W>
W* find(cf::qt::QtBinding& binding, const char* page, const char* control) {
    auto* window = binding.window(page);
    return window ? qobject_cast<W*>(window->widget(control)) : nullptr;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A page with one of each kind: the field doubles what is typed into the result field.
void define_bench(Page& p) {
    PageBuilder b(p);
    b.row(); b.field("txt_in"); b.field("txt_out");
    b.row(); b.label("lbl_titre", "Calcul du nombre de                Reynolds");
    b.row(); b.frame("fr_options");
    b.in("fr_options");
    b.row(); b.option("opt_a", "A"); b.option("opt_b", "B");
    b.on_page();
    b.row(); b.button("bt_close", "Fermer & quitter"); b.button("bt_disable", "Griser");
    b.row(); b.combo("cmb", "Choix", {"Eau ( à 0°C ) ", "Air"});
    p.on_change("txt_in", [](Page& page) {
        page.set_text("txt_out", std::to_string(static_cast<int>(page.value("txt_in") * 2)));
    });
    p.on_click("bt_close", [](Page& page) { page.app().unload("bench"); });
    p.on_click("bt_disable", [](Page& page) {
        page.disable({"bt_disable"});
        page.hide({"fr_options"});
        page.focus("txt_out");
    });
    p.on_click("cmb", [](Page& page) { page.set_text("txt_out", page.text("cmb")); });
}

class Binding : public ::testing::Test {
protected:
    void SetUp() override {
        app.define_page("bench", define_bench);
        app.show("bench");
        settle();
    }
    void TearDown() override { settle(); }
    Application app;
    cf::qt::QtBinding binding{app, "none"};
};

TEST_F(Binding, AWidgetPerControlNamedAfterIt) {
    auto* window = binding.window("bench");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "bench");
    EXPECT_TRUE(window->isVisible());
    for (const char* name : {"txt_in", "txt_out", "lbl_titre", "fr_options", "opt_a", "bt_close", "cmb"})
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
    // A caption laid out by runs of blanks is drawn on two lines but keeps its exact text.
    auto* label = find<QLabel>(binding, "bench", "lbl_titre");
    EXPECT_EQ(label->text(), "Calcul du nombre de\nReynolds");
    EXPECT_EQ(cf::qt::PageWindow::control_text(label), "Calcul du nombre de                Reynolds");
    EXPECT_EQ(find<QPushButton>(binding, "bench", "bt_close")->text(), "Fermer && quitter");
}

// A label whose look the page changes is drawn anew: an alert in the warning colour with its sign,
// back to a plain statement without either; its exact caption never carries the sign.
TEST_F(Binding, ALookChangedByThePageIsDrawnAnew) {
    Page& p = app.page("bench");
    auto* label = find<QLabel>(binding, "bench", "lbl_titre");
    p.set_caption("lbl_titre", "Hors du domaine");
    p.set_look("lbl_titre", cf::Look::alert);
    EXPECT_EQ(label->text(), QString::fromUtf8("\u26A0 Hors du domaine"));
    EXPECT_TRUE(label->styleSheet().contains("color"));
    EXPECT_EQ(cf::qt::PageWindow::control_text(label), "Hors du domaine");
    p.set_look("lbl_titre", cf::Look::status);
    EXPECT_EQ(label->text(), "Hors du domaine");
    EXPECT_TRUE(label->styleSheet().isEmpty());
}

TEST_F(Binding, TypingRaisesOneChangePerKeyAndTheModelUpdatesTheOtherWidgets) {
    int changes = 0;
    app.page("bench").on_change("txt_in", [&](Page&) { ++changes; });
    auto* in = find<QLineEdit>(binding, "bench", "txt_in");
    QTest::keyClicks(in, "21");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(app.page("bench").text("txt_in"), "21");
    EXPECT_EQ(find<QLineEdit>(binding, "bench", "txt_out")->text(), "42");
    EXPECT_EQ(in->cursorPosition(), 2);  // the typed field is not rewritten under the cursor
}

TEST_F(Binding, ModelChangesReachTheWidgetsWithoutEchoingBack) {
    int changes = 0;
    Page& p = app.page("bench");
    p.on_change("txt_out", [&](Page&) { ++changes; });
    p.set_text("txt_out", "7");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(find<QLineEdit>(binding, "bench", "txt_out")->text(), "7");
    p.set_caption("bt_close", "Autre");
    p.set_visible("txt_in", false);
    p.set_enabled("cmb", false);
    p.set_text("cmb", "pas un élément");
    EXPECT_EQ(find<QPushButton>(binding, "bench", "bt_close")->text(), "Autre");
    EXPECT_TRUE(find<QLineEdit>(binding, "bench", "txt_in")->isHidden());
    EXPECT_FALSE(find<QComboBox>(binding, "bench", "cmb")->isEnabled());
    EXPECT_EQ(find<QComboBox>(binding, "bench", "cmb")->currentText(), "pas un élément");
    EXPECT_EQ(changes, 1);
}

TEST_F(Binding, OptionButtonsFollowTheModelsGroup) {
    auto* a = find<QRadioButton>(binding, "bench", "opt_a");
    auto* b = find<QRadioButton>(binding, "bench", "opt_b");
    a->click();
    EXPECT_TRUE(app.page("bench").selected("opt_a"));
    b->click();
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(b->isChecked());
    b->click();  // a click on the selected option keeps it selected
    EXPECT_TRUE(b->isChecked());
    EXPECT_TRUE(app.page("bench").selected("opt_b"));
    app.page("bench").set_selected("opt_b", false);
    EXPECT_FALSE(b->isChecked());
}

TEST_F(Binding, PickingAComboItemRaisesClick) {
    auto* combo = find<QComboBox>(binding, "bench", "cmb");
    combo->showPopup();
    settle();
    auto* list = combo->view();
    const QModelIndex index = list->model()->index(0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(index).center());
    settle();
    EXPECT_EQ(app.page("bench").text("cmb"), "Eau ( à 0°C ) ");
    EXPECT_EQ(find<QLineEdit>(binding, "bench", "txt_out")->text(), "Eau ( à 0°C ) ");
}

// An item's text typed into the combo list is not a pick, even once finished by Return or by leaving it.
TEST_F(Binding, TypingAnItemsTextIsNotPickingIt) {
    auto* combo = find<QComboBox>(binding, "bench", "cmb");
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(combo->lineEdit(), "Air");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(app.page("bench").text("cmb"), "Air");
    EXPECT_EQ(find<QLineEdit>(binding, "bench", "txt_out")->text(), "");
}

TEST_F(Binding, AClickThatHidesDisablesAndFocuses) {
    auto* button = find<QPushButton>(binding, "bench", "bt_disable");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(find<QRadioButton>(binding, "bench", "opt_a")->isVisible());
    EXPECT_FALSE(find<QRadioButton>(binding, "bench", "opt_a")->isHidden());  // its own Visible is kept
    EXPECT_EQ(binding.window("bench")->focusWidget(), find<QLineEdit>(binding, "bench", "txt_out"));
}

TEST_F(Binding, APageUnloadedByItsOwnButtonLosesItsWindowAndComesBackNew) {
    QTest::keyClicks(find<QLineEdit>(binding, "bench", "txt_in"), "5");
    QTest::mouseClick(find<QPushButton>(binding, "bench", "bt_close"), Qt::LeftButton);
    settle();
    EXPECT_EQ(binding.window("bench"), nullptr);
    EXPECT_FALSE(app.loaded("bench"));
    app.show("bench");
    ASSERT_NE(binding.window("bench"), nullptr);
    EXPECT_EQ(find<QLineEdit>(binding, "bench", "txt_in")->text(), "");
}

TEST_F(Binding, ClosingAPageWindowHidesThePage) {
    binding.window("bench")->close();
    EXPECT_TRUE(app.loaded("bench"));
    EXPECT_FALSE(app.shown("bench"));
}

TEST(Program, HomePageThroughItsWidgets) {
    Application app;
    cf::qt::QtBinding binding(app, cf::pages::home);
    cf::start_calcfluides(app);
    settle();
    auto* home = binding.window(cf::pages::home);
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(home->isVisible());
    EXPECT_TRUE(home->windowTitle().contains("CalcFluides"));

    QTest::mouseClick(find<QPushButton>(binding, cf::pages::home, "bt_départ_calcul_de_débits_gaz"), Qt::LeftButton);
    EXPECT_TRUE(home->findChild<QWidget*>("Frame_choix_du_débit_a_calculer")->isVisible());
    EXPECT_FALSE(find<QPushButton>(binding, cf::pages::home, "bt_départ_calcul_DVS")->isVisible());
    QTest::mouseClick(find<QPushButton>(binding, cf::pages::home, "Qvn"), Qt::LeftButton);
    settle();
    ASSERT_NE(binding.window(cf::pages::correction_qvn_qm), nullptr);
    EXPECT_TRUE(binding.window(cf::pages::correction_qvn_qm)->isVisible());
    EXPECT_FALSE(find<QPushButton>(binding, cf::pages::home, "Qvc")->isEnabled());
    EXPECT_FALSE(find<QLabel>(binding, cf::pages::home, "Label3")->isEnabled());
    EXPECT_TRUE(find<QLabel>(binding, cf::pages::home, "Label7")->isEnabled());

    QTest::mouseClick(find<QPushButton>(binding, cf::pages::correction_qvn_qm, "Command1"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(find<QPushButton>(binding, cf::pages::home, "Qvc")->isEnabled());
    EXPECT_FALSE(binding.window(cf::pages::correction_qvn_qm)->isVisible());
}

}  // namespace
