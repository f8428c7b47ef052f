#include "records/layouts/porstope.h"

namespace pramo {

const KeyDef Porstope::keyOznaka{.name = "POR:KEYOZNAKA", .parts = {{"OZNAKA"}}, .unique = true};

const TableDef Porstope::table = declareTable<Porstope>(
    "PORSTOPE", "POR",
    {field<&Porstope::oznaka>("OZNAKA"), field<&Porstope::stopa>("STOPA"),
     field<&Porstope::osnovica>("OSNOVICA")},
    {&keyOznaka});

}  // namespace pramo
