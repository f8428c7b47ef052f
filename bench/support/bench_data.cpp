#include "bench_data.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <cctype>
#include <cstdio>

namespace pramo {

int BenchMessages::ask(const MessageBox& box) {
    if (reportQuestions) std::fprintf(stderr, "unexpected message: %s\n", box.text.c_str());
    return box.defaultButton;
}

void BenchMessages::halt(const std::string& text) {
    std::fprintf(stderr, "halted: %s\n", text.c_str());
    std::exit(1);
}

BenchData::BenchData(const std::vector<const TableDef*>& tables, const std::string& where) {
    std::string pattern = (std::filesystem::temp_directory_path() / "pramo-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    dir = pattern;
    mustSucceed(store.openDatabase(where.empty() ? (dir / "pramo.db").string() : where));
    for (const TableDef* t : tables) mustSucceed(files.open(*t));
}

BenchData::~BenchData() {
    store.closeDatabase();
    if (!keep) std::filesystem::remove_all(dir);
}

std::string benchSurname(std::mt19937& rng) {
    static const char* syllables[] = {"ho", "rv", "at", "ko", "va", "č", "ba", "bi", "ć", "šu", "ma", "ri", "ž", "đu", "ne", "lj"};
    std::uniform_int_distribution<int> pick(0, 15), len(2, 4);
    std::string s;
    for (int i = len(rng); i > 0; --i) s += syllables[pick(rng)];
    s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

void mustSucceed(StoreCode code) {
    if (!ok(code)) {
        std::fprintf(stderr, "store code %d\n", static_cast<int>(code));
        std::abort();
    }
}

Lines authorsFeeLines() {
    Lines l;
    const std::int64_t cents[] = {143926, 0, 43178, 100748, 15112, 5037, 80599, 20150, 3627, 100000, 15112, 0};
    for (int p = 1; p <= calculatedPositions; ++p) l.at(p) = Money::fromRaw(cents[p - 1]);
    return l;
}

int runGuiBenchmarks(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace pramo
