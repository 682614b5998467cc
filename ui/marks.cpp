#include "ui/marks.h"

#include <algorithm>
#include <cmath>

#include "core/field_value.h"
#include "ui/page.h"

namespace cf {

namespace {

void add_line(std::string& notes, const std::string& line) {
    if (line.empty()) return;
    if (!notes.empty()) notes += '\n';
    notes += line;
}

std::string shown(double value) {
    if (std::isfinite(value)) return text_step_double(value);
    return value < 0 ? "-infini" : "infini";
}

}  // namespace

bool holds_a_number(std::string_view text) {
    return !text.empty() && read_field_text(text).why != FieldReading::Short::not_a_number;
}

std::string quantity_note(Quantity quantity, double value) {
    switch (quantity) {
        case Quantity::none: return {};
        case Quantity::diameter: return value > 0 ? "" : "Un diamètre est positif";
        case Quantity::density: return value > 0 ? "" : "Une masse volumique est positive";
        case Quantity::viscosity: return value > 0 ? "" : "Une viscosité est positive";
        case Quantity::absolute_pressure: return value > 0 ? "" : "Une pression absolue est positive";
        case Quantity::differential_pressure:
            return value >= 0 ? "" : "Une pression différentielle n'est pas négative";
        case Quantity::temperature:
            return value >= -273.15 ? "" : "Une température n'est pas inférieure à -273.15 °C";
    }
    return {};
}

TypedNote typed_note(const Control& input, std::string_view text) {
    TypedNote typed;
    if (input.kind == ControlKind::combo) {
        if (input.looked_up && !text.empty() &&
            std::find(input.items.begin(), input.items.end(), text) == input.items.end())
            typed.note = "Aucune ligne de la table pour « " + std::string(text) + " »";
        return typed;
    }
    const FieldReading reading = read_field_text(text);
    typed.misread = !reading.whole;
    if (typed.misread) typed.note = reading_note(reading);
    if (!text.empty() && reading.why != FieldReading::Short::not_a_number)
        add_line(typed.note, quantity_note(input.quantity, reading.value));
    return typed;
}

std::string stopped_note(const std::vector<std::string_view>& zero_inputs) {
    if (zero_inputs.empty()) return "Non recalculé : ces valeurs ne permettent pas le calcul";
    std::string names;
    for (std::size_t i = 0; i < zero_inputs.size(); ++i) {
        if (i > 0) names += i + 1 == zero_inputs.size() ? " et " : ", ";
        names += zero_inputs[i];
    }
    return "Non recalculé : " + names + (zero_inputs.size() == 1 ? " est vide ou nul" : " sont vides ou nuls");
}

std::string changed_note(std::string_view input_symbol) {
    if (input_symbol.empty()) return "Non recalculé depuis la modification des données";
    return "Non recalculé depuis la modification de " + std::string(input_symbol);
}

std::string misread_source_note(std::string_view input_symbol, double value, std::string_view text) {
    return "Calculé avec " + std::string(input_symbol) + " = " + shown(value) + ", lu dans « " + std::string(text) +
           " »";
}

Quantity quantity_of_unit(std::string_view unit) {
    struct UnitQuantity {
        std::string_view unit;
        Quantity quantity;
    };
    static constexpr UnitQuantity units[] = {
        {"mm", Quantity::diameter},         {"Kg/m3", Quantity::density},
        {"Bar abs.", Quantity::absolute_pressure}, {"°C", Quantity::temperature},
        {"mbar", Quantity::differential_pressure}, {"10     m²/s", Quantity::viscosity},
        {"10     Pa.s", Quantity::viscosity},
    };
    for (const auto& u : units)
        if (u.unit == unit) return u.quantity;
    return Quantity::none;
}

std::string symbol_of_caption(std::string_view caption) {
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':')) caption.remove_suffix(1);
    return std::string(caption);
}

void describe_inputs(Page& page, std::initializer_list<InputQuantity> inputs) {
    for (const auto& [field, quantity, symbol] : inputs)
        page.describe(field, quantity, symbol.empty() ? page.control(field).symbol : std::string(symbol));
}

void describe_by_symbol(Page& page, std::initializer_list<SymbolQuantity> symbols) {
    page.describe_by_layout();
    for (const auto& name : page.order()) {
        const Control& c = page.control(name);
        if (c.kind != ControlKind::field || is_result(c)) continue;
        for (const auto& [symbol, quantity] : symbols)
            if (c.symbol == symbol) page.describe(name, quantity, c.symbol);
    }
}

}  // namespace cf
