#pragma once
// Opening files for the program's procedures: a per-file open count over the store, and
// CHECKOPEN, which creates a missing file (with its delivered data), waits for a locked one, and
// otherwise answers the standard warning that says why the file cannot be used: for damaged keys
// the question whether to rebuild them, else a warning that ends the program. Whoever opens for
// the user shows it; a yes to the question is rebuildKeys().

#include <initializer_list>
#include <map>
#include <span>
#include <vector>

#include "records/store/store.h"
#include "records/store/warnings.h"

namespace pramo {

class Files {
public:
    explicit Files(Store& store) : store_(store) {}

    Store& store() { return store_; }

    // The first user opens the file through CHECKOPEN, later users find it open. A file that
    // cannot be used is not counted open; the outcome says why.
    Outcome<StoreCode> open(const TableDef& t);
    // The last user closes the file.
    void close(const TableDef& t);
    int openCount(const TableDef& t) const;

    // CHECKOPEN itself (it counts nobody in).
    Outcome<StoreCode> checkOpen(const TableDef& t);
    // The rest of CHECKOPEN once the user agreed to rebuild a file's damaged keys.
    Outcome<StoreCode> rebuildKeys(const TableDef& t);
    // Makes a lost file (36) anew, empty but for its delivered data. Opening never does this on
    // its own: only the user's explicit word to set the books up again may accept the loss.
    StoreCode makeAnew(const TableDef& t);
    // Erases every record of a file; refused (52) while any procedure has the file open.
    StoreCode removeAll(const TableDef& t);

private:
    StoreCode create(const TableDef& t);
    Outcome<StoreCode> usable(const TableDef& t, StoreCode c);
    Outcome<StoreCode> warned(const TableDef& t, StoreCode c, Warning id);

    Store& store_;
    std::map<const TableDef*, int> counts_;
};

// Keeps files open for one procedure: opens them all on entry, closes them on exit.
class FileUse {
public:
    FileUse(Files& files, std::initializer_list<const TableDef*> tables)
        : FileUse(files, std::span<const TableDef* const>(tables.begin(), tables.size())) {}
    FileUse(Files& files, std::span<const TableDef* const> tables);
    ~FileUse();
    FileUse(const FileUse&) = delete;
    FileUse& operator=(const FileUse&) = delete;

    bool ok() const { return failed_ == nullptr; }
    // The file that could not be opened (null when all are open), and why.
    const TableDef* failed() const { return failed_; }
    const Outcome<StoreCode>& outcome() const { return outcome_; }

private:
    Files& files_;
    std::vector<const TableDef*> opened_;
    const TableDef* failed_ = nullptr;
    Outcome<StoreCode> outcome_;
};

// Loads a delivered reference table (data/<name>.tsv) into its empty table. Tables without
// delivered data are left as they are; delivered data that cannot be read is a file-system error
// (90) naming the file.
StoreCode loadReferenceData(Store& store, const TableDef& t);

}  // namespace pramo
