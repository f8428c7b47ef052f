#include "records/layouts/neoporez.h"

namespace pramo {

const KeyDef Neoporez::keyOznaka{.name = "NEO:KEYOZNAKA", .display = "NEO:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Neoporez::keyShifra{.name = "NEO:KEYSHIFRA", .display = "NEO:KeyShifra", .parts = {{"SHIFRA"}}, .unique = true};
const KeyDef Neoporez::keyKontrola{.name = "NEO:KEYKONTROLA", .parts = {{"KONTROLA"}}};

const TableDef Neoporez::table = declareTable<Neoporez>(
    "NEOPOREZ", "NEO",
    {field<&Neoporez::oznaka>("OZNAKA"), field<&Neoporez::shifra>("SHIFRA"),
     field<&Neoporez::naziv>("NAZIV"), field<&Neoporez::kontrola>("KONTROLA")},
    {&keyOznaka, &keyShifra, &keyKontrola});

}  // namespace pramo
