#include "records/layouts/jopozije.h"

namespace pramo {

const KeyDef Jopozije::keyOznaka{.name = "JOP:KEYOZNAKA", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Jopozije::keyRedniBroj{.name = "JOP:KEYREDNIBROJ", .parts = {{"GRUPA"}, {"REDNIBROJ"}}, .unique = true};

const TableDef Jopozije::table = declareTable<Jopozije>(
    "JOPOZIJE", "JOP",
    {field<&Jopozije::oznaka>("OZNAKA"), field<&Jopozije::grupa>("GRUPA"),
     field<&Jopozije::rednibroj>("REDNIBROJ"), field<&Jopozije::brtekst>("BRTEKST"),
     field<&Jopozije::tekst1>("TEKST1"), field<&Jopozije::tekst2>("TEKST2"),
     field<&Jopozije::pozicija>("POZICIJA"), field<&Jopozije::vrsta>("VRSTA")},
    {&keyOznaka, &keyRedniBroj});

}  // namespace pramo
