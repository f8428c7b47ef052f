#include "records/layouts/detkriz.h"

namespace pramo {

const KeyDef Detkriz::keyKriznica{.name = "DKR:KEYKRIZNICA", .parts = {{"KRIZNICA"}}};
const KeyDef Detkriz::keyGlavni{.name = "DKR:KEYGLAVNI", .display = "DKR:KeyGlavni", .parts = {{"KRIZNICA"}, {"VRSTA"}}, .unique = true};

const TableDef Detkriz::table = declareTable<Detkriz>(
    "DETKRIZ", "DKR",
    {field<&Detkriz::kriznica>("KRIZNICA"), field<&Detkriz::vrsta>("VRSTA"),
     field<&Detkriz::broj>("BROJ"), field<&Detkriz::osnovica>("OSNOVICA"),
     field<&Detkriz::iznos>("IZNOS")},
    {&keyKriznica, &keyGlavni});

}  // namespace pramo
