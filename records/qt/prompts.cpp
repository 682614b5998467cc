#include "records/qt/prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace cf::records::qt {

namespace {

const char* const calculation_filter = "Feuilles CalcFluides (*.cfcalc)";

// The file with its extension, when the user typed none.
QString with_suffix(QString file, const QString& suffix) {
    if (!file.isEmpty() && !file.endsWith(suffix, Qt::CaseInsensitive)) file += suffix;
    return file;
}

}  // namespace

QString DialogPrompts::file_to_open(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, "Ouvrir un calcul", folder, calculation_filter);
}

QString DialogPrompts::file_to_save(QWidget* parent, const QString& suggested) {
    return with_suffix(QFileDialog::getSaveFileName(parent, "Enregistrer le calcul", suggested, calculation_filter),
                       ".cfcalc");
}

QString DialogPrompts::pdf_to_write(QWidget* parent, const QString& suggested) {
    return with_suffix(QFileDialog::getSaveFileName(parent, "Exporter la feuille de calcul", suggested,
                                                    "Documents PDF (*.pdf)"),
                       ".pdf");
}

Prompts::Unsaved DialogPrompts::unsaved(QWidget* parent, const QString& page_title) {
    QMessageBox box(QMessageBox::Warning, "CalcFluides",
                    QString("Le calcul « %1 » n'est pas enregistré.").arg(page_title), QMessageBox::NoButton, parent);
    box.setInformativeText("Voulez-vous l'enregistrer avant de le fermer ?");
    QPushButton* save = box.addButton("Enregistrer", QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton("Ne pas enregistrer", QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton("Annuler", QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return Unsaved::save;
    if (box.clickedButton() == discard) return Unsaved::discard;
    return Unsaved::cancel;
}

bool DialogPrompts::print_dialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Imprimer la feuille de calcul");
    return dialog.exec() == QDialog::Accepted;
}

void DialogPrompts::error(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, "CalcFluides", message);
}

}  // namespace cf::records::qt

namespace cf::records::qt {

QString AnsweringPrompts::next_file() {
    if (files.empty()) return {};
    QString file = files.front();
    files.pop_front();
    return file;
}

Prompts::Unsaved AnsweringPrompts::unsaved(QWidget*, const QString& page_title) {
    unsaved_asked << page_title;
    if (answers.empty()) return when_none_left;
    const Unsaved answer = answers.front();
    answers.pop_front();
    return answer;
}

bool AnsweringPrompts::print_dialog(QWidget*, QPrinter& printer) {
    if (print_to.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(print_to);
    return true;
}

}  // namespace cf::records::qt
