#pragma once
// The names of the program's pages, as page logic, scenarios and the windows' objectName use them.

namespace cf::pages {

inline constexpr const char* home = "f_Départ";
inline constexpr const char* pipe_flow = "DVS";
inline constexpr const char* density = "RHO";
inline constexpr const char* orifice_plate = "feuille_calcul_od";
inline constexpr const char* correction_qvc_qvs = "feuille_Organe_déprimogéne";
inline constexpr const char* correction_qvn_qm = "feuille_organe_déprimogéne_2";

}  // namespace cf::pages
