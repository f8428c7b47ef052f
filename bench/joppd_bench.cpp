// The JOPPD return of one payment with 10^3 and 10^4 income items: read, checked, written,
// validated against the official schema and put in place. The time per item must not grow with
// the payment's size. Beside it, two yardsticks over the same 10^4 rows: the sqlite3 shell
// reading them in one join plus xmllint validating the program's file against the schema, and
// the Python script joppd_lxml.py (sqlite3, an lxml tree, lxml's XMLSchema), as ERP modules make
// the return; the ratios to both are printed at the end.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "joppd/return_file.h"
#include "support/offices.h"
#include "support/ratios.h"

namespace pramo {
namespace {

// A payment office with the path of the program's return, kept for the yardstick that validates it.
struct Office : PaymentOffice {
    using PaymentOffice::PaymentOffice;
    ReturnFileOutcome write() {
        ReturnFileOutcome out = writeReturnFile(store, FixedClock(*Date::fromYmd(2015, 3, 15)), submission, {dir.string(), {}});
        if (out.created) returnFile = out.path;
        return out;
    }
    std::string returnFile;
};

Office& office(std::int64_t items) {
    static std::map<std::int64_t, std::unique_ptr<Office>> offices;
    auto& o = offices[items];
    if (!o) o = std::make_unique<Office>(static_cast<int>(items));
    return *o;
}

const std::string benchDir = PRAMO_BENCH_DIR;
const std::string schema = PRAMO_SOURCE_DIR "/data/xsd/joppd/ObrazacJOPPD-v1-1.xsd";

void joppdReturn(benchmark::State& state) {
    Office& o = office(state.range(0));
    for (auto _ : state) {
        if (const ReturnFileOutcome out = o.write(); !out.created) {
            state.SkipWithError(out.message.c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(joppdReturn)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same rows by the sqlite3 shell in one join, and the program's file by `xmllint --schema`.
void sqliteJoinAndXmllint(benchmark::State& state) {
    Office& o = office(state.range(0));
    if (o.returnFile.empty() && !o.write().created) state.SkipWithError("the return could not be written");
    const std::string db = (o.dir / "pramo.db").string();
    const std::vector<std::vector<std::string>> programs{
        {"/usr/bin/sqlite3", "-cmd", ".parameter set :payment 1", db, ".read " + benchDir + "/joppd_rows.sql"},
        {"/usr/bin/xmllint", "--noout", "--schema", schema, o.returnFile}};
    for (auto _ : state)
        if (!timeChildren(state, programs, "sqlite3 or xmllint failed (are sqlite3 and libxml2-utils installed?)")) break;
}
BENCHMARK(sqliteJoinAndXmllint)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The Python lxml script over the same payment; skipped when lxml is missing.
void pythonLxml(benchmark::State& state) {
    if (childCpuSeconds({"/usr/bin/python3", "-c", "import lxml.etree"}) < 0) {
        state.SkipWithError("python3-lxml is not installed (apt-get install python3-lxml): the lxml yardstick is skipped");
        return;
    }
    Office& o = office(state.range(0));
    const std::vector<std::vector<std::string>> programs{{"/usr/bin/python3", benchDir + "/joppd_lxml.py",
                                                          (o.dir / "pramo.db").string(), "1", schema,
                                                          (o.dir / "lxml.xml").string()}};
    for (auto _ : state)
        if (!timeChildren(state, programs, "joppd_lxml.py failed")) break;
}
BENCHMARK(pythonLxml)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    return pramo::runWithRatios(argc, argv,
                                {{"JOPPD of 10^4 items / (sqlite3 join + xmllint --schema)", "joppdReturn/10000",
                                  "sqliteJoinAndXmllint/10000", 1.5},
                                 {"JOPPD of 10^4 items / Python lxml script", "joppdReturn/10000", "pythonLxml/10000", 0.5},
                                 {"JOPPD per item, 10^4 / 10^3 items", "joppdReturn/10000", "joppdReturn/1000", 1.1, 10}});
}
