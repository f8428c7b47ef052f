// The year-end certificates of a payer with 100 and with 10 000 income items in one year, in one
// run each: every item read with its lines, the certificates laid out and their pages built. Ten
// items a payee, so the number of certificates grows with the items; the time per item must not.
// Beside it, one payee's certificate in those two offices: its cost must not depend on the office.

#include <benchmark/benchmark.h>

#include "payments/lines.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "reports/potvrde.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

constexpr int itemsPerPayee = 10;

Money money(const char* text) { return *Money::parse(text); }

// A data directory with payer 1, a payment in every month of 2015 and `items` items over
// items / 10 payees, and as many items of 2014 beside them.
struct Office : BenchData {
    explicit Office(int items) : payees(std::max(1, items / itemsPerPayee)) {
        Transaction tx(store, Store::lockWaitSeconds);
        addRegisters();
        for (int year : {2014, 2015}) {
            for (int month = 1; month <= 12; ++month) {
                const Date day = *Date::fromYmd(year, month, 10);
                mustAdd(store, Isplate{.oznaka = (year - 2014) * 12 + month, .isplatitelj = 1,
                                       .rsid = std::to_string(year % 100 * 1000 + day.dayOfYear()), .datum = day,
                                       .godina = std::to_string(year)});
            }
        }
        for (int i = 0; i < 2 * items; ++i) addItem(i);
        mustSucceed(tx.commit());
    }
    void addRegisters() {
        mustAdd(store, Mjesta{.oznaka = 1, .naziv = "Zagreb", .opcina = 1, .postbroj = "10000"});
        mustAdd(store, Ulice{.oznaka = 1, .naziv = "Ilica"});
        mustAdd(store, Subjekti{.oznaka = 1, .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1, .kucnibroj = "1"});
        for (std::int32_t p = 1; p <= payees; ++p) {
            mustAdd(store, Osobe{.oznaka = p, .ime = "Ivan", .prezime = "Horvat " + std::to_string(p),
                                 .mjesto = 1, .ulica = 1, .kucnibroj = "10"});
        }
        mustAdd(store, Vrstedoh{.oznaka = 1, .naziv = "Ugovor o djelu"});
        mustAdd(store, Vrstedoh{.oznaka = 2, .naziv = "Autorski honorar", .priznatitroskovi = *Rate::parse("30")});
    }
    void addItem(int i) {
        const std::int32_t item = i + 1;
        mustAdd(store, Dohoci{.oznaka = item, .isplata = 1 + i % 24, .djelatnik = 1 + (i / 2) % payees,
                              .vrstadohotka = static_cast<std::uint8_t>(1 + i % 2), .neto = money("1000")});
        mustSucceed(writeLines(store, item, authorsFeeLines()));
    }

    int payees;
};

void certificates(benchmark::State& state, std::int32_t payee) {
    const auto items = static_cast<int>(state.range(0));
    Office office(items);
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
