#include "records/layouts/opcine.h"

namespace pramo {

const KeyDef Opcine::keyOznaka{.name = "OPC:KEYOZNAKA", .display = "OPC:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Opcine::keyNaziv{.name = "OPC:KEYNAZIV", .parts = {{"NAZIV"}}};
// The municipalities of an official code: the municipal tax rates (STOPEOPCINA) and the imports
// name a municipality by its code.
const KeyDef Opcine::keyShifra{.name = "OPC:KEYSHIFRA", .parts = {{"SHIFRA"}}};
const KeyDef Opcine::keyParent1{.name = "OPC:KEYPARENT1", .parts = {{"PARENT1"}}};
const KeyDef Opcine::keyParent2{.name = "OPC:KEYPARENT2", .parts = {{"PARENT2"}}};

const TableDef Opcine::table = declareTable<Opcine>(
    "OPCINE", "OPC",
    {field<&Opcine::oznaka>("OZNAKA"), field<&Opcine::shifra>("SHIFRA"),
     field<&Opcine::naziv>("NAZIV"), field<&Opcine::rkont>("RKONT"),
     field<&Opcine::racunporez>("RACUNPOREZ"), field<&Opcine::stopaprireza>("STOPAPRIREZA"),
     field<&Opcine::racun1>("RACUN1"), field<&Opcine::racun2>("RACUN2"),
     field<&Opcine::racun3>("RACUN3"), field<&Opcine::racun4>("RACUN4"),
     field<&Opcine::racun5>("RACUN5"), field<&Opcine::string1>("STRING1"),
     field<&Opcine::decimal1>("DECIMAL1"), field<&Opcine::decimal2>("DECIMAL2"),
     field<&Opcine::parent1>("PARENT1"), field<&Opcine::parent2>("PARENT2")},
    {&keyOznaka, &keyNaziv, &keyShifra, &keyParent1, &keyParent2});

}  // namespace pramo
