#pragma once
// The calculation sheet as plain data: what the page shows of a calculation, in the page's own texts and
// values exactly as displayed. The PDF, the printed page and the clipboard are drawn from it.

#include <string>
#include <vector>

#include "records/record.h"
#include "ui/page.h"

namespace cf::records {

struct SheetRow {
    std::string label;
    std::string value;
    std::string unit;
    bool result = false;
};

struct Sheet {
    std::string program;
    std::string version;
    std::string date;
    std::string file;  // its name, or empty
    std::string title;
    std::vector<std::string> choices;
    std::vector<SheetRow> rows;         // the inputs and results shown, in the order of the page
    std::vector<std::string> statuses;  // the standard in force and the limits verdict, where shown
    std::vector<std::string> notes;     // the page's notes on what is not computed
};

// The program's version, as its files and sheets carry it.
const char* program_version();

// The sheet of a page's calculation as it stands.
Sheet make_sheet(const Page& page, const Record& record, const std::string& file, const std::string& date);

// The table as text with tab separators (a spreadsheet takes it as columns), and as HTML.
std::string tab_separated(const Sheet& sheet);
std::string html_table(const Sheet& sheet);

}  // namespace cf::records
