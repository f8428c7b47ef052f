// The payment orders of one payment with 10 and with 1 000 income items, in one run each: the
// items are read, every order is laid out (HUB-3A with its 2D code) and the pages built. The time
// per order must not grow with the payment.

#include <benchmark/benchmark.h>

#include "orders/order_reports.h"
#include "payments/lines.h"
#include "records/layouts/banke.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

// A data directory with a payer, three payees in two municipalities and payment 1 of `items` items.
struct Data : BenchData {
    explicit Data(int items) {
        Transaction tx(store, Store::lockWaitSeconds);
        addRegisters();
        for (int i = 1; i <= items; ++i) addItem(i);
        mustSucceed(tx.commit());
    }
    void addRegisters() {
        mustAdd(store, Opcine{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB", .rkont = "HR11", .racunporez = "1713312009"});
        mustAdd(store, Opcine{.oznaka = 2, .shifra = "4090", .naziv = "SPLIT", .rkont = "HR27", .racunporez = "1740912004"});
        mustAdd(store, Mjesta{.oznaka = 1, .naziv = "Zagreb", .opcina = 1, .postbroj = "10000"});
        mustAdd(store, Mjesta{.oznaka = 2, .naziv = "Split", .opcina = 2, .postbroj = "21000"});
        mustAdd(store, Ulice{.oznaka = 1, .naziv = "Ilica"});
        mustAdd(store, Banke{.oznaka = 1, .naziv = "Zagrebačka banka", .vodecibroj = "2360000"});
        mustAdd(store, Subjekti{.oznaka = 1, .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1,
                                .kucnibroj = "1", .banka = 1, .rkont = "HR54", .racun = "3200000007"});
        for (std::int32_t p = 1; p <= 3; ++p) {
            mustAdd(store, Osobe{.oznaka = p, .ime = "Ivan", .prezime = "Horvat", .mjesto = 1 + p % 2, .ulica = 1,
                                 .kucnibroj = "10", .banka = 1, .rkont = "HR60", .racun = "1101234567", .model = "00",
                                 .racunpoziv = "2023-0042"});
        }
        mustAdd(store, Vrstedoh{.oznaka = 1, .naziv = "Autorski honorar", .rezstringa = "02"});
        mustAdd(store, Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "23032", .datum = *Date::fromYmd(2023, 2, 1)});
    }
    void addItem(int i) {
        mustAdd(store, Dohoci{.oznaka = i, .isplata = 1, .djelatnik = 1 + i % 3, .vrstadohotka = 1, .neto = Money::fromRaw(100000)});
        mustSucceed(writeLines(store, i, authorsFeeLines()));
    }
};

void orders(benchmark::State& state, const ReportSpec& spec) {
    Data data(static_cast<int>(state.range(0)));
    const ReportArgs args{.payment = 1, .printer = PrinterKind::Laser};
    FixedClock clock(*Date::fromYmd(2023, 2, 1));
    SilentProgress progress;
    std::size_t orders = 0;
    for (auto _ : state) {
        const ReportResult r = runDeclaredReport(spec, data.files, args, clock, progress);
        if (r.end != RunEnd::Pages) state.SkipWithError("no pages");
        orders = r.text.size() / 16;  // "NALOG=n" and fifteen fields per order
        benchmark::DoNotOptimize(r.pages.data());
    }
    state.counters["orders"] = static_cast<double>(orders);
    state.counters["per_order"] = benchmark::Counter(static_cast<double>(orders) * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Hub3a(benchmark::State& state) { orders(state, hub3aReport); }
void BM_Hub3(benchmark::State& state) { orders(state, hub3Report); }
BENCHMARK(BM_Hub3a)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hub3)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) { return pramo::runGuiBenchmarks(argc, argv); }
