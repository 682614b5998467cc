#include "records/qt/records_ui.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>

#include "program/program.h"
#include "records/qt/guide.h"
#include "records/qt/qt_files.h"
#include "records/qt/sheet_render.h"
#include "shell/navigation.h"
#include "shell/page_names.h"

namespace cf::records::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const char* const page_property = "calcfluides_page";

}  // namespace

RecordsUi::RecordsUi(cf::qt::QtBinding& binding, Journals& journals, Prompts& prompts)
    : binding_(binding), journals_(journals), prompts_(prompts) {
    journals_.changed = [this](const std::string& page) { update(page); };
    binding_.set_window_hook([this](cf::qt::PageWindow& w) { decorate(w); });
}

RecordsUi::~RecordsUi() {
    journals_.changed = nullptr;
    binding_.set_window_hook(nullptr);
    delete guide_;
    delete about_;
}

QWidget* RecordsUi::window_of(const std::string& page) const { return binding_.window(page); }

void RecordsUi::decorate(cf::qt::PageWindow& w) {
    const std::string page = w.page()->name();
    if (page == pages::home) {
        w.set_close_guard([this, &w] { return may_discard(loaded_pages(), &w); });
        return;
    }
    if (!Journals::keeps_journal(page)) return;
    auto* bar = new QMenuBar(&w);
    w.layout()->setMenuBar(bar);
    auto add = [&](QMenu* menu, const QString& caption, QKeySequence keys, auto act) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(caption);
        a->setProperty(page_property, q(page));
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, act);
        return a;
    };
    QMenu* file = bar->addMenu("&Fichier");
    add(file, "Ouvrir…", QKeySequence("Ctrl+O"), [this, page] { open(page); });
    add(file, "Enregistrer", QKeySequence("Ctrl+S"), [this, page] { save(page); });
    add(file, "Enregistrer sous…", QKeySequence("Ctrl+Shift+S"), [this, page] { save_as(page); });
    file->addSeparator();
    add(file, "Exporter la feuille de calcul (PDF)…", {}, [this, page] { export_pdf(page); });
    add(file, "Imprimer…", QKeySequence("Ctrl+P"), [this, page] { print(page); });
    file->addSeparator();
    add(file, "Copier les résultats", QKeySequence("Ctrl+Shift+C"), [this, page] { copy_results(page); });
    QMenu* edit = bar->addMenu("É&dition");
    add(edit, "Annuler", QKeySequence::Undo, [this, page] { undo(page); });
    QMenu* help = bar->addMenu("&Aide");
    add(help, "Guide de l'utilisateur", QKeySequence(Qt::Key_F1), [this] { show_guide(); });
    add(help, "À propos de CalcFluides", {}, [this] { show_about(); });

    w.set_close_guard([this, page, &w] { return may_discard({page}, &w); });
    const RegisteredPage* row = registered(page);
    w.set_click_guard([this, page, row, &w](const std::string& button) {
        if (!row->return_home || button != row->return_home) return true;
        std::vector<std::string> discarded;
        for (const std::string& other : loaded_pages())
            if (navigation::return_home_discards(page, other)) discarded.push_back(other);
        return may_discard(discarded, &w);
    });
    update(page);
}

QAction* RecordsUi::action(std::string_view page, const QString& caption) const {
    QWidget* w = binding_.window(page);
    return w ? w->findChild<QAction*>(caption) : nullptr;
}

void RecordsUi::update(const std::string& page) {
    cf::qt::PageWindow* w = binding_.window(page);
    if (!w || !w->page() || !Journals::keeps_journal(page)) return;
    const QString base = q(w->page()->window_title());
    const std::string file = journals_.file(page);
    // Only what changed is written: this runs at every keystroke.
    const QString title = file.empty() ? base + "[*]" : QFileInfo(q(file)).fileName() + "[*] - " + base;
    if (w->windowTitle() != title) w->setWindowTitle(title);
    if (const bool unsaved = journals_.unsaved(page); w->isWindowModified() != unsaved) w->setWindowModified(unsaved);
    if (QAction* a = action(page, "Annuler"); a && a->isEnabled() != journals_.can_undo(page))
        a->setEnabled(journals_.can_undo(page));
}

std::vector<std::string> RecordsUi::loaded_pages() const {
    std::vector<std::string> loaded;
    for (const std::string& page : journals_.app().page_names())
        if (journals_.app().loaded(page) && Journals::keeps_journal(page)) loaded.push_back(page);
    return loaded;
}

bool RecordsUi::save(const std::string& page) {
    const std::string file = journals_.file(page);
    if (file.empty()) return save_as(page);
    const QString message = save_calculation(journals_, page, q(file));
    if (!message.isEmpty()) prompts_.error(window_of(page), message);
    return message.isEmpty();
}

bool RecordsUi::save_as(const std::string& page) {
    const std::string file = journals_.file(page);
    const QString suggested = file.empty() ? QDir::current().filePath("calcul.cfcalc") : q(file);
    const QString path = prompts_.file_to_save(window_of(page), suggested);
    if (path.isEmpty()) return false;
    const QString message = save_calculation(journals_, page, path);
    if (!message.isEmpty()) prompts_.error(window_of(page), message);
    return message.isEmpty();
}

bool RecordsUi::open(const std::string& from_page) {
    const std::string file = journals_.file(from_page);
    const QString folder = file.empty() ? QDir::currentPath() : QFileInfo(q(file)).absolutePath();
    const QString path = prompts_.file_to_open(window_of(from_page), folder);
    return !path.isEmpty() && open_file(path, window_of(from_page));
}

bool RecordsUi::open_file(const QString& path, QWidget* parent) {
    const QString message = open_calculation(journals_, path);
    if (!message.isEmpty()) prompts_.error(parent, message);
    return message.isEmpty();
}

bool RecordsUi::export_pdf(const std::string& page) {
    const std::string file = journals_.file(page);
    const QString suggested = file.empty() ? QDir::current().filePath("feuille de calcul.pdf")
                                           : QFileInfo(q(file)).absolutePath() + "/" +
                                                 QFileInfo(q(file)).completeBaseName() + ".pdf";
    const QString path = prompts_.pdf_to_write(window_of(page), suggested);
    if (path.isEmpty()) return false;
    const QString message = export_sheet(journals_, page, path);
    if (!message.isEmpty()) prompts_.error(window_of(page), message);
    return message.isEmpty();
}

bool RecordsUi::print(const std::string& page) {
    QPrinter printer(QPrinter::HighResolution);
    if (!prompts_.print_dialog(window_of(page), printer)) return false;
    if (draw_sheet(printer, sheet_of(journals_, page))) return true;
    prompts_.error(window_of(page), "L'impression de la feuille de calcul a échoué.");
    return false;
}

void RecordsUi::copy_results(const std::string& page) {
    const Sheet sheet = sheet_of(journals_, page);
    auto* data = new QMimeData;
    data->setText(q(tab_separated(sheet)));
    data->setHtml(q(html_table(sheet)));
    QApplication::clipboard()->setMimeData(data);
}

bool RecordsUi::undo(const std::string& page) {
    if (!journals_.can_undo(page)) return false;
    const QString message = q(journals_.undo(page));
    if (!message.isEmpty()) prompts_.error(window_of(page), message);
    return message.isEmpty();
}

void RecordsUi::show_guide() {
    if (!guide_) guide_ = make_guide_window();
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void RecordsUi::show_about() {
    if (!about_) about_ = make_about_window();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

bool RecordsUi::may_discard(const std::vector<std::string>& pages, QWidget* parent) {
    for (const std::string& page : pages) {
        if (!journals_.unsaved(page)) continue;
        const QString title = q(journals_.app().page(page).window_title());
        switch (prompts_.unsaved(parent, title)) {
            case Prompts::Unsaved::save:
                if (!save(page)) return false;
                break;
            case Prompts::Unsaved::discard: break;
            case Prompts::Unsaved::cancel: return false;
        }
    }
    return true;
}

}  // namespace cf::records::qt
