#pragma once
// Inside the store: a prepared statement in use, reset (and its parameters cleared) when it goes
// out of scope, so that no read stays open between calls.

#include <sqlite3.h>

namespace pramo {

class StmtUse {
public:
    explicit StmtUse(sqlite3_stmt* st) : st_(st) {}
    ~StmtUse() {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    StmtUse(const StmtUse&) = delete;
    StmtUse& operator=(const StmtUse&) = delete;
    sqlite3_stmt* get() const { return st_; }

private:
    sqlite3_stmt* st_;
};

}  // namespace pramo
