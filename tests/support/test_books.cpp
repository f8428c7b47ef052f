#include "support/test_books.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>

namespace pramo::test {
namespace {

// Runs one statement on the server's own database; false when it fails.
bool onServer(const std::string& sql) {
    PGconn* conn = PQconnectdb(testServerUri().c_str());
    bool done = PQstatus(conn) == CONNECTION_OK;
    if (done) {
        PGresult* r = PQexec(conn, sql.c_str());
        done = PQresultStatus(r) == PGRES_COMMAND_OK;
        if (!done) ADD_FAILURE() << PQresultErrorMessage(r);
        PQclear(r);
    }
    PQfinish(conn);
    return done;
}

}  // namespace

std::string testServerUri() {
    if (const char* uri = std::getenv("PRAMO_TEST_PG_URI"); uri && *uri) return uri;
    std::ifstream in(PRAMO_PG_URI_FILE);  // written by the test run's server
    std::string uri;
    std::getline(in, uri);
    return uri;
}

std::string withDatabase(const std::string& serverUri, const std::string& database) {
    const std::size_t authority = serverUri.find("://");
    const std::size_t path = serverUri.find('/', authority + 3);
    const std::size_t query = serverUri.find('?', path);
    return serverUri.substr(0, path + 1) + database + (query == std::string::npos ? "" : serverUri.substr(query));
}

FreshDatabase::FreshDatabase() {
    static std::atomic<int> made{0};
    const std::string server = testServerUri();
    if (server.empty()) return;
    name_ = "pramo_test_" + std::to_string(::getpid()) + "_" + std::to_string(++made);
    if (!onServer("CREATE DATABASE " + name_ + " TEMPLATE template0")) return;
    uri_ = withDatabase(server, name_);
}

FreshDatabase::~FreshDatabase() {
    if (!uri_.empty()) (void)onServer("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
}

TestBooks::TestBooks(Engine engine, const std::string& name) : engine_(engine) {
    if (engine == Engine::Sqlite) {
        where_ = dir_.file(name);
        return;
    }
    database_ = std::make_unique<FreshDatabase>();
    where_ = database_->uri();
}

}  // namespace pramo::test
