#include "records/layouts/uplatnirn.h"

namespace pramo {

const KeyDef Uplatnirn::keyOznaka{.name = "UPL:KEYOZNAKA", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Uplatnirn::keyJavOpc{.name = "UPL:KEYJAVOPC", .parts = {{"OPCINA"}, {"JAVNIPRIHOD"}}, .unique = true};
const KeyDef Uplatnirn::keyJavniPrihod{.name = "UPL:KEYJAVNIPRIHOD", .parts = {{"JAVNIPRIHOD"}}};
const KeyDef Uplatnirn::keyOpcina{.name = "UPL:KEYOPCINA", .parts = {{"OPCINA"}}};

const TableDef Uplatnirn::table = declareTable<Uplatnirn>(
    "UPLATNIR", "UPL",
    {field<&Uplatnirn::oznaka>("OZNAKA"), field<&Uplatnirn::opcina>("OPCINA"),
     field<&Uplatnirn::javniprihod>("JAVNIPRIHOD"), field<&Uplatnirn::racun>("RACUN")},
    {&keyOznaka, &keyJavOpc, &keyJavniPrihod, &keyOpcina}, "uplatnirn");

}  // namespace pramo
