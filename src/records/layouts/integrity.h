#pragma once
// Referential integrity: the only way screens delete a record or write a changed one. Each
// operation is one transaction over the files it may touch; a refusal or an error leaves every
// file as it was and answers the message the user is to be told (the caller shows it). Which records refer to which is declared in
// relations.h; a file without children has the same operations over the file alone.

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "records/store/files.h"

namespace pramo {

enum class RiResult : int {
    Done = 0,            // written or deleted
    Refused = 1,         // refused or failed; nothing changed (the outcome's message says why)
    ChangedByOther = 2,  // another station changed the record; the buffer now holds its version
};

class Integrity {
public:
    // How long an operation waits for another station's transaction before giving up (warning 34).
    static constexpr int timeoutSeconds = 2;

    explicit Integrity(Files& files) : files_(files) {}

    // RISNAP: remembers the record's number (and any code its children refer to) when a form
    // opens it, so that a later change is carried from it. Remembered per record and for the
    // version read, so forms open on different records of one file do not disturb each other and
    // a buffer read again since does not use an old value; files without children remember nothing.
    void snap(const TableDef& t, const void* rec);
    // RIUPDATE: writes the record, carrying a changed number (or code) to the records that refer
    // to it or refusing the change (the buffer then gets its old values back). After ChangedByOther the
    // buffer holds the record as the other station stored it.
    Outcome<RiResult> update(const TableDef& t, void* rec);
    // RIDELETE: deletes the record with the records that depend on it, or refuses. The record is
    // the one the buffer was read from (or, for a buffer never read, the one its number names).
    Outcome<RiResult> remove(const TableDef& t, void* rec);

    template <class R> void snap(const R& rec) { snap(R::table, &rec); }
    template <class R> Outcome<RiResult> update(R& rec) { return update(R::table, &rec); }
    template <class R> Outcome<RiResult> remove(R& rec) { return remove(R::table, &rec); }

    // The values of a record's fields that its children refer to, by field name.
    using Links = std::map<std::string, std::string>;

private:
    static Links linksOf(const TableDef& t, const void* rec);
    Links linksBefore(const TableDef& t, const void* rec);

    Files& files_;
    struct Snapshot {
        Links links;
        std::int64_t version;  // of the record as read when the values were taken
    };
    std::map<std::pair<const TableDef*, std::int64_t>, Snapshot> snapshots_;  // by file and row
};

}  // namespace pramo
