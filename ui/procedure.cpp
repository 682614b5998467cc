#include "ui/procedure.h"

#include <cmath>

#include "core/field_value.h"

namespace cf::procedure {

float read(const Page& page, std::string_view field) { return to_single(page.value(field)); }

double read_double(const Page& page, std::string_view field) { return page.value(field); }

bool keep(float& held, double result) {
    const float stored = to_single(result);
    if (!std::isfinite(stored)) return false;
    held = stored;
    return true;
}

bool keep(double& held, double result) {
    if (!std::isfinite(result)) return false;
    held = result;
    return true;
}

void show_not_computed(Page& page, std::string_view field) { page.set_text(field, ""); }

bool keep_or_empty(Page& page, std::string_view field, float& held, double result) {
    if (keep(held, result)) return true;
    show_not_computed(page, field);
    return false;
}

bool keep_or_empty(Page& page, std::string_view field, double& held, double result) {
    if (keep(held, result)) return true;
    show_not_computed(page, field);
    return false;
}

void show(Page& page, std::string_view field, float held, std::string_view pattern) {
    page.set_text(field, format_field_value(held, pattern));
}

void show_text_step(Page& page, std::string_view field, float held) { page.set_text(field, text_step_single(held)); }

void show_text_step(Page& page, std::string_view field, double held) { page.set_text(field, text_step_double(held)); }

}  // namespace cf::procedure
