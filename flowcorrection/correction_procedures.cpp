#include "flowcorrection/correction_procedures.h"

#include "flowcorrection/correction_formulas.h"
#include "ui/procedure.h"

namespace cf::flow_correction {

namespace {

using R = Reading;
using H = CorrectionHeld;
using CorrectionProcedure = procedure::TableProcedure<CorrectionHeld, Reading>;

// A failed guard shows the held result again.
constexpr procedure::Style style{"0.00", procedure::WhenStopped::show_held};

// Each procedure: where its reading is held, the fields it reads in this order, the quantities its
// guard wants not 0, the quantity it computes with its result field, and the formula.
namespace rows {

// Kc = Qvc ÷ √ΔP, the same in every module that shows a Kc.
double kc(const R& r) { return installation_coefficient(r.Qvc, r.DeltaP); }
const CorrectionProcedure Kc10 = {&H::Kc10, {{&R::Qvc, "txt_Kc5"}, {&R::DeltaP, "txt_DeltaP6"}}, {&R::DeltaP},
                                   {&R::Kc, "txt_Kc10"}, kc};
const CorrectionProcedure Kc11 = {&H::Kc11, {{&R::Qvc, "txt_Kc2"}, {&R::DeltaP, "txt_DeltaP2"}}, {&R::DeltaP},
                                   {&R::Kc, "txt_Kc11"}, kc};
const CorrectionProcedure kc12 = {&H::kc12, {{&R::Qvc, "txt_Kc7"}, {&R::DeltaP, "txt_DeltaP3"}}, {&R::DeltaP},
                                   {&R::Kc, "txt_kc12"}, kc};
const CorrectionProcedure Kc13 = {&H::Kc13, {{&R::Qvc, "txt_Kc4"}, {&R::DeltaP, "txt_DeltaP5"}}, {&R::DeltaP},
                                   {&R::Kc, "txt_Kc13"}, kc};
const CorrectionProcedure Kc14 = {&H::Kc14, {{&R::Qvc, "txt_Kc6"}, {&R::DeltaP, "txt_DeltaP7"}}, {&R::DeltaP},
                                   {&R::Kc, "txt_Kc14"}, kc};

const CorrectionProcedure Qvc2 = {
    &H::Qvc2, {{&R::Kc, "txt_Kc1"}, {&R::DeltaP, "txt_DeltaP1"}}, {}, {&R::Qvc, "Text_résultat_qvc"},
    [](const R& r) { return flow_from_coefficient(r.Kc, r.DeltaP); }};

const CorrectionProcedure Qvc7 = {
    &H::Qvc7,
    {{&R::Kc, "txt_Kc3"}, {&R::DeltaP, "txt_deltaP4"}, {&R::Pc, "txt_Pc3"}, {&R::Tc, "txt_Tc3"}, {&R::Ps, "txt_Ps1"},
     {&R::Ts, "txt_Ts1"}, {&R::Zs, "Text_zs_pour_calcul_qvc_avec_kc_et_deltap"},
     {&R::Zc, "Text_zc_pour_calcul_qvc_avec_kc_et_deltap"}},
    {&R::Pc}, {&R::Qvc, "txt_Qvc7"},
    [](const R& r) { return flow_from_coefficient_at_service(r.Kc, r.DeltaP, r.Pc, r.Tc, r.Ps, r.Ts, r.Zs, r.Zc); }};

const CorrectionProcedure Qvs0 = {&H::Qvs0, {{&R::Qvc, "txt_Qvc3"}}, {}, {&R::Qvs, "txt_Qvs0"},
                                   [](const R& r) { return double{r.Qvc}; }};

const CorrectionProcedure Qvs3 = {
    &H::Qvs3,
    {{&R::Qvc, "txt_Qvc8"}, {&R::Pc, "txt_Pc4"}, {&R::Tc, "txt_Tc4"}, {&R::Ps, "txt_Ps2"}, {&R::Ts, "Txt_Ts2"},
     {&R::Zc, "Text_zc_pour_calcul_qvs_avec_qvc"}, {&R::Zs, "Text_zs_pour_calcul_qvs_avec_qvc"}},
    {&R::Ps}, {&R::Qvs, "txt_Qvs3"},
    [](const R& r) { return service_flow(r.Qvc, r.Pc, r.Tc, r.Ps, r.Ts, r.Zc, r.Zs); }};

const CorrectionProcedure Qvs4 = {
    &H::Qvs4,
    {{&R::Qvc, "txt_Kc4"}, {&R::DeltaP, "txt_DeltaP5"}, {&R::Pc, "txt_Pc5"}, {&R::Tc, "txt_Tc5"}, {&R::Ps, "txt_Ps3"},
     {&R::Ts, "Txt_Ts3"}, {&R::Zs, "Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap"},
     {&R::Zc, "Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap"}},
    {&R::DeltaP, &R::Ps}, {&R::Qvs, "txt_Qvs4"},
    [](const R& r) { return service_flow_through_coefficient(r.Qvc, r.DeltaP, r.Pc, r.Tc, r.Ps, r.Ts, r.Zs, r.Zc); }};

const CorrectionProcedure Qvn2 = {
    &H::Qvn2,
    {{&R::Pc, "txt_Pc1"}, {&R::Tc, "txt_Tc1"}, {&R::Tn, "txt_tn1"}, {&R::Pn, "txt_Pn1"}, {&R::Qvc, "txt_Qvc4"},
     {&R::Zc, "Text_zc_pour_calcul_qvn_avec_qvc"}, {&R::Zn, "Text_zn_pour_calcul_qvn_avec_qvc"}},
    {&R::Pn}, {&R::Qvn, "txt_Qvn2"},
    [](const R& r) { return normal_flow(r.Qvc, r.Pc, r.Tc, r.Tn, r.Pn, r.Zc, r.Zn); }};

// Pc × Qvc or Qvc × Pc: one product of two single-precision values, the same in either order.
const CorrectionProcedure Qvn6 = {
    &H::Qvn6,
    {{&R::Qvc, "txt_Qvc9"}, {&R::Pc, "txt_Pc7"}, {&R::Tc, "txt_Tc7"}, {&R::Pn, "txt_Pn3"}, {&R::Tn, "txt_Tn3"},
     {&R::Zc, "Text_zc_pour_calcul_qvn_avec_qvc_bis"}, {&R::Zn, "Text_zn_pour_calcul_qvn_avec_qvc_bis"}},
    {&R::Pn}, {&R::Qvn, "Txt_Qvn6"},
    [](const R& r) { return normal_flow(r.Qvc, r.Pc, r.Tc, r.Tn, r.Pn, r.Zc, r.Zn); }};

const CorrectionProcedure Qvn3 = {
    &H::Qvn3,
    {{&R::Pc, "txt_Pc2"}, {&R::Tc, "txt_Tc2"}, {&R::Tn, "txt_Tn2"}, {&R::Pn, "txt_Pn2"}, {&R::DeltaP, "txt_DeltaP2"},
     {&R::Qvc, "txt_Kc2"}, {&R::Zc, "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap"},
     {&R::Zn, "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap"}},
    {&R::DeltaP, &R::Pn}, {&R::Qvn, "txt_Qvn3"},
    [](const R& r) { return normal_flow_through_coefficient(r.Qvc, r.DeltaP, r.Pc, r.Tc, r.Pn, r.Tn, r.Zc, r.Zn); }};

const CorrectionProcedure Qvn7 = {
    &H::Qvn7,
    {{&R::Pc, "txt_Pc8"}, {&R::Tc, "txt_Tc8"}, {&R::DeltaP, "txt_DeltaP6"}, {&R::Qvc, "txt_Kc5"}, {&R::Pn, "txt_Pn5"},
     {&R::Tn, "txt_Tn5"}, {&R::Ps, "txt_Ps4"}, {&R::Ts, "txt_Ts4"},
     {&R::Zs, "Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis"},
     {&R::Zc, "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis"},
     {&R::Zn, "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis"}},
    {&R::DeltaP, &R::Pn}, {&R::Qvn, "txt_Qvn7"},
    [](const R& r) {
        return normal_flow_at_service(r.Qvc, r.DeltaP, r.Pc, r.Tc, r.Pn, r.Tn, r.Ps, r.Ts, r.Zs, r.Zc, r.Zn);
    }};

// Qm = RHO × Qv.
double mass_flow_at_calculation(const R& r) { return mass_flow(r.RHOc, r.Qvc); }
const CorrectionProcedure Qm2 = {&H::Qm2, {{&R::Qvc, "txt_Qvc11"}, {&R::RHOc, "txt_RoC1"}}, {}, {&R::Qm, "txt_Qm2"},
                                  mass_flow_at_calculation};
const CorrectionProcedure Qm5 = {&H::Qm5, {{&R::Qvc, "txt_Qvc10"}, {&R::RHOc, "txt_RoC10"}}, {}, {&R::Qm, "txt_Qm5"},
                                  mass_flow_at_calculation};
const CorrectionProcedure Qm6 = {&H::Qm6, {{&R::Qvs, "txt_Qvs9"}, {&R::RHOs, "txt_RoS9"}}, {}, {&R::Qm, "txt_Qm6"},
                                  [](const R& r) { return mass_flow(r.RHOs, r.Qvs); }};

const CorrectionProcedure Qm3 = {
    &H::Qm3, {{&R::Qvc, "txt_Kc7"}, {&R::RHOc, "txt_RoC2"}, {&R::DeltaP, "txt_DeltaP3"}}, {&R::DeltaP, &R::RHOc},
    {&R::Qm, "txt_Qm3"}, [](const R& r) { return mass_flow_through_coefficient(r.Qvc, r.DeltaP, r.RHOc); }};

const CorrectionProcedure Qm7 = {
    &H::Qm7,
    {{&R::Qvc, "txt_Kc6"}, {&R::DeltaP, "txt_DeltaP7"}, {&R::RHOc, "txt_RoC11"}, {&R::Ps, "txt_Ps5"},
     {&R::Ts, "txt_Ts5"}, {&R::Pc, "txt_Pc9"}, {&R::Tc, "txt_Tc9"}, {&R::Zs, "Text_zs_pour_calcul_qm_avec_deltap_et_qvc"},
     {&R::Zc, "Text_zc_pour_calcul_qm_avec_deltap_et_qvc"}},
    {&R::DeltaP, &R::Pc}, {&R::Qm, "txt_Qm7"},
    [](const R& r) { return mass_flow_at_service(r.Qvc, r.DeltaP, r.RHOc, r.Ps, r.Ts, r.Pc, r.Tc, r.Zs, r.Zc); }};

}  // namespace rows
}  // namespace

void Kc10(Page& page) { procedure::run(page, style, rows::Kc10); }
void Kc11(Page& page) { procedure::run(page, style, rows::Kc11); }
void kc12(Page& page) { procedure::run(page, style, rows::kc12); }
void Kc13(Page& page) { procedure::run(page, style, rows::Kc13); }
void Kc14(Page& page) { procedure::run(page, style, rows::Kc14); }
void Qvc2(Page& page) { procedure::run(page, style, rows::Qvc2); }
void Qvc7(Page& page) { procedure::run(page, style, rows::Qvc7); }
void Qvs0(Page& page) { procedure::run(page, style, rows::Qvs0); }
void Qvs3(Page& page) { procedure::run(page, style, rows::Qvs3); }
void Qvs4(Page& page) { procedure::run(page, style, rows::Qvs4); }
void Qvn2(Page& page) { procedure::run(page, style, rows::Qvn2); }
void Qvn6(Page& page) { procedure::run(page, style, rows::Qvn6); }
void Qvn3(Page& page) { procedure::run(page, style, rows::Qvn3); }
void Qvn7(Page& page) { procedure::run(page, style, rows::Qvn7); }
void Qm2(Page& page) { procedure::run(page, style, rows::Qm2); }
void Qm5(Page& page) { procedure::run(page, style, rows::Qm5); }
void Qm6(Page& page) { procedure::run(page, style, rows::Qm6); }
void Qm3(Page& page) { procedure::run(page, style, rows::Qm3); }
void Qm7(Page& page) { procedure::run(page, style, rows::Qm7); }

}  // namespace cf::flow_correction
