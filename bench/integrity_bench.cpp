// Referential integrity on growing data: deleting a payment costs in proportion to what it
// deletes, and a refusal by a restricting child costs the same however large the files are.

#include <benchmark/benchmark.h>

#include "records/layouts/dohoci.h"
#include "records/layouts/integrity.h"
#include "records/layouts/isplate.h"
#include "records/layouts/jopo.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

// A data directory of its own with every file open, removed at the end.
struct Bench : BenchData {
    Integrity ri{files};

    // A payment with `items` items of 14 lines and one slot each, and one submission.
    void addPayment(std::int32_t isplata, std::int32_t firstItem, int items) {
        Transaction tx(store, Store::lockWaitSeconds);
        Isplate isp;
        isp.oznaka = isplata;
        isp.rsid = std::to_string(10000 + isplata);
        (void)store.add(isp);
        Jopo jopo;
        jopo.oznaka = isplata;
        jopo.isplata = isplata;
        (void)store.add(jopo);
        for (std::int32_t item = firstItem; item < firstItem + items; ++item) {
            Dohoci doh;
            doh.oznaka = item;
            doh.isplata = isplata;
            doh.vrstadohotka = 21;
            (void)store.add(doh);
            for (std::uint16_t line = 1; line <= 14; ++line) {
                Obracun obr;
                obr.dohodak = item;
                obr.pozicija = line;
                (void)store.add(obr);
            }
            Svasta sva;
            sva.dohodak = item;
            sva.broj = 1;
            (void)store.add(sva);
        }
        (void)tx.commit();
    }
};

void BM_DeletePayment(benchmark::State& state) {
    Bench b;
    const int items = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        b.addPayment(1, 1, items);
        Isplate isp;
        isp.oznaka = 1;
        (void)b.store.get(Isplate::keyOznaka, isp);
        state.ResumeTiming();
        if (b.ri.remove(isp) != RiResult::Done) state.SkipWithError("the delete failed");
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_DeletePayment)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);

// An income type in use by every item of `range(0)` payments of 100 items: deleting it is refused.
void BM_RefusedDelete(benchmark::State& state) {
    Bench b;
    for (std::int32_t p = 1; p <= state.range(0); ++p) b.addPayment(p, (p - 1) * 100 + 1, 100);
    Vrstedoh vrs;
    vrs.oznaka = 21;
    (void)b.store.add(vrs);
    for (auto _ : state)
        if (b.ri.remove(vrs) != RiResult::Refused) state.SkipWithError("the delete was not refused");
}
BENCHMARK(BM_RefusedDelete)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pramo

BENCHMARK_MAIN();
