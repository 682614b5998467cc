#pragma once
// The calculation menus of every calculation page's window, built in the binding from what a page is:
// "Fichier" (open, save, save as, the sheet in PDF, print, copy the results), "Édition" ("Annuler" of
// the last "Initialisation" or opening) and "Aide" (the user's guide, about). It also titles each window
// with its file and a mark of unsaved work, and asks before unsaved work is discarded: on closing a
// window or the program, and on a "Retour à la page d'accueil" that discards pages.

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>
#include <vector>

#include "records/journal.h"
#include "records/qt/prompts.h"
#include "ui/qt/qt_binding.h"

class QAction;

namespace cf::records::qt {

class RecordsUi : public QObject {
public:
    RecordsUi(cf::qt::QtBinding& binding, Journals& journals, Prompts& prompts);
    ~RecordsUi() override;

    // A menu action of a page's window, by its caption ("Enregistrer sous…"), or nullptr.
    QAction* action(std::string_view page, const QString& caption) const;

    // What the menus do. Each says whether it was done (not cancelled, nothing failed).
    bool save(const std::string& page);
    bool save_as(const std::string& page);
    bool open(const std::string& from_page);  // asks for the file
    bool open_file(const QString& path, QWidget* parent = nullptr);
    bool export_pdf(const std::string& page);
    bool print(const std::string& page);
    void copy_results(const std::string& page);
    bool undo(const std::string& page);
    void show_guide();
    void show_about();
    QWidget* guide_window() const { return guide_; }
    QWidget* about_window() const { return about_; }

    // Asks about each page of the list that holds unsaved work; says whether to go on (nothing
    // answered "Annuler", every "Enregistrer" saved). The close path of a window calls it.
    bool may_discard(const std::vector<std::string>& pages, QWidget* parent);
    // The pages that closing the program would discard unsaved.
    std::vector<std::string> loaded_pages() const;

private:
    void decorate(cf::qt::PageWindow& window);
    void update(const std::string& page);
    QWidget* window_of(const std::string& page) const;

    cf::qt::QtBinding& binding_;
    Journals& journals_;
    Prompts& prompts_;
    QPointer<QWidget> guide_;
    QPointer<QWidget> about_;
};

}  // namespace cf::records::qt
