// The JOPPD return of one payment with 10^3 and 10^4 income items: read, checked, written,
// validated against the official schema and put in place. The time per item must not grow with
// the payment's size.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "joppd/return_file.h"
#include "support/offices.h"

namespace pramo {
namespace {

void joppdReturn(benchmark::State& state) {
    static std::map<int, std::unique_ptr<PaymentOffice>> offices;
    auto& office = offices[static_cast<int>(state.range(0))];
    if (!office) office = std::make_unique<PaymentOffice>(static_cast<int>(state.range(0)));
    const FixedClock clock(*Date::fromYmd(2015, 3, 15));
    for (auto _ : state) {
        const ReturnFileOutcome out = writeReturnFile(office->store, clock, office->submission, {office->dir.string(), {}});
        if (!out.created) state.SkipWithError(out.message.c_str());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(joppdReturn)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

BENCHMARK_MAIN();
