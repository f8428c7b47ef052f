#include "support/calc_data.h"

#include <gtest/gtest.h>

#include "records/layouts/mjesta.h"
#include "records/layouts/obracun.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/porstope.h"
#include "records/layouts/svasta.h"
#include "records/layouts/vrstedoh.h"

namespace pramo::test {

namespace {

template <class D>
D dec(const char* text) {
    return *D::parse(text);
}

template <class R>
void add(Store& store, R rec) {
    ASSERT_EQ(store.add(rec), StoreCode::Ok) << R::table.name;
}

Vrstedoh incomeType(std::uint8_t oznaka, const char* prizn, const char* visestopa) {
    Vrstedoh vrs;
    vrs.oznaka = oznaka;
    vrs.naziv = "Vrsta " + std::to_string(oznaka);
    vrs.priznatitroskovi = dec<Rate>(prizn);
    vrs.mirovinskoistup = dec<Rate>("15");
    vrs.mirovinskoiistup = dec<Rate>("5");
    vrs.zdravstvenoosiguranje = dec<Rate>("15");
    vrs.poreznastopa = dec<Rate>("25");
    vrs.visestopa = visestopa;
    vrs.osobniodbitak = dec<Rate7>("2200");
    return vrs;
}

void addBrackets(Store& store) {
    ASSERT_EQ(store.removeAll(Porstope::table), StoreCode::Ok);
    const char* rows[][2] = {{"12", "2200"}, {"25", "8800"}, {"40", "9999999.99"}};
    for (std::uint16_t k = 1; k <= 3; ++k) {
        Porstope por;
        por.oznaka = k;
        por.stopa = dec<Rate>(rows[k - 1][0]);
        por.osnovica = dec<Amount9>(rows[k - 1][1]);
        add(store, por);
    }
}

}  // namespace

void fillCalcRegisters(Files& files) {
    for (const TableDef* t : {&Opcine::table, &Mjesta::table, &Osobe::table, &Vrstedoh::table, &Porstope::table,
                              &Dohoci::table, &Obracun::table, &Svasta::table})
        ASSERT_EQ(files.open(*t), StoreCode::Ok) << t->name;
    Store& store = files.store();
    Opcine opc;
    opc.oznaka = 1;
    opc.naziv = "Zagreb";
    opc.stopaprireza = dec<Rate7>("18");
    add(store, opc);
    Mjesta mje;
    mje.oznaka = 1;
    mje.naziv = "Zagreb";
    mje.opcina = 1;
    add(store, mje);
    Osobe oso;
    oso.oznaka = 1;
    oso.prezime = "Horvat";
    oso.mjesto = 1;
    oso.drugistup = "DA";
    oso.faktorodbitka = dec<Rate>("1");
    add(store, oso);
    add(store, incomeType(1, "30", "NE"));
    add(store, incomeType(2, "0", "DA"));
    addBrackets(store);
}

Dohoci addItem(Store& store, std::int32_t oznaka, std::int32_t payee, std::uint8_t type, const char* neto) {
    Dohoci doh;
    doh.oznaka = oznaka;
    doh.isplata = 1;
    doh.djelatnik = payee;
    doh.vrstadohotka = type;
    doh.neto = dec<Money>(neto);
    EXPECT_EQ(store.add(doh), StoreCode::Ok);
    return doh;
}

}  // namespace pramo::test
