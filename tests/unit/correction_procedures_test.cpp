#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "flowcorrection/correction_procedures.h"
#include "shell/page_names.h"
#include "program/program.h"
#include "ui/application.h"
#include "ui/page_builder.h"

namespace fc = cf::flow_correction;

namespace {

const char* const qvc_qvs = cf::pages::correction_qvc_qvs;
const char* const qvn_qm = cf::pages::correction_qvn_qm;

// A fresh run with the fields of both correction pages on pages with no handlers: the procedures alone.
struct FreshRun {
    FreshRun() {
        cf::Application program;
        cf::start_calcfluides(program);
        for (const char* name : {qvc_qvs, qvn_qm}) {
            std::vector<cf::Control> fields;
            for (const auto& control : program.page(name).order())
                if (program.page(name).control(control).kind == cf::ControlKind::field)
                    fields.push_back(program.page(name).control(control));
            app.define_page(name, [fields](cf::Page& p) {
                cf::PageBuilder b(p);
                for (const auto& f : fields) b.field(f.name).look(f.look);
            });
        }
    }
    cf::Page& page(const char* name) { return app.page(name); }
    // Every input of the page set to the same text.
    void fill(const char* name, const char* text) {
        for (const auto& control : page(name).order())
            if (page(name).control(control).look != cf::Look::result) page(name).set_text(control, text);
    }
    cf::Application app;
};

struct Guarded {
    const char* procedure;
    void (*run)(cf::Page&);
    const char* page;
    const char* result;
    std::vector<const char*> guard_fields;
    const char* flow_field;  // the Qvc (or Kc) it reads
};

const Guarded guarded[] = {
    {"Qvc7", fc::Qvc7, qvc_qvs, "txt_Qvc7", {"txt_Pc3"}, "txt_Kc3"},
    {"Qvs3", fc::Qvs3, qvc_qvs, "txt_Qvs3", {"txt_Ps2"}, "txt_Qvc8"},
    {"Qvs4", fc::Qvs4, qvc_qvs, "txt_Qvs4", {"txt_DeltaP5", "txt_Ps3"}, "txt_Kc4"},
    {"Kc13", fc::Kc13, qvc_qvs, "txt_Kc13", {"txt_DeltaP5"}, "txt_Kc4"},
    {"Qvn2", fc::Qvn2, qvn_qm, "txt_Qvn2", {"txt_Pn1"}, "txt_Qvc4"},
    {"Qvn6", fc::Qvn6, qvn_qm, "Txt_Qvn6", {"txt_Pn3"}, "txt_Qvc9"},
    {"Qvn3", fc::Qvn3, qvn_qm, "txt_Qvn3", {"txt_DeltaP2", "txt_Pn2"}, "txt_Kc2"},
    {"Kc11", fc::Kc11, qvn_qm, "txt_Kc11", {"txt_DeltaP2"}, "txt_Kc2"},
    {"Qvn7", fc::Qvn7, qvn_qm, "txt_Qvn7", {"txt_DeltaP6", "txt_Pn5"}, "txt_Kc5"},
    {"Kc10", fc::Kc10, qvn_qm, "txt_Kc10", {"txt_DeltaP6"}, "txt_Kc5"},
    {"Qm3", fc::Qm3, qvn_qm, "txt_Qm3", {"txt_DeltaP3", "txt_RoC2"}, "txt_Kc7"},
    {"kc12", fc::kc12, qvn_qm, "txt_kc12", {"txt_DeltaP3"}, "txt_Kc7"},
    {"Qm7", fc::Qm7, qvn_qm, "txt_Qm7", {"txt_DeltaP7", "txt_Pc9"}, "txt_Kc6"},
    {"Kc14", fc::Kc14, qvn_qm, "txt_Kc14", {"txt_DeltaP7"}, "txt_Kc6"},
};

}  // namespace

// A guard that fails skips the computation and rewrites the field with the held result: 0.00 before the
// first computation, the last result after it, whatever else has changed.
TEST(CorrectionProcedures, AFailingGuardShowsTheHeldResult) {
    for (const auto& g : guarded) {
        for (const char* guard : g.guard_fields) {
            FreshRun run;
            cf::Page& p = run.page(g.page);
            run.fill(g.page, "2");
            p.set_text(guard, "0");
            g.run(p);
            EXPECT_EQ(p.text(g.result), "0.00") << g.procedure << " before any computation, " << guard << " 0";
            p.set_text(guard, "2");
            g.run(p);
            const std::string computed = p.text(g.result);
            EXPECT_NE(computed, "0.00") << g.procedure;
            p.set_text(guard, "0");
            p.set_text(g.flow_field, "7");
            g.run(p);
            EXPECT_EQ(p.text(g.result), computed) << g.procedure << " with " << guard << " 0";
        }
    }
}

// Both square roots are held in double precision and combined last; rounded to single precision on the
// way, they would show 702.83.
TEST(CorrectionProcedures, SquareRootsAreHeldInDouble) {
    FreshRun run;
    cf::Page& p = run.page(qvc_qvs);
    run.fill(qvc_qvs, "1");
    for (auto [field, text] : {std::pair{"txt_Kc4", "891.3"}, {"txt_DeltaP5", "474.7"}, {"txt_Pc5", "4.45"},
                               {"txt_Tc5", "149"}, {"txt_Ps3", "5.97"}, {"Txt_Ts3", "79"}})
        p.set_text(field, text);
    fc::Qvs4(p);
    EXPECT_EQ(p.text("txt_Qvs4"), "702.82");
}

// A result that is not a finite number empties its field and leaves the held result as it was: a guard
// that fails next shows the last finite result again.
TEST(CorrectionProcedures, ANonFiniteResultIsNotShownAndNotHeld) {
    FreshRun run;
    cf::Page& p = run.page(qvc_qvs);
    run.fill(qvc_qvs, "2");
    fc::Qvs3(p);
    const std::string computed = p.text("txt_Qvs3");
    // Near absolute zero the temperature under the division is a few millionths of a kelvin (-273.15 is
    // not exact in single precision): the flow grows beyond single precision.
    p.set_text("txt_Qvc8", "1e32");
    p.set_text("txt_Tc4", "-273.15");
    fc::Qvs3(p);
    EXPECT_EQ(p.text("txt_Qvs3"), "");
    p.set_text("txt_Ps2", "0");
    fc::Qvs3(p);
    EXPECT_EQ(p.text("txt_Qvs3"), computed);
}
