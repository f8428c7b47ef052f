// Opening files: creation with delivered data, damaged keys, foreign layouts, open counts, and the
// standard warnings with the saved error.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "records/store/files.h"
#include "records/layouts/osobe.h"
#include "records/layouts/porstope.h"
#include "records/layouts/pozicije.h"
#include "records/layouts/vbrat.h"
#include "support/raw_db.h"
#include "support/temp_dir.h"
#include "support/test_data.h"

namespace pramo {
namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(store.openDatabase(db()), StoreCode::Ok); }
    std::string db() const { return dir.file("pramo.db"); }
    std::int64_t count(const TableDef& t) {
        std::int64_t n = -1;
        EXPECT_EQ(store.count(t, n), StoreCode::Ok);
        return n;
    }
    void addPayee(int n, const char* surname) {
        Osobe o;
        o.oznaka = n;
        o.prezime = surname;
        ASSERT_EQ(store.add(o), StoreCode::Ok);
    }

    test::TempDir dir;
    Store store;
    Files files{store};
};

TEST_F(FilesTest, AMissingFileIsCreatedWithoutAWord) {
    const Outcome<StoreCode> opened = files.open(Osobe::table);
    EXPECT_EQ(opened.result, StoreCode::Ok);
    EXPECT_FALSE(opened.message);
    EXPECT_EQ(count(Osobe::table), 0);
    EXPECT_EQ(files.openCount(Osobe::table), 1);
    EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);
    EXPECT_EQ(files.openCount(Osobe::table), 2);
}

TEST_F(FilesTest, ReferenceTablesAreCreatedWithTheirData) {
    ASSERT_EQ(files.open(Porstope::table), StoreCode::Ok);
    ASSERT_EQ(files.open(Pozicije::table), StoreCode::Ok);
    ASSERT_EQ(files.open(Vbrat::table), StoreCode::Ok);
    Porstope p;
    std::string brackets;
    store.set(Porstope::keyOznaka);
    while (ok(store.next(p))) brackets += p.stopa.toString() + "@" + p.osnovica.toString() + " ";
    EXPECT_EQ(brackets, "12.00@2200.00 25.00@13200.00 40.00@9999999.99 ");
    EXPECT_EQ(count(Pozicije::table), 12);
    Pozicije last;
    store.set(Pozicije::keyOznaka);
    ASSERT_EQ(store.previous(last), StoreCode::Ok);
    EXPECT_EQ(last.oznaka, 12);
    Vbrat v;
    v.shifra = "4002";
    ASSERT_EQ(store.get(Vbrat::keyShifra, v), StoreCode::Ok);
    EXPECT_EQ(v.rezerva.str(), "02");
}

TEST_F(FilesTest, AFileLockedByAnotherProgramIsWaitedFor) {
    test::RawDb other(db());
    ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), SQLITE_OK);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        other.exec("COMMIT");
    });
    const auto start = std::chrono::steady_clock::now();
    const Outcome<StoreCode> opened = files.open(Osobe::table);  // creating it needs the lock
    release.join();
    EXPECT_EQ(opened.result, StoreCode::Ok);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));
    EXPECT_FALSE(opened.message);
}

TEST_F(FilesTest, ErasingAFileIsRefusedWhileItIsOpen) {
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    addPayee(1, "A");
    EXPECT_EQ(files.removeAll(Osobe::table), StoreCode::AlreadyOpen);
    files.close(Osobe::table);
    EXPECT_EQ(files.removeAll(Osobe::table), StoreCode::Ok);
    EXPECT_EQ(count(Osobe::table), 0);
}

TEST_F(FilesTest, KeysSpoiledByAnotherToolAreRebuiltWhenTheUserAgrees) {
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    addPayee(1, "Horvat");
    addPayee(2, "Babić");
    files.close(Osobe::table);
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("UPDATE OSOBE SET PREZIME = 'Anić' WHERE OZNAKA = 1"), SQLITE_OK);
    }
    const Outcome<StoreCode> asked = files.open(Osobe::table);  // the question; the user's yes is rebuildKeys
    ASSERT_EQ(asked.result, StoreCode::KeysInvalid);
    ASSERT_TRUE(asked.message);
    EXPECT_EQ(asked.message->warningId, 2);
    EXPECT_EQ(asked.message->text, "OSOBE key file is invalid.  Do you want to rebuild the key?");
    EXPECT_EQ(asked.file, &Osobe::table);
    EXPECT_FALSE(asked.message->ends(ButtonYes));
    ASSERT_EQ(files.rebuildKeys(Osobe::table), StoreCode::Ok);
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    Osobe o;
    store.set(Osobe::keyPrezimeIme);
    ASSERT_EQ(store.next(o), StoreCode::Ok);
    EXPECT_EQ(o.prezime, "Anić");  // found in its new place in the key
}

TEST_F(FilesTest, DeclinedRebuildEndsTheProgram) {
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    files.close(Osobe::table);
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("DROP INDEX OSOBE_KEYOIB"), SQLITE_OK);
    }
    const Outcome<StoreCode> asked = files.open(Osobe::table);
    EXPECT_EQ(asked.result, StoreCode::KeysInvalid);
    ASSERT_TRUE(asked.message);
    EXPECT_TRUE(asked.message->ends(ButtonNo));
    EXPECT_EQ(asked.message->haltText, "Invalid Key!");
    EXPECT_EQ(files.openCount(Osobe::table), 0);
}

TEST_F(FilesTest, ARowAddedByAnotherToolCountsAsDamage) {
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    files.close(Osobe::table);
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("INSERT INTO OSOBE (OZNAKA, PREZIME) VALUES (7, 'Zorić')"), SQLITE_OK);
    }
    ASSERT_EQ(files.open(Osobe::table), StoreCode::KeysInvalid);
    ASSERT_EQ(files.rebuildKeys(Osobe::table), StoreCode::Ok);
    Osobe o;
    o.oznaka = 7;
    ASSERT_EQ(store.get(Osobe::keyOznaka, o), StoreCode::Ok);
    EXPECT_EQ(o.prezime, "Zorić");
}

TEST_F(FilesTest, ARebuildThatFindsDuplicatesEndsTheProgram) {
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    addPayee(1, "A");
    addPayee(2, "B");
    files.close(Osobe::table);
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("UPDATE OSOBE SET OZNAKA = 1"), SQLITE_OK);
    }
    EXPECT_EQ(files.open(Osobe::table), StoreCode::KeysInvalid);
    const Outcome<StoreCode> rebuilt = files.rebuildKeys(Osobe::table);
    EXPECT_EQ(rebuilt.result, StoreCode::DuplicateKey);
    ASSERT_TRUE(rebuilt.message);
    EXPECT_EQ(rebuilt.message->warningId, 3);
    EXPECT_TRUE(rebuilt.message->ends(rebuilt.message->defaultButton));
    EXPECT_EQ(rebuilt.message->haltText, "Error Rebuilding Key!");
}

TEST_F(FilesTest, AFileOfAnotherLayoutEndsTheProgramNamingIt) {
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("CREATE TABLE OSOBE (OZNAKA INTEGER, IME TEXT)"), SQLITE_OK);
    }
    const Outcome<StoreCode> refused = files.open(Osobe::table);
    EXPECT_EQ(refused.result, StoreCode::LayoutMismatch);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->title, "Datoteka ne valja");
    EXPECT_EQ(refused.message->text,
              "Greška: (Datoteka nema raspored polja koji program traži (47)) otvaram OSOBE.  Pritisni OK da zatvoriš aplikaciju.");
    EXPECT_TRUE(refused.message->ends(ButtonOk));
    EXPECT_EQ(refused.message->haltText, "Datoteka ne valja!");
}

// Another program's database is never opened; a file of 0 bytes holds no books and becomes books
// only when they are made on purpose.
TEST_F(FilesTest, AForeignDatabaseOrAnEmptyFileIsNotOpened) {
    const std::string foreign = dir.file("other.db"), empty = dir.file("empty.db");
    {
        test::RawDb raw(foreign);
        ASSERT_EQ(raw.exec("CREATE TABLE notes (x TEXT)"), SQLITE_OK);
    }
    std::ofstream{empty};
    const struct {
        const std::string& path;
        Store::EmptyFile empty;
        StoreCode expected;
    } cases[] = {
        {foreign, Store::EmptyFile::Refuse, StoreCode::LayoutMismatch},
        {foreign, Store::EmptyFile::MakeBooks, StoreCode::LayoutMismatch},
        {empty, Store::EmptyFile::Refuse, StoreCode::LayoutMismatch},
        {empty, Store::EmptyFile::MakeBooks, StoreCode::Ok},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + (c.empty == Store::EmptyFile::Refuse ? " refused" : " made"));
        {
            Store s;
            EXPECT_EQ(s.openDatabase(c.path, c.empty), c.expected);
            EXPECT_EQ(s.isOpen(), ok(c.expected));
        }
        EXPECT_EQ(std::filesystem::file_size(c.path) == 0, c.path == empty && !ok(c.expected));
    }
}

// A file the books had that another tool dropped or renamed is not made anew, empty, as a file
// never made is: that would hide that its records are lost. Only the explicit word makes it.
TEST_F(FilesTest, ALostFileIsRefusedUntilMadeAnewOnPurpose) {
    for (const char* loss : {"DROP TABLE OSOBE", "ALTER TABLE OSOBE RENAME TO OSOBE_STARE"}) {
        SCOPED_TRACE(loss);
        ASSERT_EQ(files.checkOpen(Osobe::table), StoreCode::Ok);
        addPayee(1, "Horvat");
        {
            test::RawDb raw(db());
            ASSERT_EQ(raw.exec(loss), SQLITE_OK);
        }
        Files later{store};
        const Outcome<StoreCode> refused = later.open(Osobe::table);
        EXPECT_EQ(refused.result, StoreCode::FileLost);
        ASSERT_TRUE(refused.message);
        EXPECT_EQ(refused.message->text, "Datoteka (OSOBE) se ne može otvoriti.  Greška: Datoteka je nestala iz baze podataka (36).");
        EXPECT_EQ(refused.message->haltText, "Disk Error");
        EXPECT_EQ(store.checkTable(Osobe::table), StoreCode::FileLost);  // nothing was made
        EXPECT_EQ(later.makeAnew(Osobe::table), StoreCode::Ok);
        EXPECT_EQ(count(Osobe::table), 0);
        test::RawDb raw(db());
        raw.exec("DROP TABLE IF EXISTS OSOBE_STARE");
    }
}

TEST(Warnings, TheSavedErrorIsUsedByTheNextWarningOnly) {
    test::TestData data;
    auto& [books, dir, store, messages, files] = data;
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);

    Osobe o;
    o.oznaka = 4;
    ASSERT_EQ(store.get(Osobe::keyOznaka, o), StoreCode::NotFound);
    store.saveError();
    ASSERT_EQ(store.add(o), StoreCode::Ok);  // other operations run meanwhile
    o.oznaka = 9;
    ASSERT_EQ(store.add(o), StoreCode::Ok);
    o.oznaka = 4;
    ASSERT_EQ(store.add(o), StoreCode::DuplicateKey);

    const MessageBox first = standardWarning(store, Warning::UpdateError, "osobe");
    const MessageBox second = standardWarning(store, Warning::UpdateError, "osobe");
    EXPECT_EQ(first.text,
              "Greška(Slog nije pronađen (35)) se pojavila prilikom ažuriranja sloga.  Vjerojatan razlog: osobe.");
    EXPECT_EQ(second.text,
              "Greška(Slog s tom vrijednošću ključa već postoji (40)) se pojavila prilikom ažuriranja sloga.  Vjerojatan razlog: osobe.");
}

TEST(Warnings, TextsButtonsAndWhatFollows) {
    const StoreError none;
    const MessageBox dup = standardWarning(Warning::DuplicateKey, none, "OSO:KeyOIB");
    EXPECT_EQ(dup.title, "Greška dupliciranja");
    EXPECT_EQ(dup.text, "Već postoji slog sa ovom vrijednosti za ključ:OSO:KeyOIB");
    const StoreError locked{StoreCode::FileLocked, storeMessage(StoreCode::FileLocked), 5, "bazu podataka drži zaključanom drugi program"};
    const MessageBox tx = standardWarning(Warning::TransactionError, locked, "isplate", "Delete");
    EXPECT_EQ(tx.text, "Error: (Datoteka je zaključana (32)) attempting to frame the delete transaction on isplate.  "
                       "Delete transaction cancelled.");
    const StoreError disk{StoreCode::FileSystem, storeMessage(StoreCode::FileSystem), 10, "disk je pun"};
    const MessageBox open = standardWarning(Warning::FileOpenError, disk, "OSOBE");
    EXPECT_EQ(open.text, "Datoteka (OSOBE) se ne može otvoriti.  Greška: disk je pun (10).");
    EXPECT_TRUE(open.ends(ButtonOk));
    EXPECT_EQ(open.haltText, "Disk Error");
    const MessageBox retry = standardWarning(Warning::ChangeRetry, none);
    EXPECT_EQ(retry.buttons, ButtonYes | ButtonNo | ButtonCancel);
    EXPECT_EQ(retry.defaultButton, ButtonCancel);
    const MessageBox key = standardWarning(Warning::InvalidKey, none, "OSOBE");
    EXPECT_FALSE(key.ends(ButtonYes));
    EXPECT_TRUE(key.ends(ButtonNo));
    const MessageBox confirm = standardWarning(Warning::ConfirmDelete, none);
    EXPECT_EQ(confirm.icon, Icon::Question);
    EXPECT_EQ(confirm.defaultButton, ButtonCancel);
    const MessageBox named = namedBox("Inicijalizacija podataka", "x", "DA|NE");
    EXPECT_EQ(named.named, (std::vector<std::string>{"DA", "NE"}));
}

}  // namespace
}  // namespace pramo
