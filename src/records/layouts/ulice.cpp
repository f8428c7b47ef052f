#include "records/layouts/ulice.h"

namespace pramo {

const KeyDef Ulice::keyOznaka{.name = "ULI:KEYOZNAKA", .display = "ULI:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Ulice::keyNaziv{.name = "ULI:KEYNAZIV", .display = "ULI:KeyNaziv", .parts = {{"NAZIV"}}, .unique = true};

const TableDef Ulice::table = declareTable<Ulice>(
    "ULICE", "ULI",
    {field<&Ulice::oznaka>("OZNAKA"), field<&Ulice::naziv>("NAZIV")},
    {&keyOznaka, &keyNaziv});

}  // namespace pramo
