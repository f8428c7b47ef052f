// The record store against raw SQLite: adding a million payees in one transaction, and a list
// page ("position at a surname, read the next 20") on a million-record file and a ten-record
// file. Prints the two ratios that matter: store / raw, and million / ten.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <iostream>
#include <map>
#include <random>

#include "records/store/cursor.h"
#include "records/store/files.h"
#include "records/store/key_encoding.h"
#include "records/layouts/osobe.h"
#include "support/bench_data.h"

namespace pramo {
namespace {

std::string surname(std::mt19937& rng) {
    static const char* syllables[] = {"ho", "rv", "at", "ko", "va", "č", "ba", "bi", "ć", "šu", "ma", "ri", "ž", "đu", "ne", "lj"};
    std::uniform_int_distribution<int> pick(0, 15), len(2, 4);
    std::string s;
    for (int i = len(rng); i > 0; --i) s += syllables[pick(rng)];
    s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

struct Fixture : BenchData {
    std::vector<std::string> probes;

    explicit Fixture(int records) : BenchData({&Osobe::table}) {
        std::mt19937 rng(42);
        fill(records, rng);
        for (int i = 0; i < 10000; ++i) probes.push_back(surname(rng));
        warmUp();
    }
    // One pass over the probes first, so that both files are measured with their pages in memory.
    void warmUp() {
        Cursor c(store, Osobe::keyPrezimeIme);
        Osobe o;
        for (const auto& p : probes) {
            o.prezime = p;
            c.setFrom(o);
            for (int n = 0; n < 20 && ok(c.next(o)); ++n) {}
        }
    }
    void fill(int records, std::mt19937& rng) {
        Transaction tx(store, 10);
        Osobe o;
        for (int i = 1; i <= records; ++i) {
            o = {};
            o.oznaka = i;
            o.prezime = surname(rng);
            o.ime = "Ana";
            o.mjesto = i % 500;
            mustAdd(store, o);
        }
        (void)tx.commit();
    }
};

Fixture& fixture(int records) {
    static std::map<int, std::unique_ptr<Fixture>> all;
    auto& f = all[records];
    if (!f) f = std::make_unique<Fixture>(records);
    return *f;
}

void BM_AddMillionPayees(benchmark::State& state) {
    for (auto _ : state) {
        Fixture f(1000000);
        benchmark::DoNotOptimize(f.probes.size());
    }
}

void BM_StorePage(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    Cursor c(f.store, Osobe::keyPrezimeIme);
    c.setReadAhead(20);
    Osobe o;
    std::size_t i = 0;
    double rows = 0;
    for (auto _ : state) {
        o.prezime = f.probes[i++ % f.probes.size()];
        o.ime = "";
        c.setFrom(o);
        for (int n = 0; n < 20 && ok(c.next(o)); ++n) {
            benchmark::DoNotOptimize(o.oznaka);
            ++rows;
        }
    }
    state.counters["rows/page"] = rows / static_cast<double>(state.iterations());
}

// The same page read straight from SQLite through the same index, with the same columns.
void BM_RawPage(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    sqlite3* db = nullptr;
    sqlite3_open((f.dir / "pramo.db").c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT _id, _ver, OZNAKA, IME, PREZIME, JMBG, OIB, MJESTO, ULICA, KUCNIBROJ, BANKA, RKONT, RACUN, "
                       "MODEL, RACUNPOZIV, KUCNITELEFON, TELEFONNAPOSLU, FAX, EMAIL, DRUGISTUP, FAKTORODBITKA, STATUS "
                       "FROM OSOBE WHERE _KEYPREZIMEIME >= ?1 ORDER BY _KEYPREZIMEIME, _id LIMIT 20",
                       -1, &st, nullptr);
    std::size_t i = 0;
    double rows = 0;
    for (auto _ : state) {
        const std::string key = foldText(f.probes[i++ % f.probes.size()]);
        sqlite3_bind_blob(st, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int col = 0; col < 22; ++col) benchmark::DoNotOptimize(sqlite3_column_text(st, col));
            ++rows;
        }
        sqlite3_reset(st);
    }
    state.counters["rows/page"] = rows / static_cast<double>(state.iterations());
    sqlite3_finalize(st);
    sqlite3_close(db);
}

BENCHMARK(BM_AddMillionPayees)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_StorePage)->Arg(1000000)->Arg(100000)->Arg(10)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawPage)->Arg(1000000)->Arg(10)->Iterations(10000)->Unit(benchmark::kMicrosecond);

// Keeps the time per iteration of every run, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            times[r.benchmark_name()] = r.GetAdjustedCPUTime();
            const auto it = r.counters.find("rows/page");
            if (it != r.counters.end()) rows[r.benchmark_name()] = it->second.value;
        }
    }
    std::map<std::string, double> times, rows;
};

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    pramo::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto at = [&](const std::map<std::string, double>& m, const std::string& name) {
        for (const auto& [k, v] : m)
            if (k.rfind(name + "/", 0) == 0) return v;
        return 0.0;
    };
    const auto perRow = [&](const std::string& name) { return at(reporter.times, name) / at(reporter.rows, name); };
    const double storeBig = at(reporter.times, "BM_StorePage/1000000"), storeSmall = at(reporter.times, "BM_StorePage/10");
    const double rawBig = at(reporter.times, "BM_RawPage/1000000"), rawSmall = at(reporter.times, "BM_RawPage/10");
    if (rawBig > 0 && storeSmall > 0) {
        std::cout << "\n(CPU time)\n";
        std::cout << "store / raw, page on 10^6 records:        " << storeBig / rawBig << "   (aim <= 3)\n";
        std::cout << "store / raw, page on 10 records:          " << storeSmall / rawSmall << "\n";
        std::cout << "10^6 / 10 records, store, per page:       " << storeBig / storeSmall << "   (aim <= 1.5)\n";
        std::cout << "10^6 / 10 records, store, per record:     "
                  << perRow("BM_StorePage/1000000") / perRow("BM_StorePage/10") << "\n";
        std::cout << "10^6 / 10^5 records, store, per page:     "
                  << storeBig / at(reporter.times, "BM_StorePage/100000") << "\n";
        std::cout << "10^6 / 10 records, raw SQLite, per page:  " << rawBig / rawSmall << "\n";
    }
    benchmark::Shutdown();
    return 0;
}
