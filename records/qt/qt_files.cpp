#include "records/qt/qt_files.h"

#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>

#include "records/qt/calculation_file.h"
#include "records/qt/sheet_render.h"

namespace cf::records::qt {

namespace {

// Started once and kept to the end of the program: a Qt application must not end with the statics.
void ensure_gui_application() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "calcfluides";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // NOLINT: deliberately never deleted
}

}  // namespace

Sheet sheet_of(Journals& journals, std::string_view page) {
    const std::string file = journals.file(page);
    return make_sheet(journals.app().page(page), journals.record(page),
                      file.empty() ? std::string() : QFileInfo(QString::fromStdString(file)).fileName().toStdString(),
                      QDate::currentDate().toString("dd/MM/yyyy").toStdString());
}

QString save_calculation(Journals& journals, std::string_view page, const QString& path) {
    QString message = write_file(path, to_json(journals.record(page)));
    if (message.isEmpty()) journals.saved(page, path.toStdString());
    return message;
}

QString open_calculation(Journals& journals, const QString& path) {
    const Reading reading = read_file(path);
    if (!reading.message.isEmpty()) return reading.message;
    return QString::fromStdString(journals.open(reading.record, path.toStdString()));
}

QString export_sheet(Journals& journals, std::string_view page, const QString& path) {
    ensure_gui_application();
    return write_pdf(path, sheet_of(journals, page));
}

std::string QtFiles::save(Journals& journals, std::string_view page, const std::string& path) {
    return save_calculation(journals, page, QString::fromStdString(path)).toStdString();
}

std::string QtFiles::open(Journals& journals, const std::string& path) {
    return open_calculation(journals, QString::fromStdString(path)).toStdString();
}

std::string QtFiles::export_sheet(Journals& journals, std::string_view page, const std::string& path) {
    return qt::export_sheet(journals, page, QString::fromStdString(path)).toStdString();
}

}  // namespace cf::records::qt
