// calcfluides-screenshots DIR: renders every page window, and a few pages at work, to PNG files.
// Run it with QT_QPA_PLATFORM=offscreen to need no display.

#include <QApplication>

#include "ui/qt/platform_notices.h"
#include <QDir>
#include <QPixmap>
#include <functional>
#include <iostream>
#include <string>
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
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(dir);
    namespace p = cf::pages;
    const std::vector<Shot> shots = {
        {"home", p::home, nullptr},
        {"home-flow-choice", p::home, [](auto& d) { d.click(p::home, "bt_départ_calcul_de_débits_gaz"); }},
        {"pipe-flow", p::pipe_flow, [](auto& d) { d.click(p::home, "bt_départ_calcul_DVS"); }},
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
