#include "records/layouts/pozicije.h"

namespace pramo {

const KeyDef Pozicije::keyOznaka{.name = "POZ:KEYOZNAKA", .parts = {{"OZNAKA"}}, .unique = true};

const TableDef Pozicije::table = declareTable<Pozicije>(
    "POZICIJE", "POZ",
    {field<&Pozicije::oznaka>("OZNAKA"), field<&Pozicije::naziv>("NAZIV"),
     field<&Pozicije::uplatnirn>("UPLATNIRN")},
    {&keyOznaka});

}  // namespace pramo
