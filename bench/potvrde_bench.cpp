// The year-end certificates of a payer with 100 and with 10 000 income items in one year, in one
// run each: every item read with its lines, the certificates laid out and their pages built. Ten
// items a payee, so the number of certificates grows with the items; the time per item must not.
// Beside it, one payee's certificate in those two offices: its cost must not depend on the office.

#include <benchmark/benchmark.h>

#include "reports/potvrde.h"
#include "support/offices.h"

namespace pramo {
namespace {

void certificates(benchmark::State& state, std::int32_t payee) {
    const auto items = static_cast<int>(state.range(0));
    YearOffice office(items);
    const ReportArgs args{.payer = 1, .payee = payee, .year = 2015, .reportDate = *Date::fromYmd(2016, 1, 20)};
    FixedClock clock(*Date::fromYmd(2016, 1, 20));
    SilentProgress progress;
    std::size_t pages = 0;
    for (auto _ : state) {
        const ReportResult r = runDeclaredReport(potvrdeReport, office.files, args, clock, progress);
        if (r.end != RunEnd::Pages) state.SkipWithError("no pages");
        pages = r.pages.size();
        benchmark::DoNotOptimize(r.pages.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
    if (payee == 0) {
        state.counters["per_item"] = benchmark::Counter(static_cast<double>(items) * static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    }
}

// Every payee of the payer: the measure, 100 and 10 000 items of the year.
void BM_PotvrdeEveryPayee(benchmark::State& state) { certificates(state, 0); }
BENCHMARK(BM_PotvrdeEveryPayee)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One payee (ten items of the year) in the same offices.
void BM_PotvrdeOnePayee(benchmark::State& state) { certificates(state, 1); }
BENCHMARK(BM_PotvrdeOnePayee)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) { return pramo::runGuiBenchmarks(argc, argv); }
