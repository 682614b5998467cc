#include "density/gas_frames.h"

#include <string_view>

#include "density/density_procedures.h"
#include "density/density_units.h"

namespace cf::density_page {

// --- The six frames ---
// Each with the fields its completeness test reads, in the order it reads them.

const GasFrame RHOc_from_RHOn = {
    "fr_calcul_de_RHOc_avec_RHOn",
    {{{"lbl_RHOn_pour_RHOc", "RHOn :", "txt_RHOn_pour_RHOc", "lbl_RHOn_pour_RHOc_unités", kg_m3, ""},
      {"lbl_Pn_pour_RHOc", "Pn :", "txt_Pn_pour_RHOc", "lbl_Pn_pour_RHOc_unités", bar, "1.013"},
      {"lbl_Tn_pour_RHOc", "Tn :", "txt_Tn_pour_RHOc", "lbl_Tn_pour_RHOc_unités", celsius, "0"},
      {"lbl_Pc_pour_RHOc21", "Pc :", "txt_Pc_pour_RHOc21", "lbl_Pc_pour_RHOc21_unités", bar, ""},
      {"lbl_Tc_pour_RHOc21", "Tc :", "txt_Tc_pour_RHOc21", "lbl_Tc_pour_RHOc21_unités", celsius, ""}}},
    {{{"Label_zn_pour_calcul_rhoc_avec_rhon", "Zn:", "Text_zn_pour_calcul_rhoc_avec_rhon", "", "", "1"},
      {"Label_zc_pour_calcul_rhoc_avec_rhon", "Zc:", "Text_zc_pour_calcul_rhoc_avec_rhon", "", "", "1"}}},
    {"lbl_résultat_RHOc_avec_RHOn", "txt_résultat_RHOc_avec_RHOn", "lbl_résultat_RHOc_avec_RHOn_unités",
     "cmd_calcul_RHOc_avec_RHOn"},
    "RHOc=",
    density::RHOc_avec_RHOn,
    {"txt_Pn_pour_RHOc", "Text_zc_pour_calcul_rhoc_avec_rhon", "Text_zn_pour_calcul_rhoc_avec_rhon"},
    {"txt_Tc_pour_RHOc21", "txt_Pc_pour_RHOc21", "txt_Tn_pour_RHOc", "txt_Pn_pour_RHOc", "txt_RHOn_pour_RHOc"},
    FactorChange::tests_the_frame,
    ResultButton::does_nothing,
};

const GasFrame RHOc_from_RHOs = {
    "fr_calcul_de_RHOc_avec_RHOs",
    {{{"lbl_RHOs_pour_RHOc", "RHOs :", "txt_RHOs_pour_RHOc", "lbl_RHOs_pour_RHOc_unités", kg_m3, ""},
      {"lbl_Ps_pour_RHOc", "Ps :", "txt_Ps_pour_RHOc", "lbl_Ps_pour_RHOc_unités", bar, ""},
      {"lbl_Ts_pour_RHOc", "Ts :", "txt_Ts_pour_RHOc", "lbl_Ts_pour_RHOc_unités", celsius, ""},
      {"lbl_Pc_pour_RHOc22", "Pc :", "txt_Pc_pour_RHOc22", "lbl_Pc_pour_RHOc22_unités", bar, ""},
      {"lbl_Tc_pour_RHOc22", "Tc :", "txt_Tc_pour_RHOc22", "lbl_Tc_pour_RHOc22_unités", celsius, ""}}},
    {{{"Label3", "Zs:", "Text_zs_pour_calcul_rhoc", "", "", "1"},
      {"Label_zc_pour_calcul_rhoc", "Zc:", "Text_zc_pour_calcul_rhoc", "", "", "1"}}},
    {"lbl_résultat_RHOc_avec_RHOs", "txt_résultat_RHOc_avec_RHOs", "lbl_résultat_RHOc_avec_RHOs_unités",
     "cmd_calcul_RHOc_avec_RHOs"},
    "RHOc =",
    density::RHOc_avec_RHOs,
    {"txt_Ps_pour_RHOc", "Text_zc_pour_calcul_rhoc", "Text_zs_pour_calcul_rhoc"},
    {"txt_Tc_pour_RHOc22", "txt_Pc_pour_RHOc22", "txt_Ts_pour_RHOc", "txt_Ps_pour_RHOc", "txt_RHOs_pour_RHOc"},
    FactorChange::tests_the_frame,
    ResultButton::does_nothing,
};

const GasFrame RHOn_from_RHOc = {
    "fr_calcul_de_RHOn_avec_RHOc",
    {{{"lbl_RHOc_pour_RHOn", "RHOc :", "txt_RHOc_pour_RHOn", "lbl_RHOc_pour_RHOn_unites", kg_m3, ""},
      {"lbl_Pc_pour_RHOn", "Pc :", "txt_Pc_pour_RHOn", "lbl_Pc_pour_RHOn_unités", bar, ""},
      {"lbl_Tc_pour_RHOn", "Tc :", "txt_Tc_pour_RHOn", "lbl_Tc_pour_RHOn_unités", celsius, ""},
      {"lbl_Pn_pour_RHOn21", "Pn :", "txt_Pn_pour_RHOn21", "lbl_Pn_pour_RHOn21_unités", bar, "1.013"},
      {"lbl_Tn_pour_RHOn21", "Tn :", "txt_Tn_pour_RHOn21", "lbl_Tn_pour_RHOn21_unités", celsius, "0"}}},
    {{{"Label_zc_pour_calcul_rhon_avec_rhoc", "Zc:", "Text_zc_pour_calcul_rhon_avec_rhoc", "", "", "1"},
      {"Label_zn_pour_calcul_rhon_avec_rhoc", "Zn:", "Text_zn_pour_calcul_rhon_avec_rhoc", "", "", "1"}}},
    {"lbl_résultat_RHOn_avec_RHOc", "txt_résultat_RHOn_avec_RHOc", "lbl_résultat_RHOn_avec_RHOc_unités",
     "bt_resultat_RHOn_avec_RHOc"},
    "RHOn=",
    density::RHOn_avec_RHOc,
    {"txt_Pc_pour_RHOn", "Text_zn_pour_calcul_rhon_avec_rhoc", "Text_zc_pour_calcul_rhon_avec_rhoc"},
    {"txt_RHOc_pour_RHOn", "txt_Pc_pour_RHOn", "txt_Tc_pour_RHOn", "txt_Pn_pour_RHOn21", "txt_Tn_pour_RHOn21"},
    FactorChange::tests_the_frame,
    ResultButton::computes_again,
};

const GasFrame RHOn_from_RHOs = {
    "fr_calcul_de_RHOn_avec_RHOS",
    {{{"lbl_RHOs_pour_RHOn", "RHOs :", "txt_RHOs_pour_RHOn", "lbl_RHOs_pour_RHOn_unités", kg_m3, ""},
      {"lbl_Ps_pour_RHOn", "Ps :", "txt_Ps_pour_RHOn", "lbl_Ps_pour_RHOn_unités", bar, ""},
      {"lbl_Ts_pour_RHOn", "Ts :", "txt_Ts_pour_RHOn", "lbl_Ts_pour_RHOn_unités", celsius, ""},
      {"lbl_Pn_pour_RHOn22", "Pn :", "txt_Pn_pour_RHOn22", "lbl_Pn_pour_RHOn22_unités", bar, "1.013"},
      {"lbl_Tn_pour_RHOn22", "Tn :", "txt_Tn_pour_RHOn22", "lbl_Tn_pour_RHOn22_unités", celsius, "0"}}},
    {{{"Label_zs_pour_calcul_rhon_avc_rhos", "Zs:", "Text_Zs_pour_calcul_rhon_avec_rhos", "", "", "1"},
      {"Label_zn_pour_calcul_rhon_avc_rhos", "Zn:", "Text_Zn_pour_calcul_rhon_avec_rhos", "", "", "1"}}},
    {"lbl_résultat_RHOn_avec_RHOs", "txt_résultat_RHOn_avec_RHOs", "lbl_résultat_RHOn_avec_RHOs_unités",
     "bt_resultat_RHOn_avec_RHOsc"},
    "RHOn=",
    density::RHOn_avec_RHOs,
    {"txt_Ps_pour_RHOn", "Text_Zn_pour_calcul_rhon_avec_rhos", "Text_Zs_pour_calcul_rhon_avec_rhos"},
    {"txt_RHOs_pour_RHOn", "txt_Ps_pour_RHOn", "txt_Ts_pour_RHOn", "txt_Pn_pour_RHOn22", "txt_Tn_pour_RHOn22"},
    FactorChange::tests_the_frame,
    ResultButton::computes_again,
};

// Pn is tested for text only: a Pn of 0 reaches the procedure, whose guard shows the held result.
const GasFrame RHOs_from_RHOn = {
    "fr_calcul_de_RHOs_avec_RHOn",
    {{{"lbl_RHOn_pour_RHOs", "RHOn :", "txt_RHOn_pour_RHOs", "lbl_RHOn_pour_RHOs_unités", kg_m3, ""},
      {"lbl_Pn_pour_RHOs", "Pn :", "txt_Pn_pour_RHOs", "lbl_Pn_pour_RHOs_unités", bar, ""},
      {"lbl_Tn_pour_RHOs", "Tn :", "txt_Tn_pour_RHOs", "lbl_Tn_pour_RHOs_unités", celsius, ""},
      {"lbl_Ps_pour_RHOs21", "Ps :", "txt_Ps_pour_RHOs21", "lbl_Ps_pour_RHOs21_unités", bar, ""},
      {"lbl_Ts_pour_RHOs21", "Ts :", "txt_Ts_pour_RHOs21", "lbl_Ts_pour_RHOs21_unités", celsius, ""}}},
    {{{"Label_Zs_pour_calcul_rhos_avec_rhon", "Zs:", "Text_zs_pour_calcul_rhos_avec_rhon", "", "", "1"},
      {"Label_Zn_pour_calcul_rhos_avec_rhon", "Zn:", "Text_zn_pour_calcul_rhos_avec_rhon", "", "", "1"}}},
    {"lbl_résultat_RHOs_avec_RHOn", "txt_résultat_RHOs_avec_RHOn", "lbl_résultat_RHOs_avec_RHOn_unités",
     "cmd_calcul_RHOs_avec_RHOn"},
    "RHOs=",
    density::RHOs_avec_RHOn,
    {"txt_Ps_pour_RHOs21", "Text_zs_pour_calcul_rhos_avec_rhon", "Text_zn_pour_calcul_rhos_avec_rhon"},
    {"txt_Ts_pour_RHOs21", "txt_Ps_pour_RHOs21", "txt_Tn_pour_RHOs", "txt_Pn_pour_RHOs", "txt_RHOn_pour_RHOs"},
    FactorChange::tests_the_frame,
    ResultButton::computes_again,
};

// Pc is tested for text only, like Pn in the frame above. The compressibility factors run no test:
// they are read when an input changes or "Résultat" is clicked.
const GasFrame RHOs_from_RHOc = {
    "fr_calcul_de_RHOs_avec_RHOc",
    {{{"lbl_RHOc_pour_RHOs", "RHOc :", "txt_RHOc_pour_RHOs", "fr_calcul_de_RHOs_avec_RHOc_unités", kg_m3, ""},
      {"lbl_Pc_pour_RHOs", "Pc :", "txt_Pc_pour_RHOs", "lbl_Pc_pour_RHOs_unités", bar, ""},
      {"lbl_Tc_pour_RHOs", "Tc :", "txt_Tc_pour_RHOs", "lbl_Tc_pour_RHOs_unités", celsius, ""},
      {"lbl_Ps_pour_RHOs22", "Ps :", "txt_Ps_pour_RHOs22", "lbl_Ps_pour_RHOs22_unités", bar, ""},
      {"lbl_Ts_pour_RHOs22", "Ts :", "txt_Ts_pour_RHOs22", "lbl_Ts_pour_RHOs22_unités", celsius, ""}}},
    {{{"Label_zs_pour_calcul_rhos_avec_rhoc", "Zs:", "Text_zs_pour_calcul_rhos_avec_rhoc", "", "", "1"},
      {"Label_Zc_pour_calcul_rhos_avec_rhoc", "Zc:", "Text_zc_pour_calcul_rhos_avec_rhoc", "", "", "1"}}},
    {"lbl_résultat_RHOs_avec_RHOc", "txt_résultat_RHOs_avec_RHOc", "lbl_résultat_RHOs_avec_RHOc_unités",
     "cmd_calcul_RHOs_avec_RHOc"},
    "RHOs=",
    density::RHOs_avec_RHOc,
    {"txt_Ps_pour_RHOs22"},
    {"txt_RHOc_pour_RHOs", "txt_Pc_pour_RHOs", "txt_Tc_pour_RHOs", "txt_Ps_pour_RHOs22", "txt_Ts_pour_RHOs22"},
    FactorChange::does_nothing,
    ResultButton::computes_again,
};

const std::array<const GasFrame*, 6> gas_frames = {&RHOc_from_RHOn, &RHOc_from_RHOs, &RHOn_from_RHOc,
                                                   &RHOn_from_RHOs, &RHOs_from_RHOn, &RHOs_from_RHOc};

// --- Layout ---

void gas_frame_rows(PageBuilder& b, const GasFrame& g) {
    b.in(g.frame);
    b.page().read_by_columns(g.frame);
    for (const Input& i : g.inputs) {
        input_row(b, i.label, i.caption, i.field, i.unit_label, i.unit).text(i.text);
    }
    // The right-hand column: the compressibility factors, the result and its "Résultat" button.
    for (int row = 0; row < 2; ++row) {
        const Input& z = g.compressibility[row];
        b.label(z.label, z.caption).at(row, 3);
        b.field(z.field, z.text).at(row, 4);
    }
    b.label(g.result.label, g.result_caption).hidden().at(3, 3);
    b.field(g.result.field).look(Look::result).hidden().at(3, 4);
    b.label(g.result.unit, kg_m3).look(Look::unit).hidden().at(3, 5);
    b.button(g.result.button, "Résultat").hidden().at(4, 4);
}

// --- Handlers ---

void gas_frame_changed(Page& p, const GasFrame& g) {
    const ResultGroup& r = g.result;
    show_result_if(p, not_zero(p, g.must_not_read_0) && filled(p, g.must_be_filled),
                   {r.label, r.field, r.unit, r.button}, {g.procedure});
}

void on_member_changes(Page& p, const GasFrame& g, const Page::Handler& handler) {
    for (const Input& i : g.inputs) p.on_change(i.field, handler);
    if (g.factor_change == FactorChange::tests_the_frame)
        for (const Input& z : g.compressibility) p.on_change(z.field, handler);
}

void repeat_result(Page& p, const GasFrame& g) {
    p.show({g.result.label, g.result.field, g.result.unit});
    g.procedure(p);
}

// --- Resets ---

namespace {

// The Pn and Tn fields that keep what the user typed.
bool keeps_its_text(std::string_view field) {
    for (auto kept : {"txt_Pn_pour_RHOc", "txt_Tn_pour_RHOc", "txt_Pn_pour_RHOn21", "txt_Tn_pour_RHOn21",
                      "txt_Pn_pour_RHOn22", "txt_Tn_pour_RHOn22"})
        if (field == kept) return true;
    return false;
}

}  // namespace

void empty_inputs(Page& p, const GasFrame& g) {
    for (const Input& i : g.inputs)
        if (!keeps_its_text(i.field)) p.set_text(i.field, "");
}

void set_compressibility_factors_to_1(Page& p) {
    for (const GasFrame* g : gas_frames)
        for (const Input& z : g->compressibility) p.set_text(z.field, "1");
}

}  // namespace cf::density_page
