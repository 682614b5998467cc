#pragma once
#include "ui/page.h"

namespace cf::correction_pages {
// The two gas flow correction pages: feuille_Organe_déprimogéne (Qvc, Qvs) and
// feuille_organe_déprimogéne_2 (Qvn, Qm), with their titles, navigation buttons and choice of
// conditions (the correction calculations come later).
void define_qvc_qvs(Page& page);
void define_qvn_qm(Page& page);
}  // namespace cf::correction_pages
