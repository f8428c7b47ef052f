#pragma once
// A plain SQLite connection to a data directory's database, as an IT person's sqlite3 tool or
// another program would have: for tests that change the file behind the store's back.

#include <sqlite3.h>

#include <string>

namespace pramo::test {

class RawDb {
public:
    explicit RawDb(const std::string& path) {
        sqlite3_open(path.c_str(), &db_);
        sqlite3_busy_timeout(db_, 10000);
    }
    ~RawDb() { sqlite3_close(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    // Runs SQL; returns the SQLite result code.
    int exec(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }
    // The first column of the first row as text ("" when there is none).
    std::string value(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        std::string out;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
            const auto* p = sqlite3_column_text(st, 0);
            out = p ? reinterpret_cast<const char*>(p) : "";
        }
        sqlite3_finalize(st);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace pramo::test
