#pragma once
// The books in one SQLite file of the data directory: a write-ahead log, the file marked as this
// program's by its application id, one writer at a time waiting for another program's lock in short
// steps, and the engine's result codes in the program's words (sqlite_backend_words.h).

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "records/store/backend.h"
#include "records/store/sqlite_dialect.h"

struct sqlite3;

namespace pramo {

class SqliteBackend final : public Backend {
public:
    // `makeEmptyFile`: whether a file of 0 bytes (and no write-ahead log) may become the books.
    SqliteBackend(std::string path, bool makeEmptyFile);
    ~SqliteBackend() override;
    SqliteBackend(const SqliteBackend&) = delete;
    SqliteBackend& operator=(const SqliteBackend&) = delete;

    std::string describe() const override;
    const Dialect& dialect() const override { return dialect_; }

    // `waitMs` is how long every operation of the connection waits for another program's lock,
    // except a write transaction begun with a wait of its own.
    StoreCode open(int waitMs) override;
    void close() override;
    bool isOpen() const override { return db_ != nullptr; }

    std::unique_ptr<BackendStatement> prepare(const std::string& sql) override;
    bool exec(const std::string& sql) override;
    std::int64_t changes() const override;
    BackendFailure failure() const override { return failure_; }

    StoreCode ownership(Ownership& found) override;
    StoreCode claim() override;

    bool beginWrite(int waitMs) override;
    bool beginRead() override;
    void setWaitObserver(std::function<void(std::int64_t waitedMs)> observer) override { waitObserver_ = std::move(observer); }
    std::string lockHolder() override;
    void wholeBooks(bool on) override;

    StoreCode columnsOf(std::string_view table, std::vector<std::string>& columns) override;
    StoreCode indexesOf(std::string_view table, std::vector<std::string>& names) override;
    StoreCode exists(Object type, std::string_view name, bool& found) override;
    StoreCode selfCheck(std::vector<std::string>& problems) override;
    StoreCode copyInto(const std::string& path) override;
    bool changedElsewhere() override;
    bool setReadFilter(std::function<bool(std::string_view table)> readable) override;

    // The engine's result `rc` as the last failure (statements report theirs here).
    void fail(int rc);
    // The connection itself, for tests that reach below the store.
    sqlite3* connection() const { return db_; }

private:
    class Statement;
    Statement* own(const std::string& sql);  // a statement of the backend's own, kept while open
    StoreCode names(const std::string& sql, std::string_view param, std::vector<std::string>& out);
    static int onBusy(void* backend, int count);
    static int onAccess(void* backend, int action, const char* table, const char*, const char*, const char*);

    std::string path_;
    bool makeEmptyFile_;
    SqliteDialect dialect_;
    sqlite3* db_ = nullptr;
    BackendFailure failure_;
    int waitMs_ = 10000;
    std::int64_t busySinceMs_ = 0;
    std::int64_t dataVersion_ = -1;
    std::function<void(std::int64_t)> waitObserver_;
    std::function<bool(std::string_view)> readable_;
    std::map<std::string, std::unique_ptr<Statement>> own_;
};

}  // namespace pramo
