// Books kept by the earlier version are upgraded on opening: a copy of the database beside it
// first, then in one transaction the added field with the value old books get, the added key, the
// index a key no longer has dropped, the new file; every record keeps its values, row and version. Layouts the upgrade does not know are
// left for the file checks to refuse, and a failure changes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "payments/lines.h"
#include "records/layouts/all_tables.h"
#include "records/layouts/opcine.h"
#include "records/layouts/stopeopcina.h"
#include "records/layouts/vrstedoh.h"
#include "records/store/books_upgrade.h"
#include "records/store/files.h"
#include "support/earlier_books.h"
#include "support/raw_db.h"
#include "support/temp_dir.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

std::string names(const std::optional<std::vector<const FieldDef*>>& fields) {
    if (!fields) return "not earlier";
    std::string out;
    for (const FieldDef* f : *fields) out += (out.empty() ? "" : " ") + std::string(f->name);
    return out;
}

TEST(BooksUpgrade, EarlierLayoutsAreThoseLackingOnlyAddedFields) {
    const std::string now = Vrstedoh::table.layoutSignature();
    const std::string before = test::earlierIncomeTypeLayout();
    const std::string withoutReserve = before.substr(0, before.rfind(";REZDECIMALC"));
    const struct {
        const char* what;
        std::string signature;
        const char* lacking;
    } cases[] = {
        {"this version's", now, ""},
        {"the earlier version's", before, "POREZOPCINE"},
        {"a field that was never added is missing", withoutReserve, "not earlier"},
        {"a field this version does not know", now + ";NOVO STRING(2)", "not earlier"},
        {"a field of another width", std::string(now).replace(now.find("NAZIV STRING(50)"), 16, "NAZIV STRING(40)"), "not earlier"},
        {"the fields in another order", std::string(now).replace(0, now.find(';') + 1, "") + ";OZNAKA BYTE", "not earlier"},
    };
    for (const auto& c : cases) EXPECT_EQ(names(fieldsAddedSince(Vrstedoh::table, c.signature)), c.lacking) << c.what;
    const std::string code = Opcine::table.layoutSignature();
    const auto codeOf = [&](const char* width) { return std::string(code).replace(code.find("SHIFRA STRING(5)"), 16, width); };
    EXPECT_EQ(names(fieldsAddedSince(Opcine::table, codeOf("SHIFRA STRING(4)"))), "") << "the code before it was widened";
    EXPECT_EQ(names(fieldsAddedSince(Opcine::table, codeOf("SHIFRA STRING(3)"))), "not earlier") << "a width never declared";
}

class EarlierBooks : public ::testing::Test {
protected:
    // Books of the earlier version with two income types and two municipalities, the first income
    // type changed once (version 2).
    void SetUp() override {
        open();
        for (const TableDef* t : allTables()) ASSERT_EQ(files.open(*t), StoreCode::Ok);
        ASSERT_EQ(store.add(ugovor), StoreCode::Ok);
        ugovor.naziv = "Ugovor o djelu";
        ASSERT_EQ(store.put(ugovor), StoreCode::Ok);
        Vrstedoh honorar{.oznaka = 2, .naziv = "Autorski honorar", .priznatitroskovi = Rate::whole(30)};
        ASSERT_EQ(store.add(honorar), StoreCode::Ok);
        for (Opcine opc : {Opcine{.oznaka = 1, .shifra = "1333", .naziv = "ZAGREB"}, Opcine{.oznaka = 2, .shifra = "4090", .naziv = "SPLIT"}})
            ASSERT_EQ(store.add(opc), StoreCode::Ok);
        ASSERT_EQ(writeLine(store, 7, Pozicija::Neto, Money::fromRaw(12345)), StoreCode::Ok);
        store.closeDatabase();
        ASSERT_TRUE(test::makeEarlierBooks(path));
        open();
    }
    void open() { ASSERT_EQ(store.openDatabase(path), StoreCode::Ok); }
    std::string copy(const std::string& suffix = "") const { return path + std::string(copySuffix) + suffix; }

    test::TempDir dir;
    std::string path = dir.file("pramo.db");
    Store store;
    Files files{store};
    Vrstedoh ugovor{.oznaka = 1, .naziv = "Ugovor", .poreznastopa = Rate::whole(25), .visestopa = "NE", .rezstringb = "4030"};
};

TEST_F(EarlierBooks, OpenAsThisVersionsBooksWithACopyBeside) {
    EXPECT_EQ(store.checkTable(Vrstedoh::table), StoreCode::LayoutMismatch);  // what opening them did before
    const BooksUpgrade up = upgradeBooks(store, allTables());
    ASSERT_EQ(up.result, BooksUpgrade::Result::Done) << up.problem;
    EXPECT_EQ(up.copy, copy());
    ASSERT_EQ(up.reshaped.size(), 3u);
    EXPECT_EQ(up.reshaped[0].table, &Obracun::table);  // the lines lose their index by position
    EXPECT_TRUE(up.reshaped[0].fields.empty());
    EXPECT_TRUE(up.reshaped[0].widened.empty());
    EXPECT_EQ(up.reshaped[1].table, &Vrstedoh::table);
    EXPECT_EQ(up.reshaped[1].fields, std::vector<std::string_view>{"POREZOPCINE"});
    EXPECT_EQ(up.reshaped[2].table, &Opcine::table);
    EXPECT_TRUE(up.reshaped[2].fields.empty());
    EXPECT_EQ(up.reshaped[2].widened, std::vector<std::string_view>{"SHIFRA"});
    ASSERT_EQ(up.made, std::vector<const TableDef*>{&Stopeopcina::table});
    EXPECT_NE(upgradeSummary(up).find("VRSTEDOH: nova polja POREZOPCINE"), std::string::npos) << upgradeSummary(up);
    EXPECT_NE(upgradeSummary(up).find("OPCINE: šira polja SHIFRA"), std::string::npos) << upgradeSummary(up);
    EXPECT_NE(upgradeSummary(up).find("OBRACUN: novi ključevi"), std::string::npos) << upgradeSummary(up);

    for (const TableDef* t : allTables()) EXPECT_EQ(store.checkTable(*t), StoreCode::Ok) << t->name;
    Vrstedoh vrs{.oznaka = 1};
    ASSERT_EQ(store.get(Vrstedoh::keyOznaka, vrs), StoreCode::Ok);
    EXPECT_EQ(vrs.porezopcine.str(), "NE");
    EXPECT_EQ(vrs.naziv.str(), "Ugovor o djelu");
    EXPECT_EQ(vrs.rezstringb.str(), "4030");
    EXPECT_EQ(vrs.row.id, ugovor.row.id);  // the same row: what refers to it by row still finds it
    Opcine opc{.shifra = "4090"};
    ASSERT_EQ(store.get(Opcine::keyShifra, opc), StoreCode::Ok);
    EXPECT_EQ(opc.naziv.str(), "SPLIT");
    Opcine austria{.oznaka = 3, .shifra = "99404", .naziv = "AUSTRIJA"};  // the wider code fits now
    EXPECT_EQ(store.add(austria), StoreCode::Ok);
    std::int64_t n = -1;
    EXPECT_EQ(store.count(Stopeopcina::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 0);

    std::vector<Obracun> lines;
    EXPECT_EQ(readLines(store, 7, lines), StoreCode::Ok);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].iznos, Money::fromRaw(12345));
    const std::string positionIndex = "SELECT count(*) FROM sqlite_master WHERE name = 'OBRACUN_KEYPOZICIJA'";
    EXPECT_EQ(test::RawDb(path).value(positionIndex), "0");

    test::RawDb before(copy());  // the books as they were, untouched
    EXPECT_EQ(before.value("SELECT signature FROM _pramo_layout WHERE tbl = 'VRSTEDOH'"), test::earlierIncomeTypeLayout());
    EXPECT_EQ(before.value("SELECT count(*) FROM VRSTEDOH"), "2");
    EXPECT_EQ(before.value(positionIndex), "1");
    EXPECT_EQ(upgradeBooks(store, allTables()).result, BooksUpgrade::Result::NotNeeded);
}

// A copy an earlier upgrade left is never replaced: the next copy takes the next free name.
TEST_F(EarlierBooks, EarlierCopiesAreKept) {
    std::ofstream(copy()) << "an earlier copy";
    const BooksUpgrade up = upgradeBooks(store, allTables());
    ASSERT_EQ(up.result, BooksUpgrade::Result::Done) << up.problem;
    EXPECT_EQ(up.copy, copy("-2"));
    std::ifstream earlier(copy());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "an earlier copy");
}

// A value the field cannot hold (put in with another tool) stops the upgrade: every file keeps its
// layout and nothing is made.
TEST_F(EarlierBooks, AFailureChangesNothing) {
    store.closeDatabase();
    test::RawDb(path).exec("UPDATE OPCINE SET STOPAPRIREZA = 'osamnaest' WHERE OZNAKA = 2");
    open();
    const BooksUpgrade up = upgradeBooks(store, allTables());
    EXPECT_EQ(up.result, BooksUpgrade::Result::Failed);
    EXPECT_NE(up.problem.find("Podatke nije moguće nadograditi"), std::string::npos) << up.problem;
    EXPECT_EQ(store.checkTable(Vrstedoh::table), StoreCode::LayoutMismatch);
    EXPECT_EQ(store.checkTable(Stopeopcina::table), StoreCode::FileNotFound);
    std::int64_t n = 0;
    ASSERT_EQ(store.count(Vrstedoh::table, n), StoreCode::Ok);
    EXPECT_EQ(n, 2);
}

// Columns another tool changed are not an earlier layout: the books are not touched, and the file
// check refuses the file as before.
TEST_F(EarlierBooks, ForeignLayoutsAreLeftAlone) {
    store.closeDatabase();
    test::RawDb(path).exec("ALTER TABLE VRSTEDOH ADD COLUMN BILJESKA TEXT");
    open();
    const std::vector<const TableDef*> incomeTypes{&Vrstedoh::table};
    EXPECT_EQ(upgradeBooks(store, incomeTypes).result, BooksUpgrade::Result::NotNeeded);
    EXPECT_FALSE(fs::exists(copy()));
    EXPECT_EQ(store.checkTable(Vrstedoh::table), StoreCode::LayoutMismatch);
}

}  // namespace
}  // namespace pramo
