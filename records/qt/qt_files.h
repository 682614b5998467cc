#pragma once
// The calculation files and sheets through Qt: what the menus, the command line and the scenario runner
// all use to save, open and export.

#include <QString>

#include "records/journal.h"
#include "records/record_files.h"
#include "records/sheet.h"

namespace cf::records::qt {

// The sheet of a loaded page's calculation as it stands, dated today.
Sheet sheet_of(Journals& journals, std::string_view page);

// Each returns "" or the French message.
QString save_calculation(Journals& journals, std::string_view page, const QString& path);
QString open_calculation(Journals& journals, const QString& path);
// Draws with fonts: without a Qt application (the command line, the scenario runner on the page model)
// an offscreen one is started first.
QString export_sheet(Journals& journals, std::string_view page, const QString& path);

class QtFiles : public Files {
public:
    std::string save(Journals& journals, std::string_view page, const std::string& path) override;
    std::string open(Journals& journals, const std::string& path) override;
    std::string export_sheet(Journals& journals, std::string_view page, const std::string& path) override;
};

}  // namespace cf::records::qt
