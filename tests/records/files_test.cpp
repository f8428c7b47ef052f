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
#include "support/scripted_messages.h"
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
    test::ScriptedMessages messages;
    Files files{store, messages};
};

TEST_F(FilesTest, AMissingFileIsCreatedWithoutAWord) {
    EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);
    EXPECT_TRUE(messages.shown.empty());
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
    EXPECT_EQ(files.open(Osobe::table), StoreCode::Ok);  // creating it needs the lock
    release.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));
    EXPECT_TRUE(messages.shown.empty());
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
    messages.answers = {ButtonYes};
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].warningId, 2);
    EXPECT_EQ(messages.shown[0].text, "OSOBE key file is invalid.  Do you want to rebuild the key?");
    EXPECT_TRUE(messages.halts.empty());
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
    messages.answers = {ButtonNo};
    EXPECT_EQ(files.open(Osobe::table), StoreCode::KeysInvalid);
    EXPECT_EQ(messages.halts, std::vector<std::string>{"Invalid Key!"});
    EXPECT_EQ(files.openCount(Osobe::table), 0);
}

TEST_F(FilesTest, ARowAddedByAnotherToolCountsAsDamage) {
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);
    files.close(Osobe::table);
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("INSERT INTO OSOBE (OZNAKA, PREZIME) VALUES (7, 'Zorić')"), SQLITE_OK);
    }
    ASSERT_EQ(files.open(Osobe::table), StoreCode::Ok);  // the default answer is Yes
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
    EXPECT_EQ(files.open(Osobe::table), StoreCode::DuplicateKey);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].warningId, 3);
    EXPECT_EQ(messages.halts, std::vector<std::string>{"Error Rebuilding Key!"});
}

TEST_F(FilesTest, AFileOfAnotherLayoutEndsTheProgramNamingIt) {
    {
        test::RawDb raw(db());
        ASSERT_EQ(raw.exec("CREATE TABLE OSOBE (OZNAKA INTEGER, IME TEXT)"), SQLITE_OK);
    }
    EXPECT_EQ(files.open(Osobe::table), StoreCode::LayoutMismatch);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Datoteka ne valja");
    EXPECT_EQ(messages.shown[0].text,
              "Greška: (Datoteka nema raspored polja koji program traži (47)) otvaram OSOBE.  Pritisni OK da zatvoriš aplikaciju.");
    EXPECT_EQ(messages.halts, std::vector<std::string>{"Datoteka ne valja!"});
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
        test::ScriptedMessages seen;
        Files later{store, seen};
        EXPECT_EQ(later.open(Osobe::table), StoreCode::FileLost);
        ASSERT_EQ(seen.shown.size(), 1u);
        EXPECT_EQ(seen.shown[0].text, "Datoteka (OSOBE) se ne može otvoriti.  Greška: Datoteka je nestala iz baze podataka (36).");
        EXPECT_EQ(seen.halts, std::vector<std::string>{"Disk Error"});
        EXPECT_EQ(store.checkTable(Osobe::table), StoreCode::FileLost);  // nothing was made
        EXPECT_EQ(later.makeAnew(Osobe::table), StoreCode::Ok);
        EXPECT_EQ(count(Osobe::table), 0);
        test::RawDb raw(db());
        raw.exec("DROP TABLE IF EXISTS OSOBE_STARE");
    }
}

TEST(Warnings, TheSavedErrorIsUsedByTheNextWarningOnly) {
    test::TestData data;
    auto& [dir, store, messages, files] = data;
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

    showWarning(messages, store, Warning::UpdateError, "osobe");
    showWarning(messages, store, Warning::UpdateError, "osobe");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "Greška(Slog nije pronađen (35)) se pojavila prilikom ažuriranja sloga.  Vjerojatan razlog: osobe.");
    EXPECT_EQ(messages.shown[1].text,
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
