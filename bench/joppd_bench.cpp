// The JOPPD return of one payment with 10^3 and 10^4 income items: read, checked, written,
// validated against the official schema and put in place. The time per item must not grow with
// the payment's size.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "joppd/return_file.h"
#include "joppd/submission.h"
#include "payments/lines.h"
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

Money money(std::int64_t cents) { return Money::fromRaw(cents); }

void registers(Store& st) {
    Opcine opc{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB"};
    Mjesta mje{.oznaka = 1, .naziv = "Zagreb", .opcina = 1};
    Ulice uli{.oznaka = 1, .naziv = "Ilica"};
    Subjekti sub{.oznaka = 1, .tip = "P", .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1, .kucnibroj = "1"};
    Vrstedoh vrs{.oznaka = 1, .naziv = "Autorski honorar", .visestopa = "NE", .rezstringa = "02", .rezstringb = "4001"};
    Isplate isp{.oznaka = 1, .isplatitelj = 1, .rsid = "15069", .datum = *Date::fromYmd(2015, 3, 10), .godina = "2015"};
    (void)st.add(opc);
    (void)st.add(mje);
    (void)st.add(uli);
    (void)st.add(sub);
    (void)st.add(vrs);
    (void)st.add(isp);
    for (int i = 1; i <= 200; ++i) {
        Osobe oso{.oznaka = i, .ime = "Ivan", .prezime = "Horvat Čačić", .oib = std::to_string(10000000000LL + i), .mjesto = 1};
        (void)st.add(oso);
    }
}

// A data directory with a payment of `items` items and its submission.
struct Office : BenchData {
    explicit Office(int items) {
        Transaction tx(store, Store::lockWaitSeconds);
        registers(store);
        const Lines lines = authorsFeeLines();
        for (int i = 1; i <= items; ++i) {
            Dohoci doh{.oznaka = i, .rednibroj = static_cast<std::uint16_t>(i), .isplata = 1, .djelatnik = 1 + i % 200,
                       .vrstadohotka = 1, .neto = money(100000)};
            (void)store.add(doh);
            (void)writeLines(store, i, lines);
            (void)writePaymentMethod(store, i, 1);
        }
        (void)tx.commit();
        struct Fixed : RandomSource {
            std::uint32_t below(std::uint32_t n) override { return 7 % n; }
        } random;
        submission = createSubmission(store, 1, random, {.ime = "Marko", .prezime = "Marić", .email = "marko@pramo.hr"}).jopo.oznaka;
    }
    std::int32_t submission = 0;
};

void joppdReturn(benchmark::State& state) {
    static std::map<int, std::unique_ptr<Office>> offices;
    auto& office = offices[static_cast<int>(state.range(0))];
    if (!office) office = std::make_unique<Office>(static_cast<int>(state.range(0)));
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
