#include "flowcorrection/correction_procedures.h"

#include "flowcorrection/correction_formulas.h"
#include "ui/application.h"
#include "ui/procedure.h"

namespace cf::flow_correction {

namespace {

using procedure::read;

template <class Held>
Held& held_by(Page& page) {
    return page.app().held<Held>();
}

// Computes when the guard passes and keeps the result; then shows the held result, new or not. A result
// that cannot be kept empties the field instead.
template <class Formula>
void compute(Page& page, std::string_view field, float& held_result, bool guard_passes, Formula formula) {
    if (guard_passes && !procedure::keep_or_empty(page, field, held_result, formula())) return;
    procedure::show(page, field, held_result, "0.00");
}

// Kc = Qvc ÷ √ΔP, the same in every module that shows a Kc. Guard: ΔP = 0.
template <class Held>
void kc(Page& page, std::string_view Qvc_field, std::string_view DeltaP_field, std::string_view result_field) {
    auto& h = held_by<Held>(page);
    h.Qvc = read(page, Qvc_field);
    h.DeltaP = read(page, DeltaP_field);
    compute(page, result_field, h.Kc, h.DeltaP != 0, [&] { return installation_coefficient(h.Qvc, h.DeltaP); });
}

}  // namespace

void Kc10(Page& page) { kc<held::Kc10>(page, "txt_Kc5", "txt_DeltaP6", "txt_Kc10"); }
void Kc11(Page& page) { kc<held::Kc11>(page, "txt_Kc2", "txt_DeltaP2", "txt_Kc11"); }
void kc12(Page& page) { kc<held::kc12>(page, "txt_Kc7", "txt_DeltaP3", "txt_kc12"); }
void Kc13(Page& page) { kc<held::Kc13>(page, "txt_Kc4", "txt_DeltaP5", "txt_Kc13"); }
void Kc14(Page& page) { kc<held::Kc14>(page, "txt_Kc6", "txt_DeltaP7", "txt_Kc14"); }

void Qvc2(Page& page) {
    auto& h = held_by<held::Qvc2>(page);
    h.Kc = read(page, "txt_Kc1");
    h.DeltaP = read(page, "txt_DeltaP1");
    compute(page, "Text_résultat_qvc", h.Qvc, true, [&] { return flow_from_coefficient(h.Kc, h.DeltaP); });
}

void Qvc7(Page& page) {
    auto& h = held_by<held::Qvc7>(page);
    h.Kc = read(page, "txt_Kc3");
    h.DeltaP = read(page, "txt_deltaP4");
    h.Pc = read(page, "txt_Pc3");
    h.Tc = read(page, "txt_Tc3");
    h.Ps = read(page, "txt_Ps1");
    h.Ts = read(page, "txt_Ts1");
    h.Zs = read(page, "Text_zs_pour_calcul_qvc_avec_kc_et_deltap");
    h.Zc = read(page, "Text_zc_pour_calcul_qvc_avec_kc_et_deltap");
    compute(page, "txt_Qvc7", h.Qvc, h.Pc != 0, [&] {
        return flow_from_coefficient_at_service(h.Kc, h.DeltaP, h.Pc, h.Tc, h.Ps, h.Ts, h.Zs, h.Zc);
    });
}

void Qvs0(Page& page) {
    auto& h = held_by<held::Qvs0>(page);
    h.Qvc = read(page, "txt_Qvc3");
    compute(page, "txt_Qvs0", h.Qvs, true, [&] { return double{h.Qvc}; });
}

void Qvs3(Page& page) {
    auto& h = held_by<held::Qvs3>(page);
    h.Qvc = read(page, "txt_Qvc8");
    h.Pc = read(page, "txt_Pc4");
    h.Tc = read(page, "txt_Tc4");
    h.Ps = read(page, "txt_Ps2");
    h.Ts = read(page, "Txt_Ts2");
    h.Zc = read(page, "Text_zc_pour_calcul_qvs_avec_qvc");
    h.Zs = read(page, "Text_zs_pour_calcul_qvs_avec_qvc");
    compute(page, "txt_Qvs3", h.Qvs, h.Ps != 0,
            [&] { return service_flow(h.Qvc, h.Pc, h.Tc, h.Ps, h.Ts, h.Zc, h.Zs); });
}

void Qvs4(Page& page) {
    auto& h = held_by<held::Qvs4>(page);
    h.Qvc = read(page, "txt_Kc4");
    h.DeltaP = read(page, "txt_DeltaP5");
    h.Pc = read(page, "txt_Pc5");
    h.Tc = read(page, "txt_Tc5");
    h.Ps = read(page, "txt_Ps3");
    h.Ts = read(page, "Txt_Ts3");
    h.Zs = read(page, "Text_Zs_pour_calcul_qvs_avec_qvc_et_deltap");
    h.Zc = read(page, "Text_Zc_pour_calcul_qvs_avec_qvc_et_deltap");
    compute(page, "txt_Qvs4", h.Qvs, h.DeltaP != 0 && h.Ps != 0, [&] {
        return service_flow_through_coefficient(h.Qvc, h.DeltaP, h.Pc, h.Tc, h.Ps, h.Ts, h.Zs, h.Zc);
    });
}

void Qvn2(Page& page) {
    auto& h = held_by<held::Qvn2>(page);
    h.Pc = read(page, "txt_Pc1");
    h.Tc = read(page, "txt_Tc1");
    h.Tn = read(page, "txt_tn1");
    h.Pn = read(page, "txt_Pn1");
    h.Qvc = read(page, "txt_Qvc4");
    h.Zc = read(page, "Text_zc_pour_calcul_qvn_avec_qvc");
    h.Zn = read(page, "Text_zn_pour_calcul_qvn_avec_qvc");
    compute(page, "txt_Qvn2", h.Qvn, h.Pn != 0,
            [&] { return normal_flow(h.Qvc, h.Pc, h.Tc, h.Tn, h.Pn, h.Zc, h.Zn); });
}

void Qvn6(Page& page) {
    auto& h = held_by<held::Qvn6>(page);
    h.Qvc = read(page, "txt_Qvc9");
    h.Pc = read(page, "txt_Pc7");
    h.Tc = read(page, "txt_Tc7");
    h.Pn = read(page, "txt_Pn3");
    h.Tn = read(page, "txt_Tn3");
    h.Zc = read(page, "Text_zc_pour_calcul_qvn_avec_qvc_bis");
    h.Zn = read(page, "Text_zn_pour_calcul_qvn_avec_qvc_bis");
    // Pc × Qvc or Qvc × Pc: one product of two single-precision values, the same in either order.
    compute(page, "Txt_Qvn6", h.Qvn, h.Pn != 0,
            [&] { return normal_flow(h.Qvc, h.Pc, h.Tc, h.Tn, h.Pn, h.Zc, h.Zn); });
}

void Qvn3(Page& page) {
    auto& h = held_by<held::Qvn3>(page);
    h.Pc = read(page, "txt_Pc2");
    h.Tc = read(page, "txt_Tc2");
    h.Tn = read(page, "txt_Tn2");
    h.Pn = read(page, "txt_Pn2");
    h.DeltaP = read(page, "txt_DeltaP2");
    h.Qvc = read(page, "txt_Kc2");
    h.Zc = read(page, "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap");
    h.Zn = read(page, "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap");
    compute(page, "txt_Qvn3", h.Qvn, h.DeltaP != 0 && h.Pn != 0, [&] {
        return normal_flow_through_coefficient(h.Qvc, h.DeltaP, h.Pc, h.Tc, h.Pn, h.Tn, h.Zc, h.Zn);
    });
}

void Qvn7(Page& page) {
    auto& h = held_by<held::Qvn7>(page);
    h.Pc = read(page, "txt_Pc8");
    h.Tc = read(page, "txt_Tc8");
    h.DeltaP = read(page, "txt_DeltaP6");
    h.Qvc = read(page, "txt_Kc5");
    h.Pn = read(page, "txt_Pn5");
    h.Tn = read(page, "txt_Tn5");
    h.Ps = read(page, "txt_Ps4");
    h.Ts = read(page, "txt_Ts4");
    h.Zs = read(page, "Text_zs_pour_calcul_qvn_avec_qvc_et_deltap_bis");
    h.Zc = read(page, "Text_zc_pour_calcul_qvn_avec_qvc_et_deltap_bis");
    h.Zn = read(page, "Text_zn_pour_calcul_qvn_avec_qvc_et_deltap_bis");
    compute(page, "txt_Qvn7", h.Qvn, h.DeltaP != 0 && h.Pn != 0, [&] {
        return normal_flow_at_service(h.Qvc, h.DeltaP, h.Pc, h.Tc, h.Pn, h.Tn, h.Ps, h.Ts, h.Zs, h.Zc, h.Zn);
    });
}

void Qm2(Page& page) {
    auto& h = held_by<held::Qm2>(page);
    h.Qvc = read(page, "txt_Qvc11");
    h.RHOc = read(page, "txt_RoC1");
    compute(page, "txt_Qm2", h.Qm, true, [&] { return mass_flow(h.RHOc, h.Qvc); });
}

void Qm5(Page& page) {
    auto& h = held_by<held::Qm5>(page);
    h.Qvc = read(page, "txt_Qvc10");
    h.RHOc = read(page, "txt_RoC10");
    compute(page, "txt_Qm5", h.Qm, true, [&] { return mass_flow(h.RHOc, h.Qvc); });
}

void Qm6(Page& page) {
    auto& h = held_by<held::Qm6>(page);
    h.Qvs = read(page, "txt_Qvs9");
    h.RHOs = read(page, "txt_RoS9");
    compute(page, "txt_Qm6", h.Qm, true, [&] { return mass_flow(h.RHOs, h.Qvs); });
}

void Qm3(Page& page) {
    auto& h = held_by<held::Qm3>(page);
    h.Qvc = read(page, "txt_Kc7");
    h.RHOc = read(page, "txt_RoC2");
    h.DeltaP = read(page, "txt_DeltaP3");
    compute(page, "txt_Qm3", h.Qm, h.DeltaP != 0 && h.RHOc != 0,
            [&] { return mass_flow_through_coefficient(h.Qvc, h.DeltaP, h.RHOc); });
}

void Qm7(Page& page) {
    auto& h = held_by<held::Qm7>(page);
    h.Qvc = read(page, "txt_Kc6");
    h.DeltaP = read(page, "txt_DeltaP7");
    h.RHOc = read(page, "txt_RoC11");
    h.Ps = read(page, "txt_Ps5");
    h.Ts = read(page, "txt_Ts5");
    h.Pc = read(page, "txt_Pc9");
    h.Tc = read(page, "txt_Tc9");
    h.Zs = read(page, "Text_zs_pour_calcul_qm_avec_deltap_et_qvc");
    h.Zc = read(page, "Text_zc_pour_calcul_qm_avec_deltap_et_qvc");
    compute(page, "txt_Qm7", h.Qm, h.DeltaP != 0 && h.Pc != 0, [&] {
        return mass_flow_at_service(h.Qvc, h.DeltaP, h.RHOc, h.Ps, h.Ts, h.Pc, h.Tc, h.Zs, h.Zc);
    });
}

}  // namespace cf::flow_correction
