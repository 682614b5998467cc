#pragma once
// How a field's mark is drawn (the page model says which mark and why, ui/page.h):
// - caution (an input not read as typed, or that its quantity cannot take; a result computed from one):
//   an orange border, a warning sign inside the field, the note as its tooltip;
// - not current (a result not computed from the inputs shown): grey text, a sign of a pending
//   recalculation inside the field, the note as its tooltip.
// The text itself is never changed.

#include <QString>

#include "ui/control.h"

class QLineEdit;
class QWidget;

namespace cf::qt {

// The style sheet of a control's look; a field's mark is drawn over it.
void set_look_sheet(QWidget* widget, const QString& sheet);

void draw_mark(QLineEdit* field, const Mark& mark);

// The mark a field is drawn with: "" (none), "caution" or "not_current"; for tests.
QString drawn_mark(const QLineEdit* field);

}  // namespace cf::qt
