// Deleting through referential integrity: refusals by restricting children, cascades down the whole
// tree, and all of it undone when any part fails.

#include <gtest/gtest.h>

#include "integrity_fixture.h"
#include "support/raw_db.h"

namespace pramo {
namespace {

using test::PaymentShape;

class IntegrityDelete : public test::IntegrityTest {
protected:
    void addId1(std::int32_t oznaka, std::int32_t payer) { s.add(Id1{.oznaka = oznaka, .isplatitelj = payer}); }
    void addReturn(std::int32_t oznaka, std::int32_t payer, int lines) {
        s.add(Kriznica{.oznaka = oznaka, .isplatitelj = payer, .mjesec = static_cast<std::uint8_t>(oznaka)});
        for (int v = 1; v <= lines; ++v) s.add(Detkriz{.kriznica = oznaka, .vrsta = static_cast<std::uint8_t>(v)});
    }
};

const std::string referencedBy = "13 This record is referenced from the file ";
const std::string cannotDelete = ".  This record cannot be deleted while these references exist.";

// The payee's relation comes before the payer's, so the refusal names the payees.
TEST_P(IntegrityDelete, PlaceUsedByPayeeAndPayerIsRefusedNamingPayees) {
    auto mje = read<Mjesta>(1);
    EXPECT_EQ(s.ri.remove(mje), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), referencedBy + "osobe" + cannotDelete);
    EXPECT_EQ(s.messages.shown.back().title, "Referential Integrity Delete Error");
    EXPECT_EQ(s.count(Mjesta::table), 1);
    EXPECT_EQ(s.count(Osobe::table), 1);
    EXPECT_EQ(s.count(Subjekti::table), 1);
}

TEST_P(IntegrityDelete, PlaceUsedOnlyByAPayerIsRefusedNamingPayers) {
    s.add(Mjesta{.oznaka = 2, .naziv = "Split", .opcina = 1});
    s.add(Subjekti{.oznaka = 2, .naziv = "Drugi d.o.o.", .mjesto = 2, .ulica = 1, .banka = 1});
    auto mje = read<Mjesta>(2);
    EXPECT_EQ(s.ri.remove(mje), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), referencedBy + "subjekti" + cannotDelete);
    EXPECT_EQ(s.count(Mjesta::table), 2);
    EXPECT_EQ(s.count(Subjekti::table), 2);
}

TEST_P(IntegrityDelete, RestrictingRelationsNameTheirChild) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 1});
    struct Case {
        const char* what;
        std::function<RiResult()> remove;
        const char* child;
    };
    const std::vector<Case> cases{
        {"income type", [&] { auto r = read<Vrstedoh>(21); return s.ri.remove(r); }, "dohoci"},
        {"street", [&] { auto r = read<Ulice>(1); return s.ri.remove(r); }, "osobe"},
        {"bank", [&] { auto r = read<Banke>(1); return s.ri.remove(r); }, "osobe"},
        {"payee", [&] { auto r = read<Osobe>(1); return s.ri.remove(r); }, "dohoci"},
        {"municipality", [&] { auto r = read<Opcine>(1); return s.ri.remove(r); }, "mjesta"},
        {"payer", [&] { auto r = read<Subjekti>(1); return s.ri.remove(r); }, "isplate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.remove(), RiResult::Refused);
        EXPECT_EQ(test::lastBox(s), referencedBy + c.child + cannotDelete);
    }
}

// ID-1 forms are deleted before the payments are examined; the refusal undoes those deletes.
TEST_P(IntegrityDelete, PayerWithPaymentsDeletesNothing) {
    addId1(1, 1);
    addId1(2, 1);
    addReturn(3, 1, 2);
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    auto sub = read<Subjekti>(1);
    EXPECT_EQ(s.ri.remove(sub), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), referencedBy + "isplate" + cannotDelete);
    EXPECT_EQ(s.count(Subjekti::table), 1);
    EXPECT_EQ(s.count(Id1::table), 2);
    EXPECT_EQ(s.count(Kriznica::table), 1);
    EXPECT_EQ(s.count(Detkriz::table), 2);
    EXPECT_EQ(s.count(Isplate::table), 1);
}

// Without payments the payer goes with its ID-1 forms and its returns, each return's lines first.
TEST_P(IntegrityDelete, PayerWithoutPaymentsTakesFormsAndReturns) {
    s.add(Subjekti{.oznaka = 2});
    addId1(1, 1);
    addId1(2, 2);
    addReturn(3, 1, 4);
    addReturn(4, 2, 1);
    auto sub = read<Subjekti>(1);
    EXPECT_EQ(s.ri.remove(sub), RiResult::Done);
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(s.count(Subjekti::table), 1);
    EXPECT_EQ(s.countWith(Id1::keyIsplatitelj, 1), 0);
    EXPECT_EQ(s.countWith(Kriznica::keyIsplatitelj, 1), 0);
    EXPECT_EQ(s.countWith(Detkriz::keyKriznica, 3), 0);
    EXPECT_EQ(s.count(Id1::table), 1);
    EXPECT_EQ(s.count(Detkriz::table), 1);
    Subjekti gone{.oznaka = 1};
    EXPECT_EQ(s.store.get(Subjekti::keyOznaka, gone), StoreCode::NotFound);
}

TEST_P(IntegrityDelete, PaymentTakesSubmissionsItemsLinesAndSlots) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 3, .lines = 14, .submissions = 2});
    test::addPayment(s, {.isplata = 6, .payer = 1, .firstItem = 20, .items = 2});
    auto isp = read<Isplate>(5);
    EXPECT_EQ(s.ri.remove(isp), RiResult::Done);
    EXPECT_EQ(isp.row.id, 0);
    EXPECT_EQ(s.count(Isplate::table), 1);
    EXPECT_EQ(s.countWith(Jopo::keyIsplata, 5), 0);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 5), 0);
    for (std::int32_t item = 7; item <= 9; ++item) {
        EXPECT_EQ(s.countWith(Obracun::keyDohodak, item), 0);
        EXPECT_EQ(s.countWith(Svasta::keyDohodak, item), 0);
    }
    // The other payment is whole.
    EXPECT_EQ(s.count(Jopo::table), 1);
    EXPECT_EQ(s.count(Dohoci::table), 2);
    EXPECT_EQ(s.count(Obracun::table), 24);
    EXPECT_EQ(s.count(Svasta::table), 2);
}

TEST_P(IntegrityDelete, FilesWithoutChildrenWorkOnTheRecordAlone) {
    s.add(Param{.oznaka = 1});
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 1});
    auto param = read<Param>(1);
    s.ri.snap(param);
    param.oznaka = 2;
    param.xpos = -3;
    EXPECT_EQ(s.ri.update(param), RiResult::Done);
    EXPECT_EQ(read<Param>(2).xpos, -3);
    EXPECT_EQ(s.ri.remove(param), RiResult::Done);
    EXPECT_EQ(s.count(Param::table), 0);
    auto jopo = read<Jopo>(501);
    EXPECT_EQ(s.ri.remove(jopo), RiResult::Done);
    EXPECT_EQ(s.count(Jopo::table), 0);
    EXPECT_EQ(s.count(Isplate::table), 1);
    auto obr = s.get(Obracun::keyDohPoz, Obracun{.dohodak = 7, .pozicija = 3});
    EXPECT_EQ(s.ri.remove(obr), RiResult::Done);
    EXPECT_EQ(s.countWith(Obracun::keyDohodak, 7), 11);
}

// A line of the last item that cannot be deleted undoes everything deleted before it.
TEST_P(IntegrityDelete, FailureDeepInTheCascadeUndoesEverything) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 3});
    ASSERT_EQ(test::RawDb(books.where()).refuse("keep_line", "DELETE", "OBRACUN", "OLD.\"DOHODAK\" = 9 AND OLD.\"POZICIJA\" = 12"), 0);
    auto isp = read<Isplate>(5);
    EXPECT_EQ(s.ri.remove(isp), RiResult::Refused);
    EXPECT_EQ(s.messages.shown.back().title, "Delete Operation Error");
    EXPECT_EQ(test::lastBox(s), "17 An error (Slog s tom vrijednošću ključa već postoji (40)) was experienced when attempting to delete a "
                                "record from the file obracun.");
    EXPECT_EQ(s.count(Isplate::table), 1);
    EXPECT_EQ(s.count(Jopo::table), 1);
    EXPECT_EQ(s.count(Dohoci::table), 3);
    EXPECT_EQ(s.count(Obracun::table), 36);
    EXPECT_EQ(s.count(Svasta::table), 3);
    EXPECT_EQ(isp.row.id, read<Isplate>(5).row.id);  // the buffer still names the record
}

TEST_P(IntegrityDelete, ARecordAlreadyGoneIsReported) {
    auto uli = read<Ulice>(1);
    Ulice other = uli;
    ASSERT_EQ(s.store.erase(other), StoreCode::Ok);
    EXPECT_EQ(s.ri.remove(uli), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), "35 Error: (Slog nije pronađen (35)) attempting to access a record from the ulice file.  "
                                "Returning to previous window.");
}

// The caller's own walk over a file goes on where it was, whatever the operation read.
TEST_P(IntegrityDelete, CallersOrderIsUndisturbed) {
    for (std::int32_t n = 2; n <= 4; ++n) {
        s.add(Osobe{.oznaka = n, .prezime = std::string(1, static_cast<char>('A' + n)), .mjesto = 1});
    }
    Osobe oso;
    s.store.set(Osobe::keyPrezimeIme);
    ASSERT_EQ(s.store.next(oso), StoreCode::Ok);
    EXPECT_EQ(oso.prezime.str(), "C");
    auto mje = read<Mjesta>(1);
    EXPECT_EQ(s.ri.remove(mje), RiResult::Refused);
    ASSERT_EQ(s.store.next(oso), StoreCode::Ok);
    EXPECT_EQ(oso.prezime.str(), "D");
}

// Children are opened through the open count (a fresh directory has none of them yet) and closed
// again, whatever the outcome.
TEST(IntegrityFiles, ChildFilesOpenedAndClosedWhateverTheOutcome) {
    test::TempDir dir;
    test::Session s{dir.file("pramo.db")};
    Isplate isp{.oznaka = 5};
    s.add(isp);
    EXPECT_EQ(s.ri.remove(isp), RiResult::Done);
    EXPECT_TRUE(s.messages.shown.empty());
    for (const TableDef* t : {&Dohoci::table, &Jopo::table, &Obracun::table, &Svasta::table})
        EXPECT_EQ(s.files.openCount(*t), 0) << t->name;
    EXPECT_EQ(s.files.openCount(Isplate::table), 1);

    test::addRegisters(s);
    auto mje = s.get(Mjesta::keyOznaka, Mjesta{.oznaka = 1});
    EXPECT_EQ(s.ri.remove(mje), RiResult::Refused);
    EXPECT_EQ(s.files.openCount(Mjesta::table), 1);
    EXPECT_EQ(s.files.openCount(Osobe::table), 1);
    EXPECT_EQ(s.files.openCount(Subjekti::table), 1);
}

PRAMO_ON_BOTH_ENGINES(IntegrityDelete);

}  // namespace
}  // namespace pramo
