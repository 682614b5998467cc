#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "app/shots/shots.h"
#include "scenario/worked_calculations.h"
#include "shell/page_names.h"

namespace cf::shots {

namespace {

// The orifice plate window with its "Fichier" menu open over it.
QImage file_menu(scenario::GuiDriver& d) {
    scenario::orifice_mass_flow(d);
    QWidget* window = d.binding().window(pages::orifice_plate);
    auto* bar = window->findChild<QMenuBar*>();
    QMenu* menu = bar->actions().first()->menu();
    const QPoint at = bar->mapTo(window, bar->actionGeometry(bar->actions().first()).bottomLeft());
    menu->popup(window->mapToGlobal(at));
    QCoreApplication::processEvents();
    QImage picture = window->grab().toImage();
    QPainter painter(&picture);
    painter.drawPixmap(at, menu->grab());
    menu->hide();
    return picture;
}

// The calculation sheet of the same calculation, its PDF's first page pictured by pdftoppm.
QImage sheet(scenario::GuiDriver& d) {
    scenario::orifice_mass_flow(d);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("feuille.pdf");
    if (!d.export_sheet(pages::orifice_plate, pdf.toStdString()).empty()) return {};
    QProcess::execute("pdftoppm", {"-png", "-r", "70", "-singlefile", pdf, dir.filePath("feuille")});
    return QImage(dir.filePath("feuille.png"));
}

}  // namespace

std::vector<Shot> records_shots() {
    return {
        {"records-file-menu", pages::orifice_plate, nullptr, nullptr, file_menu},
        {"records-sheet", pages::orifice_plate, nullptr, nullptr, sheet},
    };
}

}  // namespace cf::shots
