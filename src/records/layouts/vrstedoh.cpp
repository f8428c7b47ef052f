#include "records/layouts/vrstedoh.h"

namespace pramo {

const KeyDef Vrstedoh::keyOznaka{.name = "VRS:KEYOZNAKA", .display = "VRS:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Vrstedoh::keyStupacIdd{.name = "VRS:KEYSTUPACIDD", .parts = {{"STUPACIDD"}}};

const TableDef Vrstedoh::table = declareTable<Vrstedoh>(
    "VRSTEDOH", "VRS",
    {field<&Vrstedoh::oznaka>("OZNAKA"), field<&Vrstedoh::naziv>("NAZIV"),
     field<&Vrstedoh::neoporezividio>("NEOPOREZIVIDIO"),
     field<&Vrstedoh::poreznastopa>("POREZNASTOPA"), field<&Vrstedoh::rnporez>("RNPOREZ"),
     field<&Vrstedoh::tipporez>("TIPPOREZ"), field<&Vrstedoh::visestopa>("VISESTOPA"),
     field<&Vrstedoh::priznatitroskovi>("PRIZNATITROSKOVI"),
     field<&Vrstedoh::mirovinskoistup>("MIROVINSKOISTUP"), field<&Vrstedoh::rnmoi>("RNMOI"),
     field<&Vrstedoh::tipmoi>("TIPMOI"), field<&Vrstedoh::mirovinskoiistup>("MIROVINSKOIISTUP"),
     field<&Vrstedoh::rnmoii>("RNMOII"), field<&Vrstedoh::tipmoii>("TIPMOII"),
     field<&Vrstedoh::zdravstvenoosiguranje>("ZDRAVSTVENOOSIGURANJE"),
     field<&Vrstedoh::rnzo>("RNZO"), field<&Vrstedoh::tipzo>("TIPZO"),
     field<&Vrstedoh::zaposljavanje>("ZAPOSLJAVANJE"),
     field<&Vrstedoh::osobniodbitak>("OSOBNIODBITAK"),
     field<&Vrstedoh::osnovaobracuna>("OSNOVAOBRACUNA"),
     field<&Vrstedoh::stupacidd>("STUPACIDD"), field<&Vrstedoh::rezstringa>("REZSTRINGA"),
     field<&Vrstedoh::rezstringb>("REZSTRINGB"), field<&Vrstedoh::rezdecimala>("REZDECIMALA"),
     field<&Vrstedoh::rezdecimalb>("REZDECIMALB"), field<&Vrstedoh::rezdecimalc>("REZDECIMALC"),
     added(field<&Vrstedoh::porezopcine>("POREZOPCINE"), "NE")},
    {&keyOznaka, &keyStupacIdd});

}  // namespace pramo
