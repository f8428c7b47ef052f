#include "support/office.h"

#include "payments/item_calculation.h"
#include "payments/lines.h"
#include "records/layouts/all_tables.h"
#include "records/layouts/banke.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"

namespace pramo::test {

Date date(int year, int month, int day) { return *Date::fromYmd(year, month, day); }

Office::Office(Files& files, Date today) : files_(files), clock_(today) {
    for (const TableDef* t : allTables()) EXPECT_EQ(files.open(*t), StoreCode::Ok) << t->name;
}

Dohoci Office::item(Dohoci doh, std::int16_t method) {
    add(doh);
    ItemCalculation calc(store(), clock_);
    Loc loc;
    const CalcOutcome lines = calc.calculate(doh, loc);
    EXPECT_TRUE(lines.written()) << lines.message;
    const CalcOutcome crisis = calc.kriznica(doh, loc);
    EXPECT_TRUE(crisis.written()) << crisis.message;
    if (method != 0) EXPECT_EQ(writePaymentMethod(store(), doh.oznaka, method), MethodWrite::Written);
    return doh;
}

Money Office::line(std::int32_t item, Pozicija position) {
    Money amount;
    EXPECT_EQ(readAmount(store(), item, position, amount), StoreCode::Ok);
    return amount;
}

namespace {

Vrstedoh singleRate(std::uint8_t oznaka, const char* naziv, const char* expenses, const char* receipt) {
    return {.oznaka = oznaka, .naziv = naziv, .poreznastopa = rate("25"), .rnporez = "1406", .tipporez = "I",
            .visestopa = "NE", .priznatitroskovi = rate(expenses), .mirovinskoistup = rate("15"), .rnmoi = "8168",
            .tipmoi = "I", .mirovinskoiistup = rate("5"), .rnmoii = "2003", .tipmoii = "I",
            .zdravstvenoosiguranje = rate("15"), .rnzo = "8486", .tipzo = "I", .stupacidd = 4,
            .rezstringa = "02", .rezstringb = receipt};
}

}  // namespace

void Office::standardRegisters() {
    add(Opcine{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB", .rkont = "HR11", .racunporez = "1713312009",
               .stopaprireza = rate7("18")});
    add(Opcine{.oznaka = 2, .shifra = "4090", .naziv = "SPLIT", .rkont = "HR27", .racunporez = "1740912004",
               .stopaprireza = rate7("10")});
    add(Mjesta{.oznaka = 1, .naziv = "Zagreb", .opcina = 1, .postbroj = "10000"});
    add(Mjesta{.oznaka = 2, .naziv = "Split", .opcina = 2, .postbroj = "21000"});
    add(Ulice{.oznaka = 1, .naziv = "Ilica"});
    add(Ulice{.oznaka = 2, .naziv = "Marmontova"});
    add(Banke{.oznaka = 1, .naziv = "Zagrebačka banka", .vodecibroj = "2360000"});
    add(Subjekti{.oznaka = 1, .tip = "P", .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1,
                 .kucnibroj = "1", .banka = 1, .rkont = "HR54", .racun = "3200000007"});
    add(Osobe{.oznaka = 1, .ime = "Ivan", .prezime = "Horvat", .oib = "69435151530", .mjesto = 1, .ulica = 1,
              .kucnibroj = "10", .banka = 1, .rkont = "HR60", .racun = "1101234567", .drugistup = "DA",
              .faktorodbitka = rate("1")});
    add(Osobe{.oznaka = 2, .ime = "Ana", .prezime = "Kovačević", .oib = "94577403194", .mjesto = 2, .ulica = 2,
              .kucnibroj = "3", .fax = "DA", .email = "1333", .drugistup = "NE", .faktorodbitka = rate("1")});
    add(Osobe{.oznaka = 3, .ime = "Đurđa", .prezime = "Šimić", .jmbg = "0101990335008", .mjesto = 1,
              .drugistup = "DA", .faktorodbitka = rate("1")});
    add(singleRate(1, "Ugovor o djelu", "0", "4030"));
    add(singleRate(2, "Autorski honorar", "30", "4001"));
    add(Vrstedoh{.oznaka = 3, .naziv = "Naknada troškova", .neoporezividio = rate("100"), .visestopa = "NE",
                 .rezstringa = "00", .rezstringb = "0000"});
}

}  // namespace pramo::test
