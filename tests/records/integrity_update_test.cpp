// Writing a changed record through referential integrity: a changed number carried to the children
// or refused by them, an unchanged one touching nothing, and every failure undoing all of it.

#include <gtest/gtest.h>

#include "integrity_fixture.h"

namespace pramo {
namespace {

class IntegrityUpdate : public test::IntegrityTest {
protected:
    // A record as a form has it: read by number, its snapshot taken.
    template <class R> R open(std::int64_t number) {
        R rec = read<R>(number);
        s.ri.snap(rec);
        return rec;
    }
    template <class R> bool exists(std::int64_t number) {
        R rec;
        R::table.fields.front().setInt(&rec, number);
        return ok(s.store.get(R::table.primaryKey(), rec));
    }
};

TEST_P(IntegrityUpdate, IncomeTypeInUseKeepsItsNumber) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    auto vrs = open<Vrstedoh>(21);
    vrs.oznaka = 22;
    vrs.naziv = "Autorski honorar";
    EXPECT_EQ(s.ri.update(vrs), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), "12 This record is referenced from the file dohoci.  Linking field(s) have been "
                                "restricted from change and have been reset to original values.");
    EXPECT_EQ(s.messages.shown.back().title, "Referential Integrity Update Error");
    EXPECT_EQ(vrs.oznaka, 21);
    EXPECT_TRUE(exists<Vrstedoh>(21));
    EXPECT_FALSE(exists<Vrstedoh>(22));
    EXPECT_EQ(open<Vrstedoh>(21).naziv.str(), "Ugovor o djelu");
    EXPECT_EQ(s.countWith(Dohoci::keyVrstaDohotka, 21), 2);
    // The buffer can be written again as it stands now.
    EXPECT_EQ(s.ri.update(vrs), RiResult::Done);
    EXPECT_EQ(open<Vrstedoh>(21).naziv.str(), "Autorski honorar");
}

TEST_P(IntegrityUpdate, UnchangedNumberTouchesNoChild) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    auto oso = open<Osobe>(1);
    oso.prezime = "Kovač";
    EXPECT_EQ(s.ri.update(oso), RiResult::Done);
    auto isp = open<Isplate>(5);
    isp.godina = "2015";
    EXPECT_EQ(s.ri.update(isp), RiResult::Done);
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(open<Osobe>(1).prezime.str(), "Kovač");
    EXPECT_EQ(open<Isplate>(5).godina.str(), "2015");
    for (std::int32_t item : {7, 8}) EXPECT_EQ(open<Dohoci>(item).row.version, 1) << item;
    EXPECT_EQ(open<Jopo>(501).row.version, 1);
}

TEST_P(IntegrityUpdate, PaymentNumberFollowsIntoItemsAndSubmissions) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 3, .submissions = 2});
    test::addPayment(s, {.isplata = 6, .payer = 1, .firstItem = 20, .items = 1});
    auto isp = open<Isplate>(5);
    isp.oznaka = 50;
    EXPECT_EQ(s.ri.update(isp), RiResult::Done);
    EXPECT_FALSE(exists<Isplate>(5));
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 5), 0);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 50), 3);
    EXPECT_EQ(s.countWith(Jopo::keyIsplata, 50), 2);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 6), 1);
    EXPECT_EQ(s.countWith(Obracun::keyDohodak, 7), 12);  // lines hang on the item, not the payment
    // The record stands under its new number: a second change carries from there.
    isp.oznaka = 51;
    EXPECT_EQ(s.ri.update(isp), RiResult::Done);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 51), 3);
    EXPECT_EQ(s.countWith(Jopo::keyIsplata, 51), 2);
}

TEST_P(IntegrityUpdate, ItemNumberFollowsIntoLinesAndSlots) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2, .lines = 14});
    auto doh = open<Dohoci>(7);
    doh.oznaka = 70;
    EXPECT_EQ(s.ri.update(doh), RiResult::Done);
    EXPECT_EQ(s.countWith(Obracun::keyDohodak, 70), 14);
    EXPECT_EQ(s.countWith(Svasta::keyDohodak, 70), 1);
    EXPECT_EQ(s.countWith(Obracun::keyDohodak, 7), 0);
    EXPECT_EQ(s.countWith(Obracun::keyDohodak, 8), 14);
}

TEST_P(IntegrityUpdate, PayerAndMunicipalityNumbersFollow) {
    s.add(Subjekti{.oznaka = 2});
    s.add(Id1{.oznaka = 1, .isplatitelj = 2});
    s.add(Kriznica{.oznaka = 3, .isplatitelj = 2});
    s.add(Detkriz{.kriznica = 3, .vrsta = 1});
    s.add(Opcine{.oznaka = 2});
    s.add(Uplatnirn{.oznaka = 1, .opcina = 2});

    auto payer = open<Subjekti>(2);
    payer.oznaka = 9;
    EXPECT_EQ(s.ri.update(payer), RiResult::Done);
    EXPECT_EQ(s.countWith(Id1::keyIsplatitelj, 9), 1);
    EXPECT_EQ(s.countWith(Kriznica::keyIsplatitelj, 9), 1);
    EXPECT_EQ(s.countWith(Detkriz::keyKriznica, 3), 1);
    auto ret = open<Kriznica>(3);
    ret.oznaka = 4;
    EXPECT_EQ(s.ri.update(ret), RiResult::Done);
    EXPECT_EQ(s.countWith(Detkriz::keyKriznica, 4), 1);
    auto mun = open<Opcine>(2);
    mun.oznaka = 3;
    EXPECT_EQ(s.ri.update(mun), RiResult::Done);
    EXPECT_EQ(s.countWith(Uplatnirn::keyOpcina, 3), 1);
    EXPECT_TRUE(s.messages.shown.empty());
}

// The ID-1 forms follow before the payments refuse; the refusal puts them back.
TEST_P(IntegrityUpdate, PayerWithPaymentsKeepsItsNumberAndForms) {
    s.add(Id1{.oznaka = 1, .isplatitelj = 1});
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 1});
    auto sub = open<Subjekti>(1);
    sub.oznaka = 9;
    EXPECT_EQ(s.ri.update(sub), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), "12 This record is referenced from the file isplate.  Linking field(s) have been "
                                "restricted from change and have been reset to original values.");
    EXPECT_EQ(sub.oznaka, 1);
    EXPECT_EQ(s.countWith(Id1::keyIsplatitelj, 1), 1);
    EXPECT_FALSE(exists<Subjekti>(9));
}

// A child that cannot take the new number undoes the children already carried and the parent.
TEST_P(IntegrityUpdate, ChildThatCannotFollowUndoesEverything) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    s.add(Jopo{.oznaka = 99, .isplata = 6, .rbr = 1});  // a submission left for a payment 6 that no longer exists
    auto isp = open<Isplate>(5);
    isp.oznaka = 6;
    EXPECT_EQ(s.ri.update(isp), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), "15 Greška(Slog s tom vrijednošću ključa već postoji (40)) se pojavila prilikom ažuriranja sloga.  "
                                "Vjerojatan razlog: jopo.");
    EXPECT_EQ(isp.oznaka, 6);  // only a restricting child resets the number
    EXPECT_TRUE(exists<Isplate>(5));
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 5), 2);
    EXPECT_EQ(s.countWith(Jopo::keyIsplata, 5), 1);
}

TEST_P(IntegrityUpdate, DuplicateNumberIsReportedForTheFile) {
    s.add(Vrstedoh{.oznaka = 22});
    auto vrs = open<Vrstedoh>(22);
    vrs.oznaka = 21;
    EXPECT_EQ(s.ri.update(vrs), RiResult::Refused);
    EXPECT_EQ(s.messages.shown.back().title, "Greška prilikom ažuriranja");
    EXPECT_EQ(test::lastBox(s), "15 Greška(Slog s tom vrijednošću ključa već postoji (40)) se pojavila prilikom ažuriranja sloga.  "
                                "Vjerojatan razlog: vrstedoh.");
    vrs.oznaka = 23;
    EXPECT_EQ(s.ri.update(vrs), RiResult::Done);
    EXPECT_TRUE(exists<Vrstedoh>(23));
}

// Two forms open on different records of one file each carry from their own record's number.
TEST_P(IntegrityUpdate, SnapshotsBelongToTheirRecords) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    test::addPayment(s, {.isplata = 6, .payer = 1, .firstItem = 20, .items = 3});
    auto first = open<Isplate>(5);
    auto second = open<Isplate>(6);
    first.oznaka = 50;
    EXPECT_EQ(s.ri.update(first), RiResult::Done);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 50), 2);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 6), 3);
    second.oznaka = 60;
    EXPECT_EQ(s.ri.update(second), RiResult::Done);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 60), 3);
}

// A record written without a snapshot carries from the number it has in the file.
TEST_P(IntegrityUpdate, WithoutSnapshotTheStoredNumberCounts) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    auto isp = s.get(Isplate::keyOznaka, Isplate{.oznaka = 5});
    isp.oznaka = 8;
    EXPECT_EQ(s.ri.update(isp), RiResult::Done);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 8), 2);
}

TEST_P(IntegrityUpdate, RecordGoneBeforeTheWriteIsReported) {
    auto uli = open<Ulice>(1);
    Ulice other = uli;
    ASSERT_EQ(s.store.erase(other), StoreCode::Ok);
    uli.naziv = "Vlaška";
    EXPECT_EQ(s.ri.update(uli), RiResult::Refused);
    EXPECT_EQ(test::lastBox(s), "35 Error: (Slog nije pronađen (35)) attempting to access a record from the ulice file.  "
                                "Returning to previous window.");
    EXPECT_EQ(uli.naziv.str(), "Vlaška");
    EXPECT_EQ(s.count(Ulice::table), 0);
}

// A number remembered for an earlier read does not apply to a buffer read again since.
TEST_P(IntegrityUpdate, OldSnapshotDoesNotOutliveANewerRead) {
    test::addPayment(s, {.isplata = 5, .payer = 1, .firstItem = 7, .items = 2});
    (void)open<Isplate>(5);
    Integrity elsewhere(s.files);
    auto theirs = open<Isplate>(5);
    elsewhere.snap(theirs);
    theirs.oznaka = 50;
    ASSERT_EQ(elsewhere.update(theirs), RiResult::Done);
    auto again = s.get(Isplate::keyOznaka, Isplate{.oznaka = 50});
    again.oznaka = 51;
    EXPECT_EQ(s.ri.update(again), RiResult::Done);
    EXPECT_EQ(s.countWith(Dohoci::keyIsplata, 51), 2);
}

PRAMO_ON_BOTH_ENGINES(IntegrityUpdate);

}  // namespace
}  // namespace pramo
