#include "records/sheet.h"

#include <algorithm>

#include "program/program.h"
#include "records/replay.h"

namespace cf::records {

namespace {

// A caption as one line: runs of blanks and line breaks become one blank.
std::string one_line(const std::string& caption) {
    std::string out;
    for (char c : caption) {
        const bool blank = c == ' ' || c == '\n' || c == '\t';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// On screen, whatever the page's own visibility: the control and every frame around it visible.
bool drawn(const Page& p, const Control& c) {
    for (const Control* at = &c;; at = &p.control(at->frame)) {
        if (!at->visible) return false;
        if (at->frame.empty()) return true;
    }
}

bool same_row(const Control& a, const Control& b) { return a.frame == b.frame && a.place.row == b.place.row; }

bool is_value(const Control& c) { return c.kind == ControlKind::field || c.kind == ControlKind::combo; }

// A unit caption "10     m²/s" with its raised "-6" laid over it: "10-6 m²/s".
std::string unit_text(const Page& p, const Control& unit) {
    for (const std::string& name : p.order()) {
        const Control& raised = p.control(name);
        if (raised.look != Look::raised || !same_row(raised, unit) || raised.place.column != unit.place.column) continue;
        const auto gap = unit.text.find(' ');
        if (gap == std::string::npos) break;
        return one_line(unit.text.substr(0, gap) + raised.text + " " + unit.text.substr(gap));
    }
    return one_line(unit.text);
}

// The label of a value: the nearest shown label before it in its row, or in the row above when its own
// row has none; its unit: the nearest shown unit after it, before the next value of the row.
SheetRow row_of(const Page& p, const Control& value) {
    SheetRow row{{}, value.text, {}, is_result(value)};
    const Control* label = nullptr;
    const Control* unit = nullptr;
    int next_value = 1 << 30;
    for (const std::string& name : p.order()) {
        const Control& c = p.control(name);
        if (&c != &value && is_value(c) && same_row(c, value) && c.place.column > value.place.column)
            next_value = std::min(next_value, c.place.column);
    }
    for (int above = 0; above <= 1 && !label; ++above) {
        // Between the value and the value before it in that row.
        int previous_value = -1;
        for (const std::string& name : p.order()) {
            const Control& c = p.control(name);
            if (is_value(c) && c.frame == value.frame && c.place.row == value.place.row - above &&
                c.place.column < value.place.column)
                previous_value = std::max(previous_value, c.place.column);
        }
        for (const std::string& name : p.order()) {
            const Control& c = p.control(name);
            if (c.kind != ControlKind::label || !drawn(p, c) || c.frame != value.frame ||
                c.place.row != value.place.row - above || c.place.column >= value.place.column ||
                c.place.column <= previous_value)
                continue;
            if (c.look != Look::plain && c.look != Look::heading) continue;
            if (!label || c.place.column > label->place.column) label = &c;
        }
    }
    for (const std::string& name : p.order()) {
        const Control& c = p.control(name);
        if (c.kind != ControlKind::label || c.look != Look::unit || !drawn(p, c) || !same_row(c, value) ||
            c.place.column <= value.place.column || c.place.column >= next_value)
            continue;
        if (!unit || c.place.column < unit->place.column) unit = &c;
    }
    if (label) row.label = one_line(label->text);
    if (unit) row.unit = unit_text(p, *unit);
    return row;
}

void add_once(std::vector<std::string>& list, std::string text) {
    if (!text.empty() && std::find(list.begin(), list.end(), text) == list.end()) list.push_back(std::move(text));
}

std::vector<std::string> choices_of(const Page& p, const Record& record) {
    std::vector<std::string> choices;
    for (const Step& step : record.steps) {
        if (step.kind == Step::Kind::flow) {
            if (!step.control.empty()) add_once(choices, "Débit choisi sur la page d'accueil : " + step.control);
            continue;
        }
        if (!p.has(step.control)) continue;
        const Control& c = p.control(step.control);
        if (step.kind == Step::Kind::pick) add_once(choices, one_line(step.text));
        if (step.kind != Step::Kind::click) continue;
        // An option left for another of its group is no choice; one locked in beside the next choice is.
        if (c.kind == ControlKind::option && !c.selected && !c.enabled) continue;
        add_once(choices, one_line(c.text));
    }
    return choices;
}

std::string escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// A cell of the tab-separated table: a tab or a line break inside would split it.
std::string cell(const std::string& s) {
    std::string out = s;
    std::replace(out.begin(), out.end(), '\t', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

}  // namespace

const char* program_version() { return CALCFLUIDES_VERSION; }

Sheet make_sheet(const Page& p, const Record& record, const std::string& file, const std::string& date) {
    Sheet sheet{"CalcFluides", program_version(), date, file, p.window_title(), {}, {}, {}, {}};
    for (const std::string& name : p.order()) {
        const Control& c = p.control(name);
        if (c.kind == ControlKind::label && c.look == Look::title && drawn(p, c)) {
            sheet.title = one_line(c.text);
            break;
        }
    }
    sheet.choices = choices_of(p, record);
    for (const std::string& name : p.order()) {
        const Control& c = p.control(name);
        if (!drawn(p, c)) continue;
        if (is_value(c))
            sheet.rows.push_back(row_of(p, c));
        else if (c.kind == ControlKind::label && (c.look == Look::status || c.look == Look::alert))
            add_once(sheet.statuses, one_line(c.text));
        else if (c.kind == ControlKind::label && c.look == Look::warning)
            add_once(sheet.notes, one_line(c.text));
    }
    return sheet;
}

std::string tab_separated(const Sheet& sheet) {
    std::string out = "Grandeur\tValeur\tUnité\n";
    for (const SheetRow& row : sheet.rows) out += cell(row.label) + "\t" + cell(row.value) + "\t" + cell(row.unit) + "\n";
    return out;
}

std::string html_table(const Sheet& sheet) {
    std::string out = "<table>\n<tr><th>Grandeur</th><th>Valeur</th><th>Unité</th></tr>\n";
    for (const SheetRow& row : sheet.rows)
        out += "<tr><td>" + escaped(row.label) + "</td><td>" + escaped(row.value) + "</td><td>" + escaped(row.unit) +
               "</td></tr>\n";
    return out + "</table>\n";
}

}  // namespace cf::records
