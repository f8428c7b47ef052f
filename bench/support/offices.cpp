#include "support/offices.h"

#include <algorithm>

#include "joppd/submission.h"
#include "payments/lines.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/layouts/mjesta.h"
#include "records/layouts/opcine.h"
#include "records/layouts/osobe.h"
#include "records/layouts/subjekti.h"
#include "records/layouts/ulice.h"
#include "records/layouts/vrstedoh.h"
#include "registers/check_digits.h"

namespace pramo {
namespace {

// A valid OIB of its own for payee `n`.
std::string oibOf(int n) {
    const std::string ten = std::to_string(1000000000LL + n);
    return ten + static_cast<char>('0' + mod11_10(ten));
}

void paymentRegisters(Store& st) {
    Opcine opc{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB"};
    Mjesta mje{.oznaka = 1, .naziv = "Zagreb", .opcina = 1};
    Ulice uli{.oznaka = 1, .naziv = "Ilica"};
    Subjekti sub{.oznaka = 1, .tip = "P", .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1, .kucnibroj = "1"};
    Vrstedoh vrs{.oznaka = 1, .naziv = "Autorski honorar", .visestopa = "NE", .rezstringa = "02", .rezstringb = "4001"};
    Isplate isp{.oznaka = 1, .isplatitelj = 1, .rsid = "15069", .datum = *Date::fromYmd(2015, 3, 10), .godina = "2015"};
    (void)st.add(opc);
    (void)st.add(mje);
    (void)st.add(uli);
    (void)st.add(sub);
    (void)st.add(vrs);
    (void)st.add(isp);
    for (int i = 1; i <= 200; ++i) {
        Osobe oso{.oznaka = i, .ime = "Ivan", .prezime = "Horvat Čačić", .oib = oibOf(i), .mjesto = 1};
        (void)st.add(oso);
    }
}

}  // namespace

PaymentOffice::PaymentOffice(int items, const std::string& where) : BenchData(allTables(), where) {
    Transaction tx(store, Store::lockWaitSeconds);
    paymentRegisters(store);
    const Lines lines = authorsFeeLines();
    for (int i = 1; i <= items; ++i) {
        Dohoci doh{.oznaka = i, .rednibroj = static_cast<std::uint16_t>(i), .isplata = 1, .djelatnik = 1 + i % 200,
                   .vrstadohotka = 1, .neto = Money::fromRaw(100000)};
        (void)store.add(doh);
        (void)writeLines(store, i, lines);
        (void)writePaymentMethod(store, i, 1);
    }
    (void)tx.commit();
    struct Fixed : RandomSource {
        std::uint32_t below(std::uint32_t n) override { return 7 % n; }
    } random;
    submission = createSubmission(store, 1, random, {.ime = "Marko", .prezime = "Marić", .email = "marko@pramo.hr"}).jopo.oznaka;
}

YearOffice::YearOffice(int items) : payees(std::max(1, items / itemsPerPayee)) {
    Transaction tx(store, Store::lockWaitSeconds);
    addRegisters();
    for (int year : {2014, 2015}) {
        for (int month = 1; month <= 12; ++month) {
            const Date day = *Date::fromYmd(year, month, 10);
            mustAdd(store, Isplate{.oznaka = (year - 2014) * 12 + month, .isplatitelj = 1,
                                   .rsid = std::to_string(year % 100 * 1000 + day.dayOfYear()), .datum = day,
                                   .godina = std::to_string(year)});
        }
    }
    for (int i = 0; i < 2 * items; ++i) addItem(i);
    mustSucceed(tx.commit());
}

void YearOffice::addRegisters() {
    mustAdd(store, Mjesta{.oznaka = 1, .naziv = "Zagreb", .opcina = 1, .postbroj = "10000"});
    mustAdd(store, Ulice{.oznaka = 1, .naziv = "Ilica"});
    mustAdd(store, Subjekti{.oznaka = 1, .naziv = "Pramo d.o.o.", .oib = "12345678903", .mjesto = 1, .ulica = 1, .kucnibroj = "1"});
    for (std::int32_t p = 1; p <= payees; ++p) {
        mustAdd(store, Osobe{.oznaka = p, .ime = "Ivan", .prezime = "Horvat " + std::to_string(p),
                             .mjesto = 1, .ulica = 1, .kucnibroj = "10"});
    }
    mustAdd(store, Vrstedoh{.oznaka = 1, .naziv = "Ugovor o djelu"});
    mustAdd(store, Vrstedoh{.oznaka = 2, .naziv = "Autorski honorar", .priznatitroskovi = *Rate::parse("30")});
}

void YearOffice::addItem(int i) {
    const std::int32_t item = i + 1;
    mustAdd(store, Dohoci{.oznaka = item, .isplata = 1 + i % 24, .djelatnik = 1 + (i / 2) % payees,
                          .vrstadohotka = static_cast<std::uint8_t>(1 + i % 2), .neto = *Money::parse("1000")});
    mustSucceed(writeLines(store, item, authorsFeeLines()));
}

}  // namespace pramo
