#include "flowcorrection/correction_formulas.h"

#include <cmath>

namespace cf::flow_correction {

double installation_coefficient(double Qvc, double DeltaP) { return Qvc / std::sqrt(DeltaP); }

double flow_from_coefficient(double Kc, double DeltaP) { return Kc * std::sqrt(DeltaP); }

double flow_from_coefficient_at_service(double Kc, double DeltaP, double Pc, double Tc, double Ps, double Ts,
                                        double Zs, double Zc) {
    const double root = std::sqrt(Ps * DeltaP * (Tc + zero_celsius) * Zc / ((Ts + zero_celsius) * Pc * Zs));
    return Kc * root;
}

double service_flow(double Qvc, double Pc, double Tc, double Ps, double Ts, double Zc, double Zs) {
    return Pc * Qvc * (Ts + zero_celsius) * Zs / ((Tc + zero_celsius) * Ps * Zc);
}

double service_flow_through_coefficient(double Qvc, double DeltaP, double Pc, double Tc, double Ps, double Ts,
                                        double Zs, double Zc) {
    const double root_DeltaP = std::sqrt(DeltaP);
    const double root = std::sqrt(Pc * DeltaP * (Ts + zero_celsius) * Zs / ((Tc + zero_celsius) * Ps * Zc));
    return Qvc / root_DeltaP * root;
}

double normal_flow(double Qvc, double Pc, double Tc, double Tn, double Pn, double Zc, double Zn) {
    return Qvc * Pc * (Tn + zero_celsius) * Zn / ((Tc + zero_celsius) * Pn * Zc);
}

double normal_flow_through_coefficient(double Qvc, double DeltaP, double Pc, double Tc, double Pn, double Tn,
                                       double Zc, double Zn) {
    const double root_DeltaP = std::sqrt(DeltaP);
    const double conversion = (Tn + zero_celsius) * root_DeltaP * Pc * Zn / ((Tc + zero_celsius) * Pn * Zc);
    return conversion * (Qvc / root_DeltaP);
}

double normal_flow_at_service(double Qvc, double DeltaP, double Pc, double Tc, double Pn, double Tn, double Ps,
                              double Ts, double Zs, double Zc, double Zn) {
    const double root_DeltaP = std::sqrt(DeltaP);
    const double root = std::sqrt(Ps * DeltaP * Pc / ((Ts + zero_celsius) * (Tc + zero_celsius) * Zs * Zc));
    return (Tn + zero_celsius) * Zn / Pn * (Qvc / root_DeltaP) * root;
}

double mass_flow(double RHO, double Qv) { return RHO * Qv; }

// A mass flow is a volume flow times a density: RHOc multiplies the volume flow of the coefficient; it does
// not stand under the root, where it would make Kc a mass-flow coefficient.
double mass_flow_through_coefficient(double Qvc, double DeltaP, double RHOc) {
    const double root_DeltaP = std::sqrt(DeltaP);
    const double root = std::sqrt(DeltaP);
    return Qvc / root_DeltaP * root * RHOc;
}

double mass_flow_at_service(double Qvc, double DeltaP, double RHOc, double Ps, double Ts, double Pc, double Tc,
                            double Zs, double Zc) {
    const double root_DeltaP = std::sqrt(DeltaP);
    const double root = std::sqrt(DeltaP * Ps * (Tc + zero_celsius) * Zc / ((Ts + zero_celsius) * Pc * Zs));
    return Qvc / root_DeltaP * root * RHOc;
}

}  // namespace cf::flow_correction
