// CalcFluides: the program starts on the home page; closing the home page's window ends it.
//   calcfluides                                 the home page
//   calcfluides FILE.cfcalc                     the home page, then the calculation of the file opened
//   calcfluides --sheet FILE.cfcalc OUT.pdf     the file's calculation sheet written, without a window:
//                                               exits 0, or prints what is wrong and exits 1

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "program/program.h"
#include "records/journal.h"
#include "records/qt/calculation_file.h"
#include "records/qt/prompts.h"
#include "records/qt/qt_files.h"
#include "records/qt/records_ui.h"
#include "shell/page_names.h"
#include "ui/application.h"
#include "ui/qt/qt_binding.h"

namespace {

int write_sheet(const char* file, const char* pdf) {
    cf::Application app;
    cf::records::Journals journals(app);
    cf::start_calcfluides(app);
    const auto reading = cf::records::qt::read_file(QString::fromLocal8Bit(file));
    QString message = reading.message;
    if (message.isEmpty()) message = QString::fromStdString(journals.open(reading.record, file));
    if (message.isEmpty())
        message = cf::records::qt::export_sheet(journals, reading.record.page, QString::fromLocal8Bit(pdf));
    if (message.isEmpty()) return 0;
    std::fprintf(stderr, "calcfluides: %s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--sheet") == 0) {
        if (argc != 4) {
            std::fprintf(stderr, "usage: calcfluides --sheet FILE.cfcalc OUT.pdf\n");
            return 2;
        }
        return write_sheet(argv[2], argv[3]);
    }
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName("CalcFluides");
    QApplication::setDesktopFileName("calcfluides");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1/apps/calcfluides.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);  // the home page's window decides
    cf::Application app;
    cf::records::Journals journals(app);
    cf::qt::QtBinding binding(app, cf::pages::home);
    cf::records::qt::DialogPrompts prompts;
    cf::records::qt::RecordsUi records(binding, journals, prompts);
    cf::start_calcfluides(app);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) records.open_file(arguments.at(1));
    return QApplication::exec();
}
