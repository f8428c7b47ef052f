#pragma once
// Books outlive versions: opening books kept by an earlier version brings them to this version's
// layouts before anything else reads them. A later version that adds a field declares it with
// added() (table_def.h), saying what the records of older books get; a file a later version adds
// is simply made, empty (or with its delivered data, as any missing file is). The upgrade first
// keeps a copy of the whole database beside it, then changes everything in one transaction, so
// that it is all done or nothing is; nothing but the layouts changes.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/store/store.h"

namespace pramo {

// The name the copy of the books before an upgrade gets beside the database: "pramo.db.prije-
// nadogradnje", or with "-2", "-3" ... when earlier upgrades left copies (none is ever replaced).
inline constexpr std::string_view copySuffix = ".prije-nadogradnje";

struct BooksUpgrade {
    enum class Result {
        NotNeeded,  // every file has this version's layout (or one the upgrade does not know)
        Done,       // upgraded; `copy` holds the books as they were
        Failed,     // nothing changed; `problem` says why
    };
    struct Reshaped {
        const TableDef* table;
        std::vector<std::string_view> fields;  // the fields added (none when only keys were added)
    };

    Result result = Result::NotNeeded;
    std::vector<Reshaped> reshaped;
    std::vector<const TableDef*> made;  // files the books lacked, made now
    std::string copy;                   // the path of the copy kept
    std::string problem;                // why it failed, for the user
};

// Upgrades the books of the open store to the layouts of `tables` when any of them has an
// earlier layout. Files of a layout it does not know are left for the file checks to refuse.
BooksUpgrade upgradeBooks(Store& store, std::span<const TableDef* const> tables);

// What a done upgrade changed and where the copy is, for the user.
std::string upgradeSummary(const BooksUpgrade& up);

// The fields of `t` that a file of layout `signature` (TableDef::layoutSignature) lacks, in their
// order; nullopt when `signature` is not an earlier layout of `t` (every field it has must be
// declared in its place with its type, and every field it lacks must be one added later).
std::optional<std::vector<const FieldDef*>> fieldsAddedSince(const TableDef& t, std::string_view signature);

}  // namespace pramo
