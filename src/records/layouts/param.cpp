#include "records/layouts/param.h"

namespace pramo {

const KeyDef Param::keyOznaka{.name = "PAR:KEYOZNAKA", .display = "PAR:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};

const TableDef Param::table = declareTable<Param>(
    "PARAM", "PAR",
    {field<&Param::oznaka>("OZNAKA"), field<&Param::xpos>("XPOS"), field<&Param::ypos>("YPOS"),
     field<&Param::modelprintera>("MODELPRINTERA"), field<&Param::oznakapapira>("OZNAKAPAPIRA"),
     field<&Param::duzina>("DUZINA"), field<&Param::sirina>("SIRINA")},
    {&keyOznaka});

}  // namespace pramo
