#include "ui/qt/field_marks.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>
#include <QVariant>

namespace cf::qt {

namespace {

const char* const look_sheet_property = "calcfluides_look_sheet";
const char* const mark_property = "mark";
const char* const sign_name = "mark_sign";

QString mark_name(MarkKind kind) {
    switch (kind) {
        case MarkKind::none: return {};
        case MarkKind::caution: return "caution";
        case MarkKind::not_current: return "not_current";
    }
    return {};
}

QString mark_sheet(const QString& mark) {
    if (mark == "caution") return "QLineEdit { border: 2px solid #d9822b; background: #fff4e5; }";
    if (mark == "not_current") return "QLineEdit { color: #8a8a8a; background: #f0f0f0; font-style: italic; }";
    return {};
}

void restyle(QWidget* w) {
    const QString sheet = w->property(look_sheet_property).toString() + mark_sheet(w->property(mark_property).toString());
    if (w->styleSheet() != sheet) w->setStyleSheet(sheet);
}

}  // namespace

void set_look_sheet(QWidget* widget, const QString& sheet) {
    widget->setProperty(look_sheet_property, sheet);
    restyle(widget);
}

void draw_mark(QLineEdit* field, const Mark& mark) {
    const QString name = mark_name(mark.kind);
    const QString note = QString::fromStdString(mark.note);
    if (field->property(mark_property).toString() == name && field->toolTip() == note) return;
    field->setProperty(mark_property, name);
    field->setToolTip(note);
    restyle(field);
    auto* sign = field->findChild<QAction*>(sign_name);
    if (!sign && !name.isEmpty()) {
        sign = field->addAction(QIcon(), QLineEdit::TrailingPosition);
        sign->setObjectName(sign_name);
    }
    if (!sign) return;
    if (!name.isEmpty())
        sign->setIcon(field->style()->standardIcon(mark.kind == MarkKind::caution ? QStyle::SP_MessageBoxWarning
                                                                                  : QStyle::SP_BrowserReload));
    sign->setVisible(!name.isEmpty());
    sign->setToolTip(note);
}

QString drawn_mark(const QLineEdit* field) { return field->property(mark_property).toString(); }

}  // namespace cf::qt
