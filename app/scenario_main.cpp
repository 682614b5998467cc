// calcfluides-scenario [--gui] FILE...
// Runs each scenario file against a fresh run of the program: the page model alone, or with --gui the
// real widgets. Ends with "N passed, M failed" (files) and exits 0 only when none failed.

#include <QApplication>

#include "ui/qt/headless.h"
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "records/qt/qt_files.h"
#include "scenario/gui_driver.h"
#include "scenario/model_driver.h"

int main(int argc, char** argv) {
    bool gui = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gui") == 0)
            gui = true;
        else
            files.emplace_back(argv[i]);
    }
    if (files.empty()) {
        std::cerr << "usage: calcfluides-scenario [--gui] FILE...\n";
        return 2;
    }
    std::unique_ptr<QApplication> qt_app;
    cf::qt::use_offscreen_without_display();
    cf::qt::quiet_platform_notices();
    if (gui) qt_app = std::make_unique<QApplication>(argc, argv);

    int passed = 0;
    int failed = 0;
    cf::records::qt::QtFiles calculation_files;
    for (const auto& file : files) {
        std::unique_ptr<cf::scenario::Driver> driver;
        if (gui) {
            driver = std::make_unique<cf::scenario::GuiDriver>();
        } else {
            auto model = std::make_unique<cf::scenario::ModelDriver>();
            model->set_files(&calculation_files);
            driver = std::move(model);
        }
        if (cf::scenario::run_file(file, *driver, std::cout))
            ++passed;
        else
            ++failed;
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
