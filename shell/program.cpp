#include "shell/program.h"

#include "density/density_page.h"
#include "flowcorrection/correction_pages.h"
#include "orifice/orifice_page.h"
#include "pipeflow/pipe_flow_page.h"
#include "shell/home_page.h"
#include "shell/page_names.h"

namespace cf {

void start_calcfluides(Application& app) {
    app.define_page(pages::home, home_page::define);
    app.define_page(pages::pipe_flow, pipe_flow_page::define);
    app.define_page(pages::density, density_page::define);
    app.define_page(pages::orifice_plate, orifice_page::define);
    app.define_page(pages::correction_qvc_qvs, correction_pages::define_qvc_qvs);
    app.define_page(pages::correction_qvn_qm, correction_pages::define_qvn_qm);
    app.show(pages::home);
}

}  // namespace cf
