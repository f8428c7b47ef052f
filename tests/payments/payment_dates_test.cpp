#include <gtest/gtest.h>

#include "payments/payment_dates.h"
#include "records/layouts/subjekti.h"
#include "support/office.h"
#include "support/test_data.h"

namespace pramo {
namespace {

using test::date;

TEST(PaymentDates, RsIdOfADate) {
    const struct {
        Date d;
        const char* rsid;
    } cases[] = {{date(2014, 2, 1), "14032"},  {date(2016, 12, 31), "16366"}, {date(2015, 1, 5), "15005"},
                 {date(2013, 12, 31), "13365"}, {date(2000, 1, 1), "00001"},   {Date{}, ""}, {date(1999, 12, 31), ""}};
    for (const auto& c : cases) EXPECT_EQ(rsIdOf(c.d), c.rsid) << c.d.toString();
}

// From 2014 on the date's RS Id replaces the one stored; up to 2013 the typed one stays, and the
// year never follows the date.
TEST(PaymentDates, DateReplacesTheRsIdFrom2014) {
    const struct {
        Date d;
        const char* rsid;
    } cases[] = {{date(2013, 6, 30), "12345"}, {date(2013, 12, 31), "12345"}, {date(2014, 1, 1), "14001"},
                 {date(2016, 12, 31), "16366"}};
    for (const auto& c : cases) {
        Isplate isp{.rsid = "12345", .datum = c.d, .godina = "2012"};
        rsIdFromDate(isp);
        EXPECT_EQ(isp.rsid, c.rsid) << c.d.toString();
        EXPECT_EQ(isp.godina, "2012");
    }
}

class FreeDayTest : public ::testing::Test {
protected:
    void SetUp() override { office.standardRegisters(); }
    void pay(std::int32_t n, std::int32_t payer, Date d) {
        office.add(Isplate{.oznaka = n, .isplatitelj = payer, .rsid = rsIdOf(d), .datum = d, .godina = std::to_string(d.year())});
    }
    Isplate freeDay(std::int32_t payer, Date from) {
        Isplate isp;
        EXPECT_EQ(firstFreeDay(data.store, payer, from, isp), StoreCode::Ok);
        return isp;
    }
    test::TestData data;
    test::Office office{data.files};
};

// Today and tomorrow are taken: the day after tomorrow is proposed; another payer's payments do
// not count, and the search runs on into the next year.
TEST_F(FreeDayTest, FirstDayWithoutAPayment) {
    office.add(Subjekti{.oznaka = 2, .naziv = "Drugi"});
    pay(1, 1, date(2015, 3, 15));
    pay(2, 1, date(2015, 3, 16));
    pay(3, 2, date(2015, 3, 17));
    pay(4, 1, date(2015, 12, 31));
    const Isplate isp = freeDay(1, date(2015, 3, 15));
    EXPECT_EQ(isp.datum, date(2015, 3, 17));
    EXPECT_EQ(isp.rsid, "15076");
    EXPECT_EQ(isp.godina, "2015");
    EXPECT_EQ(isp.isplatitelj, 1);
    EXPECT_EQ(freeDay(2, date(2015, 3, 15)).datum, date(2015, 3, 15));
    const Isplate wrapped = freeDay(1, date(2015, 12, 31));
    EXPECT_EQ(wrapped.rsid, "16001");
    EXPECT_EQ(wrapped.godina, "2016");
}

TEST_F(FreeDayTest, NextPaymentNumber) {
    std::int32_t n = 0;
    EXPECT_EQ(nextPaymentNumber(data.store, n), StoreCode::Ok);
    EXPECT_EQ(n, 1);
    pay(41, 1, date(2015, 3, 15));
    EXPECT_EQ(nextPaymentNumber(data.store, n), StoreCode::Ok);
    EXPECT_EQ(n, 42);
}

}  // namespace
}  // namespace pramo
