// calcfluides-screenshots DIR [--scale S] [--screen WIDTHxHEIGHT]: renders every page window, and the
// pages at work, to PNG files. Without a display it renders on the offscreen platform, on one screen of
// the given size (1920x1080 unless told), at the given scale (QT_SCALE_FACTOR, 1 unless told).

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/shots/shots.h"
#include "ui/qt/headless.h"

int main(int argc, char** argv) {
    std::string dir_arg = "docs/screenshots";
    std::string scale;
    int width = 1920, height = 1080;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--scale" && i + 1 < argc) {
            scale = argv[++i];
        } else if (arg == "--screen" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2) {
                std::cerr << "--screen takes WIDTHxHEIGHT\n";
                return 2;
            }
        } else {
            dir_arg = arg;
        }
    }
    if (!scale.empty()) qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale));
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY")) || platform == "offscreen")
        cf::qt::use_offscreen_screen(width, height);
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    const QString dir = QString::fromStdString(dir_arg);
    QDir().mkpath(dir);
    std::vector<cf::shots::Shot> shots;
    for (auto&& list : {cf::shots::home_shots(), cf::shots::pipe_flow_shots(), cf::shots::orifice_shots(),
                        cf::shots::density_shots(), cf::shots::correction_shots(), cf::shots::records_shots()})
        shots.insert(shots.end(), list.begin(), list.end());
    int failures = 0;
    for (const auto& shot : shots) {
        cf::scenario::GuiDriver driver;
        if (shot.steps) shot.steps(driver);
        cf::qt::PageWindow* window = driver.binding().window(shot.page);
        QWidget* shown = window && shot.control ? window->widget(shot.control) : window;
        if (window && !shot.control) {
            // The window from its top left, its scroll bars drawn where they now stand.
            window->scroll_area()->ensureVisible(0, 0);
            QCoreApplication::processEvents();
            window->scroll_area()->horizontalScrollBar()->update();
            window->scroll_area()->verticalScrollBar()->update();
            QCoreApplication::processEvents();
        }
        const QString path = dir + "/" + shot.file + ".png";
        const bool saved = shot.picture ? shot.picture(driver).save(path) : shown && shown->grab().save(path);
        if (!saved) {
            std::cerr << "could not render " << path.toStdString() << "\n";
            ++failures;
            continue;
        }
        std::cout << path.toStdString() << "\n";
    }
    return failures == 0 ? 0 : 1;
}
