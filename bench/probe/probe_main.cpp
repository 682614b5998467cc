// calcfluides-probe startup|memory: the program as it starts, measured from outside.
//   startup  prints "painted" once the home page's window has been painted, then ends;
//   memory   opens every page, paints them, then prints the peak resident memory in kB (VmHWM).
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/page_names.h"
#include "program/program.h"
#include "ui/application.h"
#include "ui/qt/headless.h"
#include "ui/qt/qt_binding.h"

namespace {

// Ends the program once a window has painted a widget of its own.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!done_ && event->type() == QEvent::Paint && w && w->window() == window_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool done_ = false;
};

long peak_resident_kb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "startup";
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    QApplication qt_app(argc, argv);
    cf::Application app;
    cf::qt::QtBinding binding(app, cf::pages::home);
    if (mode == "memory") {
        cf::start_calcfluides(app);
        for (const auto& page : app.page_names()) app.show(page);
        for (const auto& page : app.page_names()) binding.window(page)->grab();
        QCoreApplication::processEvents();
        std::printf("%ld\n", peak_resident_kb());
        return 0;
    }
    cf::start_calcfluides(app);  // the binding creates the home page's window as the page is shown
    FirstPaint first_paint(binding.window(cf::pages::home));
    qt_app.installEventFilter(&first_paint);
    return QApplication::exec();
}
