#include "records/layouts/id1.h"

namespace pramo {

const KeyDef Id1::keyOznaka{.name = "ID1:KEYOZNAKA", .display = "ID1:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Id1::keyIsplatitelj{.name = "ID1:KEYISPLATITELJ", .parts = {{"ISPLATITELJ"}}};
const KeyDef Id1::keyIspGod{.name = "ID1:KEYISPGOD", .parts = {{"GODINA", true}, {"ISPLATITELJ"}}};

const TableDef Id1::table = declareTable<Id1>(
    "ID1", "ID1",
    {field<&Id1::oznaka>("OZNAKA"), field<&Id1::isplatitelj>("ISPLATITELJ"),
     field<&Id1::storno>("STORNO"), field<&Id1::godina>("GODINA"),
     field<&Id1::konime>("KONIME"), field<&Id1::konprezime>("KONPREZIME"),
     field<&Id1::konpoz1>("KONPOZ1"), field<&Id1::kontel1>("KONTEL1"),
     field<&Id1::konpoz2>("KONPOZ2"), field<&Id1::kontel2>("KONTEL2"),
     field<&Id1::konemail>("KONEMAIL")},
    {&keyOznaka, &keyIsplatitelj, &keyIspGod});

}  // namespace pramo
