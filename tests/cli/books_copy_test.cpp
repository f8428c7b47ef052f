// Whole books copied from one store to another: the same records in the same rows and the same
// documents made from them; a target that holds books is refused, and a copy that fails leaves
// nothing in the target.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "records/layouts/all_tables.h"
#include "records/store/books_copy.h"
#include "records/store/heap_record.h"
#include "support/raw_db.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace pramo::test {
namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every record of `t` with its row and version, in row order, as one text.
std::string records(Store& store, const TableDef& t) {
    std::string out;
    const HeapRecord rec(t);
    store.setFile(t);
    while (ok(store.nextRaw(t, rec.get()))) {
        out += std::to_string(t.row(rec.get()).id) + "/" + std::to_string(t.row(rec.get()).version) + ":";
        for (const FieldDef& f : t.fields) out += (f.isText() ? std::string(f.getText(rec.get())) : std::to_string(f.getInt(rec.get()))) + "|";
    }
    return out;
}

class BooksCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runCommand(PRAMO_CLI, {"demo", source.path().string()}).exitCode, 0);
        ASSERT_EQ(from.openDatabase(source.file("pramo.db")), StoreCode::Ok);
        ASSERT_EQ(to.openDatabase(target.file("pramo.db")), StoreCode::Ok);
    }
    // What a document command writes as text from the books of `dir`.
    std::string report(const TempDir& dir, std::vector<std::string> args) {
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--text", dir.file("out.txt"), "--data", dir.path().string()});
        const CommandResult r = runCommand(PRAMO_CLI, args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return fileText(dir.file("out.txt"));
    }

    TempDir source, target;
    Store from, to;
};

TEST_F(BooksCopyTest, TheCopyHoldsTheSameRecordsAndMakesTheSameDocuments) {
    const BooksCopy copy = copyBooks(from, to, allTables());
    ASSERT_EQ(copy.code, StoreCode::Ok) << copy.problem;
    std::int64_t total = 0;
    for (const TableDef* t : allTables()) {
        std::int64_t n = 0;
        ASSERT_EQ(from.count(*t, n), StoreCode::Ok);
        total += n;
        EXPECT_EQ(records(to, *t), records(from, *t)) << t->name;
    }
    EXPECT_EQ(copy.records, total);
    EXPECT_GT(total, 100);
    from.closeDatabase();
    to.closeDatabase();
    const std::string year = RawDb(source.file("pramo.db")).value("SELECT GODINA FROM ISPLATE WHERE OZNAKA = 1");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"joppd-b", "--payment", "1"},
                                                 std::vector<std::string>{"id1", "--payer", "1", "--year", year}}) {
        const std::string original = report(source, args);
        EXPECT_FALSE(original.empty()) << args[0];
        EXPECT_EQ(report(target, args), original) << args[0];
    }
}

// Refused before anything is written: a target that holds a record in any of the files, and a
// source whose record cannot be read (another tool put text in a number); the failed copy leaves
// not even the files it made.
TEST_F(BooksCopyTest, ARefusedOrFailedCopyLeavesTheTargetAsItWas) {
    const std::string last = "WHERE _id = (SELECT max(_id) FROM OSOBE)";
    const std::string number = RawDb(source.file("pramo.db")).value("SELECT OZNAKA FROM OSOBE " + last);
    ASSERT_EQ(RawDb(source.file("pramo.db")).exec("UPDATE OSOBE SET OZNAKA = 'x' " + last), 0);
    const BooksCopy failed = copyBooks(from, to, allTables());
    EXPECT_EQ(failed.code, StoreCode::LayoutMismatch);
    EXPECT_NE(failed.problem.find("izvor: Neispravna vrijednost: OSOBE redak"), std::string::npos) << failed.problem;
    EXPECT_EQ(RawDb(target.file("pramo.db")).value("SELECT count(*) FROM sqlite_master WHERE name NOT LIKE '%pramo%'"), "0");

    ASSERT_EQ(RawDb(source.file("pramo.db")).exec("UPDATE OSOBE SET OZNAKA = " + number + " " + last), 0);
    ASSERT_EQ(copyBooks(from, to, allTables()).code, StoreCode::Ok);
    const std::string before = RawDb(target.file("pramo.db")).value("SELECT group_concat(_ver) FROM ISPLATE");
    const BooksCopy again = copyBooks(from, to, allTables());
    EXPECT_EQ(again.code, StoreCode::DuplicateKey);
    EXPECT_EQ(again.problem, "odredište već ima knjige: datoteka ISPLATE ima slogova: 6");
    EXPECT_EQ(RawDb(target.file("pramo.db")).value("SELECT group_concat(_ver) FROM ISPLATE"), before);
}

}  // namespace
}  // namespace pramo::test
