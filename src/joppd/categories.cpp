#include "joppd/categories.h"

namespace pramo {
namespace {

constexpr Kategorija known[] = {
    {.code = "01", .p61 = "4001", .osnovicaIspis = false},
    {.code = "02", .p61 = "4002", .osnovicaXml = true},
    {.code = "00", .p61 = "0000", .neoporezivo = true, .osnovicaIspis = false},
    {.code = "11", .p61 = "1001", .kapital = true, .osnovicaIspis = false},
};
constexpr Kategorija unknown{};

}  // namespace

const Kategorija& kategorija(std::string_view code) {
    for (const Kategorija& k : known) {
        if (k.code == code) return k;
    }
    return unknown;
}

}  // namespace pramo
