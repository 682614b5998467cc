#pragma once
// The questions the calculation menus ask the user: a file to open or write, whether to save unsaved
// work, the print dialog, a message. The program asks with the system's dialogs; tests answer them
// themselves, so that nothing waits on a modal dialog.

#include <QString>

class QPrinter;
class QWidget;

namespace cf::records::qt {

struct Prompts {
    enum class Unsaved { save, discard, cancel };
    virtual ~Prompts() = default;
    // Each returns the file chosen, or "" when the user cancelled.
    virtual QString file_to_open(QWidget* parent, const QString& folder) = 0;
    virtual QString file_to_save(QWidget* parent, const QString& suggested) = 0;
    virtual QString pdf_to_write(QWidget* parent, const QString& suggested) = 0;
    // "Enregistrer" / "Ne pas enregistrer" / "Annuler" about the calculation of a page.
    virtual Unsaved unsaved(QWidget* parent, const QString& page_title) = 0;
    // The system's print dialog on the printer: whether the user chose to print.
    virtual bool print_dialog(QWidget* parent, QPrinter& printer) = 0;
    virtual void error(QWidget* parent, const QString& message) = 0;
};

// The system's dialogs.
class DialogPrompts : public Prompts {
public:
    QString file_to_open(QWidget* parent, const QString& folder) override;
    QString file_to_save(QWidget* parent, const QString& suggested) override;
    QString pdf_to_write(QWidget* parent, const QString& suggested) override;
    Unsaved unsaved(QWidget* parent, const QString& page_title) override;
    bool print_dialog(QWidget* parent, QPrinter& printer) override;
    void error(QWidget* parent, const QString& message) override;
};

}  // namespace cf::records::qt

#include <QStringList>
#include <deque>

namespace cf::records::qt {

// Answers given in advance, for tests and the scenario runner: each question takes the next answer of
// its kind, and cancels when none is left. The messages shown are kept.
class AnsweringPrompts : public Prompts {
public:
    std::deque<QString> files;      // for every file question, in turn
    std::deque<Unsaved> answers;    // for every question about unsaved work
    Unsaved when_none_left = Unsaved::cancel;
    QString print_to;               // a PDF file the printer writes to; empty: the print dialog is cancelled
    QStringList messages;
    QStringList unsaved_asked;      // the page titles asked about

    QString file_to_open(QWidget*, const QString&) override { return next_file(); }
    QString file_to_save(QWidget*, const QString&) override { return next_file(); }
    QString pdf_to_write(QWidget*, const QString&) override { return next_file(); }
    Unsaved unsaved(QWidget*, const QString& page_title) override;
    bool print_dialog(QWidget*, QPrinter& printer) override;
    void error(QWidget*, const QString& message) override { messages << message; }

private:
    QString next_file();
};

}  // namespace cf::records::qt
