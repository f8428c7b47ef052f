#include "records/layouts/mjesta.h"

namespace pramo {

const KeyDef Mjesta::keyOznaka{.name = "MJE:KEYOZNAKA", .display = "MJE:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Mjesta::keyNaziv{.name = "MJE:KEYNAZIV", .parts = {{"NAZIV"}}};
const KeyDef Mjesta::keyOpcina{.name = "MJE:KEYOPCINA", .parts = {{"OPCINA"}}};

const TableDef Mjesta::table = declareTable<Mjesta>(
    "MJESTA", "MJE",
    {field<&Mjesta::oznaka>("OZNAKA"), field<&Mjesta::naziv>("NAZIV"),
     field<&Mjesta::opcina>("OPCINA"), field<&Mjesta::postbroj>("POSTBROJ")},
    {&keyOznaka, &keyNaziv, &keyOpcina});

}  // namespace pramo
