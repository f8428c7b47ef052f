#include "records/layouts/kriznica.h"

namespace pramo {

const KeyDef Kriznica::keyOznaka{.name = "KRI:KEYOZNAKA", .display = "KRI:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Kriznica::keyGlavni{.name = "KRI:KEYGLAVNI", .display = "KRI:KeyGlavni", .parts = {{"GODINA", true}, {"MJESEC", true}, {"ISPLATITELJ"}}, .unique = true};
const KeyDef Kriznica::keyIsplatitelj{.name = "KRI:KEYISPLATITELJ", .parts = {{"ISPLATITELJ"}}};

const TableDef Kriznica::table = declareTable<Kriznica>(
    "KRIZNICA", "KRI",
    {field<&Kriznica::oznaka>("OZNAKA"), field<&Kriznica::isplatitelj>("ISPLATITELJ"),
     field<&Kriznica::godina>("GODINA"), field<&Kriznica::mjesec>("MJESEC"),
     field<&Kriznica::biljeske>("BILJESKE")},
    {&keyOznaka, &keyGlavni, &keyIsplatitelj});

}  // namespace pramo
