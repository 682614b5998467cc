#include "bench/bench_pages.h"

#include <utility>

#include "shell/page_names.h"

namespace cf::bench {

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

void fill(Page& p, const Texts& texts) {
    for (const auto& [field, text] : texts) p.user_edit(field, text);
}

}  // namespace

std::vector<Keystroke> heaviest_keystrokes() {
    namespace n = pages;
    std::vector<Keystroke> all;
    // Pipe flow: the Reynolds frame in Nu mode, with the turbulent pressure loss the regime opens.
    all.push_back({"pipe flow Reynolds V", n::pipe_flow,
                   [](Application& app) {
                       app.page(n::home).user_click("bt_départ_calcul_DVS");
                       Page& p = app.page(n::pipe_flow);
                       p.user_click("bt_calcul_du_nombre_de_Reynolds");
                       p.user_click("chx_nu");
                       fill(p, {{"txt_vitesse_calcul_reynolds", "2"}, {"txt_diamètre_reynolds", "50"},
                                {"txt_nu_reynolds", "1"}});
                   },
                   "txt_vitesse_calcul_reynolds", "2", "2.5", "bt_initialisation", true});
    return all;
}

}  // namespace cf::bench
