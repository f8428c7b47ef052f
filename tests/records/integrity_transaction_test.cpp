// The transaction of an operation: messages come after the roll-back, and an operation inside a
// caller's own transaction undoes only its own part.

#include <gtest/gtest.h>

#include "integrity_fixture.h"

namespace pramo {
namespace {

// Notes how deep in transactions the store was whenever a box was shown.
class DepthWatch : public Messages {
public:
    explicit DepthWatch(const Store& st) : st_(st) {}
    int ask(const MessageBox& box) override {
        depths.push_back(st_.transactionDepth());
        return box.defaultButton;
    }
    void halt(const std::string&) override {}
    std::vector<int> depths;

private:
    const Store& st_;
};

using IntegrityTransaction = test::IntegrityTest;

TEST_P(IntegrityTransaction, BoxesAreShownWithNoTransactionOpen) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 1});
    DepthWatch watch(s.store);
    Files files(s.store);
    Integrity ri(files);
    auto mje = s.get(Mjesta::keyOznaka, Mjesta{.oznaka = 1});
    EXPECT_EQ(shown(watch, ri.remove(mje)), RiResult::Refused);
    auto vrs = s.get(Vrstedoh::keyOznaka, Vrstedoh{.oznaka = 21});
    vrs.oznaka = 22;
    EXPECT_EQ(shown(watch, ri.update(vrs)), RiResult::Refused);
    EXPECT_EQ(watch.depths, (std::vector<int>{0, 0}));
}

TEST_P(IntegrityTransaction, InsideTheCallersTransactionOnlyItsOwnPartIsUndone) {
    {
        Transaction outer(s.store, Store::lockWaitSeconds);
        s.add(Ulice{.oznaka = 2, .naziv = "Vlaška"});
        auto mje = s.get(Mjesta::keyOznaka, Mjesta{.oznaka = 1});
        EXPECT_EQ(s.ri.remove(mje), RiResult::Refused);
        EXPECT_EQ(s.store.transactionDepth(), 1);
        EXPECT_EQ(outer.commit(), StoreCode::Ok);
    }
    EXPECT_EQ(s.count(Ulice::table), 2);
    {
        Transaction outer(s.store, Store::lockWaitSeconds);
        auto uli = s.get(Ulice::keyOznaka, Ulice{.oznaka = 2});
        EXPECT_EQ(s.ri.remove(uli), RiResult::Done);
        EXPECT_EQ(s.count(Ulice::table), 1);
    }  // the caller gives up: the delete goes with the rest
    EXPECT_EQ(s.count(Ulice::table), 2);
}

PRAMO_ON_BOTH_ENGINES(IntegrityTransaction);

}  // namespace
}  // namespace pramo
