#include "records/layouts/subjekti.h"

namespace pramo {

const KeyDef Subjekti::keyOznaka{.name = "SUB:KEYOZNAKA", .display = "SUB:KeyOznaka", .parts = {{"OZNAKA"}}, .unique = true};
const KeyDef Subjekti::keyNaziv{.name = "SUB:KEYNAZIV", .parts = {{"NAZIV"}}};
const KeyDef Subjekti::keyMjesto{.name = "SUB:KEYMJESTO", .parts = {{"MJESTO"}}};
const KeyDef Subjekti::keyUlica{.name = "SUB:KEYULICA", .parts = {{"ULICA"}}};
const KeyDef Subjekti::keyBanka{.name = "SUB:KEYBANKA", .parts = {{"BANKA"}}};
const KeyDef Subjekti::keyPorezniBroj{.name = "SUB:KEYPOREZNIBROJ", .display = "SUB:KeyPorezniBroj", .parts = {{"POREZNIBROJ"}}, .unique = true};
const KeyDef Subjekti::keyOib{.name = "SUB:KEYOIB", .display = "SUB:KeyOIB", .parts = {{"OIB"}}, .unique = true};

const TableDef Subjekti::table = declareTable<Subjekti>(
    "SUBJEKTI", "SUB",
    {field<&Subjekti::oznaka>("OZNAKA"), field<&Subjekti::tip>("TIP"),
     field<&Subjekti::naziv>("NAZIV"), field<&Subjekti::poreznibroj>("POREZNIBROJ"),
     field<&Subjekti::oib>("OIB"), field<&Subjekti::mjesto>("MJESTO"),
     field<&Subjekti::ulica>("ULICA"), field<&Subjekti::kucnibroj>("KUCNIBROJ"),
     field<&Subjekti::banka>("BANKA"), field<&Subjekti::rkont>("RKONT"),
     field<&Subjekti::racun>("RACUN"), field<&Subjekti::telefon>("TELEFON"),
     field<&Subjekti::mobitel>("MOBITEL"), field<&Subjekti::fax>("FAX"),
     field<&Subjekti::email>("EMAIL"), field<&Subjekti::status>("STATUS")},
    {&keyOznaka, &keyNaziv, &keyMjesto, &keyUlica, &keyBanka, &keyPorezniBroj, &keyOib});

}  // namespace pramo
