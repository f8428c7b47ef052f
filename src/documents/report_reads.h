#pragma once
// The reads a report makes beside its pass (an item's payment, a payee's place, the lines of an
// item). A failed read remembers its file, so that the run names the file actually read rather
// than the one its pass walks.

#include <cstdint>
#include <optional>

#include "records/store/read_linked.h"
#include "records/store/store.h"
#include "documents/report_run.h"

namespace pramo {

class ReportReads {
public:
    explicit ReportReads(Store& store) : store_(store) {}

    Store& store() { return store_; }

    // The record numbered `number`; empty when there is none (which is no failure).
    template <class R>
    StoreCode linked(std::int64_t number, std::optional<R>& out) {
        return check(readLinked(store_, number, out), R::table);
    }

    // Passes `code` on; the first failure remembers `file`.
    StoreCode check(StoreCode code, const TableDef& file) {
        if (!ok(code) && failed_ == nullptr) failed_ = &file;
        return code;
    }

    // A failed run names the file whose read failed here, when one did.
    ReportResult named(ReportResult r) const {
        return pramo::named(std::move(r), failed_);
    }

private:
    Store& store_;
    const TableDef* failed_ = nullptr;
};

}  // namespace pramo
