#include "ui/procedure.h"

#include <cmath>

#include "core/field_value.h"

namespace cf::procedure {

float read(const Page& page, std::string_view field) { return to_single(page.procedure_read(field)); }

double read_double(const Page& page, std::string_view field) { return page.procedure_read(field); }

void read_into(const Page& page, std::initializer_list<Into<float>> reads) {
    for (const auto& r : reads) r.variable = read(page, r.field);
}

void read_into(const Page& page, std::initializer_list<Into<double>> reads) {
    for (const auto& r : reads) r.variable = read_double(page, r.field);
}

bool keep(float& held, double result) {
    const float stored = to_single(result);
    if (!std::isfinite(stored)) return false;
    held = stored;
    return true;
}

bool keep(double& held, double result) {
    // Beyond the largest double whose text reads back finite, a result is not finite for the display rule.
    if (!std::isfinite(result) || std::fabs(result) > largest_shown_double) return false;
    held = result;
    return true;
}

void show_not_computed(Page& page, std::string_view field) { page.set_text(field, ""); }

void write(Page& page, const Style& style, std::string_view field, float held) {
    page.set_text(field, style.pattern.empty() ? text_step_single(held) : format_field_value(held, style.pattern));
}

void write(Page& page, const Style& style, std::string_view field, double held) {
    page.set_text(field, style.pattern.empty() ? text_step_double(held) : format_field_value(held, style.pattern));
}

}  // namespace cf::procedure
