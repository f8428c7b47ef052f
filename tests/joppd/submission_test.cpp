// "JOP kreiranje": the identifier's form, author defaults carried from the last submission, one
// submission of serial number 1 per payment, and submissions going with their payment.

#include <gtest/gtest.h>

#include <set>

#include "joppd/submission.h"
#include "support/joppd_office.h"
#include "records/layouts/integrity.h"
#include "records/store/read_linked.h"

namespace pramo {
namespace {

// Always the same draw: the lowest or the highest value allowed.
struct Extreme : RandomSource {
    bool high = false;
    std::uint32_t below(std::uint32_t n) override { return high ? n - 1 : 0; }
};

TEST(Ujedi, FixedCharactersAndTheRangeOfEveryDraw) {
    Extreme low, high;
    high.high = true;
    EXPECT_EQ(ujedi(low), "00000000-0000-4000-8000-000000000000");
    EXPECT_EQ(ujedi(high), "ffffffff-ffff-4fff-bfff-ffffffffffff");
}

TEST(Ujedi, SystemIdentifiersHaveTheFormAndDiffer) {
    SystemRandom random;
    std::set<std::string> seen;
    std::set<char> variants;
    for (int i = 0; i < 400; ++i) {
        const std::string id = ujedi(random);
        ASSERT_TRUE(isUjed(id)) << id;
        EXPECT_EQ(id[14], '4') << id;
        variants.insert(id[19]);
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 400u);
    EXPECT_EQ(variants, (std::set<char>{'8', '9', 'a', 'b'}));
}

TEST(Ujedi, FormCheck) {
    for (const char* bad : {"", "3f9a", "3F9A0000-0000-4000-8000-000000000000", "3f9a0000-0000-4000-8000-00000000000g",
                            "3f9a0000/0000-4000-8000-000000000000", "../../../etc/passwd-0000-0000-000000"})
        EXPECT_FALSE(isUjed(bad)) << bad;
}

using JopKreiranje = test::OnEngine;

TEST_P(JopKreiranje, AuthorCarriesOverFromTheHighestNumber) {
    test::JoppdOffice o(GetParam());
    o.payment(1, test::date(2015, 3, 10));
    o.payment(2, test::date(2015, 3, 11));
    o.payment(3, test::date(2015, 3, 12));
    const auto first = createSubmission(o.store(), 2, o.random);
    ASSERT_EQ(first.status, SubmissionStatus::Created);
    EXPECT_EQ(first.message, "OBRAZAC KREIRAN");
    EXPECT_EQ(first.jopo.oznaka, 1);
    EXPECT_EQ(first.jopo.rbr, 1);
    EXPECT_TRUE(first.jopo.imeautora.blank() && first.jopo.prezimeautora.blank() && first.jopo.email.blank());
    EXPECT_TRUE(first.jopo.datoteka.blank());
    createSubmission(o.store(), 3, o.random, {.ime = "Ana", .prezime = "Horvat", .email = "ana@pramo.hr"});
    const auto third = createSubmission(o.store(), 1, o.random);
    EXPECT_EQ(third.jopo.oznaka, 3);
    EXPECT_EQ(third.jopo.isplata, 1);
    EXPECT_EQ(third.jopo.imeautora, "Ana");
    EXPECT_EQ(third.jopo.prezimeautora, "Horvat");
    EXPECT_EQ(third.jopo.email, "ana@pramo.hr");
    EXPECT_NE(third.jopo.ujed, first.jopo.ujed);
}

TEST_P(JopKreiranje, TwiceOnOnePaymentGivesTheFourLinesAndOneRecord) {
    test::JoppdOffice o(GetParam());
    o.payment(1, test::date(2015, 3, 10));
    ASSERT_EQ(createSubmission(o.store(), 1, o.random).status, SubmissionStatus::Created);
    const auto again = createSubmission(o.store(), 1, o.random);
    EXPECT_EQ(again.status, SubmissionStatus::AlreadyCreated);
    EXPECT_EQ(again.message,
              "GREŠKA! OVAJ OBRAZAC JE VEĆ KREIRAN\nAKO ŽELITE KREIRATI NOVI ZA ISTU ISPLATU\n"
              "UNESITE U JOP OBRASCIMA REDNI BROJ DRUGAČIJI OD 1\nILI IZBRIŠITE OBRAZAC U ISTOJ LISTI");
    std::int64_t n = 0;
    ASSERT_EQ(o.store().count(Jopo::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(createSubmission(o.store(), 9, o.random).status, SubmissionStatus::NoPayment);
}

TEST_P(JopKreiranje, DeletingThePaymentDeletesItsSubmissions) {
    test::JoppdOffice o(GetParam());
    Isplate isp = o.payment(1, test::date(2015, 3, 10));
    const Jopo jopo = o.submission(1);
    Integrity ri(o.files);
    ASSERT_EQ(ri.remove(isp), RiResult::Done);
    Jopo gone;
    EXPECT_EQ(readLinked(o.store(), jopo.oznaka, gone), StoreCode::NotFound);
}

PRAMO_ON_BOTH_ENGINES(JopKreiranje);

}  // namespace
}  // namespace pramo
