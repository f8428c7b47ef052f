// Copying a payment of 10 and of 1 000 income items (each with its twelve lines and a payment
// method), in one run each: the copy is one transaction, and the time per item must not grow
// with the payment.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "payments/duplication.h"
#include "payments/lines.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

// A data directory with payment 1 of `items` items; the registers the copy does not read are left out.
struct Data : BenchData {
    explicit Data(int items) {
        Transaction tx(store, Store::lockWaitSeconds);
        mustAdd(store, Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = *Date::fromYmd(2015, 3, 15), .godina = "2015"});
        Lines lines;
        for (int p = 1; p <= calculatedPositions; ++p) lines.at(p) = Money::fromRaw(100000 + p);
        for (std::int32_t i = 1; i <= items; ++i) {
            mustAdd(store, Dohoci{.oznaka = i, .rednibroj = static_cast<std::uint16_t>(i), .isplata = 1, .djelatnik = 1 + i % 25,
                                  .vrstadohotka = 1, .neto = Money::fromRaw(100000)});
            if (!ok(writeLines(store, i, lines)) || writePaymentMethod(store, i, 1) != MethodWrite::Written) std::abort();
        }
        mustSucceed(tx.commit());
    }};

void BM_Duplicate(benchmark::State& state) {
    const auto items = static_cast<int>(state.range(0));
    Data data(items);
    std::int32_t number = 1;
    for (auto _ : state) {
        char rsid[16];
        std::snprintf(rsid, sizeof rsid, "%05d", ++number);  // a new RS Id for every copy
        const DuplicateRequest req{.from = 1, .number = number, .datum = *Date::fromYmd(2015, 4, 1), .rsid = rsid,
                                   .godina = "2015"};
        const DuplicateOutcome out = duplicatePayment(data.store, req);
        if (!out.done() || out.items != items) state.SkipWithError(out.message.c_str());
    }
    state.counters["per_item"] = benchmark::Counter(static_cast<double>(items) * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Duplicate)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

BENCHMARK_MAIN();
