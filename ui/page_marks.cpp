// The marks of a page's fields: the notes of typed inputs, and whether each result is current.
#include <algorithm>

#include "ui/application.h"
#include "ui/marks.h"
#include "ui/page.h"

namespace cf {

void Page::describe(std::string_view field, Quantity quantity, std::string symbol) {
    Slot& s = slot(field);
    s.described = true;
    s.control.quantity = quantity;
    s.control.symbol = std::move(symbol);
}

void Page::describe_by_layout() {
    std::vector<const Control*> labels;
    for (const Slot& s : slots_)
        if (s.control.kind == ControlKind::label) labels.push_back(&s.control);
    for (Slot& s : slots_) {
        Control& f = s.control;
        if (f.kind != ControlKind::field || s.described) continue;
        s.described = true;
        for (const Control* l : labels) {
            if (l->frame != f.frame || l->place.row != f.place.row) continue;
            if (l->place.column + l->place.column_span == f.place.column && f.symbol.empty())
                f.symbol = symbol_of_caption(l->text);
            if (l->place.column == f.place.column + f.place.column_span && f.quantity == Quantity::none)
                f.quantity = quantity_of_unit(l->text);
        }
    }
}

void Page::set_looked_up(std::string_view combo) { mutable_control(combo).looked_up = true; }

const Mark& Page::mark(std::string_view field) const {
    if (marks_stale_) const_cast<Page*>(this)->refresh_marks();
    return control(field).mark;
}

double Page::procedure_read(std::string_view field) const {
    const Slot& s = slot(field);
    reads_.push_back(Source{&s, s.revision});
    return value_of(s);
}

void Page::results_of_procedure(std::initializer_list<std::string_view> fields, ResultEnd end) {
    const bool stopped = end == ResultEnd::held_shown || end == ResultEnd::kept;
    for (auto field : fields) {
        Slot& s = slot(field);
        if (end == ResultEnd::emptied || (end == ResultEnd::kept && !s.computed)) continue;  // nothing of it shown
        s.stopped = stopped;
        if (stopped) {
            // The inputs read that read as 0 are what a guard tests first: the note names them.
            s.stopped_by.clear();
            for (const Source& read : reads_)
                if (!read.slot->control.symbol.empty() && value_of(*read.slot) == 0) s.stopped_by.push_back(read.slot);
        } else {
            s.sources.assign(reads_.begin(), reads_.end());
        }
        if (end != ResultEnd::kept) s.pending = true;  // the kit writes it next
        if (!s.listed) {
            s.listed = true;
            results_.push_back(&s);
        }
    }
    reads_.clear();
    marks_stale_ = true;
}

void Page::result_follows(std::string_view field, std::string_view from) {
    reads_.assign(1, Source{&slot(from), slot(from).revision});
    results_of_procedure({field}, ResultEnd::computed);
    Slot& s = slot(field);
    s.pending = false;
    s.computed = true;
}

// A write into a field: the procedure kit's (announced just before), the page's, or the user's (typed).
bool Page::note_write(Slot& s, const TypedNote* typed) {
    if (s.pending) {
        s.pending = false;
        s.computed = true;
    } else if (s.computed) {
        s.computed = false;  // the page wrote it: no procedure's result any more
        s.stopped = false;
        marks_stale_ = true;
    }
    const bool misread = typed && typed->misread;
    if (misread != s.misread) {
        s.misread = misread;
        misread_inputs_ += misread ? 1 : -1;
        marks_stale_ = true;
    }
    static const std::string no_note;
    const std::string& note = typed ? typed->note : no_note;
    if (s.input_note == note) return false;
    s.input_note = note;
    s.control.mark = note.empty() ? Mark{} : Mark{MarkKind::caution, note};
    return true;
}

void Page::set_mark(Slot& s, Mark mark) {
    if (s.control.mark == mark) return;
    s.control.mark = std::move(mark);
    changed(s.control);
}

// Current: computed by its procedure, not stopped since, from inputs whose texts have not changed
// since and which are current themselves. Judged once per refresh; a loop of results counts as current.
bool Page::judge(const Slot& s) const {
    if (!s.computed) return true;
    if (s.checked == refreshes_) return s.current;
    s.checked = refreshes_;
    s.current = true;
    if (s.stopped) {
        std::vector<std::string_view> zero;
        for (const Slot* input : s.stopped_by)
            if (std::find(zero.begin(), zero.end(), input->control.symbol) == zero.end()) zero.push_back(input->control.symbol);
        s.why = stopped_note(zero);
        return s.current = false;
    }
    for (const Source& source : s.sources) {
        if (source.slot->revision != source.revision) {
            s.why = changed_note(source.slot->control.symbol);
            return s.current = false;
        }
        if (!judge(*source.slot)) {
            s.why = source.slot->why;
            return s.current = false;
        }
    }
    return true;
}

// The inputs not read as typed that a result was computed from, through the results it was computed from.
void Page::misread_sources(const Slot& s, std::string& notes) const {
    for (const Source& source : s.sources) {
        const Slot& input = *source.slot;
        if (input.visited == walks_) continue;
        input.visited = walks_;
        if (input.computed) {
            misread_sources(input, notes);
        } else if (input.misread) {
            const std::string& symbol = input.control.symbol.empty() ? input.control.name : input.control.symbol;
            if (!notes.empty()) notes += '\n';
            notes += misread_source_note(symbol, value_of(input), input.control.text);
        }
    }
}

void Page::refresh_marks() {
    if (!marks_stale_) return;
    marks_stale_ = false;
    ++refreshes_;
    for (Slot* s : results_) {
        // A field a procedure once wrote and the user has typed into since is an input: its mark is the
        // note of its reading.
        Mark mark = s->computed || s->input_note.empty() ? Mark{} : Mark{MarkKind::caution, s->input_note};
        if (s->computed && !s->control.text.empty()) {
            if (!judge(*s)) {
                mark = Mark{MarkKind::not_current, s->why};
            } else if (misread_inputs_ > 0) {
                ++walks_;
                misread_sources(*s, mark.note);
                if (!mark.note.empty()) mark.kind = MarkKind::caution;
            }
        }
        set_mark(*s, std::move(mark));
    }
}

}  // namespace cf
