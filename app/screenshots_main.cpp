// calcfluides-screenshots DIR: renders every page window, and the pages at work, to PNG files.
// Without a display it renders on the offscreen platform.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <iostream>
#include <vector>

#include "app/shots/shots.h"
#include "ui/qt/headless.h"

int main(int argc, char** argv) {
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(dir);
    std::vector<cf::shots::Shot> shots;
    for (auto&& list : {cf::shots::home_shots(), cf::shots::pipe_flow_shots(), cf::shots::orifice_shots(),
                        cf::shots::density_shots(), cf::shots::correction_shots()})
        shots.insert(shots.end(), list.begin(), list.end());
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
