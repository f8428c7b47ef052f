#pragma once
// The shared test office in April 2010, when the crisis tax was still due (4 % of a net payout
// above 6.000,00), with a second payer, and helpers to pay items and open returns.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payments/lines.h"
#include "records/layouts/detkriz.h"
#include "records/layouts/kriznica.h"
#include "records/layouts/subjekti.h"
#include "records/store/cursor.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo::test {

class CrisisOffice : public testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        office.add(Subjekti{.oznaka = 2, .tip = "P", .naziv = "Drugi isplatitelj d.o.o.", .oib = "94577403194", .mjesto = 2});
    }

    // A payment of `payer` on `day` with one item of net `neto` for `payee`, calculated by the
    // engine; answers the item's number.
    std::int32_t pay(std::int32_t payer, Date day, std::int32_t payee, const char* neto) {
        ++payments_;
        office.add(Isplate{.oznaka = payments_, .isplatitelj = payer, .rsid = std::to_string(10000 + payments_),
                           .datum = day, .godina = std::to_string(day.year())});
        office.item({.oznaka = payments_, .rednibroj = 1, .isplata = payments_, .djelatnik = payee,
                     .vrstadohotka = 1, .neto = money(neto)});
        return payments_;
    }

    Kriznica addReturn(std::int32_t oznaka, std::int32_t payer, const char* godina, std::uint8_t mjesec) {
        return office.add(Kriznica{.oznaka = oznaka, .isplatitelj = payer, .godina = godina, .mjesec = mjesec});
    }

    // Every line of a return, in the order of their kinds.
    std::vector<Detkriz> linesOf(std::int32_t kriznica) {
        std::vector<Detkriz> out;
        Cursor c(office.store(), Detkriz::keyGlavni);
        Detkriz dkr{.kriznica = kriznica};
        c.setFrom(dkr);
        while (ok(c.next(dkr)) && dkr.kriznica == kriznica) out.push_back(dkr);
        return out;
    }

    TestData data;
    Office office{data.files, date(2010, 4, 10)};

private:
    std::int32_t payments_ = 0;
};

}  // namespace pramo::test
