// The payees' list as the menu opens it, over ten payees and over a hundred thousand: open the list
// and page down through it by surname with a page of five rows, as the user's Page Down does (the
// short list goes back to its top when it can go no further, so that every step reads a page in
// both). Each row looks up its place and street by number. The list holds one page and reads by
// key, so both should cost the same; the ratio of the two is printed at the end.

#include "records/layouts/mjesta.h"
#include "records/layouts/osobe.h"
#include "records/layouts/ulice.h"
#include "registers/ui/register_lists.h"
#include "support/list_bench.h"

namespace pramo {
namespace {

std::string randomName(std::uint64_t& seed, int letters) {
    std::string name;
    for (int c = 0; c < letters; ++c) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        name += static_cast<char>((c == 0 ? 'A' : 'a') + (seed >> 59) % 26);
    }
    return name;
}

// One data directory with `payees` payees living in 100 places on 100 streets.
struct PayeesData : ListBenchData {
    explicit PayeesData(std::int64_t payees) {
        FileUse use(files, {&Osobe::table, &Mjesta::table, &Ulice::table});
        Transaction tx(store, Store::lockWaitSeconds);
        std::uint64_t seed = 12345;
        for (int i = 1; i <= 100; ++i) {
            mustAdd(store, Mjesta{.oznaka = i, .naziv = randomName(seed, 8), .opcina = 1});
            mustAdd(store, Ulice{.oznaka = i, .naziv = randomName(seed, 9) + " " + std::to_string(i)});
        }
        for (std::int64_t i = 1; i <= payees; ++i) {
            mustAdd(store, Osobe{.oznaka = static_cast<std::int32_t>(i), .ime = randomName(seed, 6), .prezime = randomName(seed, 9),
                                 .mjesto = static_cast<std::int32_t>(i % 100 + 1), .ulica = static_cast<std::int32_t>(i % 97 + 1),
                                 .kucnibroj = std::to_string(i % 150 + 1), .drugistup = "DA"});
        }
        mustSucceed(tx.commit());
    }
};

PayeesData* small = nullptr;
PayeesData* large = nullptr;
const PagingRun payeesRun{.list = &osobeList, .width = 1200, .firstFillTimed = true};

void BM_PayeesListOverTen(benchmark::State& state) { openAndPage(state, *small, payeesRun); }
void BM_PayeesListOverAHundredThousand(benchmark::State& state) { openAndPage(state, *large, payeesRun); }
BENCHMARK(BM_PayeesListOverTen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PayeesListOverAHundredThousand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    pramo::ListBenchApp app(argc, argv);
    pramo::PayeesData small(10), large(100'000);
    pramo::small = &small;
    pramo::large = &large;
    return app.run("BM_PayeesListOverTen", "BM_PayeesListOverAHundredThousand", "10^5 payees / 10 payees");
}
