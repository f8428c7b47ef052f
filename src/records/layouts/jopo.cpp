#include "records/layouts/jopo.h"

namespace pramo {

const KeyDef Jopo::keyOznaka{.name = "JOPO:KEYOZNAKA", .display = "JOPO:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Jopo::keyDatoteka{.name = "JOPO:KEYDATOTEKA", .parts = {{"DATOTEKA"}}};
const KeyDef Jopo::keyJedinstvo{.name = "JOPO:KEYJEDINSTVO", .display = "JOPO:KeyJedinstvo", .parts = {{"ISPLATA", true}, {"RBR"}}, .unique = true};
const KeyDef Jopo::keyIsplata{.name = "JOPO:KEYISPLATA", .parts = {{"ISPLATA", true}}};
const KeyDef Jopo::keyUjed{.name = "JOPO:KEYUJED", .display = "JOPO:KeyUjed", .parts = {{"UJED"}}, .unique = true};

const TableDef Jopo::table = declareTable<Jopo>(
    "JOPO", "JOPO",
    {field<&Jopo::oznaka>("OZNAKA"), field<&Jopo::isplata>("ISPLATA"), field<&Jopo::rbr>("RBR"),
     field<&Jopo::imeautora>("IMEAUTORA"), field<&Jopo::prezimeautora>("PREZIMEAUTORA"),
     field<&Jopo::email>("EMAIL"), field<&Jopo::ujed>("UJED"),
     field<&Jopo::datoteka>("DATOTEKA")},
    {&keyOznaka, &keyDatoteka, &keyJedinstvo, &keyIsplata, &keyUjed});

}  // namespace pramo
