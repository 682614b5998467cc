// CalcFluides: the program starts on the home page; closing the home page's window ends it.

#include <QApplication>

#include "shell/page_names.h"
#include "shell/program.h"
#include "ui/application.h"
#include "ui/qt/qt_binding.h"

int main(int argc, char** argv) {
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName("CalcFluides");
    QApplication::setQuitOnLastWindowClosed(false);  // the home page's window decides
    cf::Application app;
    cf::qt::QtBinding binding(app, cf::pages::home);
    cf::start_calcfluides(app);
    return QApplication::exec();
}
