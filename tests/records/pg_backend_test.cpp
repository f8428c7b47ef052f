// The PostgreSQL backend at the level of statements, against the test server: placeholders, values
// both ways, refusals the store continues after, the one writer, the notices of other connections'
// commits, the catalogue, and a connection that breaks.

#include <gtest/gtest.h>

#include "records/layouts/opcine.h"
#include "records/store/pg_backend.h"
#include "records/store/pg_statement.h"
#include "support/test_books.h"

namespace pramo {
namespace {

using test::FreshDatabase;

TEST(PgPlaceholders, AreNumberedOutsideQuotesOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT a FROM t WHERE b = ?1 AND c > ?2 LIMIT ?3", "SELECT a FROM t WHERE b = $1 AND c > $2 LIMIT $3"},
        {"INSERT INTO t (a, b, c) VALUES (?, ?, ?)", "INSERT INTO t (a, b, c) VALUES ($1, $2, $3)"},
        {"SELECT ?2, ?, ?1", "SELECT $2, $3, $1"},  // a bare ? follows the highest number so far
        {"SELECT '?' || \"a?\" || ?1 FROM t WHERE x = 'it''s ?'", "SELECT '?' || \"a?\" || $1 FROM t WHERE x = 'it''s ?'"},
        {"SELECT 1", "SELECT 1"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(pgPlaceholders(in), out) << in;
}

TEST(PgPlaceholders, OnlySingleRowInsertsSkipDuplicates) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"INSERT INTO t (a) VALUES ($1) RETURNING _id", true, "INSERT INTO t (a) VALUES ($1) ON CONFLICT DO NOTHING RETURNING _id"},
        {"INSERT INTO t (a) VALUES ($1)", true, "INSERT INTO t (a) VALUES ($1) ON CONFLICT DO NOTHING"},
        {"INSERT INTO d (tbl) SELECT tbl FROM l", false, "INSERT INTO d (tbl) SELECT tbl FROM l"},
        {"INSERT INTO d (tbl) VALUES ($1) ON CONFLICT DO NOTHING", false, "INSERT INTO d (tbl) VALUES ($1) ON CONFLICT DO NOTHING"},
        {"UPDATE t SET a = $1", false, "UPDATE t SET a = $1"},
    };
    for (const auto& [in, skips, out] : cases) {
        bool s = false;
        EXPECT_EQ(pgSkippingDuplicates(in, s), out);
        EXPECT_EQ(s, skips) << in;
    }
}

// A fresh database with the table OPCINE as the store makes a table: an identity row id, a
// version, a text, a whole number and a unique key column, with the dialect's triggers.
class PgBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (db.uri().empty()) GTEST_SKIP() << "no PostgreSQL test server";
        ASSERT_EQ(pg.open(2000), StoreCode::Ok) << pg.failure().words;
        const PgDialect& d = dialect;
        ASSERT_TRUE(pg.exec("CREATE TABLE _pramo_dirty (tbl text PRIMARY KEY)"));
        ASSERT_TRUE(pg.exec(std::string("CREATE TABLE \"OPCINE\" (_id ") + std::string(d.idColumn()) + ", _ver bigint, naziv text, n bigint, k bytea)"));
        ASSERT_TRUE(pg.exec("CREATE UNIQUE INDEX \"OPCINEk\" ON \"OPCINE\" (k) WHERE k IS NOT NULL"));
        for (const std::string& s : d.createTriggers(Opcine::table)) ASSERT_TRUE(pg.exec(s)) << s << pg.failure().words;
    }

    std::int64_t add(PgBackend& b, std::string_view naziv, std::int64_t n, std::optional<std::string> key) {
        auto st = b.prepare("INSERT INTO \"OPCINE\" (naziv, n, k, _ver) VALUES (?, ?, ?, 1) RETURNING _id");
        if (!st) return -1;
        st->bindText(1, naziv);
        st->bindInt(2, n);
        if (key) st->bindBlob(3, *key);
        else st->bindNull(3);
        if (st->step() != BackendStatement::Step::Row) return -1;
        return st->integer(0);
    }

    std::int64_t count(PgBackend& b, const std::string& table = "\"OPCINE\"") {
        auto st = b.prepare("SELECT count(*) FROM " + table);
        return st && st->step() == BackendStatement::Step::Row ? st->integer(0) : -1;
    }

    FreshDatabase db;
    PgDialect dialect;
    PgBackend pg{db.uri()};
};

TEST_F(PgBackendTest, ValuesComeBackAsTheyWentIn) {
    const std::string bytes("\x00\xFF\x7F\x80 a", 6);
    ASSERT_GT(add(pg, "Čakovec – ŽUPA", -9007199254740993LL, bytes), 0);
    ASSERT_GT(add(pg, "", 0, std::nullopt), 0);
    auto st = pg.prepare("SELECT naziv, n, k, _id FROM \"OPCINE\" ORDER BY _id");
    ASSERT_TRUE(st);
    ASSERT_EQ(st->step(), BackendStatement::Step::Row);
    EXPECT_EQ(st->kind(0), ValueKind::Text);
    EXPECT_EQ(st->text(0), "Čakovec – ŽUPA");
    EXPECT_EQ(st->kind(1), ValueKind::Integer);
    EXPECT_EQ(st->integer(1), -9007199254740993LL);
    EXPECT_EQ(st->kind(2), ValueKind::Blob);
    EXPECT_EQ(st->blob(2), bytes);
    EXPECT_EQ(st->text(3), "1");  // a whole number asked for as text
    ASSERT_EQ(st->step(), BackendStatement::Step::Row);
    EXPECT_EQ(st->kind(2), ValueKind::Null);
    EXPECT_EQ(st->step(), BackendStatement::Step::Done);
    st->reset();
    ASSERT_EQ(st->step(), BackendStatement::Step::Row);  // runs again
}

TEST_F(PgBackendTest, KeysOrderAsUnsignedBytes) {
    for (const char* k : {"\x80", "\x01", "\x7F", "\xFF"}) ASSERT_GT(add(pg, "x", 0, std::string(k)), 0);
    auto st = pg.prepare("SELECT k FROM \"OPCINE\" WHERE k >= ?1 ORDER BY k LIMIT ?2");
    ASSERT_TRUE(st);
    st->bindBlob(1, "\x7F");
    st->bindInt(2, 10);
    std::string order;
    while (st->step() == BackendStatement::Step::Row) order += st->blob(0);
    EXPECT_EQ(order, "\x7F\x80\xFF");
}

// A refused duplicate and a statement that cannot be prepared leave the transaction going, as on
// a database file: the store goes on after them.
TEST_F(PgBackendTest, RefusalsInsideATransactionKeepIt) {
    ASSERT_TRUE(pg.beginWrite(1000));
    ASSERT_GT(add(pg, "a", 1, "k1"), 0);
    EXPECT_EQ(add(pg, "b", 2, "k1"), -1);
    EXPECT_EQ(pg.failure().code, StoreCode::DuplicateKey);
    const std::int64_t second = add(pg, "b", 2, "k2");
    ASSERT_GT(second, 0);
    auto update = pg.prepare("UPDATE \"OPCINE\" SET k = ?1, _ver = _ver + 1 WHERE _id = ?2");
    ASSERT_TRUE(update);
    update->bindBlob(1, "k1");
    update->bindInt(2, second);
    EXPECT_EQ(update->step(), BackendStatement::Step::Failed);
    EXPECT_EQ(pg.failure().code, StoreCode::DuplicateKey);
    EXPECT_FALSE(pg.prepare("SELECT x FROM \"NEMA\""));
    EXPECT_EQ(pg.failure().code, StoreCode::LayoutMismatch);
    EXPECT_EQ(pg.failure().detail, "nema tablice NEMA");
    EXPECT_FALSE(pg.prepare("SELECT \"IME\" FROM \"OPCINE\""));
    EXPECT_EQ(pg.failure().detail, "nema stupca IME");
    ASSERT_TRUE(pg.exec("COMMIT"));
    EXPECT_EQ(count(pg), 2);
}

// A transaction a failure ended outside the store's care is not reported as written.
TEST_F(PgBackendTest, ACommitOfAFailedTransactionFails) {
    ASSERT_TRUE(pg.exec("BEGIN"));
    ASSERT_GT(add(pg, "a", 1, "k1"), 0);
    PGresult* r = PQexec(pg.connection(), "SELECT 1/0");
    PQclear(r);
    EXPECT_FALSE(pg.exec("COMMIT"));
    EXPECT_EQ(pg.failure().code, StoreCode::FileSystem);
    EXPECT_EQ(count(pg), 0);
}

TEST_F(PgBackendTest, OneWriterAtATimeAndTheOtherNamed) {
    PgBackend other(db.uri());
    ASSERT_EQ(other.open(1000), StoreCode::Ok);
    ASSERT_TRUE(pg.beginWrite(1000));
    std::int64_t observed = -1;
    other.setWaitObserver([&](std::int64_t ms) { observed = ms; });
    EXPECT_FALSE(other.beginWrite(150));
    EXPECT_EQ(other.failure().code, StoreCode::FileLocked);
    EXPECT_GE(observed, 100);
    EXPECT_EQ(other.lockHolder(), std::string(program_invocation_short_name) + ", proces poslužitelja " +
                                      std::to_string(PQbackendPID(pg.connection())));
    ASSERT_TRUE(pg.exec("ROLLBACK"));
    EXPECT_TRUE(other.beginWrite(150));
    ASSERT_TRUE(other.exec("COMMIT"));
    EXPECT_EQ(pg.lockHolder(), "");
}

TEST_F(PgBackendTest, CommitsOfOthersAreNewsAndOwnAreNot) {
    PgBackend other(db.uri());
    ASSERT_EQ(other.open(1000), StoreCode::Ok);
    EXPECT_FALSE(pg.changedElsewhere());
    ASSERT_GT(add(pg, "own", 1, std::nullopt), 0);
    EXPECT_FALSE(pg.changedElsewhere());
    ASSERT_TRUE(other.beginWrite(1000));
    ASSERT_GT(add(other, "other", 2, std::nullopt), 0);
    EXPECT_FALSE(pg.changedElsewhere());  // not yet committed
    ASSERT_TRUE(other.exec("COMMIT"));
    for (int i = 0; i < 100 && !pg.changedElsewhere(); ++i) usleep(10000);
    EXPECT_EQ(count(pg), 2);
    EXPECT_FALSE(pg.changedElsewhere());  // told once
}

TEST_F(PgBackendTest, RowsWrittenByAnotherToolMarkTheTable) {
    ASSERT_TRUE(pg.exec("INSERT INTO \"OPCINE\" (naziv, _ver) VALUES ('store', 1)"));
    EXPECT_EQ(count(pg, "_pramo_dirty"), 0);
    ASSERT_TRUE(pg.exec("UPDATE \"OPCINE\" SET _ver = _ver + 1"));
    EXPECT_EQ(count(pg, "_pramo_dirty"), 0);
    ASSERT_TRUE(pg.exec("UPDATE \"OPCINE\" SET naziv = 'psql'"));
    ASSERT_TRUE(pg.exec("INSERT INTO \"OPCINE\" (naziv) VALUES ('psql')"));
    EXPECT_EQ(count(pg, "_pramo_dirty"), 1);
}

TEST_F(PgBackendTest, TheCatalogueAsTheStoreReadsIt) {
    std::vector<std::string> columns, indexes;
    ASSERT_EQ(pg.columnsOf("OPCINE", columns), StoreCode::Ok);
    EXPECT_EQ(columns, (std::vector<std::string>{"_id INTEGER", "_ver INTEGER", "naziv TEXT", "n INTEGER", "k BLOB"}));
    ASSERT_EQ(pg.indexesOf("OPCINE", indexes), StoreCode::Ok);
    EXPECT_EQ(indexes, std::vector<std::string>{"OPCINEk"});  // not the row id's own
    const std::tuple<Backend::Object, const char*, bool> cases[] = {
        {Backend::Object::Table, "OPCINE", true},       {Backend::Object::Table, "OPCINEk", false},
        {Backend::Object::Index, "OPCINEk", true},      {Backend::Object::Trigger, "OPCINE_foreign_update", true},
        {Backend::Object::Trigger, "OSOBE_foreign_update", false}};
    for (const auto& [type, name, want] : cases) {
        bool found = !want;
        ASSERT_EQ(pg.exists(type, name, found), StoreCode::Ok);
        EXPECT_EQ(found, want) << name;
    }
    for (const std::string& s : dialect.dropTriggers(Opcine::table)) ASSERT_TRUE(pg.exec(s));
    bool found = true;
    ASSERT_EQ(pg.exists(Backend::Object::Trigger, "OPCINE_foreign_update", found), StoreCode::Ok);
    EXPECT_FALSE(found);
}

TEST_F(PgBackendTest, GivenIdsAreFollowedByTheNext) {
    ASSERT_TRUE(pg.exec("INSERT INTO \"OPCINE\" (_id, _ver) VALUES (10, 1)"));
    auto st = pg.prepare(dialect.afterGivenIds(Opcine::table));
    ASSERT_TRUE(st);
    ASSERT_EQ(st->step(), BackendStatement::Step::Row);
    EXPECT_EQ(add(pg, "next", 0, std::nullopt), 11);
}

TEST_F(PgBackendTest, BooksAreFoundEmptyOursOrForeign) {
    FreshDatabase fresh;
    PgBackend b(fresh.uri());
    ASSERT_EQ(b.open(1000), StoreCode::Ok);
    const std::pair<const char*, Ownership> steps[] = {
        {"SELECT 1", Ownership::Empty},
        {"CREATE TABLE racuni (x int)", Ownership::Foreign},
        {"CREATE TABLE _pramo_layout (tbl text)", Ownership::Ours},
    };
    for (const auto& [sql, want] : steps) {
        ASSERT_TRUE(b.exec(sql));
        Ownership found{};
        ASSERT_EQ(b.ownership(found), StoreCode::Ok);
        EXPECT_EQ(found, want) << sql;
    }
    std::vector<std::string> problems{"x"};
    EXPECT_EQ(b.selfCheck(problems), StoreCode::Ok);
    EXPECT_TRUE(problems.empty());
}

// The server ends the connection in the middle of a transaction: every later statement is
// refused in words naming the server, and nothing of the transaction is there.
TEST_F(PgBackendTest, ABrokenConnectionIsToldAndLeavesNothingHalfWritten) {
    ASSERT_TRUE(pg.beginWrite(1000));
    ASSERT_GT(add(pg, "half", 1, std::nullopt), 0);
    auto later = pg.prepare("SELECT count(*) FROM \"OPCINE\"");
    PgBackend other(db.uri());
    ASSERT_EQ(other.open(1000), StoreCode::Ok);
    ASSERT_TRUE(other.exec("SELECT pg_terminate_backend(" + std::to_string(PQbackendPID(pg.connection())) + ")"));
    EXPECT_EQ(later->step(), BackendStatement::Step::Failed);
    EXPECT_EQ(pg.failure().code, StoreCode::FileSystem);
    EXPECT_TRUE(pg.failure().words.starts_with("veza s poslužiteljem baze je prekinuta (" + db.name())) << pg.failure().words;
    EXPECT_FALSE(pg.exec("COMMIT"));
    EXPECT_EQ(pg.failure().code, StoreCode::FileSystem);
    EXPECT_EQ(count(other), 0);
}

TEST(PgBackend, AnUnreachableServerIsToldWithoutThePassword) {
    PgBackend b("postgresql://ana:tajna@/pramo?host=/nonexistent");
    EXPECT_EQ(b.open(1000), StoreCode::FileSystem);
    EXPECT_EQ(b.failure().words, "poslužitelj baze nije dostupan (pramo na /nonexistent)");
    EXPECT_EQ(b.describe(), "PostgreSQL: pramo na /nonexistent");
}

}  // namespace
}  // namespace pramo
