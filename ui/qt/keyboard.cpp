#include "ui/qt/keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace cf::qt {

namespace {

// The controls of one container (a frame, or the page for ""), in reading order; frames drawn over the
// same cell keep their design order.
std::vector<const Control*> in_reading_order(const Page& page, const std::string& container, bool by_columns) {
    std::vector<const Control*> children;
    for (const auto& name : page.order()) {
        const Control& c = page.control(name);
        if (c.frame == container) children.push_back(&c);
    }
    std::stable_sort(children.begin(), children.end(), [by_columns](const Control* a, const Control* b) {
        if (by_columns) return std::pair(a->place.column, a->place.row) < std::pair(b->place.column, b->place.row);
        return std::pair(a->place.row, a->place.column) < std::pair(b->place.row, b->place.column);
    });
    return children;
}

void collect(const Page& page, const std::string& container, bool by_columns, std::vector<const Control*>& out) {
    for (const Control* c : in_reading_order(page, container, by_columns)) {
        if (c->kind == ControlKind::frame)
            collect(page, c->name, c->by_columns, out);
        else if (takes_keyboard(*c))
            out.push_back(c);
    }
}

}  // namespace

bool takes_keyboard(const Control& c) {
    switch (c.kind) {
        case ControlKind::field:
        case ControlKind::combo: return !is_result(c);
        case ControlKind::button:
        case ControlKind::option: return true;
        default: return false;
    }
}

std::vector<const Control*> keyboard_order(const Page& page) {
    std::vector<const Control*> order;
    collect(page, "", false, order);
    return order;
}

bool click_on_enter(QWidget* focused, const QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QAbstractButton*>(focused);
    if (!button || !button->isEnabled() || !button->isVisible()) return false;
    button->click();
    return true;
}

}  // namespace cf::qt
