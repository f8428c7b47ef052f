#pragma once
// The books on a PostgreSQL server, through libpq. One connection per store; the server keeps the
// books sound and every transaction whole, so a connection that breaks leaves nothing half-written.
//
// The books of one set live in one schema: `public`, or the first schema of the URI's search_path
// (options=-csearch_path=...). They are this program's when the schema holds its table
// _pramo_layout (other tables beside it are left alone, as a database file of this program may
// hold another tool's tables), empty when the schema holds no table, another program's otherwise.
//
// One writer at a time, as on a database file: a write transaction holds a transaction-level
// advisory lock of this program. Reads take a snapshot (REPEATABLE READ, read only). Other
// connections' commits are learnt from the notices the tables' triggers send (pg_dialect.h).

#include <libpq-fe.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "records/store/backend.h"
#include "records/store/pg_dialect.h"

namespace pramo {

class PgBackend final : public Backend {
public:
    explicit PgBackend(std::string uri);
    ~PgBackend() override;
    PgBackend(const PgBackend&) = delete;
    PgBackend& operator=(const PgBackend&) = delete;

    std::string describe() const override;
    const Dialect& dialect() const override { return dialect_; }
    StoreCode open(int waitMs) override;
    void close() override;
    bool isOpen() const override { return conn_ != nullptr; }
    std::unique_ptr<BackendStatement> prepare(const std::string& sql) override;
    bool exec(const std::string& sql) override;
    std::int64_t changes() const override { return changes_; }
    BackendFailure failure() const override { return failure_; }
    StoreCode ownership(Ownership& found) override;
    StoreCode claim() override;
    bool beginWrite(int waitMs) override;
    bool beginRead() override;
    void setWaitObserver(std::function<void(std::int64_t waitedMs)> observer) override { observer_ = std::move(observer); }
    std::string lockHolder() override;
    void wholeBooks(bool) override {}
    StoreCode columnsOf(std::string_view table, std::vector<std::string>& columns) override;
    StoreCode indexesOf(std::string_view table, std::vector<std::string>& names) override;
    StoreCode exists(Object type, std::string_view name, bool& found) override;
    StoreCode selfCheck(std::vector<std::string>& problems) override;
    StoreCode copyInto(const std::string& path) override;
    bool changedElsewhere() override;
    bool setReadFilter(std::function<bool(std::string_view)>) override { return false; }

    // For the statements: the connection and which one it is (a statement prepared on an earlier
    // connection is refused), what a finished command changed, and its failure.
    PGconn* connection() const { return conn_; }
    std::uint64_t connectionNumber() const { return connectionNumber_; }
    void noteChanges(const PGresult* result);
    void noteFailure(const PGresult* result);
    void noteDuplicate();
    void noteLostConnection();
    bool inTransaction() const;
    // A statement that must not lose the transaction to its failure runs between these.
    bool guard();
    void unguard(bool succeeded);

private:
    StoreCode fail(const PGresult* result);
    bool run(const std::string& sql, PGresult** rows = nullptr);  // rows: the caller clears them
    // The rows of a catalogue query with at most one parameter, every value as text.
    StoreCode texts(const std::string& sql, std::optional<std::string> param, std::vector<std::string>& out, int columns = 1);
    std::string server() const;  // "pramo na /run/postgresql"

    std::string uri_;
    PgDialect dialect_;
    PGconn* conn_ = nullptr;
    std::uint64_t connectionNumber_ = 0;
    std::uint64_t statements_ = 0;  // prepared on this connection, for their names
    std::string schema_;             // where the books are
    std::int64_t changes_ = 0;
    BackendFailure failure_;
    std::function<void(std::int64_t)> observer_;
};

}  // namespace pramo
