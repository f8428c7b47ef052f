#include "records/layouts/isplate.h"

#include <string>

namespace pramo {

const KeyDef Isplate::keyOznaka{.name = "ISP:KEYOZNAKA", .display = "ISP:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Isplate::keyIsplatitelj{.name = "ISP:KEYISPLATITELJ", .parts = {{"ISPLATITELJ"}}};
const KeyDef Isplate::keyDatum{.name = "ISP:KEYDATUM", .parts = {{"DATUM"}}};
const KeyDef Isplate::keyRsid{.name = "ISP:KEYRSID", .parts = {{"RSID"}}};
const KeyDef Isplate::keyGodina{.name = "ISP:KEYGODINA", .parts = {{"GODINA"}}};
const KeyDef Isplate::keyRsidIsplatitelj{.name = "ISP:KEYRSIDISPLATITELJ", .display = "ISP:KeyRSIdIsplatitelj", .parts = {{"ISPLATITELJ"}, {"GODINA", true}, {"RSID", true}}, .unique = true};

const TableDef Isplate::table = declareTable<Isplate>(
    "ISPLATE", "ISP",
    {field<&Isplate::oznaka>("OZNAKA"), field<&Isplate::isplatitelj>("ISPLATITELJ"),
     field<&Isplate::rsid>("RSID"), field<&Isplate::datum>("DATUM"),
     field<&Isplate::godina>("GODINA"), field<&Isplate::biljeske>("BILJESKE")},
    {&keyOznaka, &keyIsplatitelj, &keyDatum, &keyRsid, &keyGodina, &keyRsidIsplatitelj}, {},
    [](void* rec) { return yearFollowsDate(*static_cast<Isplate*>(rec)); });

bool yearFollowsDate(Isplate& isp) {
    if (isp.datum.isNull()) return false;
    const std::string year = std::to_string(isp.datum.year());
    if (isp.godina == std::string_view(year)) return false;
    isp.godina = year;
    return true;
}

}  // namespace pramo
