// calcfluides-record-fuzz [FILES]: the calculation file reader against random bytes and random mutations
// of valid files (truncated, bytes changed, runs copied, names swapped). Each content is read and, when
// it reads as a record, opened on a page that holds a calculation. No content may crash it; one refused
// must come with a message and leave the page as it was. Prints its figures; ends non-zero at a fault.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "records/qt/calculation_file.h"
#include "records/replay.h"
#include "scenario/model_driver.h"
#include "shell/page_names.h"

namespace {

using cf::records::qt::from_json;
using cf::records::qt::to_json;

// Valid files of three pages, made as a user makes them.
std::vector<QByteArray> valid_files() {
    cf::scenario::ModelDriver d;
    d.click(cf::pages::home, "Command_feuille_calcul_od");
    for (const char* c : {"Command_gaz", "Option_a_la_bride", "Option_d"}) d.click("feuille_calcul_od", c);
    d.type("feuille_calcul_od", "Text_diamétre_intérieur_canalisation", "100");
    d.type("feuille_calcul_od", "Text_débit_massique", "5000");
    d.click(cf::pages::home, "bt_dvs_calculs_de_masses_volumiques");
    for (const char* c : {"bt_gaz20", "bt_RHOc20", "opbt_RHOc21"}) d.click("RHO", c);
    d.type("RHO", "txt_Pn_pour_RHOc", "2");
    d.click("RHO", "bt_initialisation");
    d.click("RHO", "bt_vapeur_saturée20");
    d.click(cf::pages::home, "bt_départ_calcul_de_débits_gaz");
    d.click(cf::pages::home, "Qvn");
    d.click("feuille_organe_déprimogéne_2", "Chx2");
    return {to_json(d.journals().record("feuille_calcul_od")), to_json(d.journals().record("RHO")),
            to_json(d.journals().record("feuille_organe_déprimogéne_2"))};
}

QByteArray mutated(const QByteArray& file, std::mt19937& random) {
    static const std::vector<QByteArray> words = {"\"", "{", "}", "[", "]", ",", ":", "\\", "\\u0000", "null", "1e999",
                                                  "Text_xyz", "Init2", "Command1", "Qvc", "DVS", "RHO", "\"flow\"",
                                                  "\"edit\"", "\"pick\"", "\"format_version\": 7", "\xc3", "\xff"};
    QByteArray out = file;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes && !out.isEmpty(); ++i) {
        const qsizetype at = static_cast<qsizetype>(random() % out.size());
        switch (random() % 5) {
            case 0: out.truncate(at); break;
            case 1: out[at] = static_cast<char>(random() % 256); break;
            case 2: out.insert(at, words[random() % words.size()]); break;
            case 3: out.remove(at, static_cast<qsizetype>(random() % 20)); break;
            default: out.insert(at, out.mid(static_cast<qsizetype>(random() % out.size()), 40)); break;
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const long files = argc > 1 ? std::atol(argv[1]) : 20000;
    const auto valid = valid_files();
    std::mt19937 random(17);
    long refused = 0;
    long opened = 0;
    // One run whose density page holds a calculation: every content is opened on it.
    cf::scenario::ModelDriver d;
    d.click(cf::pages::home, "bt_dvs_calculs_de_masses_volumiques");
    for (const char* c : {"bt_gaz20", "bt_RHOs20", "opbt_RHOs21"}) d.click("RHO", c);
    d.type("RHO", "txt_RHOn_pour_RHOs", "1.293");
    for (long n = 0; n < files; ++n) {
        QByteArray content;
        if (n % 5 == 0) {
            content.resize(static_cast<qsizetype>(random() % 400));
            for (auto& b : content) b = static_cast<char>(random() % 256);
        } else {
            content = mutated(valid[random() % valid.size()], random);
        }
        const auto before = cf::records::state_of(d.app().page("RHO"));
        const auto reading = from_json(content);
        std::string message = reading.message.toStdString();
        if (message.empty()) message = d.journals().open(reading.record);
        if (message.empty()) {
            ++opened;
            // Back to the calculation the next contents are opened on.
            if (d.journals().can_undo(reading.record.page)) d.journals().undo(reading.record.page);
            d.app().show("RHO");
            continue;
        }
        ++refused;
        if (cf::records::state_of(d.app().page("RHO")) != before) {
            std::printf("fault: a refused file changed the page (content %ld: %s)\n", n, message.c_str());
            return 1;
        }
    }
    std::printf("record reader: %ld contents, %ld refused with a message and the page unchanged, %ld opened\n",
                files, refused, opened);
    return 0;
}
