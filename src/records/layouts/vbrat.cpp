#include "records/layouts/vbrat.h"

namespace pramo {

const KeyDef Vbrat::keyOznaka{.name = "VBR:KEYOZNAKA", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Vbrat::keyRezerva{.name = "VBR:KEYREZERVA", .parts = {{"REZERVA"}}};
const KeyDef Vbrat::keyShifra{.name = "VBR:KEYSHIFRA", .parts = {{"SHIFRA"}}, .unique = true};

const TableDef Vbrat::table = declareTable<Vbrat>(
    "VBRAT", "VBR",
    {field<&Vbrat::oznaka>("OZNAKA"), field<&Vbrat::naziv>("NAZIV"),
     field<&Vbrat::shifra>("SHIFRA"), field<&Vbrat::rezerva>("REZERVA")},
    {&keyOznaka, &keyRezerva, &keyShifra});

}  // namespace pramo
