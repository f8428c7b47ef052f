#pragma once
// Referential integrity: the only way screens delete a record or write a changed one. Each
// operation is one transaction over the files it may touch; a refusal or an error leaves every
// file as it was and has shown its message.

#include <map>

#include "records/files.h"

namespace pramo {

enum class RiResult : int {
    Done = 0,            // written or deleted
    Refused = 1,         // refused or failed; a message has been shown and nothing changed
    ChangedByOther = 2,  // another station changed the record; the buffer now holds its version
};

class Integrity {
public:
    explicit Integrity(Files& files) : files_(files) {}

    // RISNAP: remembers the record's number when a form opens it.
    void snap(const TableDef& t, const void* rec);
    // RIUPDATE: writes the record, carrying a changed number to the records that refer to it or
    // refusing the change (the buffer then gets its old number back).
    RiResult update(const TableDef& t, void* rec);
    // RIDELETE: deletes the record with the records that depend on it, or refuses.
    RiResult remove(const TableDef& t, void* rec);

    template <class R> void snap(const R& rec) { snap(R::table, &rec); }
    template <class R> RiResult update(R& rec) { return update(R::table, &rec); }
    template <class R> RiResult remove(R& rec) { return remove(R::table, &rec); }

private:
    Files& files_;
    std::map<const TableDef*, std::int64_t> snapshots_;
};

}  // namespace pramo
