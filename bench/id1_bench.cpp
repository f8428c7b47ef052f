// The ID-1 return of a payer's year with 1000 income items of 200 payees, over a database that
// holds nothing else or 20 000 further items of earlier years and another payer. The return reads
// only the payments of its payer, so its time must not grow with the rest of the data.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "payments/lines.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/id1.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/vrstedoh.h"
#include "reports/id1/id1_xml.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

constexpr int payees = 200, itemsOfTheYear = 1000, itemsPerPayment = 100;

Lines contractLines() {
    Lines l;
    const std::int64_t cents[] = {143926, 0, 0, 143926, 21589, 7196, 115141, 28785, 5181, 100000, 21589, 0};
    for (int p = 1; p <= calculatedPositions; ++p) l.at(p) = Money::fromRaw(cents[p - 1]);
    return l;
}

void registers(Store& st) {
    Opcine opc{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB"};
    Mjesta mje{.oznaka = 1, .naziv = "Zagreb", .opcina = 1};
    Vrstedoh vrs{.oznaka = 1, .naziv = "Ugovor o djelu", .rnporez = "1805", .visestopa = "NE"};
    Id1 id1{.oznaka = 1, .isplatitelj = 1, .storno = "false", .godina = "2015", .konime = "Ana", .konprezime = "Kos"};
    (void)st.add(opc);
    (void)st.add(mje);
    (void)st.add(vrs);
    (void)st.add(id1);
    for (int s = 1; s <= 2; ++s) {
        Subjekti sub{.oznaka = s, .tip = "P", .naziv = "Isplatitelj", .oib = std::to_string(12345678900LL + s), .mjesto = 1};
        (void)st.add(sub);
    }
    for (int i = 1; i <= payees; ++i) {
        Osobe oso{.oznaka = i, .ime = "Ivan", .prezime = "Horvat " + std::to_string(i), .oib = std::to_string(10000000000LL + i),
                  .mjesto = 1};
        (void)st.add(oso);
    }
}

// Payments of `payer` dated in `year`, `items` items in all.
void payments(Store& st, std::int32_t payer, int year, int items, std::int32_t& isplata, std::int32_t& item) {
    const Lines lines = contractLines();
    for (int done = 0; done < items; ++isplata) {
        const Date day = *Date::fromYmd(year, 1, 1) + isplata % 360;
        Isplate isp{.oznaka = isplata, .isplatitelj = payer, .rsid = std::to_string(isplata), .datum = day,
                    .godina = std::to_string(year)};
        (void)st.add(isp);
        for (int k = 0; k < itemsPerPayment && done < items; ++k, ++done, ++item) {
            Dohoci doh{.oznaka = item, .rednibroj = static_cast<std::uint16_t>(k + 1), .isplata = isplata,
                       .djelatnik = 1 + item % payees, .vrstadohotka = 1, .neto = Money::fromRaw(100000)};
            (void)st.add(doh);
            (void)writeLines(st, item, lines);
        }
    }
}

struct Office : BenchData {
    explicit Office(int others) {
        Transaction tx(store, Store::lockWaitSeconds);
        registers(store);
        std::int32_t isplata = 1, item = 1;
        payments(store, 1, 2015, itemsOfTheYear, isplata, item);
        payments(store, 1, 2014, others / 2, isplata, item);
        payments(store, 2, 2015, others / 2, isplata, item);
        (void)tx.commit();
    }
};

void id1Return(benchmark::State& state) {
    static std::map<int, std::unique_ptr<Office>> offices;
    auto& office = offices[static_cast<int>(state.range(0))];
    if (!office) office = std::make_unique<Office>(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Id1XmlOutcome out = writeId1Xml(office->files, 1, office->dir.string());
        if (!out.written()) state.SkipWithError(out.problem.c_str());
    }
    state.SetItemsProcessed(state.iterations() * itemsOfTheYear);
}
BENCHMARK(id1Return)->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

BENCHMARK_MAIN();
