#include "pipeflow/pipe_flow_procedures.h"

#include "pipeflow/pipe_flow_formulas.h"
#include "shell/page_names.h"
#include "ui/procedure.h"

namespace cf::pipe_flow {

namespace {

using procedure::keep_or_empty;
using procedure::read;

constexpr const char* pattern = "0.00";

PipeFlowHeld& held(Page& dvs) { return dvs.app().held<PipeFlowHeld>(); }

void write(Page& dvs, std::string_view field, float value) { procedure::show(dvs, field, value, pattern); }

// The Reynolds number shown, then the regime it implies (left as it was at exactly 2000).
void write_reynolds(Page& dvs, float Re) {
    write(dvs, "txt_reynolds_calcul_reynolds", Re);
    if (auto text = regime(Re)) dvs.set_text("txt_régime_reynolds", std::string(*text));
}

// A Reynolds number that could not be kept: neither it nor the regime it would imply is shown.
bool keep_reynolds(Page& dvs, float& held_Re, double Re) {
    if (procedure::keep(held_Re, Re)) return true;
    procedure::show_not_computed(dvs, "txt_reynolds_calcul_reynolds");
    procedure::show_not_computed(dvs, "txt_régime_reynolds");
    return false;
}

}  // namespace

void Qv(Page& dvs) {
    auto& h = held(dvs).qv;
    h.V = read(dvs, "txt_vitesse31");
    h.D = read(dvs, "txt_diamètre31");
    if (!keep_or_empty(dvs, "txt_débit31", h.Qv, volume_flow(h.V, h.D))) return;
    write(dvs, "txt_débit31", h.Qv);
}

void Section(Page& dvs) {
    auto& h = held(dvs).section;
    h.Qv = read(dvs, "txt_débit32");
    h.V = read(dvs, "txt_vitesse32");
    if (h.V != 0) {
        if (!keep_or_empty(dvs, "txt_section32", h.S, section(h.Qv, h.V))) return;
    }
    write(dvs, "txt_section32", h.S);  // the new section, or the held one when V is 0
}

void diamétre(Page& dvs) {
    auto& h = held(dvs).diameter;
    h.S = read(dvs, "txt_section32");
    if (!keep_or_empty(dvs, "txt_diamètre32", h.D, bore_from_section(h.S))) return;
    write(dvs, "txt_diamètre32", h.D);
}

void vitesse(Page& dvs) {
    auto& h = held(dvs).velocity;
    h.Qv = read(dvs, "txt_débit33");
    h.D = read(dvs, "txt_Diamètre33");
    if (h.D != 0) {
        if (!keep_or_empty(dvs, "txt_vitesse33", h.V, velocity(h.Qv, h.D))) return;
    }
    write(dvs, "txt_vitesse33", h.V);  // the new velocity, or the held one when D is 0
}

void Reynolds_avec_nu(Page& dvs) {
    auto& h = held(dvs).reynolds_nu;
    h.V = read(dvs, "txt_vitesse_calcul_reynolds");
    h.D = read(dvs, "txt_diamètre_reynolds");
    h.Nu = read(dvs, "txt_nu_reynolds");
    if (h.Nu != 0) {
        if (!keep_reynolds(dvs, h.Re, reynolds_from_nu(h.V, h.D, h.Nu))) return;
    }
    write_reynolds(dvs, h.Re);  // the new Re, or the held one when Nu is 0
}

void Reynolds_avec_nu(Application& app) { Reynolds_avec_nu(app.page(pages::pipe_flow)); }

void Reynolds_avec_Mu(Page& dvs) {
    auto& h = held(dvs).reynolds_mu;
    h.V = read(dvs, "txt_vitesse_calcul_reynolds");
    h.D = read(dvs, "txt_diamètre_reynolds");
    h.Mu = read(dvs, "txt_Mu");
    h.RHO = read(dvs, "txt_RHO51");
    if (h.Mu != 0) {
        if (!keep_reynolds(dvs, h.Re, reynolds_from_mu(h.V, h.D, h.Mu, h.RHO))) return;
    }
    write_reynolds(dvs, h.Re);  // the new Re, or the held one when Mu is 0
}

void DeltaP_laminaire(Page& dvs) {
    auto& h = held(dvs).laminar;
    h.Qv = read(dvs, "txt_Qv_calcul_pertes_de_charges");
    h.RHO = read(dvs, "txt_RHO_calcul_pertes_de_charges");
    h.L = read(dvs, "txt_L_calcul_pertes_de_charges");
    h.D = read(dvs, "txt_D_calcul_pertes_de_charges");
    h.Re = read(dvs, "txt_Re_calcul_pertes_de_charges");
    if (h.D != 0 && h.Re != 0 && h.RHO != 0) {
        const double DeltaP = laminar_pressure_loss(h.Qv, h.RHO, h.L, h.D, h.Re);
        if (!keep_or_empty(dvs, "txt_DeltaP_calcul_pertes_de_charges", h.DeltaP, DeltaP)) return;
    }
    write(dvs, "txt_DeltaP_calcul_pertes_de_charges", h.DeltaP);
}

void DeltaP_turbulent(Page& dvs) {
    auto& h = held(dvs).turbulent;
    h.Qv = read(dvs, "txt_Qv_calcul_pertes_de_charges2");
    h.RHO = read(dvs, "txt_RHO_calcul_pertes_de_charges2");
    h.L = read(dvs, "txt_L_calcul_pertes_de_charges2");
    h.D = read(dvs, "txt_D_calcul_pertes_de_charges2");
    h.Re = read(dvs, "txt_Re_calcul_pertes_de_charges2");
    h.K = read(dvs, "txt_K_calcul_pertes_de_charges2");
    if (h.D != 0 && h.Re != 0 && h.RHO != 0) {
        const double DeltaP = turbulent_pressure_loss(h.Qv, h.RHO, h.L, h.D, h.Re, h.K);
        if (!keep_or_empty(dvs, "txt_DeltaP_calcul_pertes_de_charges2", h.DeltaP, DeltaP)) return;
    }
    write(dvs, "txt_DeltaP_calcul_pertes_de_charges2", h.DeltaP);
}

}  // namespace cf::pipe_flow
