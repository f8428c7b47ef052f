#include <gtest/gtest.h>

#include "payments/duplication.h"
#include "payments/lines.h"
#include "records/layouts/obracun.h"
#include "records/layouts/svasta.h"
#include "support/office.h"
#include "support/raw_db.h"
#include "support/test_data.h"

namespace pramo {
namespace {

using test::date;

// Payment 1 with three items (8, 3, 5 in key order: numbers not in item order), their lines 1 to
// 12 from the engine, lines 13 and 14, a hand-entered line 20 and the payment methods.
class DuplicationTest : public ::testing::TestWithParam<test::Engine> {
protected:
    void SetUp() override {
        if (!data.books.available()) GTEST_SKIP() << "no PostgreSQL test server";
        office.standardRegisters();
        office.add(Isplate{.oznaka = 1, .isplatitelj = 1, .rsid = "15074", .datum = date(2015, 3, 15), .godina = "2015"});
        office.add(Isplate{.oznaka = 2, .isplatitelj = 1, .rsid = "15075", .datum = date(2015, 3, 16), .godina = "2015"});
        office.item({.oznaka = 8, .rednibroj = 1, .isplata = 1, .djelatnik = 1, .vrstadohotka = 1, .neto = test::money("1000")}, 1);
        office.item({.oznaka = 3, .rednibroj = 2, .isplata = 1, .djelatnik = 2, .vrstadohotka = 2, .neto = test::money("250.50")}, 4);
        office.item({.oznaka = 5, .rednibroj = 3, .isplata = 1, .djelatnik = 3, .vrstadohotka = 3, .neto = test::money("99.99")});
        EXPECT_EQ(writeLine(data.store, 3, std::uint16_t{20}, test::money("12.34")), StoreCode::Ok);
        Svasta extra{.dohodak = 5, .broj = 2, .vrishort = 7, .vritekst = "napomena"};
        office.add(extra);
    }

    DuplicateRequest request(std::int32_t from, std::int32_t number, const char* rsid = "15080") {
        return {.from = from, .number = number, .datum = date(2015, 3, 21), .rsid = rsid, .godina = "2015"};
    }
    std::int64_t count(const TableDef& t) {
        std::int64_t n = 0;
        EXPECT_EQ(data.store.count(t, n), StoreCode::Ok);
        return n;
    }
    // Every item, line and slot of the data directory, to tell that nothing was written.
    std::vector<std::int64_t> counts() {
        return {count(Isplate::table), count(Dohoci::table), count(Obracun::table), count(Svasta::table)};
    }
    std::vector<std::string> linesOf(std::int32_t item) {
        std::vector<Obracun> lines;
        EXPECT_EQ(readLines(data.store, item, lines), StoreCode::Ok);
        std::vector<std::string> out;
        for (const Obracun& l : lines) out.push_back(std::to_string(l.pozicija) + "=" + l.iznos.toString());
        std::sort(out.begin(), out.end());
        return out;
    }
    std::vector<std::string> slotsOf(std::int32_t item) {
        std::vector<std::string> out;
        for (std::uint8_t broj = 1; broj <= 2; ++broj) {
            Svasta s{.dohodak = item, .broj = broj};
            if (ok(data.store.get(Svasta::keyDohBroj, s)))
                out.push_back(std::to_string(broj) + ":" + std::to_string(s.vrishort) + ":" + s.vritekst.str());
        }
        return out;
    }

    test::TestData data{GetParam()};
    test::Office office{data.files};
};

TEST_P(DuplicationTest, ProposalIsTheNextNumberAndTheFirstFreeDay) {
    Isplate old;
    DuplicateRequest req;
    ASSERT_EQ(proposeDuplicate(data.store, 1, date(2015, 3, 15), old, req), StoreCode::Ok);
    EXPECT_EQ(old.rsid, "15074");
    EXPECT_EQ(req.number, 3);
    EXPECT_EQ(req.datum, date(2015, 3, 17));
    EXPECT_EQ(req.rsid, "15076");
    EXPECT_EQ(proposeDuplicate(data.store, 9, date(2015, 3, 15), old, req), StoreCode::NotFound);
}

// Items get consecutive numbers after the highest, in the old payment's key order, with their own
// ordinal, payee, type and net; lines (13, 14 and the hand line too) and slots come along unchanged.
TEST_P(DuplicationTest, CopiesItemsLinesAndSlotsAsStored) {
    const DuplicateOutcome out = duplicatePayment(data.store, request(1, 3));
    ASSERT_TRUE(out.done()) << out.message;
    EXPECT_EQ(out.items, 3);
    Isplate isp{.oznaka = 3};
    ASSERT_EQ(data.store.get(Isplate::keyOznaka, isp), StoreCode::Ok);
    EXPECT_EQ(isp.isplatitelj, 1);
    EXPECT_EQ(isp.rsid, "15080");
    EXPECT_EQ(isp.datum, date(2015, 3, 21));
    const std::pair<std::int32_t, std::int32_t> copies[] = {{8, 9}, {3, 10}, {5, 11}};
    for (const auto& [from, to] : copies) {
        SCOPED_TRACE(from);
        Dohoci a{.oznaka = from}, b{.oznaka = to};
        ASSERT_EQ(data.store.get(Dohoci::keyOznaka, a), StoreCode::Ok);
        ASSERT_EQ(data.store.get(Dohoci::keyOznaka, b), StoreCode::Ok);
        EXPECT_EQ(b.isplata, 3);
        EXPECT_EQ(std::tie(b.rednibroj, b.djelatnik, b.vrstadohotka, b.neto), std::tie(a.rednibroj, a.djelatnik, a.vrstadohotka, a.neto));
        EXPECT_EQ(linesOf(to), linesOf(from));
        EXPECT_EQ(slotsOf(to), slotsOf(from));
    }
    EXPECT_EQ(linesOf(10).size(), 15u);  // 1 to 14 and the hand line 20
}

TEST_P(DuplicationTest, EmptyPaymentIsCopiedEmpty) {
    const auto before = counts();
    const DuplicateOutcome out = duplicatePayment(data.store, request(2, 3));
    ASSERT_TRUE(out.done()) << out.message;
    EXPECT_EQ(out.items, 0);
    EXPECT_EQ(counts(), (std::vector<std::int64_t>{before[0] + 1, before[1], before[2], before[3]}));
}

// A number already taken (the same window pressed twice) or an RS Id the payer has in that year:
// the payment is refused and nothing is written.
TEST_P(DuplicationTest, RefusedPaymentWritesNothing) {
    ASSERT_TRUE(duplicatePayment(data.store, request(1, 3)).done());
    const auto before = counts();
    const DuplicateRequest refused[] = {request(1, 3, "15081"), request(1, 4, "15075"), request(9, 4)};
    for (const DuplicateRequest& r : refused) {
        const DuplicateOutcome out = duplicatePayment(data.store, r);
        EXPECT_FALSE(out.done());
        EXPECT_EQ(counts(), before);
    }
    EXPECT_EQ(duplicatePayment(data.store, request(1, 4, "15075")).message, paymentRefusedText);
    EXPECT_EQ(duplicatePayment(data.store, request(9, 4)).status, DuplicateStatus::NoSuchPayment);
}

// A failure part way (the third file refuses a slot of the last item) undoes the payment, the
// items and the lines already added, and says the copy was not made.
TEST_P(DuplicationTest, FailurePartWayLeavesNothing) {
    test::RawDb raw(data.books.where());
    ASSERT_EQ(raw.refuse("refuse_slot", "INSERT", "SVASTA", "NEW.\"DOHODAK\" = 11 AND NEW.\"BROJ\" = 2"), SQLITE_OK);
    const auto before = counts();
    const DuplicateOutcome out = duplicatePayment(data.store, request(1, 3));
    EXPECT_EQ(out.status, DuplicateStatus::CopyFailed);
    EXPECT_NE(out.message.find("Nova isplata nije napravljena."), std::string::npos) << out.message;
    EXPECT_EQ(counts(), before);
    Isplate isp{.oznaka = 3};
    EXPECT_EQ(data.store.get(Isplate::keyOznaka, isp), StoreCode::NotFound);
}

// Another program took the number, or the payer's day, after the proposal: the command line's
// copy moves on to the next number, and to the next free day when the day was proposed, as a
// proposal made a moment later would have; the window's copy is refused with what it showed.
TEST_P(DuplicationTest, ATakenNumberOrDayIsTakenAgainWhereTheRequestAllows) {
    ASSERT_TRUE(duplicatePayment(data.store, request(1, 3)).done());  // number 3, 21.03.2015 ("15080")
    const struct {
        Retake retake;
        const char* rsid;
        std::int32_t number;  // 0: refused
        const char* day;
        const char* madeRsid;
    } cases[] = {
        {Retake::Nothing, "15090", 0, "", ""},
        {Retake::Number, "15080", 0, "", ""},  // the day was the user's: refused
        {Retake::Number, "15090", 4, "21.03.2015", "15090"},
        {Retake::NumberAndDay, "15080", 5, "22.03.2015", "15081"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rsid);
        DuplicateRequest req = request(1, 3, c.rsid);
        req.retake = c.retake;
        const DuplicateOutcome out = duplicatePayment(data.store, req);
        ASSERT_EQ(out.done(), c.number != 0) << out.message;
        if (!out.done()) continue;
        EXPECT_EQ(out.made.oznaka, c.number);
        EXPECT_EQ(out.made.datum.toString(), c.day);
        EXPECT_EQ(out.made.rsid, c.madeRsid);
        Dohoci doh{.isplata = c.number};
        EXPECT_EQ(data.store.get(Dohoci::keyIsplata, doh), StoreCode::Ok);  // the items follow the new number
    }
}

PRAMO_ON_BOTH_ENGINES(DuplicationTest);

}  // namespace
}  // namespace pramo
