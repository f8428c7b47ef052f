// The books on a PostgreSQL server: a list page ("position at a surname, read the next rows") on
// 10, 10^5 and 10^6 payees against the same query through plain libpq on the same database (the
// floor), and the JOPPD return of 10^4 items on the server against the same on a database file.
// The server does its share of the work in its own process, so every run is timed by the wall
// clock, by hand. The server is a throwaway one (tools/pg-test-server), unless PRAMO_BENCH_PG_URI
// names one (its user must be allowed to make databases).

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>

#include "joppd/return_file.h"
#include "records/layouts/osobe.h"
#include "records/store/cursor.h"
#include "records/store/key_encoding.h"
#include "records/store/store_sql.h"
#include "support/offices.h"
#include "support/ratios.h"

namespace pramo {
namespace {

// The server for the run and a fresh database of it for each set of books.
class Server {
public:
    Server() {
        if (const char* uri = std::getenv("PRAMO_BENCH_PG_URI"); uri && *uri) {
            uri_ = uri;
            return;
        }
        dir_ = std::filesystem::temp_directory_path() / ("pramo-bench-pg-" + std::to_string(::getpid()));
        if (std::system((tool() + " start " + dir_.string() + " >/dev/null").c_str()) != 0) std::abort();
        std::ifstream in(dir_ / "pg-uri");
        std::getline(in, uri_);
    }
    ~Server() {
        if (!dir_.empty()) (void)std::system((tool() + " stop " + dir_.string()).c_str());
        std::filesystem::remove_all(dir_);
    }
    std::string freshDatabase() {
        const std::string name = "pramo_bench_" + std::to_string(++made_);
        PGconn* c = PQconnectdb(uri_.c_str());
        PQsetNoticeProcessor(c, [](void*, const char*) {}, nullptr);
        PQclear(PQexec(c, ("DROP DATABASE IF EXISTS " + name).c_str()));
        PGresult* r = PQexec(c, ("CREATE DATABASE " + name).c_str());
        if (PQresultStatus(r) != PGRES_COMMAND_OK) std::abort();
        PQclear(r);
        PQfinish(c);
        const std::size_t path = uri_.find('/', uri_.find("://") + 3), query = uri_.find('?', path);
        return uri_.substr(0, path + 1) + name + (query == std::string::npos ? "" : uri_.substr(query));
    }

private:
    static std::string tool() { return PRAMO_SOURCE_DIR "/tools/pg-test-server"; }
    std::filesystem::path dir_;
    std::string uri_;
    int made_ = 0;
};

Server& server() {
    static Server s;
    return s;
}

// `records` payees in a database of their own, and surnames to position at.
struct Payees : BenchData {
    std::string uri;
    std::vector<std::string> probes;
    int records;

    Payees(int n, std::string where) : BenchData({&Osobe::table}, where), uri(std::move(where)), records(n) {
        std::mt19937 rng(42);
        Transaction tx(store, 10);
        for (int i = 1; i <= n; ++i) mustAdd(store, Osobe{.oznaka = i, .ime = "Ana", .prezime = benchSurname(rng), .mjesto = i % 500});
        mustSucceed(tx.commit());
        for (int i = 0; i < 10000; ++i) probes.push_back(benchSurname(rng));
    }
    // A page from a probe; a file of no more records than a page is read whole from its start.
    std::string probe(std::size_t i, int rows) const { return records > rows ? probes[i % probes.size()] : std::string(); }
};

Payees& payees(int records) {
    static std::map<int, std::unique_ptr<Payees>> all;
    auto& p = all[records];
    if (!p) p = std::make_unique<Payees>(records, server().freshDatabase());
    return *p;
}

// Times each iteration of `page` by the wall clock, after a warming pass over the probes.
template <class Page>
void timed(benchmark::State& state, Page page) {
    for (std::size_t i = 0; i < 2000; ++i) page(i);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        page(i++);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

// A page from a probe surname (state.range(2) 0), or after the row in the middle of the file with
// that surname (1): the page a list reads next, which starts after its last row, not at a value.
constexpr std::int64_t middleRow = 500000;

void BM_PgStorePage(benchmark::State& state) {
    Payees& p = payees(static_cast<int>(state.range(0)));
    const int rows = static_cast<int>(state.range(1));
    const bool afterRow = state.range(2) != 0;
    Cursor c(p.store, Osobe::keyPrezimeIme);
    c.setReadAhead(rows);
    Osobe o;
    timed(state, [&](std::size_t i) {
        o.prezime = p.probe(i, rows);
        o.ime = "";
        if (afterRow) c.resetTo({&Osobe::keyPrezimeIme, encodeSeek(Osobe::keyPrezimeIme, &o), middleRow + 1});
        else c.setFrom(o);
        for (int n = 0; n < rows && ok(c.next(o)); ++n) benchmark::DoNotOptimize(o.oznaka);
    });
}

// The same page through plain libpq: one prepared statement, binary parameters and results, every
// column read; after a row, the index on (sort value, row) bounded by the row comparison.
void BM_PgRawPage(benchmark::State& state) {
    Payees& p = payees(static_cast<int>(state.range(0)));
    const int rows = static_cast<int>(state.range(1));
    const bool afterRow = state.range(2) != 0;
    PGconn* c = PQconnectdb(p.uri.c_str());
    const std::string key = sql::quoted(Osobe::keyPrezimeIme.column());
    const std::string where = afterRow ? key + " IS NOT NULL AND (" + key + ", _id) > ($1, $3)" : key + " >= $1";
    const Oid types[] = {17, 20, 20};  // bytea, bigint, bigint
    PQclear(PQprepare(c, "page", ("SELECT " + sql::selectColumns(Osobe::table) + ", " + key + " FROM \"OSOBE\" WHERE " + where +
                                  " ORDER BY " + key + ", _id LIMIT $2").c_str(), afterRow ? 3 : 2, types));
    const int columns = static_cast<int>(Osobe::table.fields.size()) + 3;
    const std::uint64_t limit = __builtin_bswap64(static_cast<std::uint64_t>(rows)), row = __builtin_bswap64(middleRow);
    timed(state, [&](std::size_t i) {
        const std::string from = foldText(p.probe(i, rows));
        const char* values[] = {from.data(), reinterpret_cast<const char*>(&limit), reinterpret_cast<const char*>(&row)};
        const int lengths[] = {static_cast<int>(from.size()), 8, 8}, formats[] = {1, 1, 1};
        PGresult* r = PQexecPrepared(c, "page", afterRow ? 3 : 2, values, lengths, formats, 1);
        for (int n = 0; n < PQntuples(r); ++n)
            for (int col = 0; col < columns; ++col) benchmark::DoNotOptimize(PQgetvalue(r, n, col));
        PQclear(r);
    });
    PQfinish(c);
}

// {payees, rows of a page}: pages of 20 on the big sets, pages of 10 (the whole set) on ten payees
// and, to compare with them, on a million.
BENCHMARK(BM_PgStorePage)->Args({1000000, 20, 0})->Args({100000, 20, 0})->Args({1000000, 10, 0})->Args({10, 10, 0})
    ->Args({1000000, 20, 1})->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PgRawPage)->Args({1000000, 20, 0})->Args({1000000, 10, 0})->Args({10, 10, 0})->Args({1000000, 20, 1})
    ->UseManualTime()->Unit(benchmark::kMicrosecond);

// The JOPPD return of one payment of `items` items, written on the engine the office's books are on.
void joppd(benchmark::State& state, bool onServer) {
    static std::map<bool, std::unique_ptr<PaymentOffice>> offices;
    auto& o = offices[onServer];
    const int items = static_cast<int>(state.range(0));
    if (!o) o = std::make_unique<PaymentOffice>(items, onServer ? server().freshDatabase() : std::string());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const ReturnFileOutcome out = writeReturnFile(o->store, FixedClock(*Date::fromYmd(2015, 3, 15)), o->submission, {o->dir.string(), {}});
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!out.created) {
            state.SkipWithError(out.message.c_str());
            break;
        }
    }
}
void BM_PgJoppd(benchmark::State& state) { joppd(state, true); }
void BM_SqliteJoppd(benchmark::State& state) { joppd(state, false); }
BENCHMARK(BM_PgJoppd)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteJoppd)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    return pramo::runWithRatios(
        argc, argv,
        {{"list page of 20, 10^6 payees: store / plain libpq", "BM_PgStorePage/1000000/20/0", "BM_PgRawPage/1000000/20/0", 2.0},
         {"list page of 20 after a row, 10^6 payees: store / plain libpq", "BM_PgStorePage/1000000/20/1", "BM_PgRawPage/1000000/20/1", 2.0},
         {"list page of 10, 10^6 payees: store / plain libpq", "BM_PgStorePage/1000000/10/0", "BM_PgRawPage/1000000/10/0", 2.0},
         {"list page of 10, 10 payees: store / plain libpq", "BM_PgStorePage/10/10/0", "BM_PgRawPage/10/10/0", 2.0},
         {"list page of 10, store: 10^6 / 10 payees (flat)", "BM_PgStorePage/1000000/10/0", "BM_PgStorePage/10/10/0", 1.5},
         {"list page of 20, store: 10^6 / 10^5 payees (flat)", "BM_PgStorePage/1000000/20/0", "BM_PgStorePage/100000/20/0", 1.5},
         {"JOPPD of 10^4 items: PostgreSQL / SQLite backend (wall)", "BM_PgJoppd/10000", "BM_SqliteJoppd/10000", 2.0}});
}
