#include "pipeflow/pipe_flow_procedures.h"

#include "pipeflow/pipe_flow_formulas.h"
#include "ui/procedure.h"

namespace cf::pipe_flow {

namespace {

using procedure::compute;
using procedure::read_into;

// A failed guard shows the held result again.
constexpr procedure::Style style{"0.00", procedure::WhenStopped::show_held};

PipeFlowHeld& held(Page& dvs) { return procedure::held<PipeFlowHeld>(dvs); }

// The Reynolds number shown, or the held one when the guard stops it, then the regime it implies (left
// as it was at exactly 2000); neither is shown when it could not be kept.
template <class Formula>
void show_reynolds(Page& dvs, float& held_Re, bool guard_passes, Formula formula) {
    const auto outcome = compute(dvs, style, {"txt_reynolds_calcul_reynolds"}, held_Re, guard_passes, formula);
    if (outcome == procedure::Outcome::emptied) {
        procedure::show_not_computed(dvs, "txt_régime_reynolds");
        return;
    }
    if (auto text = regime(held_Re)) {
        dvs.set_text("txt_régime_reynolds", std::string(*text));
        dvs.result_follows("txt_régime_reynolds", "txt_reynolds_calcul_reynolds");
    }
}

}  // namespace

void Qv(Page& dvs) {
    auto& h = held(dvs).qv;
    read_into(dvs, {{h.V, "txt_vitesse31"}, {h.D, "txt_diamètre31"}});
    compute(dvs, style, {"txt_débit31"}, h.Qv, true, [&] { return volume_flow(h.V, h.D); });
}

void Section(Page& dvs) {
    auto& h = held(dvs).section;
    read_into(dvs, {{h.Qv, "txt_débit32"}, {h.V, "txt_vitesse32"}});
    compute(dvs, style, {"txt_section32"}, h.S, h.V != 0, [&] { return section(h.Qv, h.V); });
}

void diamétre(Page& dvs) {
    auto& h = held(dvs).diameter;
    read_into(dvs, {{h.S, "txt_section32"}});
    compute(dvs, style, {"txt_diamètre32"}, h.D, true, [&] { return bore_from_section(h.S); });
}

void vitesse(Page& dvs) {
    auto& h = held(dvs).velocity;
    read_into(dvs, {{h.Qv, "txt_débit33"}, {h.D, "txt_Diamètre33"}});
    compute(dvs, style, {"txt_vitesse33"}, h.V, h.D != 0, [&] { return velocity(h.Qv, h.D); });
}

void Reynolds_avec_nu(Page& dvs) {
    auto& h = held(dvs).reynolds_nu;
    read_into(dvs, {{h.V, "txt_vitesse_calcul_reynolds"}, {h.D, "txt_diamètre_reynolds"}, {h.Nu, "txt_nu_reynolds"}});
    show_reynolds(dvs, h.Re, h.Nu != 0, [&] { return reynolds_from_nu(h.V, h.D, h.Nu); });
}

void Reynolds_avec_Mu(Page& dvs) {
    auto& h = held(dvs).reynolds_mu;
    read_into(dvs, {{h.V, "txt_vitesse_calcul_reynolds"}, {h.D, "txt_diamètre_reynolds"}, {h.Mu, "txt_Mu"},
                    {h.RHO, "txt_RHO51"}});
    show_reynolds(dvs, h.Re, h.Mu != 0, [&] { return reynolds_from_mu(h.V, h.D, h.Mu, h.RHO); });
}

void DeltaP_laminaire(Page& dvs) {
    auto& h = held(dvs).laminar;
    read_into(dvs, {{h.Qv, "txt_Qv_calcul_pertes_de_charges"}, {h.RHO, "txt_RHO_calcul_pertes_de_charges"},
                    {h.L, "txt_L_calcul_pertes_de_charges"}, {h.D, "txt_D_calcul_pertes_de_charges"},
                    {h.Re, "txt_Re_calcul_pertes_de_charges"}});
    compute(dvs, style, {"txt_DeltaP_calcul_pertes_de_charges"}, h.DeltaP, h.D != 0 && h.Re != 0 && h.RHO != 0,
            [&] { return laminar_pressure_loss(h.Qv, h.RHO, h.L, h.D, h.Re); });
}

void DeltaP_turbulent(Page& dvs) {
    auto& h = held(dvs).turbulent;
    read_into(dvs, {{h.Qv, "txt_Qv_calcul_pertes_de_charges2"}, {h.RHO, "txt_RHO_calcul_pertes_de_charges2"},
                    {h.L, "txt_L_calcul_pertes_de_charges2"}, {h.D, "txt_D_calcul_pertes_de_charges2"},
                    {h.Re, "txt_Re_calcul_pertes_de_charges2"}, {h.K, "txt_K_calcul_pertes_de_charges2"}});
    // K may be 0: a smooth pipe.
    compute(dvs, style, {"txt_DeltaP_calcul_pertes_de_charges2"}, h.DeltaP, h.D != 0 && h.Re != 0 && h.RHO != 0,
            [&] { return turbulent_pressure_loss(h.Qv, h.RHO, h.L, h.D, h.Re, h.K); });
}

}  // namespace cf::pipe_flow
