// The record store against raw SQLite: adding a million payees in one transaction, and a list
// page ("position at a surname, read the next rows") on files of a million, a hundred thousand
// and ten records. Prints CPU-time ratios with their aims, each between pages of the same number
// of rows: store / raw SQLite on the same file, and a big file / a small one.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cmath>
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

struct Fixture : BenchData {
    std::vector<std::string> probes;
    int records;

    explicit Fixture(int n) : BenchData({&Osobe::table}), records(n) {
        std::mt19937 rng(42);
        fill(n, rng);
        for (int i = 0; i < 10000; ++i) probes.push_back(benchSurname(rng));
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
    void fill(int n, std::mt19937& rng) {
        Transaction tx(store, 10);
        Osobe o;
        for (int i = 1; i <= n; ++i) {
            o = {};
            o.oznaka = i;
            o.prezime = benchSurname(rng);
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

// A page of `rows` records from a probe surname; a file of no more records than a page is read
// whole from its start, so that every page holds as many rows as the pages it is compared with.
std::string probe(Fixture& f, std::size_t i, int rows) {
    return f.records > rows ? f.probes[i % f.probes.size()] : std::string();
}

void BM_StorePage(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    const int pageRows = static_cast<int>(state.range(1));
    Cursor c(f.store, Osobe::keyPrezimeIme);
    c.setReadAhead(pageRows);
    Osobe o;
    std::size_t i = 0;
    double rows = 0;
    for (auto _ : state) {
        o.prezime = probe(f, i++, pageRows);
        o.ime = "";
        c.setFrom(o);
        for (int n = 0; n < pageRows && ok(c.next(o)); ++n) {
            benchmark::DoNotOptimize(o.oznaka);
            ++rows;
        }
    }
    state.counters["rows/page"] = rows / static_cast<double>(state.iterations());
}

// The same page read straight from SQLite through the same index, with the same columns.
void BM_RawPage(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    const int pageRows = static_cast<int>(state.range(1));
    sqlite3* db = nullptr;
    sqlite3_open((f.dir / "pramo.db").c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT _id, _ver, OZNAKA, IME, PREZIME, JMBG, OIB, MJESTO, ULICA, KUCNIBROJ, BANKA, RKONT, RACUN, "
                       "MODEL, RACUNPOZIV, KUCNITELEFON, TELEFONNAPOSLU, FAX, EMAIL, DRUGISTUP, FAKTORODBITKA, STATUS "
                       "FROM OSOBE WHERE _KEYPREZIMEIME >= ?1 ORDER BY _KEYPREZIMEIME, _id LIMIT ?2",
                       -1, &st, nullptr);
    std::size_t i = 0;
    double rows = 0;
    for (auto _ : state) {
        const std::string key = foldText(probe(f, i++, pageRows));
        sqlite3_bind_blob(st, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, pageRows);
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
// {records, rows of a page}: pages of 20 on the big files, pages of 10 (the whole file) on ten records
// and, to compare with them, on a million.
BENCHMARK(BM_StorePage)->Args({1000000, 20})->Args({100000, 20})->Args({1000000, 10})->Args({10, 10})
    ->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawPage)->Args({1000000, 20})->Args({1000000, 10})->Args({10, 10})->Iterations(10000)->Unit(benchmark::kMicrosecond);

// Keeps the time per iteration of every run, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) times[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }
    std::map<std::string, double> times;
};

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    pramo::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto at = [&](const std::string& name) {
        for (const auto& [k, v] : reporter.times)
            if (k.rfind(name + "/", 0) == 0) return v;
        return 0.0;
    };
    const auto ratio = [&](const char* what, double value, const char* aim) {
        if (value > 0 && std::isfinite(value)) std::cout << what << value << "   (" << aim << ")\n";
    };
    const auto over = [&](const std::string& a, const std::string& b) { return at(a) / at(b); };
    std::cout << "\n(CPU time; each ratio between pages of the same number of rows)\n";
    ratio("store / raw SQLite, 10^6 records, page of 20:   ", over("BM_StorePage/1000000/20", "BM_RawPage/1000000/20"), "aim <= 1.0");
    ratio("store / raw SQLite, 10^6 records, page of 10:   ", over("BM_StorePage/1000000/10", "BM_RawPage/1000000/10"), "aim <= 1.0");
    ratio("store / raw SQLite, 10 records, page of 10:     ", over("BM_StorePage/10/10", "BM_RawPage/10/10"), "aim <= 1.0");
    ratio("store, 10^6 / 10 records, page of 10:           ", over("BM_StorePage/1000000/10", "BM_StorePage/10/10"),
          "SQLite's own growth below is the floor");
    ratio("raw SQLite, 10^6 / 10 records, page of 10:      ", over("BM_RawPage/1000000/10", "BM_RawPage/10/10"),
          "a deeper index and pages out of cache");
    ratio("store's growth / raw SQLite's, 10^6 / 10:       ",
          over("BM_StorePage/1000000/10", "BM_StorePage/10/10") / over("BM_RawPage/1000000/10", "BM_RawPage/10/10"), "aim <= 1.0");
    ratio("store, 10^6 / 10^5 records, page of 20:         ", over("BM_StorePage/1000000/20", "BM_StorePage/100000/20"), "aim <= 1.5");
    benchmark::Shutdown();
    return 0;
}
