#pragma once
// Fresh books for one test on each engine: a database file in a new directory, or a new database
// on the test server (PRAMO_TEST_PG_URI, or the URI that the test run's server fixture writes into
// the build tree). A test parametrised over both engines runs the same body
// on each; on a machine without the server the PostgreSQL runs skip.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "support/temp_dir.h"

namespace pramo::test {

enum class Engine { Sqlite, Postgres };

inline std::ostream& operator<<(std::ostream& out, Engine e) { return out << (e == Engine::Sqlite ? "SQLite" : "PostgreSQL"); }
// For INSTANTIATE_TEST_SUITE_P: names the runs SQLite and PostgreSQL.
inline std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::Sqlite ? "SQLite" : "PostgreSQL";
}
#define PRAMO_ON_BOTH_ENGINES(suite) \
    INSTANTIATE_TEST_SUITE_P(Engines, suite, ::testing::Values(::pramo::test::Engine::Sqlite, ::pramo::test::Engine::Postgres), \
                             ::pramo::test::engineName)

// The test server's URI (of its database "postgres", as its superuser); empty when there is none.
std::string testServerUri();

// Whether tests can have books on `engine` here (a file always; a server when the run has one).
inline bool engineAvailable(Engine e) { return e == Engine::Sqlite || !testServerUri().empty(); }

// A base of a test parametrised over the engines that skips where the engine is not available.
class OnEngine : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        if (!engineAvailable(GetParam())) GTEST_SKIP() << "no PostgreSQL test server";
    }
};

// A database made for one test on the test server and dropped after it.
class FreshDatabase {
public:
    FreshDatabase();
    ~FreshDatabase();
    FreshDatabase(const FreshDatabase&) = delete;
    FreshDatabase& operator=(const FreshDatabase&) = delete;
    const std::string& uri() const { return uri_; }  // empty when no database could be made
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::string uri_;
};

// Where a test's books are: a file `name` in a fresh directory, or a fresh database.
class TestBooks {
public:
    explicit TestBooks(Engine engine, const std::string& name = "pramo.db");
    Engine engine() const { return engine_; }
    bool available() const { return !where_.empty(); }
    const std::string& where() const { return where_; }  // the path or the URI
    const TempDir& dir() const { return dir_; }           // the data directory (documents go there)

private:
    Engine engine_;
    TempDir dir_;
    std::unique_ptr<FreshDatabase> database_;
    std::string where_;
};

// A URI of the test server for another database of it.
std::string withDatabase(const std::string& serverUri, const std::string& database);

}  // namespace pramo::test
