// calcfluides-screenshots DIR: renders every page window, and a few pages at work, to PNG files.
// Without a display it renders on the offscreen platform.

#include <QApplication>

#include "ui/qt/headless.h"
#include <QDir>
#include <QPixmap>
#include <functional>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "scenario/gui_driver.h"
#include "shell/page_names.h"

namespace {

struct Shot {
    const char* file;
    const char* page;
    std::function<void(cf::scenario::GuiDriver&)> steps;
};

}  // namespace

int main(int argc, char** argv) {
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(dir);
    namespace p = cf::pages;
    const std::vector<Shot> shots = {
        {"home", p::home, nullptr},
        {"home-flow-choice", p::home, [](auto& d) { d.click(p::home, "bt_départ_calcul_de_débits_gaz"); }},
        {"pipe-flow", p::pipe_flow, [](auto& d) { d.click(p::home, "bt_départ_calcul_DVS"); }},
        {"pipe-flow-debit", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_débit");
             d.type(p::pipe_flow, "txt_vitesse31", "1");
             d.type(p::pipe_flow, "txt_diamètre31", "100");
         }},
        {"pipe-flow-reynolds-nu", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_Section");
             d.type(p::pipe_flow, "txt_vitesse32", "1");
             d.type(p::pipe_flow, "txt_débit32", "10");
             d.click(p::pipe_flow, "chx_nu");
             d.type(p::pipe_flow, "txt_vitesse_calcul_reynolds", "2");
             d.type(p::pipe_flow, "txt_diamètre_reynolds", "50");
             d.type(p::pipe_flow, "txt_nu_reynolds", "1");
             // The regime "Turbulent" has opened the turbulent pressure-loss frame.
             const std::pair<const char*, const char*> turbulent[] = {
                 {"txt_Qv_calcul_pertes_de_charges2", "10"}, {"txt_RHO_calcul_pertes_de_charges2", "1000"},
                 {"txt_L_calcul_pertes_de_charges2", "100"}, {"txt_D_calcul_pertes_de_charges2", "50"},
                 {"txt_Re_calcul_pertes_de_charges2", "100000"}};
             for (const auto& [field, text] : turbulent) d.type(p::pipe_flow, field, text);
         }},
        {"pipe-flow-fluid-data", p::pipe_flow,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_DVS");
             d.click(p::pipe_flow, "bt_calcul_du_nombre_de_Reynolds");
             d.click(p::pipe_flow, "chx_Mu");
             d.click(p::pipe_flow, "Command3");
             d.click(p::pipe_flow, "Command_chx_gaz");
             d.pick(p::pipe_flow, "Combo_choix_liquide", "Air ( à 0°C )");
         }},
        {"density", p::density, [](auto& d) { d.click(p::home, "bt_dvs_calculs_de_masses_volumiques"); }},
        {"orifice-plate", p::orifice_plate, [](auto& d) { d.click(p::home, "Command_feuille_calcul_od"); }},
        {"correction-qvc-qvs", p::correction_qvc_qvs,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qvc");
         }},
        {"correction-qvn-qm", p::correction_qvn_qm,
         [](auto& d) {
             d.click(p::home, "bt_départ_calcul_de_débits_gaz");
             d.click(p::home, "Qm");
         }},
    };
    int failures = 0;
    for (const auto& shot : shots) {
        cf::scenario::GuiDriver driver;
        if (shot.steps) shot.steps(driver);
        QWidget* window = driver.binding().window(shot.page);
        const QString path = dir + "/" + shot.file + ".png";
        if (!window || !window->grab().save(path)) {
            std::cerr << "could not render " << path.toStdString() << "\n";
            ++failures;
            continue;
        }
        std::cout << path.toStdString() << "\n";
    }
    return failures == 0 ? 0 : 1;
}
