// A window a user can work in: keyboard order, read-only results, marks on text not read as typed,
// windows that follow what they show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <string>
#include <vector>

#include "scenario/gui_driver.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/page_builder.h"
#include "ui/qt/field_marks.h"
#include "ui/qt/qt_binding.h"

namespace {

using cf::pages::pipe_flow;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PipeFlowWindow : public ::testing::Test {
protected:
    PipeFlowWindow() { driver.click(cf::pages::home, "bt_départ_calcul_DVS"); }
    cf::qt::PageWindow& window() { return *driver.binding().window(pipe_flow); }
    QLineEdit* field(const char* name) { return qobject_cast<QLineEdit*>(window().widget(name)); }
    std::string focused() {
        QWidget* w = window().focusWidget();
        return w ? w->objectName().toStdString() : "";
    }
    // Where Tab leads from the focused control, for as many presses as there are names.
    std::vector<std::string> tab_through(std::size_t presses) {
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < presses; ++i) {
            QTest::keyClick(window().focusWidget(), Qt::Key_Tab);
            seen.push_back(focused());
        }
        return seen;
    }

    cf::scenario::GuiDriver driver;
};

// "2 Tab 50 Tab 1" from V fills V, D and Nu: the order follows the layout, frames inside frames included.
TEST_F(PipeFlowWindow, TabGoesThroughEveryControlInReadingOrderAndWraps) {
    driver.click(pipe_flow, "bt_débit");
    driver.type(pipe_flow, "txt_vitesse31", "1");
    driver.type(pipe_flow, "txt_diamètre31", "100");  // opens the Reynolds frame beside
    driver.click(pipe_flow, "bt_régime_laminaire");
    driver.click(pipe_flow, "chx_nu");
    QTest::mouseClick(field("txt_vitesse_calcul_reynolds"), Qt::LeftButton);
    QTest::keyClicks(window().focusWidget(), "2");
    QTest::keyClick(window().focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(window().focusWidget(), "50");
    QTest::keyClick(window().focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(window().focusWidget(), "1");
    cf::Page& dvs = driver.app().page(pipe_flow);
    EXPECT_EQ(dvs.text("txt_nu_reynolds"), "1");
    EXPECT_EQ(dvs.text("txt_reynolds_calcul_reynolds"), "100000.00");

    // From the first column's first field: the buttons and options among the inputs, column by column
    // (Re 100000 has opened the turbulent frame), results and disabled options passed by.
    QTest::mouseClick(field("txt_vitesse31"), Qt::LeftButton);
    EXPECT_EQ(tab_through(14), (std::vector<std::string>{
                                   "txt_diamètre31", "bt_résultat_débit31", "chx_nu", "txt_vitesse_calcul_reynolds",
                                   "txt_diamètre_reynolds", "txt_nu_reynolds", "bt_nb_resultat_reynolds", "Command3",
                                   "txt_Qv_calcul_pertes_de_charges2", "txt_RHO_calcul_pertes_de_charges2",
                                   "txt_L_calcul_pertes_de_charges2", "txt_D_calcul_pertes_de_charges2",
                                   "txt_Re_calcul_pertes_de_charges2", "txt_K_calcul_pertes_de_charges2"}));
    // Around the whole window and back, with no stop on anything the user cannot act on.
    std::vector<std::string> around;
    for (int i = 0; i < 40 && (around.empty() || around.back() != "txt_vitesse31"); ++i) around.push_back(tab_through(1)[0]);
    ASSERT_EQ(around.back(), "txt_vitesse31");
    for (const auto& name : around) {
        ASSERT_TRUE(dvs.has(name)) << name;
        EXPECT_TRUE(dvs.shown(name) && dvs.enabled(name)) << name;
    }
    // Shift+Tab goes back the same way.
    QTest::keyClick(window().focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), around[around.size() - 2]);
}

// Return or Enter on a focused button clicks it, as Space does; on an option, selects it.
TEST_F(PipeFlowWindow, EnterClicksTheFocusedButton) {
    window().widget("bt_vitesse")->setFocus();
    QTest::keyClick(window().focusWidget(), Qt::Key_Return);
    settle();
    cf::Page& dvs = driver.app().page(pipe_flow);
    EXPECT_TRUE(dvs.shown("fr_vitesse"));
    // The choice opened a frame of inputs: its first input has the focus (the page says so here).
    EXPECT_EQ(focused(), "txt_Diamètre33");
    window().widget("bt_calcul_du_nombre_de_Reynolds")->setFocus();
    QTest::keyClick(window().focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    window().widget("chx_Mu")->setFocus();
    QTest::keyClick(window().focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_TRUE(dvs.selected("chx_Mu"));
    EXPECT_TRUE(dvs.shown("fr_Mu"));
}

TEST_F(PipeFlowWindow, AResultCannotBeTypedIntoButCanBeCopied) {
    driver.click(pipe_flow, "bt_débit");
    driver.type(pipe_flow, "txt_vitesse31", "2");
    driver.type(pipe_flow, "txt_diamètre31", "50");
    QLineEdit* result = field("txt_débit31");
    const QString shown = result->text();
    ASSERT_EQ(shown, "14.14");
    QTest::mouseClick(result, Qt::LeftButton);
    QTest::keyClicks(result, "x9");
    QTest::keyClick(result, Qt::Key_Backspace);
    EXPECT_EQ(result->text(), shown);
    EXPECT_EQ(driver.app().page(pipe_flow).text("txt_débit31"), "14.14");
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), shown);
}

TEST_F(PipeFlowWindow, ALongResultShowsItsFirstDigits) {
    driver.click(pipe_flow, "bt_débit");
    driver.type(pipe_flow, "txt_vitesse31", "3e20");
    driver.type(pipe_flow, "txt_diamètre31", "9e5");
    QLineEdit* result = field("txt_débit31");
    ASSERT_GT(result->text().size(), 30);
    EXPECT_EQ(result->cursorPosition(), 0);
}

// A typed text that is not read whole as a number is marked, with a note that says what was read.
TEST_F(PipeFlowWindow, TextNotReadAsTypedIsMarked) {
    driver.click(pipe_flow, "bt_débit");
    QLineEdit* v = field("txt_vitesse31");
    const auto mark = [&] { return std::pair(cf::qt::drawn_mark(v) == "caution", v->toolTip().toStdString()); };
    driver.type(pipe_flow, "txt_vitesse31", "2,5");
    EXPECT_EQ(mark(), std::pair(true, std::string("Lu comme 2 : le séparateur décimal est le point")));
    driver.type(pipe_flow, "txt_vitesse31", "abc");
    EXPECT_EQ(mark(), std::pair(true, std::string("Lu comme 0 : ce texte n'est pas un nombre")));
    driver.type(pipe_flow, "txt_vitesse31", "2.5");
    EXPECT_EQ(mark(), std::pair(false, std::string()));
    driver.type(pipe_flow, "txt_vitesse31", "12 5");
    EXPECT_TRUE(mark().first);
    driver.type(pipe_flow, "txt_vitesse31", "");
    EXPECT_EQ(mark(), std::pair(false, std::string()));
    // "Initialisation" writes the fields: a text the page wrote carries no mark.
    driver.paste(pipe_flow, "txt_vitesse31", "1,5");
    ASSERT_TRUE(mark().first);
    driver.click(pipe_flow, "bt_initialisation");
    EXPECT_FALSE(mark().first);
}

// A unit text that a page puts in a field is not typed by the user: no mark.
TEST(FieldMarks, TextsThePageWritesCarryNone) {
    cf::Application app;
    cf::qt::QtBinding binding(app, "none");
    app.define_page("units", [](cf::Page& p) {
        cf::PageBuilder b(p);
        b.row(); b.field("txt_D", "mm"); b.field("txt_Qm", "");
        p.on_change("txt_Qm", [](cf::Page& page) { page.set_text("txt_D", "Kg/h"); });
    });
    app.show("units");
    settle();
    auto* d = qobject_cast<QLineEdit*>(binding.window("units")->widget("txt_D"));
    EXPECT_EQ(cf::qt::drawn_mark(d), "");
    QTest::keyClicks(binding.window("units")->widget("txt_Qm"), "1");
    EXPECT_EQ(d->text(), "Kg/h");
    EXPECT_EQ(cf::qt::drawn_mark(d), "");
}

// The window follows what it shows: it grows for the fluid data frame and shrinks back when the
// frame's "Retour" hides it; it keeps its size while results come and go as the user types.
TEST_F(PipeFlowWindow, TheWindowShrinksBackWhenAFrameIsClosedAndStaysPutWhileTyping) {
    driver.click(pipe_flow, "bt_calcul_du_nombre_de_Reynolds");
    driver.click(pipe_flow, "chx_nu");
    settle();
    const QSize before = window().size();
    driver.click(pipe_flow, "Command3");  // "Viscosité" opens the fluid data frame
    settle();
    EXPECT_GE(window().size().height(), before.height());
    driver.click(pipe_flow, "Command_sortie");
    settle();
    EXPECT_EQ(window().size(), before);

    driver.click(pipe_flow, "bt_débit");
    driver.type(pipe_flow, "txt_vitesse31", "1");
    driver.type(pipe_flow, "txt_diamètre31", "100");
    settle();
    const QSize working = window().size();
    driver.type(pipe_flow, "txt_diamètre31", "");  // the result and the Reynolds frame go
    settle();
    EXPECT_EQ(window().size(), working);
    driver.type(pipe_flow, "txt_diamètre31", "100");
    settle();
    EXPECT_EQ(window().size(), working);
    // A size the user gives a window is the least it takes, also when a frame closes.
    cf::qt::PageWindow& home = *driver.binding().window(cf::pages::home);
    const QSize users = home.size() + QSize(60, 40);
    home.resize(users);
    settle();
    driver.click(cf::pages::home, "bt_départ_calcul_de_débits_gaz");
    driver.click(cf::pages::home, "Command_retour");
    settle();
    EXPECT_EQ(home.size(), users);
}

}  // namespace
