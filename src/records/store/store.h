#pragma once
// The keyed record store over the books of one database (backend.h: a SQLite file in the data
// directory, or a PostgreSQL server): one table per file, every key an indexed hidden column
// holding its sort value. Operations answer with a StoreCode
// and never throw; the last error (and one saved error) are kept for the standard warnings.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "records/store/atomic_file.h"
#include "records/store/backend.h"
#include "records/store/store_code.h"
#include "records/store/table_def.h"

namespace pramo {

class Cursor;

// A record's place in a key's order (or in the file's physical order when key is null), to
// return to it later. Opaque to callers.
struct Position {
    const KeyDef* key = nullptr;
    std::string sortValue;
    std::int64_t id = 0;

    bool valid() const { return id != 0; }
};

class Store {
public:
    static constexpr int lockWaitSeconds = 10;  // how long an operation waits for another station's lock

    Store();
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // What opening does with a database file that is there but holds nothing (0 bytes, no
    // write-ahead log): refuses it as no database of this program (a copy cut short, a file made
    // by mistake, must not become empty books), or makes the books in it (the explicit set-up).
    enum class EmptyFile : std::uint8_t { Refuse, MakeBooks };

    // Opens the books at `where` (the path of a database file, or a PostgreSQL connection URI:
    // makeBackend), creating a file when missing, waiting up to `waitSeconds` for another
    // program's lock. A file that is not a database of this program is refused (47), and so is one
    // that cannot be opened or created (90), or a server that cannot be reached (90). Of two programs making the same new database at once,
    // one makes it and the other finds it made. The program's own bookkeeping tables are made anew
    // when they are missing or were reshaped by another tool.
    StoreCode openDatabase(const std::string& where, EmptyFile empty = EmptyFile::Refuse, int waitSeconds = lockWaitSeconds);
    void closeDatabase();
    bool isOpen() const { return backend_ != nullptr; }
    const std::string& path() const { return path_; }  // the file or URI it was opened at
    // Which engine and where, for the status bar ("SQLite: /home/ana/pramo-podaci/pramo.db"); never
    // a password. Empty when closed.
    std::string describe() const;
    // Whether another program committed a change to the books since the last call (or the open).
    bool changedElsewhere();
    // The engine below, while open: its SQL dialect, and for tests what it alone can do.
    Backend& backend() { return *backend_; }
    const Dialect& dialect() const;

    // Files: a table with its layout, keys and change detection.
    // 0; 2 missing (never made here); 36 lost (made here, gone now); 46 keys to rebuild; 47 other layout; 32; 90
    StoreCode checkTable(const TableDef& t);
    StoreCode createTable(const TableDef& t);  // creates it empty with its keys
    // Recomputes every key, and writes the derived fields a row holds otherwise; 40 when a unique
    // key now collides.
    StoreCode rebuildKeys(const TableDef& t);
    StoreCode removeAll(const TableDef& t);    // erases every record of the file
    // Recomputes every record's keys and counts those that differ from what the file holds.
    // Records with a value their fields cannot hold are left to findBadValues.
    StoreCode verifyKeys(const TableDef& t, std::int64_t& stale);
    // Every value in the file that its field cannot hold (another tool put it there), as "redak 12,
    // MJESTO sadrži ..."; `found` keeps the first `limit`, `count` tells how many there are.
    // Text that is not UTF-8 is among them here, though a record holding it can still be read.
    StoreCode findBadValues(const TableDef& t, std::vector<std::string>& found, std::int64_t& count, std::size_t limit = 20);
    // Every record of `child` whose `link` holds a number that no record of `parent` has in
    // `number` ("redak 3 (OZNAKA 1), ISPLATITELJ 999: u SUBJEKTI nema sloga s OZNAKA 999"); kept
    // and counted as findBadValues does.
    StoreCode findDanglingLinks(const TableDef& child, const FieldDef& link, const TableDef& parent, const FieldDef& number,
                                std::vector<std::string>& found, std::int64_t& count, std::size_t limit = 20);
    // The engine's own check of the whole books: how many problems it finds, 0 when they are
    // sound (a check that cannot run counts as one).
    std::int64_t quickCheck();
    StoreCode count(const TableDef& t, std::int64_t& n);

    // Books kept by an earlier version (books_upgrade.h). How a file stands against its
    // declaration: as declared, missing, of an earlier layout (the declared fields in their order
    // with some of those a later version added missing, or some text fields at an earlier width),
    // or of another layout.
    enum class Layout { Current, Missing, Earlier, Other };
    StoreCode layoutOf(const TableDef& t, Layout& layout);
    // Inside the caller's transaction, a file of an earlier layout gets the declared one: every
    // record is kept in its row, a field it lacked gets the field's addedWith value, and every key
    // is computed anew (which counts as a change of the record). `added` names the fields added,
    // `widened` those the file held at the width they had before a later version widened them.
    StoreCode reshape(const TableDef& t, std::vector<std::string_view>& added, std::vector<std::string_view>& widened);
    // A consistent copy of the whole database, written into the empty file `path` (outside any
    // transaction).
    StoreCode copyInto(const std::string& path);

    // Records. The buffer is a declared record (Osobe, Dohoci ...).
    template <Record R> StoreCode get(const KeyDef& key, R& rec) { return getRaw(key, &rec); }
    template <Record R> StoreCode add(R& rec) { return addRaw(R::table, &rec); }
    template <Record R> StoreCode put(R& rec) { return putRaw(R::table, &rec); }
    template <Record R> StoreCode erase(R& rec) { return eraseRaw(R::table, &rec); }
    template <Record R> StoreCode reget(const Position& p, R& rec) { return regetRaw(R::table, p, &rec); }
    // Whether the buffer's values in `key` equal those of another record (the duplicate test).
    template <Record R> bool collides(const KeyDef& key, const R& rec) { return collidesRaw(key, &rec); }
    template <Record R> Position position(const KeyDef& key, const R& rec) const { return positionRaw(R::table, &key, &rec); }

    StoreCode getRaw(const KeyDef& key, void* rec);
    StoreCode addRaw(const TableDef& t, void* rec);
    StoreCode putRaw(const TableDef& t, void* rec);
    StoreCode eraseRaw(const TableDef& t, void* rec);
    StoreCode regetRaw(const TableDef& t, const Position& p, void* rec);
    bool collidesRaw(const KeyDef& key, const void* rec);
    Position positionRaw(const TableDef& t, const KeyDef* key, const void* rec) const;

    // The file's own sequential order, one per file as the program's screens share it.
    void set(const KeyDef& key);                         // before the first (and after the last)
    template <Record R> void setFrom(const KeyDef& key, const R& rec) { setFromRaw(key, &rec); }
    void setFromRaw(const KeyDef& key, const void* rec); // at the first record at or after the values
    void setFile(const TableDef& t);                     // physical order
    void resetTo(const TableDef& t, const Position& p);
    template <Record R> StoreCode next(R& rec) { return nextRaw(R::table, &rec); }
    template <Record R> StoreCode previous(R& rec) { return previousRaw(R::table, &rec); }
    StoreCode nextRaw(const TableDef& t, void* rec);
    StoreCode previousRaw(const TableDef& t, void* rec);

    // Transactions over several files: one database transaction; nested calls use savepoints.
    StoreCode begin(int timeoutSeconds);
    StoreCode commit();
    void rollback();
    int transactionDepth() const { return depth_; }
    // Reads from one state of the books: from beginRead to the matching endRead every read sees
    // the books as the first of them found them, and all of them take one database transaction
    // instead of one each. Nested calls count; inside a transaction they add nothing. A write or
    // a transaction begun meanwhile ends the read first, and the reads after it see the books
    // as they are then.
    StoreCode beginRead();
    void endRead();

    // Errors. saveError is the program's RISAVEERROR: it keeps the current error for the next
    // warning and rolls back the current transaction.
    const StoreError& error() const { return error_; }
    void saveError();
    StoreError takeErrorForWarning();  // the saved error if any (then forgotten), else the current one
    void setError(StoreCode code);     // for callers that report a code of their own
    StoreCode answer(StoreCode code) {  // sets the error (none for Ok) and answers the code
        if (!ok(code) || error_.present()) setError(code);
        return code;
    }
    void setError(StoreError error) { error_ = std::move(error); }

    std::uint64_t writeCount() const { return writes_; }  // changes made through this connection
    std::uint64_t getCount() const { return gets_; }      // records asked for by key (get), for tests

    // For tests of what a procedure reads: a statement that reads a table `readable` refuses
    // fails when it is made, as one the engine may not run (statements made earlier are not
    // held back). Empty to read everything again. It must not use this store.
    void setReadFilter(std::function<bool(std::string_view table)> readable);

    // Called every few milliseconds while an operation waits for another program's lock, with
    // how long it has waited so far; empty to stop. It must not use this store.
    void setLockWaitObserver(std::function<void(std::int64_t waitedMs)> observer) { waitObserver_ = std::move(observer); }

    // Prepared statements, kept for the life of the connection (for cursors and file checks).
    // statement() answers null when the text cannot be prepared (a table reshaped by another
    // tool); the error is then set, and the caller returns error().code. A statement in use is
    // reset when its use ends (StmtUse).
    BackendStatement* statement(const std::string& sql);
    // The statement `use` (sql::Use) of `owner`, a table's or a key's declaration, prepared once
    // per connection: `text` makes its SQL the first time only, so a statement used over and over
    // (a cursor's page, a get by key) is neither rebuilt nor looked up by its text.
    template <class MakeText>
    BackendStatement* statement(const void* owner, int use, MakeText text) {
        if (const auto it = byUse_.find({owner, use}); it != byUse_.end()) return it->second;
        BackendStatement* s = statement(text());
        if (s) byUse_.emplace(std::pair{owner, use}, s);
        return s;
    }
    // The single text value of a query with one text parameter; nullopt when there is no row.
    StoreCode lookup(const std::string& query, std::string_view param, std::optional<std::string>& out);
    // Binds the values a record of `t` is written with, from parameter `index` on: every field
    // (texts without trailing blanks), then every key's sort value (null when the record is in no
    // key); `index` ends after them.
    void bindRecord(const TableDef& t, BackendStatement& st, const void* rec, int& index);
    // The backend's last failure as the current error; answers its code.
    StoreCode fail();
    // Reads the current row into `rec`; a value its field cannot hold fails the read (47), and the
    // error names the file, the row (_id), the field and the value. The table's derived fields
    // are set by its rule; `derivedChanged` tells whether the row held them otherwise.
    StoreCode readRow(const TableDef& t, const BackendStatement& st, void* rec);
    StoreCode readRow(const TableDef& t, const BackendStatement& st, void* rec, bool& derivedChanged);

private:
    StoreCode exec(const std::string& sql);
    StoreCode backendCode(StoreCode c) { return ok(c) ? succeed() : fail(); }
    StoreCode succeed();
    void leaveRead();
    Cursor& cursorOf(const TableDef& t);
    Cursor& freshCursor(const TableDef& t, const KeyDef* key);  // the file's order anew (null: physical)
    StoreCode readOne(const TableDef& t, BackendStatement& st, void* rec);  // the row a step reads, or NotFound
    StoreCode prepareDatabase();
    StoreCode ownership(bool& ours);
    bool bookkeepingSound();
    StoreCode claimDatabase();
    StoreCode makeBookkeeping();
    StoreCode restoreLayout(const TableDef& t);
    StoreCode missing(const TableDef& t);
    StoreCode columnsMatch(std::string_view table, const std::vector<std::string>& columns, bool& match);
    StoreCode columnsOf(std::string_view table, std::vector<std::string>& columns);
    StoreCode exists(Backend::Object type, std::string_view name, bool& found);
    StoreCode keysComplete(const TableDef& t, bool& complete);
    StoreCode dropKeys(const TableDef& t);
    StoreCode makeKeys(const TableDef& t);
    StoreCode signatureOf(std::string_view table, std::optional<std::string>& signature);
    StoreCode undeclaredIndexes(const TableDef& t, std::vector<std::string>& names);
    std::string lockedMessage();

    std::unique_ptr<Backend> backend_;  // while open
    std::string path_;
    std::optional<DatabaseWriteGuard> guard_;  // no document may replace the open database
    int depth_ = 0;
    int readDepth_ = 0;     // beginRead calls not yet ended
    bool reading_ = false;  // the read transaction they opened is open
    int waitMs_ = lockWaitSeconds * 1000;  // how long the current operation waits for a lock
    bool waited_ = false;                  // the current operation waited for a lock
    std::int64_t waitedMs_ = -1;           // how long the last refused operation waited (-1: did not)
    std::function<void(std::int64_t)> waitObserver_;
    std::uint64_t writes_ = 0;
    std::uint64_t gets_ = 0;
    StoreError error_;
    StoreError saved_;
    std::unordered_map<std::string, std::unique_ptr<BackendStatement>> statements_;
    std::map<std::pair<const void*, int>, BackendStatement*> byUse_;  // into statements_
    std::map<const TableDef*, std::unique_ptr<Cursor>> cursors_;
};

// A transaction that rolls back unless committed. Its destructor never throws.
class Transaction {
public:
    Transaction(Store& store, int timeoutSeconds) : store_(store), code_(store.begin(timeoutSeconds)) {}
    ~Transaction() {
        if (ok(code_) && !done_) store_.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    StoreCode code() const { return code_; }
    bool began() const { return ok(code_); }
    StoreCode commit() {
        done_ = true;
        return store_.commit();
    }
    void rollback() {
        done_ = true;
        store_.rollback();
    }

private:
    Store& store_;
    StoreCode code_;
    bool done_ = false;
};

// Reads from one state of the books while it lives (Store::beginRead).
class ReadTransaction {
public:
    explicit ReadTransaction(Store& store) : store_(store) { (void)store_.beginRead(); }
    ~ReadTransaction() { store_.endRead(); }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Store& store_;
};

// Runs `write` in one transaction: committed when it answers Ok; otherwise none of it stays and its
// code is answered (or the code of a transaction that could not begin or commit).
template <class F>
StoreCode inTransaction(Store& store, F write, int timeoutSeconds = Store::lockWaitSeconds) {
    Transaction tx(store, timeoutSeconds);
    if (!tx.began()) return tx.code();
    if (const StoreCode c = write(); !ok(c)) return c;
    return tx.commit();
}

// Adds every record of `records` in turn; the first one refused ends it with its code.
template <class Records>
StoreCode addAll(Store& store, Records&& records) {
    for (auto& r : records)
        if (const StoreCode c = store.add(r); !ok(c)) return c;
    return StoreCode::Ok;
}

}  // namespace pramo
