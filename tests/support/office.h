#pragma once
// A small office for document and screen tests, built record by record with designated
// initializers. Every amount of an income item comes from the calculation engine, never typed:
//
//   test::TestData data;
//   test::Office office(data.files);        // every file open
//   office.standardRegisters();              // the registers listed below
//   const Isplate isp = office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074",
//                                          .datum = test::date(2015, 3, 15), .godina = "2015"});
//   office.item({.oznaka = 1, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1,
//                .neto = test::money("1000.00")});
//
// The standard registers:
//   municipalities 1 ZAGREB "1333" surtax 18.00 (account 1713312009, HR11) and 2 SPLIT "4090"
//     surtax 10.00 (account 1740912004, HR27); places 1 Zagreb (10000, in 1) and 2 Split (21000, in 2);
//     streets 1 Ilica and 2 Marmontova; bank 1 "Zagrebačka banka" 2360000;
//   payer 1 "Pramo d.o.o." (P, OIB 12345678903) in Zagreb, Ilica 1;
//   payees 1 Horvat Ivan (Zagreb, pillar II, OIB 69435151530, account HR60 2360000 1101234567),
//     2 Kovačević Ana (Split, not in pillar II, OIB 94577403194, works in municipality "1333"),
//     3 Šimić Đurđa (Zagreb, pillar II, no OIB, JMBG 0101990335008); allowance factor 1.00 each;
//   income types 1 "Ugovor o djelu" (single rate: expenses 0, pillars 15 and 5, health 15, tax
//     25 %; JOPPD "02"/"4030"), 2 "Autorski honorar" (expenses 30 %, otherwise as 1; "02"/"4001"),
//     3 "Naknada troškova" (non-taxable: every rate 0, 100 % non-taxable; "00"/"0000");
//   the tax brackets delivered with the program.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "payments/working_values.h"
#include "records/layouts/dohoci.h"
#include "records/layouts/isplate.h"
#include "records/store/files.h"
#include "records/values/date.h"

namespace pramo {

// Amounts in test failures as "1439.26".
template <int N, int P>
void PrintTo(const Dec<N, P>& value, std::ostream* os) {
    *os << value.toString();
}

}  // namespace pramo

namespace pramo::test {

template <class D>
D dec(const char* text) {
    return *D::parse(text);
}
inline Money money(const char* text) { return dec<Money>(text); }
inline Rate rate(const char* text) { return dec<Rate>(text); }
inline Rate7 rate7(const char* text) { return dec<Rate7>(text); }
Date date(int year, int month, int day);

class Office {
public:
    // Opens every file of the program (created when missing, with their delivered data).
    explicit Office(Files& files, Date today = date(2015, 3, 15));

    Store& store() { return files_.store(); }
    const Clock& clock() const { return clock_; }

    // Adds a record; a failure fails the test.
    template <class R>
    R add(R rec) {
        EXPECT_EQ(store().add(rec), StoreCode::Ok) << R::table.name;
        return rec;
    }

    // Adds the item, calculates its lines 1 to 12 (and 13, 14) as the item form does, and gives it
    // a payment method when `method` is 1 to 7. Answers the item as stored.
    Dohoci item(Dohoci doh, std::int16_t method = 0);
    // The amount of one stored line of an item (zero when it has none).
    Money line(std::int32_t item, Pozicija position);

    void standardRegisters();

private:
    Files& files_;
    FixedClock clock_;
};

}  // namespace pramo::test
