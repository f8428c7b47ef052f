#include <gtest/gtest.h>

#include <functional>

#include "payments/payment_dates.h"
#include "records/store/key_encoding.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/test_data.h"

namespace pramo {
namespace {

using test::date;

std::string hex(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out = "X'";
    for (unsigned char b : bytes) out += {digits[b >> 4], digits[b & 15]};
    return out + "'";
}

// Payment 1 of 15 March 2015 (RS Id 15074, year 2015) moved to 15 March 2016 by each kind of
// writer: afterwards every reader finds it in 2016 alone.
class PaymentYear : public ::testing::Test {
protected:
    void SetUp() override { office.standardRegisters(); }
    void addPayment() {
        office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = date(2015, 3, 15), .godina = "2015"});
    }
    Isplate stored() {
        Isplate isp{.oznaka = 1};
        EXPECT_EQ(data.store.get(Isplate::keyOznaka, isp), StoreCode::Ok);
        return isp;
    }
    // Found under the payer, year and RS Id?
    bool listedUnder(const char* year) {
        Isplate isp{.isplatitelj = 1, .rsid = "15074", .godina = year};
        return ok(data.store.get(Isplate::keyRsidIsplatitelj, isp));
    }
    std::string raw(const std::string& sql) { return test::RawDb(data.dir.file("pramo.db")).value(sql); }
    void rawly(const std::string& sql) { EXPECT_EQ(test::RawDb(data.dir.file("pramo.db")).exec(sql), 0) << sql; }

    test::TestData data;
    test::Office office{data.files};
};

TEST_F(PaymentYear, StoredYearFollowsTheDateWhoeverMovedIt) {
    const std::string moved = std::to_string(date(2016, 3, 15).serial());
    const struct {
        const char* writer;
        std::function<void()> move;
    } cases[] = {
        // a form or command writing the record with its old year
        {"the program", [&] {
             Isplate isp = stored();
             isp.datum = date(2016, 3, 15);
             EXPECT_EQ(data.store.put(isp), StoreCode::Ok);
         }},
        // sqlite3 changing the date: the file's keys are rebuilt when it is next opened
        {"another tool", [&] {
             rawly("UPDATE ISPLATE SET DATUM = " + moved + " WHERE OZNAKA = 1");
             data.files.close(Isplate::table);
             EXPECT_EQ(data.files.open(Isplate::table), StoreCode::KeysInvalid);  // the user says yes:
             EXPECT_EQ(data.files.rebuildKeys(Isplate::table), StoreCode::Ok);
             EXPECT_EQ(data.files.open(Isplate::table), StoreCode::Ok);
         }},
        // an earlier version, which kept the year and keyed the payment under it
        {"an earlier version", [&] {
             const Isplate old{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = date(2016, 3, 15), .godina = "2015"};
             std::string keys;
             for (const KeyDef* k : Isplate::table.keys)
                 if (const auto v = encodeKey(*k, &old)) keys += ", " + k->column() + " = " + hex(*v);
             rawly("UPDATE ISPLATE SET DATUM = " + moved + keys + ", _ver = _ver + 1 WHERE OZNAKA = 1");
             EXPECT_TRUE(listedUnder("2015"));
             EXPECT_EQ(upgradePaymentYears(data.store), StoreCode::Ok);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.writer);
        addPayment();
        c.move();
        EXPECT_EQ(stored().godina, "2016");
        EXPECT_EQ(raw("SELECT GODINA FROM ISPLATE WHERE OZNAKA = 1"), "2016");
        EXPECT_TRUE(listedUnder("2016"));
        EXPECT_FALSE(listedUnder("2015"));
        std::int64_t stale = -1;
        EXPECT_EQ(data.store.verifyKeys(Isplate::table, stale), StoreCode::Ok);
        EXPECT_EQ(stale, 0);
        rawly("DELETE FROM ISPLATE");
    }
}

// A payment without a date keeps the year it was given.
TEST_F(PaymentYear, WithoutADateTheYearStays) {
    Isplate isp{.oznaka = 2, .isplatitelj = 1, .rsid = "14001", .godina = "2014"};
    ASSERT_EQ(data.store.add(isp), StoreCode::Ok);
    Isplate back{.oznaka = 2};
    ASSERT_EQ(data.store.get(Isplate::keyOznaka, back), StoreCode::Ok);
    EXPECT_EQ(back.godina, "2014");
}

}  // namespace
}  // namespace pramo
