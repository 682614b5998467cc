#pragma once
// What every formula procedure does around its formula: read its input fields into variables of its
// own, keep a computed result as its held result, and write its result field.
//
// The display rule. A result that is not a finite number once stored (an overflow, a division by
// zero, a root of a negative number) is never shown: its field is emptied and the held result keeps
// its value. An emptied field reads as 0 for whatever reads it next, like any empty field, so a chain
// of fields stops at the next guard that tests it.

#include <string_view>

#include "ui/page.h"

namespace cf::procedure {

// A field's value as a procedure stores it: single precision, or double where the procedure holds
// doubles.
float read(const Page& page, std::string_view field);
double read_double(const Page& page, std::string_view field);

// Stores a computed result as the held result (rounded once to single precision, or kept in double)
// when it is a finite number, and says whether it did; otherwise the held result stays as it was.
bool keep(float& held, double result);
bool keep(double& held, double result);

// The result field emptied: what is shown for a result that could not be kept.
void show_not_computed(Page& page, std::string_view field);

// Keeps the result as `keep` does; when it cannot be kept, empties the field. Says whether it kept it.
bool keep_or_empty(Page& page, std::string_view field, float& held, double result);
bool keep_or_empty(Page& page, std::string_view field, double& held, double result);

// The held result written with a format pattern ("0.00", "0,000", ...).
void show(Page& page, std::string_view field, float held, std::string_view pattern);
// The held result written through the text step: 7 significant digits (single) or 15 (double).
void show_text_step(Page& page, std::string_view field, float held);
void show_text_step(Page& page, std::string_view field, double held);

}  // namespace cf::procedure
