// The calculation files, sheets and menus through the real windows: every bad file refused with its
// message and the page unchanged, an atomic save that fails, the sheet's text in the PDF, the round trip
// through the widgets, and the questions about unsaved work.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <unistd.h>

#include "program/program.h"
#include "records/qt/calculation_file.h"
#include "records/qt/qt_files.h"
#include "records/replay.h"
#include "scenario/gui_driver.h"
#include "scenario/worked_calculations.h"
#include "shell/page_names.h"

namespace {

using cf::records::qt::Prompts;
using cf::scenario::GuiDriver;

constexpr const char* orifice = cf::pages::orifice_plate;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void mass_flow(GuiDriver& d) { cf::scenario::orifice_mass_flow(d); }

QByteArray read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

TEST(CalculationFiles, EveryBadFileIsRefusedWithItsMessageAndChangesNothing) {
    QTemporaryDir dir;
    GuiDriver d;
    mass_flow(d);
    const auto before = cf::records::state_of(d.app().page(orifice));
    const QByteArray good = cf::records::qt::to_json(d.journals().record(orifice));
    QByteArray newer = good;
    newer.replace("\"format_version\": 1", "\"format_version\": 2");
    QByteArray unknown_page = good;
    unknown_page.replace("\"page\": \"feuille_calcul_od\"", "\"page\": \"feuille_xyz\"");
    QByteArray unknown_control = good;
    unknown_control.replace("Command_liquide", "Text_xyz");
    QByteArray unreachable = good;
    unreachable.replace("Option_dans_les_angles", "Option_a_la_bride\"}, {\"click\": \"Option_dans_les_angles");
    QByteArray too_long = good;
    too_long.replace("\"text\": \"100\"", "\"text\": \"" + QByteArray(1001, '1') + "\"");
    QByteArray binary = good;
    binary[40] = '\0';
    const std::vector<std::pair<QByteArray, QString>> bad = {
        {good.left(good.size() / 2), "texte JSON illisible ou tronqué"},
        {"Qm = 19792.3 kg/h\n", "texte JSON illisible ou tronqué, valeur illisible (ligne 1, colonne 2)"},
        {newer, "Le fichier vient d'une version plus récente de CalcFluides : format 2"},
        {unknown_page, "page inconnue feuille_xyz"},
        {unknown_control, "Le fichier n'est pas une feuille CalcFluides : contrôle inconnu Text_xyz (étape 1)"},
        {unreachable, "Option_dans_les_angles n'est pas accessible (étape 3)"},
        {too_long, "texte de plus de 1 000 caractères pour Text_diamétre_intérieur_canalisation"},
        {QByteArray(1024 * 1024 + 1, ' '), "Le fichier est trop gros pour une feuille CalcFluides"},
        {binary, "données binaires à l'octet 40"},
        {"\xff\xfe{}", "données binaires à l'octet 0"},
    };
    for (const auto& [content, message] : bad) {
        const QString path = dir.filePath("bad.cfcalc");
        write(path, content);
        const std::string got = d.open(path.toStdString());
        EXPECT_TRUE(QString::fromStdString(got).contains(message)) << got << "\nexpected " << message.toStdString();
        EXPECT_EQ(cf::records::state_of(d.app().page(orifice)), before) << message.toStdString();
    }
    EXPECT_EQ(d.open(dir.filePath("none.cfcalc").toStdString()).rfind("Impossible de lire le fichier none.cfcalc", 0),
              0u);
}

// A folder nobody may write into (root included: the folder made immutable).
bool lock(const QString& folder, bool locked) {
    if (geteuid() != 0) return QFile::setPermissions(folder, locked ? QFile::ReadOwner | QFile::ExeOwner
                                                                     : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QProcess::execute("chattr", {locked ? "+i" : "-i", folder}) == 0;
}

TEST(CalculationFiles, ASaveThatFailsLeavesTheEarlierFileByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("calcul.cfcalc");
    GuiDriver d;
    mass_flow(d);
    ASSERT_EQ(d.save(orifice, path.toStdString()), "");
    const QByteArray earlier = read(path);
    d.type(orifice, "Text_delta_p", "200");
    if (!lock(dir.path(), true)) GTEST_SKIP() << "no way here to make a folder read-only";
    const std::string message = d.save(orifice, path.toStdString());
    lock(dir.path(), false);
    EXPECT_NE(message.find("L'enregistrement de calcul.cfcalc a échoué"), std::string::npos) << message;
    EXPECT_NE(message.find("Le fichier précédent est resté tel quel."), std::string::npos) << message;
    EXPECT_EQ(read(path), earlier);
    EXPECT_TRUE(d.binding().window(orifice)->isWindowModified());
    ASSERT_EQ(d.save(orifice, path.toStdString()), "");
    EXPECT_NE(read(path), earlier);
    EXPECT_FALSE(d.binding().window(orifice)->isWindowModified());
}

// Saved, reset, opened: every field's widget shows the same text; the title names the file.
TEST(CalculationFiles, RoundTripThroughTheWindowsOnEveryCalculationPage) {
    QTemporaryDir dir;
    GuiDriver d;
    mass_flow(d);
    d.click(cf::pages::home, "bt_dvs_calculs_de_masses_volumiques");
    for (const char* step : {"bt_gaz20", "bt_RHOc20", "opbt_RHOc21"}) d.click("RHO", step);
    d.type("RHO", "txt_RHOn_pour_RHOc", "1.293");
    d.type("RHO", "txt_Pc_pour_RHOc21", "2.026");
    d.type("RHO", "txt_Tc_pour_RHOc21", "0");
    for (const std::string page : {orifice, "RHO"}) {
        auto* w = d.binding().window(page);
        std::map<QString, QString> texts;  // by field
        for (auto* e : w->findChildren<QLineEdit*>())
            if (!e->objectName().isEmpty()) texts[e->objectName()] = e->text();
        const QString path = dir.filePath(QString::fromStdString(page) + ".cfcalc");
        ASSERT_EQ(d.save(page, path.toStdString()), "");
        EXPECT_TRUE(w->windowTitle().startsWith(QString::fromStdString(page) + ".cfcalc[*] - ")) << w->windowTitle().toStdString();
        EXPECT_FALSE(w->isWindowModified());
        d.click(page, cf::registered(page)->initialisation);
        ASSERT_EQ(d.open(path.toStdString()), "");
        w = d.binding().window(page);
        std::map<QString, QString> opened;
        for (auto* e : w->findChildren<QLineEdit*>())
            if (!e->objectName().isEmpty()) opened[e->objectName()] = e->text();
        EXPECT_EQ(opened, texts) << page;
    }
    EXPECT_EQ(d.app().page(orifice).text("Text_qm_bis"), "19792.3");
}

TEST(CalculationMenus, EveryCalculationPageHasTheMenusAndTheHomePageNone) {
    GuiDriver d;
    for (const auto& row : cf::page_registry()) d.app().show(row.name);
    settle();
    EXPECT_EQ(d.binding().window(cf::pages::home)->findChild<QMenuBar*>(), nullptr);
    for (const auto& row : cf::page_registry()) {
        if (!row.initialisation) continue;
        auto* bar = d.binding().window(row.name)->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr) << row.name;
        QStringList menus;
        for (QAction* a : bar->actions()) menus << a->text();
        EXPECT_EQ(menus, QStringList({"&Fichier", "É&dition", "&Aide"}));
        EXPECT_EQ(d.records().action(row.name, "Ouvrir…")->shortcut(), QKeySequence("Ctrl+O"));
        EXPECT_EQ(d.records().action(row.name, "Copier les résultats")->shortcut(), QKeySequence("Ctrl+Shift+C"));
        EXPECT_EQ(d.records().action(row.name, "Guide de l'utilisateur")->shortcut(), QKeySequence(Qt::Key_F1));
    }
    d.records().action(orifice, "Guide de l'utilisateur")->trigger();
    d.records().action(orifice, "À propos de CalcFluides")->trigger();
    ASSERT_TRUE(d.records().guide_window() && d.records().about_window());
    EXPECT_TRUE(d.records().guide_window()->isVisible());
    EXPECT_FALSE(d.records().guide_window()->isModal());
    EXPECT_TRUE(d.records().about_window()->findChild<QWidget*>("about_text")->property("text").toString().contains("1.0.0"));
}

// The keyboard alone: Ctrl+S saves, Ctrl+Z outside a field undoes "Initialisation", Ctrl+Shift+C copies.
TEST(CalculationMenus, TheKeyboardSavesUndoesAndCopies) {
    QTemporaryDir dir;
    GuiDriver d;
    mass_flow(d);
    auto* w = d.binding().window(orifice);
    w->activateWindow();
    d.prompts().files = {dir.filePath("clavier.cfcalc")};
    QTest::keyClick(w->widget("Text_Nu"), Qt::Key_S, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(QFile::exists(dir.filePath("clavier.cfcalc")));
    d.click(orifice, "Init2");
    EXPECT_EQ(d.app().page(orifice).text("Text_qm_bis"), "");
    QTest::keyClick(w->widget("Init2"), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(d.app().page(orifice).text("Text_qm_bis"), "19792.3");
    w = d.binding().window(orifice);  // made afresh, if the page was
    QTest::keyClick(w->widget("Init2"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains("Qm (Kg/h ) :\t19792.3\t\n")) << copied->text().toStdString();
    EXPECT_TRUE(copied->html().contains("<td>19792.3</td>"));
}

TEST(CalculationMenus, UnsavedWorkIsAskedAboutBeforeItIsDiscarded) {
    GuiDriver d;
    mass_flow(d);
    auto& prompts = d.prompts();
    prompts.when_none_left = Prompts::Unsaved::cancel;
    d.click(orifice, "Command_retour_page_d_acceuil");
    EXPECT_EQ(prompts.unsaved_asked, QStringList{"CalcFluides - Plaque à orifice"});
    EXPECT_EQ(d.app().page(orifice).text("Text_qm_bis"), "19792.3");  // "Annuler": nothing discarded
    EXPECT_FALSE(d.binding().window(orifice)->close());
    EXPECT_FALSE(d.binding().window(cf::pages::home)->close());
    EXPECT_EQ(prompts.unsaved_asked.size(), 3);
    prompts.answers = {Prompts::Unsaved::discard};
    d.click(orifice, "Command_retour_page_d_acceuil");
    EXPECT_EQ(d.page_state(cf::pages::home), cf::scenario::PageState::shown);
    EXPECT_EQ(d.app().page(orifice).text("Text_qm_bis"), "");  // the page made afresh by its return home
}

// The sheet in PDF: pdftotext finds each input and result text of the page with its unit.
TEST(CalculationSheet, ThePdfHoldsEveryInputAndResultWithItsUnit) {
    QTemporaryDir dir;
    GuiDriver d;
    cf::scenario::pipe_flow(d);
    const QString pdf = dir.filePath("feuille.pdf");
    ASSERT_EQ(d.export_sheet("DVS", pdf.toStdString()), "");
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(10000));
    // Compared without blanks: pdftotext guesses them from the gaps between letters.
    const auto bare = [](QString s) { return s.remove(QRegularExpression("\\s+")); };
    const QString got = bare(QString::fromUtf8(text.readAllStandardOutput()));
    EXPECT_TRUE(got.contains(bare("Calculs de débits, vitesse, section, pertes de charge, nombre de Reynolds")));
    const auto sheet = cf::records::qt::sheet_of(d.journals(), "DVS");
    ASSERT_GE(sheet.rows.size(), 3u);
    for (const auto& row : sheet.rows) {
        EXPECT_TRUE(got.contains(bare(QString::fromStdString(row.label + row.value + row.unit)))) << row.label << " " << row.value << " " << row.unit << "\n" << got.toStdString();
    }
    d.prompts().print_to = dir.filePath("imprimé.pdf");
    d.records().action("DVS", "Imprimer…")->trigger();
    EXPECT_GT(QFile(dir.filePath("imprimé.pdf")).size(), 1000);
}

}  // namespace
