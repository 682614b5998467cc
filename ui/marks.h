#pragma once
// The notes of the marks a field carries (in French, as the user reads them), and the description of a
// page's inputs: the quantity each one holds and its name in those notes.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace cf {

class Page;

// Why a typed text is marked: not read as typed (« Lu comme 2 : le séparateur décimal est le point »),
// a value its quantity cannot take (« Une masse volumique est positive »), or, for a combo list whose
// items the page looks up, no item (« Aucune ligne de la table pour « 10 » »). Empty when none, one
// reason a line otherwise. A text that holds no number is not judged by its quantity.
struct TypedNote {
    std::string note;
    bool misread = false;  // the text is not read as typed
};
TypedNote typed_note(const Control& input, std::string_view text);

// Whether a text holds a number (not empty, not a unit text like "mm" that reads as 0).
bool holds_a_number(std::string_view text);

// Why a value is one its quantity cannot take; empty when it can.
std::string quantity_note(Quantity quantity, double value);

// Why a result is not current when its procedure's guard stopped it: the inputs it read that read as 0
// (« Non recalculé : ΔP est vide ou nul »), or, when none did, that the values do not allow it.
std::string stopped_note(const std::vector<std::string_view>& zero_inputs);

// Why a result is not current when an input it was computed from has changed since.
std::string changed_note(std::string_view input_symbol);

// What a result says of an input it was computed from that was not read as typed:
// « Calculé avec V = 2, lu dans « 2,5 » ».
std::string misread_source_note(std::string_view input_symbol, double value, std::string_view text);

// The quantity a unit label says ("mm": a diameter, "Kg/m3": a density, "Bar abs.": an absolute pressure,
// "°C": a temperature, "mbar": a differential pressure, "10     m²/s" and "10     Pa.s": a viscosity).
Quantity quantity_of_unit(std::string_view unit);

// An input's symbol as its label's caption gives it: the caption without its colon ("Delta P  :" -> "Delta P").
std::string symbol_of_caption(std::string_view caption);

// A page's inputs described in one table: the quantity each holds and its symbol ("" keeps the symbol its
// label gives it). Inputs a page does not describe are named after the label before them and hold the
// quantity of the unit label after them.
struct InputQuantity {
    std::string_view field;
    Quantity quantity;
    std::string_view symbol;
};
void describe_inputs(Page& page, std::initializer_list<InputQuantity> inputs);

// Every input of a page named by one of these symbols holds that quantity (a page whose units label
// gives the units by symbol: "Pc = Ps = Pn  (bar absolu)").
struct SymbolQuantity {
    std::string_view symbol;
    Quantity quantity;
};
void describe_by_symbol(Page& page, std::initializer_list<SymbolQuantity> symbols);

}  // namespace cf
