// Copying a payment of 10 and of 1 000 income items (each with its twelve lines and a payment
// method), in one run each: the copy is one transaction, and the time per item must not grow
// with the payment.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "payments/duplication.h"
#include "payments/lines.h"
#include "records/layouts/all_tables.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/store/files.h"

namespace pramo {
namespace {

class QuietMessages : public Messages {
public:
    int ask(const MessageBox& box) override { return box.defaultButton; }
    void halt(const std::string&) override { std::abort(); }
};

template <class R>
void add(Store& store, R rec) {
    if (!ok(store.add(rec))) std::abort();
}

// A data directory with payment 1 of `items` items; the registers the copy does not read are left out.
struct Data {
    explicit Data(int items) {
        char tmpl[] = "/tmp/pramo-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        if (!ok(store.openDatabase(dir + "/pramo.db"))) std::abort();
        for (const TableDef* t : allTables()) if (!ok(files.open(*t))) std::abort();
        Transaction tx(store, Store::lockWaitSeconds);
        add(store, Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = *Date::fromYmd(2015, 3, 15), .godina = "2015"});
        Lines lines;
        for (int p = 1; p <= calculatedPositions; ++p) lines.at(p) = Money::fromRaw(100000 + p);
        for (std::int32_t i = 1; i <= items; ++i) {
            add(store, Dohoci{.oznaka = i, .rednibroj = static_cast<std::uint16_t>(i), .isplata = 1, .djelatnik = 1 + i % 25,
                              .vrstadohotka = 1, .neto = Money::fromRaw(100000)});
            if (!ok(writeLines(store, i, lines)) || writePaymentMethod(store, i, 1) != MethodWrite::Written) std::abort();
        }
        if (!ok(tx.commit())) std::abort();
    }
    ~Data() {
        store.closeDatabase();
        std::filesystem::remove_all(dir);
    }

    std::string dir;
    Store store;
    QuietMessages messages;
    Files files{store, messages};
};

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
