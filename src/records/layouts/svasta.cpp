#include "records/layouts/svasta.h"

namespace pramo {

const KeyDef Svasta::keyDohodak{.name = "SVA:KEYDOHODAK", .parts = {{"DOHODAK"}}};
const KeyDef Svasta::keyDohBroj{.name = "SVA:KEYDOHBROJ", .parts = {{"DOHODAK"}, {"BROJ"}}, .unique = true};

const TableDef Svasta::table = declareTable<Svasta>(
    "SVASTA", "SVA",
    {field<&Svasta::dohodak>("DOHODAK"), field<&Svasta::broj>("BROJ"),
     field<&Svasta::vrishort>("VRISHORT"), field<&Svasta::vritekst>("VRITEKST")},
    {&keyDohodak, &keyDohBroj});

}  // namespace pramo
