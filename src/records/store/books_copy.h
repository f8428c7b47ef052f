#pragma once
// A whole set of books copied from one store to another (a file to a server or back): every record
// of every declared file with its row id and version, so that the copy reads in the same order and
// makes the same documents. One transaction on the target; nothing stays of a copy that failed.

#include <string>
#include <vector>

#include "records/store/store.h"

namespace pramo {

struct BooksCopy {
    StoreCode code = StoreCode::Ok;
    std::string problem;           // in the user's words when not Ok
    std::int64_t records = 0;      // copied
};

// Refuses a target that already holds a record in any of `tables` (its files are made when
// missing). The source is read in one read transaction.
BooksCopy copyBooks(Store& from, Store& to, const std::vector<const TableDef*>& tables);

}  // namespace pramo
