#pragma once
// Gas flow correction formulas: the installation coefficient of a differential-pressure flow element,
// and the conversion of a gas flow between calculation (c), service (s) and normal (n) conditions.
//
// A gas flow measured by a differential-pressure element follows Qv = Kc × √ΔP at the conditions the
// element was calculated for; at other conditions the density changes with P × 273.15 ÷ ((T + 273.15) × Z),
// and the volume flow with its inverse (ideal gas law corrected by the compressibility factor Z).
//
// Each formula takes the inputs as the procedures hold them (single precision, promoted exactly to
// double), evaluates in double precision in the order written (products from left to right), holds its
// square roots in double and returns the unrounded result; the procedure rounds it to single precision
// once, when it stores it. A zero divisor or a root of a negative number gives a result that is not
// finite; the procedures never show one.
//
// Units: volume flows Qvc, Qvs [m³/h], Qvn [Nm³/h]; mass flow Qm [kg/h]; differential pressure ΔP
// [mbar]; pressures Pc, Ps, Pn [bar abs]; temperatures Tc, Ts, Tn [°C]; densities RHOc, RHOs [kg/m³];
// compressibility factors Z [-]; Kc [(m³/h)/√mbar].

namespace cf::flow_correction {

// The absolute temperature of 0 °C [K].
inline constexpr double zero_celsius = 273.15;

// Installation coefficient at calculation conditions: Kc = Qvc ÷ √ΔP.
// Example: Qvc 100, ΔP 25 -> 20
double installation_coefficient(double Qvc, double DeltaP);

// Volume flow at calculation conditions from the installation coefficient: Qvc = Kc × √ΔP.
// Example: Kc 20, ΔP 25 -> 100
double flow_from_coefficient(double Kc, double DeltaP);

// Volume flow from the installation coefficient when the service conditions differ from the
// calculation conditions: Qvc = Kc × √( Ps × ΔP × (Tc + 273.15) × Zc ÷ ((Ts + 273.15) × Pc × Zs) ).
// Example: Kc 10, ΔP 100, Ps 8, Pc 2, Ts = Tc = 20, Z 1 -> 200
double flow_from_coefficient_at_service(double Kc, double DeltaP, double Pc, double Tc, double Ps, double Ts,
                                        double Zs, double Zc);

// Volume flow at service conditions from the flow at calculation conditions:
// Qvs = Pc × Qvc × (Ts + 273.15) × Zs ÷ ((Tc + 273.15) × Ps × Zc).
// Example: Qvc 100, Pc 2, Tc 20, Ps 4, Ts 50, Z 1 -> 55.116834
double service_flow(double Qvc, double Pc, double Tc, double Ps, double Ts, double Zc, double Zs);

// Volume flow at service conditions of a differential-pressure element, through its coefficient:
// Qvs = (Qvc ÷ √ΔP) × √( Pc × ΔP × (Ts + 273.15) × Zs ÷ ((Tc + 273.15) × Ps × Zc) ).
// The element sees the service density: the flow changes with the square root of the density ratio.
// Example: Qvc 100, ΔP 25, Pc 2, Tc 20, Ps 8, Ts 20, Z 1 -> 50
double service_flow_through_coefficient(double Qvc, double DeltaP, double Pc, double Tc, double Ps, double Ts,
                                        double Zs, double Zc);

// Volume flow at normal conditions from the flow at calculation conditions:
// Qvn = Qvc × Pc × (Tn + 273.15) × Zn ÷ ((Tc + 273.15) × Pn × Zc).
// Example: Qvc 100, Pc 2, Tc 50, Pn 1, Tn 0, Z 1 -> 169.054619
double normal_flow(double Qvc, double Pc, double Tc, double Tn, double Pn, double Zc, double Zn);

// The same conversion with ΔP known as well:
// Qvn = ((Tn + 273.15) × √ΔP × Pc × Zn ÷ ((Tc + 273.15) × Pn × Zc)) × (Qvc ÷ √ΔP).
// Both roots are of the same ΔP and cancel: ΔP only has to be non-zero.
// Example: Qvc 100, ΔP 9, Pc 2, Tc 50, Pn 1, Tn 0, Z 1 -> 169.054619
double normal_flow_through_coefficient(double Qvc, double DeltaP, double Pc, double Tc, double Pn, double Tn,
                                       double Zc, double Zn);

// Volume flow at normal conditions of a differential-pressure element used at service conditions:
// Qvn = ((Tn + 273.15) × Zn ÷ Pn) × (Qvc ÷ √ΔP) × √( Ps × ΔP × Pc ÷ ((Ts + 273.15) × (Tc + 273.15) × Zs × Zc) ),
// which is the flow at service conditions of service_flow_through_coefficient brought to normal conditions.
// Example: Qvc 100, ΔP 16, Pc 1, Tc 0, Ps 4, Ts 0, Pn 1, Tn 0, Z 1 -> 200
double normal_flow_at_service(double Qvc, double DeltaP, double Pc, double Tc, double Pn, double Tn, double Ps,
                              double Ts, double Zs, double Zc, double Zn);

// Mass flow of a volume flow of density RHO: Qm = RHO × Qv.
// Example: RHO 1.25, Qv 80 -> 100
double mass_flow(double RHO, double Qv);

// Mass flow through a differential-pressure element at its calculation conditions:
// Qm = (Qvc ÷ √ΔP) × √ΔP × RHOc, the volume flow of the coefficient Kc = Qvc ÷ √ΔP times the density.
// Example: Qvc 50, ΔP 4, RHOc 2 -> 100
double mass_flow_through_coefficient(double Qvc, double DeltaP, double RHOc);

// Mass flow through a differential-pressure element used at service conditions:
// Qm = (Qvc ÷ √ΔP) × √( ΔP × Ps × (Tc + 273.15) × Zc ÷ ((Ts + 273.15) × Pc × Zs) ) × RHOc,
// the volume flow that flow_from_coefficient_at_service gives for Kc = Qvc ÷ √ΔP, times the density.
// Example: Qvc 50, ΔP 4, RHOc 2, Ps 9, Pc 1, Ts = Tc = 0, Z 1 -> 300
double mass_flow_at_service(double Qvc, double DeltaP, double RHOc, double Ps, double Ts, double Pc, double Tc,
                            double Zs, double Zc);

}  // namespace cf::flow_correction
