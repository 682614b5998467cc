#pragma once
// The orifice plate page feuille_calcul_od ("Calcul Plaque à Orifice"): the user chooses the fluid,
// the pressure taps and the calculation ("Qm", "Delta P" or "Diamétre de l'orifice"); every change of
// an input then recomputes the results through the chains of working fields of Frame_dpc. The upper
// area shows the choices or one of the auxiliary frames, above the calculation frame.

#include "ui/page.h"

namespace cf::orifice_page {

void define(Page& page);

}  // namespace cf::orifice_page
