#pragma once
// Opening files for the program's procedures: a per-file open count over the store, and
// CHECKOPEN, which creates a missing file (with its delivered data), waits for a locked one,
// rebuilds damaged keys when the user agrees, and otherwise ends the program with a message.

#include <initializer_list>
#include <map>
#include <span>
#include <vector>

#include "records/store/store.h"
#include "records/store/warnings.h"

namespace pramo {

class Files {
public:
    Files(Store& store, Messages& messages) : store_(store), messages_(messages) {}

    Store& store() { return store_; }
    Messages& messages() { return messages_; }

    // The first user opens the file through CHECKOPEN, later users find it open. When the file
    // cannot be used the program has been ended (Messages::halt) and the code is returned.
    StoreCode open(const TableDef& t);
    // The last user closes the file.
    void close(const TableDef& t);
    int openCount(const TableDef& t) const;

    // CHECKOPEN itself.
    StoreCode checkOpen(const TableDef& t);
    // Erases every record of a file; refused (52) while any procedure has the file open.
    StoreCode removeAll(const TableDef& t);

private:
    StoreCode create(const TableDef& t);

    Store& store_;
    Messages& messages_;
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
    // The file that could not be opened (null when all are open).
    const TableDef* failed() const { return failed_; }

private:
    Files& files_;
    std::vector<const TableDef*> opened_;
    const TableDef* failed_ = nullptr;
};

// Loads a delivered reference table (data/<name>.tsv) into its empty table. Tables without
// delivered data are left as they are; delivered data that cannot be read is a file-system error
// (90) naming the file.
StoreCode loadReferenceData(Store& store, const TableDef& t);

}  // namespace pramo
