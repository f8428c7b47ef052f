#pragma once
// Inside the store: a prepared statement in use, reset (and its parameters cleared) when it goes
// out of scope, so that no read stays open between calls.

#include "records/store/backend.h"

namespace pramo {

class StmtUse {
public:
    explicit StmtUse(BackendStatement* st) : st_(*st) {}
    ~StmtUse() { st_.reset(); }
    StmtUse(const StmtUse&) = delete;
    StmtUse& operator=(const StmtUse&) = delete;
    BackendStatement& get() const { return st_; }
    BackendStatement* operator->() const { return &st_; }

private:
    BackendStatement& st_;
};

}  // namespace pramo
