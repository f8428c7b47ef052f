#pragma once
// The office of the order tests: the standard registers, two more income types (JOPPD categories
// "11" and "01") and a payment of payer 1 built per test.

#include <gtest/gtest.h>

#include "orders/order_sequence.h"
#include "payments/lines.h"
#include "records/layouts/vrstedoh.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo::test {

class OrdersTest : public testing::Test {
protected:
    void SetUp() override {
        office.standardRegisters();
        Vrstedoh vrs = {.oznaka = 4, .naziv = "Primitak od nesamostalnog rada", .poreznastopa = rate("25"),
                        .visestopa = "NE", .mirovinskoistup = rate("15"), .mirovinskoiistup = rate("5"),
                        .zdravstvenoosiguranje = rate("15"), .rezstringa = "11"};
        office.add(vrs);
        vrs.oznaka = 5;
        vrs.naziv = "Drugi dohodak";
        vrs.rezstringa = "01";
        office.add(vrs);
    }

    // Payment 1 of payer 1 on that day, report label "15074".
    void payment(Date datum) {
        office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = datum, .godina = "2015"});
    }
    // Item n of payment 1: a payee's net amount of an income type, calculated by the engine.
    void item(std::int32_t n, std::int32_t payee, std::uint8_t type, const char* neto) {
        office.item({.oznaka = n, .rednibroj = static_cast<std::uint16_t>(n), .isplata = 1, .djelatnik = payee,
                     .vrstadohotka = type, .neto = money(neto)});
    }
    void setLine(std::int32_t n, Pozicija p, const char* amount) {
        ASSERT_EQ(writeLine(office.store(), n, p, money(amount)), StoreCode::Ok);
    }
    std::vector<PaymentOrder> orders(OrderForm form) {
        std::vector<PaymentOrder> out;
        EXPECT_EQ(paymentOrders(office.store(), 1, form, out), StoreCode::Ok);
        return out;
    }

    TestData data;
    Office office{data.files};
};

}  // namespace pramo::test
