#include "records/layouts/banke.h"

namespace pramo {

const KeyDef Banke::keyOznaka{.name = "BAN:KEYOZNAKA", .display = "BAN:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Banke::keyNaziv{.name = "BAN:KEYNAZIV", .parts = {{"NAZIV"}}};

const TableDef Banke::table = declareTable<Banke>(
    "BANKE", "BAN",
    {field<&Banke::oznaka>("OZNAKA"), field<&Banke::naziv>("NAZIV"),
     field<&Banke::vodecibroj>("VODECIBROJ")},
    {&keyOznaka, &keyNaziv});

}  // namespace pramo
