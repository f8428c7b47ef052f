#include "records/layouts/obracun.h"

namespace pramo {

const KeyDef Obracun::keyDohodak{.name = "OBR:KEYDOHODAK", .parts = {{"DOHODAK"}}};
// Kept up to date, read by nothing: without an index, so that the twelve lines of a new item are
// not written into twelve places of an index ordered by position alone.
const KeyDef Obracun::keyPozicija{.name = "OBR:KEYPOZICIJA", .parts = {{"POZICIJA"}}, .indexed = false};
const KeyDef Obracun::keyDohPoz{.name = "OBR:KEYDOHPOZ", .display = "OBR:KeyDohPoz", .parts = {{"DOHODAK"}, {"POZICIJA"}}, .unique = true};

const TableDef Obracun::table = declareTable<Obracun>(
    "OBRACUN", "OBR",
    {field<&Obracun::dohodak>("DOHODAK"), field<&Obracun::pozicija>("POZICIJA"),
     field<&Obracun::iznos>("IZNOS")},
    {&keyDohodak, &keyPozicija, &keyDohPoz});

}  // namespace pramo
