#pragma once
#include "ui/page.h"

namespace cf::correction_pages {
// feuille_Organe_déprimogéne: a gas flow at calculation conditions (Qvc) or at service conditions (Qvs).
void define_qvc_qvs(Page& page);
// feuille_organe_déprimogéne_2: a gas flow at normal conditions (Qvn), or its mass flow (Qm).
void define_qvn_qm(Page& page);
}  // namespace cf::correction_pages
