// The page feuille_Organe_déprimogéne: the volume flow of a gas at calculation conditions (Qvc) or at
// service conditions (Qvs). The flow is chosen on the home page; the page reads it back from the home
// page's flow buttons, of which only the chosen one is enabled.

#include "flowcorrection/correction_page_skeleton.h"
#include "flowcorrection/correction_pages.h"
#include "flowcorrection/correction_procedures.h"

namespace cf::correction_pages {

namespace {

namespace fc = flow_correction;

const CorrectionPage qvc_qvs = {
    .window_title = "CalcFluides - Correction Qvc, Qvs",
    .title_label = "titre",
    .title = "Correction des débits de Gaz et Vapeur saturée",
    .warning = {"Attention : Pour un bon fonctinnement des", "calculs les nombres décimaux",
                "doivent être saisies avec un point", "(ex: 0.15)."},
    // A Qvc or a Qvs frame, each pair drawn over the same area.
    .areas = {{"frame_calcul_qvc_avec_avec_kc_deltap", "Frame7"}, {"Frame4", "Frame8"}},
    .density_caption = "Calculs de masses volumiques gaz et vapeurs",
    .conditions = {{"Chx2", "Ps égal Pc et Ts égal Tc",
                    {{"Qvc", {"Frame7"}, "frame_calcul_qvc_avec_avec_kc_deltap"}, {"Qvs", {"Frame7"}, "Frame4"}}},
                   {"Chx1", "Ps différent de Pc et/ou Ts différent de Tc",
                    {{"Qvc", {}, "Frame7"}, {"Qvs", {}, "Frame8"}}}},
    .page_frames = {
        {.name = "frame_calcul_qvc_avec_avec_kc_deltap",
         .title_label = "Qvc1",
         .title = "Détermination du débit volumique aux                   conditions de calculs",
         .inputs = {{{"txt_Kc1", "Kc:"}, {"txt_DeltaP1", "Delta P:"}}},
         .results = {{"Qvc2", "Qvc =", "Text_résultat_qvc", "Label_unité_resultat_qvc_bis", "m3/h",
                      {.unit_visible = true}}},
         .filled = {"txt_Kc1", "txt_DeltaP1"},
         .result_group = {"Text_résultat_qvc", "Qvc2", "Label_unité_resultat_qvc_bis"},
         .procedures = {fc::Qvc2}},
        {.name = "Frame7",
         .title_label = "Qvc6",
         .title = "Determination du débit volumique aux                  condition de calculs",
         .inputs = {{{"txt_Kc3", "Kc:"}, {"txt_deltaP4", "Delta P:"}},
                    {{"txt_Pc3", "Pc:"}, {"txt_Tc3", "Tc:"}, {"Text_zc_pour_calcul_qvc_avec_kc_et_deltap", "Zc:", "1"}},
                    {{"txt_Ps1", "Ps:"}, {"txt_Ts1", "Ts:"},
                     {"Text_zs_pour_calcul_qvc_avec_kc_et_deltap", "Zs:", "1"}}},
         .results = {{"Qvc7", "Qvc =", "txt_Qvc7", "Label_unité_resultat_qvc", "m3/h", {.unit_visible = true}}},
         .filled = {"txt_Kc3", "txt_deltaP4", "txt_Ps1", "txt_Pc3", "txt_Ts1", "txt_Tc3"},
         .not_zero = {"txt_Pc3", "Text_zs_pour_calcul_qvc_avec_kc_et_deltap",
                      "Text_zc_pour_calcul_qvc_avec_kc_et_deltap"},
         .result_group = {"Qvc7", "txt_Qvc7", "Label_unité_resultat_qvc"},
         .procedures = {fc::Qvc7}},
        {.name = "Frame4",
         .title_label = "Qvs1",
         .title = "Détermination de débit volumique aux                    conditions de services",
         .inputs = {{{"txt_Qvc3", "Qvc:"}}},
         .results = {{"Qvs0", "Qvc = Qvs =", "txt_Qvs0", "Label_unité_resultat_qvc_bis2", "m3/h"}},
         .note_label = "Label1",
         .note = "Dans ce cas nous avons Qvs = Qvc",
         .filled = {"txt_Qvc3"},
         .result_group = {"Label1", "Qvs0", "txt_Qvs0", "Label_unité_resultat_qvc_bis2"},
         .procedures = {fc::Qvs0}},
    },
    .choice_frames = {{
        "Frame8", "Label2", "Détermination du débit volumiques aux               conditions de services", "hypothése3",
        {{"Chx5", "Qvc", {"Frame15", {"Frame16"}, {"Chx6"}, "txt_Qvc8"}},
         {"Chx6", "Delta P et Qvc", {"Frame16", {"Frame15"}, {"Chx5"}, "txt_Kc4"}}},
        {
            // Every input of the frame tests the same data, Tc included: an empty Tc reads as 0 °C, and a
            // Qvs computed from it must not be shown as if the data were complete.
            {.name = "Frame15",
             .inputs = {{{"txt_Qvc8", "Qvc:", "", "Label4"}},
                        {{"txt_Pc4", "Pc:"}, {"txt_Tc4", "Tc:"}, {"Text_zc_pour_calcul_qvs_avec_qvc", "Zc:", "1"}},
                        {{"txt_Ps2", "Ps:"}, {"Txt_Ts2", "Ts: "}, {"Text_zs_pour_calcul_qvs_avec_qvc", "Zs:", "1"}}},
             .results = {{"Qvs3", "Qvs =", "txt_Qvs3", "Label_unité_resultat_qvs_bis", "m3/h",
                          {.unit_visible = true}}},
             .filled = {"txt_Qvc8", "txt_Pc4", "txt_Tc4", "txt_Ps2", "Txt_Ts2"},
             .not_zero = {"txt_Ps2", "Text_zc_pour_calcul_qvs_avec_qvc", "Text_zs_pour_calcul_qvs_avec_qvc"},
             .result_group = {"Qvs3", "txt_Qvs3", "Label_unité_resultat_qvs_bis"},
             .procedures = {fc::Qvs3}},
            {.name = "Frame16",
             .inputs = {{{"txt_Kc4", "Qvc:"}, {"txt_DeltaP5", "Delta P:"}},
                        {{"txt_Pc5", "Pc:"}, {"txt_Tc5", "Tc:", "", "Tc6"},
                         {"Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap", "Zc:", "1"}},
                        {{"txt_Ps3", "Ps:"}, {"Txt_Ts3", "Ts:"},
                         {"Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap", "Zs:", "1"}}},
             .results = {{"Qvs4", "Qvs =", "txt_Qvs4", "Label_unité_resultat_qvs", "m3/h", {.unit_visible = true}},
                         {"Kc13", "Kc =", "txt_Kc13"}},
             .filled = {"txt_Kc4", "txt_DeltaP5", "txt_Pc5", "txt_Tc5", "txt_Ps3", "Txt_Ts3"},
             .not_zero = {"txt_DeltaP5", "txt_Ps3", "Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap",
                          "Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap"},
             .result_group = {"txt_Qvs4", "Qvs4", "txt_Kc13", "Kc13", "Label_unité_resultat_qvs"},
             .procedures = {fc::Qvs4, fc::Kc13},
             // A Tc of 0 typed into Tc hides the result; the same data completed through another field
             // show it.
             .not_zero_when_typed = {"txt_Tc5"}},
        }}},
    .with_compressibility_line = true,
    // Every choice unlocked, every calculation frame closed, every result hidden and every field emptied
    // but the compressibility factors. Each emptied input runs its frame's handler, which hides the
    // result group.
    .reset = {
        .hidden_first = {"Label_unité_resultat_qvs", "Label_unité_resultat_qvs_bis", "Label_unité_resultat_qvc",
                         "Label_unité_resultat_qvc_bis", "Label_unité_resultat_qvc_bis2"},
        .options_unlocked = {"Chx1", "Chx2", "Chx5", "Chx6"},
        .frames_closed = {"frame_calcul_qvc_avec_avec_kc_deltap", "Frame4", "Frame7", "Frame8", "Frame15",
                          "Frame16", "Frame22"},
        .results_hidden = {"Qvc7", "txt_Qvc7", "Qvc2", "Text_résultat_qvc", "Qvs4", "txt_Qvs4", "Qvs3", "txt_Qvs3",
                           "Qvs0", "txt_Qvs0", "Kc13", "txt_Kc13", "Label1"},
        .texts = {{{"txt_DeltaP1", "txt_deltaP4", "txt_DeltaP5", "txt_Kc1", "txt_Kc3", "txt_Kc4", "txt_Pc3",
                    "txt_Pc4", "txt_Pc5", "txt_Ps1", "txt_Ps2", "txt_Ps3", "Text_résultat_qvc", "txt_Qvc3",
                    "txt_Qvc7", "txt_Qvc8", "txt_Qvs0", "txt_Qvs3", "txt_Qvs4", "txt_Tc3", "txt_Tc4", "txt_Tc5",
                    "txt_Ts1", "Txt_Ts2", "Txt_Ts3", "txt_Kc13"},
                   ""}},
    },
};

}  // namespace

void define_qvc_qvs(Page& p) { define_page(p, qvc_qvs); }

}  // namespace cf::correction_pages
