// The store's connection: opening and claiming the database, its bookkeeping tables, waiting for
// other programs' locks, and turning SQLite's results into codes and messages in the user's terms.

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "records/store/cursor.h"
#include "records/store/engine_words.h"
#include "records/store/lock_holder.h"
#include "records/store/stmt_use.h"
#include "records/store/store.h"

namespace pramo {
namespace {

constexpr int applicationId = 0x50524D4F;  // "PRMO": marks a database of this program

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// "10 s", "2,5 s".
std::string seconds(std::int64_t ms) {
    char text[32];
    if (ms % 1000 == 0 || ms >= 10000) std::snprintf(text, sizeof text, "%lld s", static_cast<long long>((ms + 500) / 1000));
    else std::snprintf(text, sizeof text, "%lld,%lld s", static_cast<long long>(ms / 1000), static_cast<long long>(ms % 1000 / 100));
    return text;
}

constexpr const char* notPramoDatabase = "Nije baza podataka programa Pramo";

// A file that is there but holds nothing, not even in a write-ahead log beside it: no database
// at all (a copy cut short, a file made by mistake). Only its size is looked at; nothing but
// SQLite opens a database file in this process.
bool holdsNothing(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) != 0 || ec) return false;
    const auto log = std::filesystem::file_size(path + "-wal", ec);
    return ec || log == 0;
}

// The program's own tables: the layout each file was made with, and the files another tool
// changed (their keys are rebuilt when they are next opened).
struct Bookkeeping {
    const char* name;
    std::vector<std::string> columns;
    const char* create;
    const char* afterRemake;  // what a table made anew must hold, or null
};

const Bookkeeping bookkeeping[] = {
    {"_pramo_layout", {"tbl TEXT", "signature TEXT"}, "CREATE TABLE _pramo_layout (tbl TEXT PRIMARY KEY, signature TEXT NOT NULL)",
     nullptr},
    // Which files were changed is lost with the table: every file is checked again.
    {"_pramo_dirty", {"tbl TEXT"}, "CREATE TABLE _pramo_dirty (tbl TEXT PRIMARY KEY)",
     "INSERT OR IGNORE INTO _pramo_dirty (tbl) SELECT tbl FROM _pramo_layout"},
};

}  // namespace

Store::Stmt::~Stmt() { sqlite3_finalize(st); }

Store::Store() = default;

Store::~Store() { closeDatabase(); }

StoreCode Store::openDatabase(const std::string& path, EmptyFile empty, int waitSeconds) {
    closeDatabase();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error_ = {StoreCode::FileSystem, storeMessage(StoreCode::FileSystem), SQLITE_CANTOPEN, "to je mapa, a ne datoteka"};
        return StoreCode::FileSystem;
    }
    if (empty == EmptyFile::Refuse && holdsNothing(path)) {
        error_ = {StoreCode::LayoutMismatch, std::string(notPramoDatabase) + " (prazna datoteka od 0 bajtova)", 0, {}};
        return StoreCode::LayoutMismatch;
    }
    // A connection is used by one thread at a time, so it goes without SQLite's own mutex, which
    // every column read of a row would otherwise lock and unlock.
    const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const StoreCode c = fail(rc);
        closeDatabase();
        return c;
    }
    path_ = path;
    guard_.emplace(path);
    sqlite3_extended_result_codes(db_, 1);
    // A double-quoted name that is no column must be an error, not the text of the name: a file
    // whose column was dropped by another tool would otherwise read the column's name as its value.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_handler(db_, &Store::onBusy, this);
    waitMs_ = waitSeconds * 1000;
    StoreCode c = prepareDatabase();
    if (ok(c)) c = exec("PRAGMA synchronous = NORMAL");
    if (ok(c)) c = pageWindow(false);
    waitMs_ = lockWaitSeconds * 1000;
    if (!ok(c)) {
        const StoreError e = error_;
        closeDatabase();
        error_ = e;
    }
    return c;
}

// A foreign file is refused before anything is written to it; the journal mode is set before the
// claim so that making a new database costs few flushes to disk. Switching the journal mode while
// another program opens the same new file can be refused at once, without a wait (SQLite will not
// wait where waiting could deadlock): the steps are then tried again until the wait is used up.
StoreCode Store::prepareDatabase() {
    const std::int64_t start = nowMs();
    for (;;) {
        bool ours = false;
        StoreCode c = refuseForeign(ours);
        if (ok(c)) c = exec("PRAGMA journal_mode = WAL");
        if (ok(c) && !(ours && bookkeepingSound())) c = claimDatabase();
        const std::int64_t waited = nowMs() - start;
        if (c != StoreCode::FileLocked || waited >= waitMs_) {
            if (c == StoreCode::FileLocked) {
                waitedMs_ = std::max<std::int64_t>(waited, waitMs_);
                error_.message = lockedMessage();
            }
            return c;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (waitObserver_) waitObserver_(nowMs() - start);
    }
}

// A database that has tables but not our mark belongs to another program (47).
StoreCode Store::refuseForeign(bool& ours) {
    // One statement, so that both are read from the same state of the file.
    Stmt* s = statement("SELECT (SELECT application_id FROM pragma_application_id), (SELECT count(*) FROM sqlite_master)");
    if (!s) return error_.code;
    StmtUse use(s->st);
    if (const int rc = sqlite3_step(use.get()); rc != SQLITE_ROW) return fail(rc);
    const std::int64_t id = sqlite3_column_int64(use.get(), 0), objects = sqlite3_column_int64(use.get(), 1);
    ours = id == applicationId;
    if (ours || (id == 0 && objects == 0)) return succeed();
    error_ = {StoreCode::LayoutMismatch, std::string(notPramoDatabase) + " (sadrži tablice drugog programa)", 0, {}};
    return StoreCode::LayoutMismatch;
}

// Decided under the database's write lock, so that a second program making the same new database
// waits and then finds it made: a new, empty database becomes ours. An open of a sound database of
// ours takes no write lock (another station's long transaction does not hold it up).
StoreCode Store::claimDatabase() {
    Transaction tx(*this, waitMs_ / 1000);
    if (!tx.began()) return tx.code();
    bool ours = false;
    StoreCode c = refuseForeign(ours);
    if (ok(c) && !ours) c = exec("PRAGMA application_id = " + std::to_string(applicationId));
    if (ok(c)) c = makeBookkeeping();
    return ok(c) ? tx.commit() : c;
}

// Whether both bookkeeping tables are as the program makes them (read only: no lock is taken).
bool Store::bookkeepingSound() {
    for (const Bookkeeping& b : bookkeeping) {
        bool sound = false;
        if (!ok(columnsMatch(b.name, b.columns, sound)) || !sound) return false;
    }
    return true;
}

StoreCode Store::makeBookkeeping() {
    for (const Bookkeeping& b : bookkeeping) {
        bool sound = false;
        if (const StoreCode c = columnsMatch(b.name, b.columns, sound); !ok(c)) return c;
        if (sound) continue;
        StoreCode c = exec(std::string("DROP TABLE IF EXISTS ") + b.name);
        if (ok(c)) c = exec(b.create);
        if (ok(c) && b.afterRemake) c = exec(b.afterRemake);
        if (!ok(c)) return c;
    }
    return StoreCode::Ok;
}

StoreCode Store::columnsMatch(std::string_view table, const std::vector<std::string>& columns, bool& match) {
    std::vector<std::string> have;
    const StoreCode c = columnsOf(table, have);
    match = have == columns;
    return c;
}

void Store::closeDatabase() {
    cursors_.clear();
    byUse_.clear();
    statements_.clear();
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
    guard_.reset();
    depth_ = 0;
    readDepth_ = 0;
    reading_ = false;
}

void Store::setReadFilter(std::function<bool(std::string_view table)> readable) {
    readable_ = std::move(readable);
    sqlite3_set_authorizer(db_, readable_ ? &Store::onAccess : nullptr, this);
}

int Store::onAccess(void* store, int action, const char* table, const char*, const char*, const char*) {
    const auto& readable = static_cast<Store*>(store)->readable_;
    return action == SQLITE_READ && table && !readable(table) ? SQLITE_DENY : SQLITE_OK;
}

Store::Stmt* Store::statement(const std::string& sqlText) {
    auto it = statements_.find(sqlText);
    if (it != statements_.end()) return it->second.get();
    auto s = std::make_unique<Stmt>();
    const int rc = sqlite3_prepare_v3(db_, sqlText.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &s->st, nullptr);
    if (rc != SQLITE_OK || !s->st) {
        // Text that does not prepare names a table or column the file lacks: its layout differs.
        const std::string why = engineDetail(sqlite3_errmsg(db_));
        const std::string message = storeMessage(StoreCode::LayoutMismatch) + (why.empty() ? "" : ": " + why);
        if ((rc & 0xFF) == SQLITE_ERROR) error_ = {StoreCode::LayoutMismatch, message, rc, why};
        else (void)fail(rc);
        return nullptr;
    }
    return statements_.emplace(sqlText, std::move(s)).first->second.get();
}

StoreCode Store::exec(const std::string& sqlText) {
    char* msg = nullptr;
    const int rc = sqlite3_exec(db_, sqlText.c_str(), nullptr, nullptr, &msg);
    sqlite3_free(msg);
    return rc == SQLITE_OK ? succeed() : fail(rc);
}

StoreCode Store::succeed() {
    error_ = {};
    return StoreCode::Ok;
}

// The engine's result in the program's words: the code, the store's message and, as the file
// system's message, what the result means for the user (with the table or column a statement
// missed, when that is what the engine said).
StoreCode Store::fail(int rc) {
    const EngineMeaning meaning = engineMeaning(rc);
    const StoreCode c = db_ ? meaning.code : StoreCode::FileSystem;
    const std::string detail = db_ ? engineDetail(sqlite3_errmsg(db_)) : std::string();
    error_ = {c, storeMessage(c), rc, std::string(meaning.words) + (detail.empty() ? "" : " (" + detail + ")")};
    if (c == StoreCode::FileLocked) error_.message = lockedMessage();
    if (c == StoreCode::LayoutMismatch) error_.message = notPramoDatabase;
    return c;
}

// "Datoteka je zaključana (drži je pramo, proces 4711); čekano 10 s".
std::string Store::lockedMessage() {
    const std::string holder = path_.empty() ? std::string() : lockHolder(path_);
    std::string text = storeMessage(StoreCode::FileLocked) + " (drži je " + (holder.empty() ? "drugi program" : holder) + ")";
    if (waitedMs_ >= 0) text += "; čekano " + seconds(waitedMs_);
    waitedMs_ = -1;
    return text;
}

// SQLite's busy handler: waits for another program's lock in short steps until the operation's
// wait is used up, and notes how long it waited.
int Store::onBusy(void* store, int count) {
    Store& s = *static_cast<Store*>(store);
    const std::int64_t now = nowMs();
    if (count == 0) s.busySinceMs_ = now;
    const std::int64_t waited = now - s.busySinceMs_;
    if (waited >= s.waitMs_) {
        s.waitedMs_ = s.waitMs_;  // the whole wait (a little more, by the last step)
        return 0;
    }
    const std::int64_t step = count < 10 ? 2 : count < 30 ? 10 : 25;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(step, s.waitMs_ - waited)));
    if (s.waitObserver_) s.waitObserver_(nowMs() - s.busySinceMs_);
    return 1;
}

void Store::setError(StoreCode code) {
    if (ok(code)) error_ = {};
    else error_ = {code, storeMessage(code), 0, {}};
}

}  // namespace pramo
