#include "records/layouts/osobe.h"

namespace pramo {

const KeyDef Osobe::keyOznaka{.name = "OSO:KEYOZNAKA", .display = "OSO:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Osobe::keyOib{.name = "OSO:KEYOIB", .display = "OSO:KeyOIB", .parts = {{"OIB"}}, .unique = true};
const KeyDef Osobe::keyPrezimeIme{.name = "OSO:KEYPREZIMEIME", .parts = {{"PREZIME"}, {"IME"}}};
const KeyDef Osobe::keyBanka{.name = "OSO:KEYBANKA", .parts = {{"BANKA"}}};
const KeyDef Osobe::keyMjesto{.name = "OSO:KEYMJESTO", .parts = {{"MJESTO"}}};
const KeyDef Osobe::keyUlica{.name = "OSO:KEYULICA", .parts = {{"ULICA"}}};

const TableDef Osobe::table = declareTable<Osobe>(
    "OSOBE", "OSO",
    {field<&Osobe::oznaka>("OZNAKA"), field<&Osobe::ime>("IME"),
     field<&Osobe::prezime>("PREZIME"), field<&Osobe::jmbg>("JMBG"), field<&Osobe::oib>("OIB"),
     field<&Osobe::mjesto>("MJESTO"), field<&Osobe::ulica>("ULICA"),
     field<&Osobe::kucnibroj>("KUCNIBROJ"), field<&Osobe::banka>("BANKA"),
     field<&Osobe::rkont>("RKONT"), field<&Osobe::racun>("RACUN"),
     field<&Osobe::model>("MODEL"), field<&Osobe::racunpoziv>("RACUNPOZIV"),
     field<&Osobe::kucnitelefon>("KUCNITELEFON"),
     field<&Osobe::telefonnaposlu>("TELEFONNAPOSLU"), field<&Osobe::fax>("FAX"),
     field<&Osobe::email>("EMAIL"), field<&Osobe::drugistup>("DRUGISTUP"),
     field<&Osobe::faktorodbitka>("FAKTORODBITKA"), field<&Osobe::status>("STATUS")},
    {&keyOznaka, &keyOib, &keyPrezimeIme, &keyBanka, &keyMjesto, &keyUlica});

}  // namespace pramo
