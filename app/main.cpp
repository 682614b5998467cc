// CalcFluides: the program starts on the home page; closing the home page's window ends it.

#include <QApplication>
#include <QIcon>

#include "shell/page_names.h"
#include "program/program.h"
#include "ui/application.h"
#include "ui/qt/qt_binding.h"

int main(int argc, char** argv) {
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName("CalcFluides");
    QApplication::setDesktopFileName("calcfluides");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1/apps/calcfluides.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);  // the home page's window decides
    cf::Application app;
    cf::qt::QtBinding binding(app, cf::pages::home);
    cf::start_calcfluides(app);
    return QApplication::exec();
}
