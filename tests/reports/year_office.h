#pragma once
// The office of the year-end form tests, on top of the standard registers (clock in 2010, when
// a net above 6000 still paid crisis tax):
//   income types 4 "Ugovor o djelu" (account 1805, R-Sm basis "021"), 5 "Autorski honorar"
//     (account 1422, expenses 30 %), 6 "Bez računa" (no tax account);
//   payees 4 Bäcker "Ana  Marija" (typed with two blanks), 5 Zec Zoran, 6 Babić Marko;
//   payer 2 "Drugi obrt";
//   payment 1 of payer 1 on 15.03.2010, payment 2 of payer 1 on 01.07.2010, payment 3 of payer 1
//     on 31.12.2009 and payment 4 of payer 2 on 05.05.2010, items as in SetUp.
// Amounts are checked against sums taken with plain SQL over OBRACUN.

#include <gtest/gtest.h>

#include <string>

#include "preview/page.h"
#include "records/layouts/isplate.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/test_data.h"

namespace pramo::test {

class YearOffice : public testing::Test {
protected:
    YearOffice() : office(data.files, date(2010, 12, 20)) {}
    void SetUp() override;

    // A payment of payer `payer` on `day`.
    void payment(std::int32_t oznaka, std::int32_t payer, Date day);
    // Adds an item of `payee` and `type` with `net` to payment `isplata`.
    void item(std::int32_t isplata, std::int32_t payee, std::uint8_t type, const char* net);

    // Sum in cents of the lines at `positions` ("8,9") of payer 1's items dated in 2010, of the
    // payees numbered in `payees` ("1,4"; empty: every payee) and, when `accounts` is given, only
    // of income types paying into them.
    std::int64_t yearCents(const std::string& positions, const std::string& payees = {}, const std::string& accounts = {});
    // The same over the items of one payment.
    std::int64_t paymentCents(std::int32_t isplata, const std::string& positions, std::int32_t payee = 0);

    TestData data;
    Office office;
    RawDb raw{data.dir.file("pramo.db")};
    std::int32_t nextItem = 1;
};

// Amounts as the forms print them ("1.234,56") and as the return writes them ("1234.56" less
// trailing zeros), from a sum in cents.
std::string printed(std::int64_t cents);
std::string written(std::int64_t cents);

// The texts of a page's runs beside the run reading `text`: every run whose line lies at the same
// height, left to right ("" when the page has no such run).
std::vector<QString> rowBeside(const Page& page, const QString& text);
// Whether some run of the page reads `text`.
bool hasText(const Page& page, const QString& text);

}  // namespace pramo::test
