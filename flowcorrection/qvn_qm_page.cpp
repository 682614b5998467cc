// The page feuille_organe_déprimogéne_2: the volume flow of a gas at normal conditions (Qvn), or its mass
// flow (Qm). The flow is chosen on the home page; the page reads it back from the home page's flow
// buttons, of which only the chosen one is enabled.

#include "flowcorrection/correction_page_skeleton.h"
#include "flowcorrection/correction_pages.h"
#include "flowcorrection/correction_procedures.h"

namespace cf::correction_pages {

namespace {

namespace fc = flow_correction;

const CorrectionPage qvn_qm = {
    .window_title = "CalcFluides - Correction Qvn, Qm",
    .title_label = "Label1",
    .title = "Correction des débits de Gaz et Vapeurs",
    .warning = {"Attention : Pour un bon fonctinnement des", "calculs, les nombres décimaux",
                "doivent être saisis avec un point", "(ex: 0.15)."},
    // A Qvn or a Qm frame, each pair drawn over the same area.
    .areas = {{"Frame5", "Frame9"}, {"Frame6", "Frame10"}},
    .density_caption = "Calculs de masses volumiques de gaz et vapeurs",
    // The home choices are tested in this order: Qvn, then Qm for differing conditions; Qm, then Qvn for
    // equal conditions.
    .conditions = {{"Chx1", "Ps différent de Pc et/ou Ts différent de Tc", {{"Qvn", {}, "Frame9"}, {"Qm", {}, "Frame10"}}},
                   {"Chx2", "Ps égal Pc et Ts égal Tc", {{"Qm", {}, "Frame6"}, {"Qvn", {}, "Frame5"}}}},
    .choice_frames = {
        // Normal flow, equal conditions.
        {"Frame5", "Qvn1", "Détermination du débit volumique aux                   conditions normales", "Hypothése",
         {{"Option1", "Qvc", {"Frame11", {"txt_Qvn2", "Qvn2"}, {"Option2"}, "txt_Qvc4"}},
          {"Option2", "Delta P et Qvc", {"Frame12", {"txt_Qvn3", "Qvn3"}, {"Option1"}, "txt_DeltaP2"}}},
         {{.name = "Frame11",
           .inputs = {{{"txt_Qvc4", "Qvc :"}},
                      {{"txt_Pc1", "Pc :"}, {"txt_Tc1", "Tc :"}, {"Text_zc_pour_calcul_qvn_avec_qvc", "Zc:", "1"}},
                      {{"txt_Pn1", "Pn :", "1.013"}, {"txt_tn1", "Tn :", "0"},
                       {"Text_zn_pour_calcul_qvn_avec_qvc", "Zn:", "1"}}},
           .results = {{"Qvn2", "Qvn =", "txt_Qvn2", "Label_unité_resultat_qvn_bis5", "Nm3/h"}},
           .filled = {"txt_Qvc4", "txt_Pc1", "txt_Pn1", "txt_Tc1", "txt_tn1"},
           .not_zero = {"txt_Pn1", "Text_zc_pour_calcul_qvn_avec_qvc", "Text_zn_pour_calcul_qvn_avec_qvc"},
           .result_group = {"Qvn2", "txt_Qvn2", "Label_unité_resultat_qvn_bis5"},
           .procedures = {fc::Qvn2}},
          {.name = "Frame12",
           .inputs = {{{"txt_Kc2", "Qvc :"}, {"txt_DeltaP2", "Delta P  :"}},
                      {{"txt_Pc2", "Pc :"}, {"txt_Tc2", "Tc :"},
                       {"Text_zc_pour_calcul_qvn_avec_qvc_et_deltap", "Zc:", "1"}},
                      {{"txt_Pn2", "Pn :", "1.013"}, {"txt_Tn2", "Tn :", "0"},
                       {"Text_zn_pour_calcul_qvn_avec_qvc_et_deltap", "Zn:", "1"}}},
           // Qvn = starts shown in the hidden frame: choosing the frame hides it until the data are complete.
           .results = {{"Qvn3", "Qvn =", "txt_Qvn3", "Label_unité_resultat_qvn_bis6", "Nm3/h", {.result_visible = true}},
                       {"Kc11", "Kc =", "txt_Kc11"}},
           .filled = {"txt_DeltaP2", "txt_Kc2", "txt_Pc2", "txt_Pn2", "txt_Tc2", "txt_Tn2"},
           .not_zero = {"txt_DeltaP2", "txt_Pn2", "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap",
                        "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap"},
           .result_group = {"Qvn3", "txt_Qvn3", "Kc11", "txt_Kc11", "Label_unité_resultat_qvn_bis6"},
           .procedures = {fc::Qvn3, fc::Kc11}}}},
        // Normal flow, differing conditions.
        {"Frame9", "Qvn5", "Détermination du débit volumique aux                  conditions normales", "Hypothése5",
         {{"Chx7", "Qvc", {"Frame17", {"Frame18"}, {"Chx8"}, "txt_Qvc9"}},
          {"Chx8", "Delta P et Qvc", {"Frame18", {"Frame17"}, {"Chx7"}, "txt_Kc5"}}},
         {{.name = "Frame17",
           .inputs = {{{"txt_Qvc9", "Qvc:"}},
                      {{"txt_Pc7", "Pc:"}, {"txt_Tc7", "Tc:"}, {"Text_zc_pour_calcul_qvn_avec_qvc_bis", "Zc:", "1"}},
                      {{"txt_Pn3", "Pn:", "1.013"}, {"txt_Tn3", "Tn:", "0"},
                       {"Text_zn_pour_calcul_qvn_avec_qvc_bis", "Zn:", "1"}}},
           .results = {{"Qvn6", "Qvn = ", "Txt_Qvn6", "Label_unité_resultat_qvn_bis4", "Nm3/h"}},
           .filled = {"txt_Qvc9", "txt_Pc7", "txt_Tc7", "txt_Pn3", "txt_Tn3"},
           .not_zero = {"txt_Pn3", "Text_zc_pour_calcul_qvn_avec_qvc_bis", "Text_zn_pour_calcul_qvn_avec_qvc_bis"},
           .result_group = {"Txt_Qvn6", "Qvn6", "Label_unité_resultat_qvn_bis4"},
           .procedures = {fc::Qvn6}},
          {.name = "Frame18",
           .inputs = {{{"txt_Kc5", "Qvc:"}, {"txt_DeltaP6", "Delat P:"}},
                      {{"txt_Pc8", "Pc:"}, {"txt_Tc8", "Tc:"},
                       {"Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis", "Zc:", "1"}},
                      {{"txt_Ps4", "Ps:"}, {"txt_Ts4", "Ts:", "", "Label5"},
                       {"Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis", "Zs:", "1"}},
                      {{"txt_Pn5", "Pn:", "1.013"}, {"txt_Tn5", "Tn:", "0"},
                       {"Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis", "Zn:", "1"}}},
           // Kc = starts shown, empty, in the hidden frame, until the frame's first Change handler sets it.
           .results = {{"Qvn7", "Qvn =", "txt_Qvn7", "Label_unité_resultat_qvn_bis3", "Nm3/h"},
                       {"Kc10", "Kc =", "txt_Kc10", "", "", {.result_visible = true}}},
           .filled = {"txt_Kc5", "txt_Ps4", "txt_Ts4", "txt_Pc8", "txt_Tc8", "txt_Pn5", "txt_Tn5", "txt_DeltaP6"},
           .not_zero = {"txt_Pn5", "txt_DeltaP6", "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis",
                        "Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis",
                        "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis"},
           .result_group = {"Qvn7", "txt_Qvn7", "Kc10", "txt_Kc10", "Label_unité_resultat_qvn_bis3"},
           .procedures = {fc::Qvn7, fc::Kc10}}}},
        // Mass flow, equal conditions. Mass flows carry a mass-flow unit, the one the units list gives for Qm.
        {"Frame6", "Qm1", "Détermination du débit massique", "hypothése2",
         {{"Chx3", "Qvc", {"Frame13", {}, {"Chx4"}, "txt_Qvc11"}},
          {"Chx4", "Delta P et Qvc", {"Frame14", {}, {"Chx3"}, "txt_Kc7"}}},
         {{.name = "Frame13",
           .inputs = {{{"txt_Qvc11", "Qvc : "}, {"txt_RoC1", "RHOc : "}}},
           .results = {{"Qm2", "Qm =", "txt_Qm2", "Label_unité_resultat_qm_bis3", "Kg/h"}},
           .filled = {"txt_Qvc11", "txt_RoC1"},
           .result_group = {"txt_Qm2", "Qm2", "Label_unité_resultat_qm_bis3"},
           .procedures = {fc::Qm2}},
          {.name = "Frame14",
           .inputs = {{{"txt_Kc7", "Qvc:"}, {"txt_DeltaP3", "Delta P:"}, {"txt_RoC2", "Rhoc:", "", "Ro3"}}},
           .results = {{"Qm3", "Qm =", "txt_Qm3", "Label_unité_resultat_qm_bis4", "Kg/h"}, {"kc12", "Kc =", "txt_kc12"}},
           .filled = {"txt_Kc7", "txt_DeltaP3", "txt_RoC2"},
           .not_zero = {"txt_DeltaP3", "txt_RoC2"},
           .result_group = {"txt_Qm3", "Qm3", "txt_kc12", "kc12", "Label_unité_resultat_qm_bis4"},
           .procedures = {fc::Qm3, fc::kc12}}}},
        // Mass flow, differing conditions.
        {"Frame10", "Qm4", "Détermination du débit massique", "Hypothése6",
         {{"Chx9", "Qvc et RHOc", {"Frame19", {"Frame20", "Frame21"}, {"Chx10", "Chx11"}, "txt_Qvc10"}},
          {"Chx10", "Qvs et RHOs", {"Frame20", {"Frame19", "Frame21"}, {"Chx9", "Chx11"}, "txt_Qvs9"}},
          {"Chx11", "Delta P et Qvc", {"Frame21", {"Frame20", "Frame19"}, {"Chx10", "Chx9"}, "txt_Kc6"}}},
         {{.name = "Frame19",
           .inputs = {{{"txt_Qvc10", "Qvc :"}, {"txt_RoC10", "RHOc :"}}},
           .results = {{"Qm5", "Qm =", "txt_Qm5", "Label_unité_resultat_qm_bis2", "Kg/h"}},
           .filled = {"txt_Qvc10", "txt_RoC10"},
           .result_group = {"Qm5", "txt_Qm5", "Label_unité_resultat_qm_bis2"},
           .procedures = {fc::Qm5}},
          {.name = "Frame20",
           .inputs = {{{"txt_Qvs9", "Qvs :"}, {"txt_RoS9", "RHOs :"}}},
           .results = {{"Qm6", "Qm =", "txt_Qm6", "Label_unité_resultat_qm", "Kg/h"}},
           .filled = {"txt_Qvs9", "txt_RoS9"},
           .result_group = {"Qm6", "txt_Qm6", "Label_unité_resultat_qm"},
           .procedures = {fc::Qm6}},
          {.name = "Frame21",
           .inputs = {{{"txt_Kc6", "Qvc:"}, {"txt_DeltaP7", "Delta P:"}, {"txt_RoC11", "RHOc:"}},
                      {{"txt_Pc9", "Pc:"}, {"txt_Tc9", "Tc:"}, {"Text_zc_pour_calcul_qm_avec_deltap_et_qvc", "Zc:", "1"}},
                      {{"txt_Ps5", "Ps:"}, {"txt_Ts5", "Ts:"},
                       {"Text_zs_pour_calcul_qm_avec_deltap_et_qvc", "Zs:", "1"}}},
           .results = {{"Qm7", "Qm =", "txt_Qm7", "Label_unité_resultat_qm_bis", "Kg/h"}, {"Kc14", "Kc =", "txt_Kc14"}},
           .filled = {"txt_Kc6", "txt_DeltaP7", "txt_RoC11", "txt_Ps5", "txt_Ts5", "txt_Pc9", "txt_Tc9"},
           .not_zero = {"txt_DeltaP7", "txt_Pc9", "Text_zc_pour_calcul_qm_avec_deltap_et_qvc",
                        "Text_zs_pour_calcul_qm_avec_deltap_et_qvc"},
           .result_group = {"Qm7", "txt_Qm7", "Kc14", "txt_Kc14", "Label_unité_resultat_qm_bis"},
           .procedures = {fc::Kc14, fc::Qm7}}}},
    },
    .with_compressibility_line = false,
    // Every choice unlocked and cleared, every frame closed; every result hidden and every field emptied,
    // but the compressibility factors kept and the normal conditions preset again. The unit labels are left
    // to the Change handlers that the new texts run: each finds its frame incomplete and hides the whole
    // result group.
    .reset = {
        .options_unlocked = {"Chx1", "Chx2", "Chx3", "Chx4", "Chx7", "Chx8", "Chx9", "Chx10", "Chx11"},
        .options_cleared_then_unlocked = {"Option1", "Option2"},
        .frames_closed = {"Frame5", "Frame6", "Frame9", "Frame10", "Frame11", "Frame12", "Frame13", "Frame14",
                          "Frame17", "Frame18", "Frame19", "Frame20", "Frame21", "Frame22"},
        .home_flows_enabled_on_return = {"Qvs", "Qm", "Qvn", "Qvc"},
        .results_hidden = {"Qm2", "txt_Qm2", "Qm3", "txt_Qm3", "Qm5", "txt_Qm5", "Qm7", "txt_Qm7", "Qm6", "txt_Qm6",
                           "Qvn2", "txt_Qvn2", "Qvn3", "txt_Qvn3", "Qvn6", "Txt_Qvn6", "Qvn7", "txt_Qvn7", "Kc10",
                           "txt_Kc10", "Kc11", "txt_Kc11", "kc12", "txt_kc12", "Kc14", "txt_Kc14"},
        .texts = {{{"txt_DeltaP2", "txt_DeltaP3", "txt_DeltaP6", "txt_DeltaP7", "txt_Kc7", "txt_Kc6", "txt_Kc2",
                    "txt_Kc5", "txt_Pc1", "txt_Pc2", "txt_Pc7", "txt_Pc8", "txt_Pc9"},
                   ""},
                  {{"txt_Pn1", "txt_Pn2", "txt_Pn3", "txt_Pn5"}, "1.013"},
                  {{"txt_Ps4", "txt_Ps5", "txt_Qm2", "txt_Qm3", "txt_Qm5", "txt_Qm6", "txt_Qm7", "txt_Qvc10",
                    "txt_Qvc11", "txt_Qvc4", "txt_Qvc9", "txt_Qvn2", "txt_Qvn3", "Txt_Qvn6", "txt_Qvn7", "txt_Qvs9",
                    "txt_RoC1", "txt_RoC10", "txt_RoC11", "txt_RoC2", "txt_RoS9", "txt_Tc1", "txt_Tc2", "txt_Tc7",
                    "txt_Tc8", "txt_Tc9"},
                   ""},
                  {{"txt_tn1", "txt_Tn2", "txt_Tn3", "txt_Tn5"}, "0"},
                  {{"txt_Ts4", "txt_Ts5", "txt_Kc10", "txt_Kc11", "txt_kc12", "txt_Kc14"}, ""}},
    },
};

}  // namespace

void define_qvn_qm(Page& p) { define_page(p, qvn_qm); }

}  // namespace cf::correction_pages
