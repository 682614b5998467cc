#pragma once
// The calculation files and sheets as the program writes and reads them, for what drives the program
// without its windows (the scenario runner): the formats themselves are the Qt part's.

#include <string>
#include <string_view>

#include "records/journal.h"

namespace cf::records {

struct Files {
    virtual ~Files() = default;
    // Each returns "" or the French message of what went wrong.
    virtual std::string save(Journals& journals, std::string_view page, const std::string& path) = 0;
    virtual std::string open(Journals& journals, const std::string& path) = 0;
    virtual std::string export_sheet(Journals& journals, std::string_view page, const std::string& path) = 0;
};

}  // namespace cf::records
