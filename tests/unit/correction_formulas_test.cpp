#include <gtest/gtest.h>

#include "flowcorrection/correction_formulas.h"

namespace fc = cf::flow_correction;

TEST(FlowCorrectionFormulas, WorkedValues) {
    struct Case { const char* what; double result; double expected; };
    const Case cases[] = {
        {"Kc", fc::installation_coefficient(100, 25), 20},
        {"Qvc from Kc", fc::flow_from_coefficient(20, 25), 100},
        {"Qvc from Kc, service", fc::flow_from_coefficient_at_service(10, 100, 2, 20, 8, 20, 1, 1), 200},
        {"Qvs", fc::service_flow(100, 2, 20, 4, 50, 1, 1), 55.116834},
        {"Qvs through Kc", fc::service_flow_through_coefficient(100, 25, 2, 20, 8, 20, 1, 1), 50},
        {"Qvn", fc::normal_flow(100, 2, 50, 0, 1, 1, 1), 169.054619},
        {"Qvn through Kc", fc::normal_flow_through_coefficient(100, 9, 2, 50, 1, 0, 1, 1), 169.054619},
        {"Qvn at service", fc::normal_flow_at_service(100, 16, 1, 0, 1, 0, 4, 0, 1, 1, 1), 200},
        {"Qm", fc::mass_flow(1.25, 80), 100},
        {"Qm through Kc", fc::mass_flow_through_coefficient(50, 4, 2), 100},
        {"Qm at service", fc::mass_flow_at_service(50, 4, 2, 9, 0, 1, 0, 1, 1), 300},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.result, c.expected, 5e-7 * c.expected) << c.what;
}

// The conversions agree with one another: a flow through the element at service conditions, brought to
// normal conditions or weighed, is the same whichever way it is computed.
TEST(FlowCorrectionFormulas, ConversionsAgree) {
    const double Qvc = 120, DeltaP = 36, Pc = 3, Tc = 40, Ps = 5, Ts = 70, Pn = 1.013, Tn = 0;
    const double Zc = 0.98, Zs = 0.95, Zn = 1, RHOc = 3.4;
    const double Kc = fc::installation_coefficient(Qvc, DeltaP);
    const double Qvs = fc::service_flow_through_coefficient(Qvc, DeltaP, Pc, Tc, Ps, Ts, Zs, Zc);
    // Normal flow of the service flow: the service conditions take the place of the calculation ones.
    EXPECT_NEAR(fc::normal_flow_at_service(Qvc, DeltaP, Pc, Tc, Pn, Tn, Ps, Ts, Zs, Zc, Zn),
                fc::normal_flow(Qvs, Ps, Ts, Tn, Pn, Zs, Zn), 1e-9);
    // A mass flow is a volume flow times its density.
    EXPECT_NEAR(fc::mass_flow_at_service(Qvc, DeltaP, RHOc, Ps, Ts, Pc, Tc, Zs, Zc),
                fc::flow_from_coefficient_at_service(Kc, DeltaP, Pc, Tc, Ps, Ts, Zs, Zc) * RHOc, 1e-9);
    EXPECT_NEAR(fc::mass_flow_through_coefficient(Qvc, DeltaP, RHOc), Qvc * RHOc, 1e-9);
    // Both roots of the same ΔP cancel.
    EXPECT_NEAR(fc::normal_flow_through_coefficient(Qvc, DeltaP, Pc, Tc, Pn, Tn, Zc, Zn),
                fc::normal_flow(Qvc, Pc, Tc, Tn, Pn, Zc, Zn), 1e-9);
    // Through the element the flow follows the square root of the density ratio; a plain volume flow
    // follows the ratio itself.
    EXPECT_NEAR(Qvs * Qvs, Qvc * fc::service_flow(Qvc, Pc, Tc, Ps, Ts, Zc, Zs), 1e-9);
}
