#include "records/layouts/dohoci.h"

namespace pramo {

const KeyDef Dohoci::keyOznaka{.name = "DOH:KEYOZNAKA", .display = "DOH:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Dohoci::keyIsplata{.name = "DOH:KEYISPLATA", .parts = {{"ISPLATA"}}};
const KeyDef Dohoci::keyDjelatnik{.name = "DOH:KEYDJELATNIK", .parts = {{"DJELATNIK"}}};
const KeyDef Dohoci::keyVrstaDohotka{.name = "DOH:KEYVRSTADOHOTKA", .parts = {{"VRSTADOHOTKA"}}};
const KeyDef Dohoci::keyRedniBroj{.name = "DOH:KEYREDNIBROJ", .parts = {{"REDNIBROJ"}}};

const TableDef Dohoci::table = declareTable<Dohoci>(
    "DOHOCI", "DOH",
    {field<&Dohoci::oznaka>("OZNAKA"), field<&Dohoci::rednibroj>("REDNIBROJ"),
     field<&Dohoci::isplata>("ISPLATA"), field<&Dohoci::djelatnik>("DJELATNIK"),
     field<&Dohoci::vrstadohotka>("VRSTADOHOTKA"), field<&Dohoci::neto>("NETO")},
    {&keyOznaka, &keyIsplata, &keyDjelatnik, &keyVrstaDohotka, &keyRedniBroj});

}  // namespace pramo
