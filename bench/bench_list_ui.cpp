// A list screen over a file of ten places and over one of a million: open the list and page down
// through it with a page of five rows, as the user's Page Down does (the short list goes back to
// its top when it can go no further, so that every step reads a page in both). The list holds one
// page and reads by key, so both should cost the same; the ratio of the two is printed at the end.

#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "support/list_bench.h"

namespace pramo {
namespace {

// Places by name, with the name of their municipality looked up for each row.
const ListSpec placesList{
    .table = &Mjesta::table,
    .caption = "Pregled mjesta",
    .tabs = {{.key = &Mjesta::keyNaziv}},
    .columns = {column("Naziv", "NAZIV"), column("Post br.", "POSTBROJ"),
                lookup("Grad / općina", "OPCINA", Opcine::keyOznaka, "NAZIV"), column("Oznaka", "OZNAKA")},
    .buttons = ListButton::Close,
};

// One data directory with `places` places in 100 municipalities.
struct PlacesData : ListBenchData {
    explicit PlacesData(std::int64_t places) {
        FileUse use(files, {&Mjesta::table, &Opcine::table});
        Transaction tx(store, Store::lockWaitSeconds);
        for (int i = 1; i <= 100; ++i) mustAdd(store, Opcine{.oznaka = i, .naziv = "Općina " + std::to_string(i)});
        std::uint64_t seed = 12345;
        for (std::int64_t i = 1; i <= places; ++i) {
            std::string name;
            for (int c = 0; c < 10; ++c) {
                seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
                name += static_cast<char>('A' + (seed >> 59) % 26);
            }
            mustAdd(store, Mjesta{.oznaka = static_cast<std::int32_t>(i), .naziv = name,
                                  .opcina = static_cast<std::int32_t>(i % 100 + 1), .postbroj = std::to_string(10000 + i % 90000)});
        }
        mustSucceed(tx.commit());
    }
};

PlacesData* small = nullptr;
PlacesData* large = nullptr;

void BM_ListOverTenPlaces(benchmark::State& state) { openAndPage(state, *small, {.list = &placesList}); }
void BM_ListOverAMillionPlaces(benchmark::State& state) { openAndPage(state, *large, {.list = &placesList}); }
BENCHMARK(BM_ListOverTenPlaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListOverAMillionPlaces)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
    pramo::ListBenchApp app(argc, argv);
    pramo::PlacesData small(10), large(1'000'000);
    pramo::small = &small;
    pramo::large = &large;
    return app.run("BM_ListOverTenPlaces", "BM_ListOverAMillionPlaces", "10^6 places / 10 places");
}
