// The store's connection: opening and claiming the books, its bookkeeping tables, waiting for
// other programs' locks, and the backend's failures as codes and messages in the user's terms.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "records/store/cursor.h"
#include "records/store/dialect.h"
#include "records/store/stmt_use.h"
#include "records/store/store.h"

namespace pramo {
namespace {

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

// Where this build has no backend for the books named (a server URI without PostgreSQL support).
constexpr const char* noBackend = "PostgreSQL: ovaj program nije preveden s podrškom za poslužitelj baze podataka";

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
     "INSERT INTO _pramo_dirty (tbl) SELECT tbl FROM _pramo_layout WHERE true ON CONFLICT DO NOTHING"},
};

}  // namespace

Store::Store() = default;

Store::~Store() { closeDatabase(); }

StoreCode Store::openDatabase(const std::string& where, EmptyFile empty, int waitSeconds) {
    closeDatabase();
    backend_ = makeBackend(where, empty == EmptyFile::MakeBooks);
    if (!backend_) {
        error_ = {StoreCode::FileSystem, storeMessage(StoreCode::FileSystem), 0, noBackend};
        return StoreCode::FileSystem;
    }
    backend_->setWaitObserver([this](std::int64_t waitedMs) {
        waited_ = true;
        if (waitObserver_) waitObserver_(waitedMs);
    });
    waitMs_ = waitSeconds * 1000;
    path_ = where;  // named while the open waits for another program
    StoreCode c = backendCode(backend_->open(waitMs_));
    if (ok(c)) {
        if (!isServerUri(where)) guard_.emplace(where);
        c = prepareDatabase();
    }
    if (ok(c)) {
        backend_->wholeBooks(false);
        (void)backend_->changedElsewhere();  // from this state of the books on
    }
    waitMs_ = lockWaitSeconds * 1000;
    if (!ok(c)) {
        const StoreError e = error_;
        closeDatabase();
        error_ = e;
    }
    return c;
}

// A foreign database is refused before anything is written to it. Preparing the books while
// another program opens the same new file can be refused at once, without a wait (SQLite will not
// wait where waiting could deadlock): the steps are then tried again until the wait is used up.
StoreCode Store::prepareDatabase() {
    const std::int64_t start = nowMs();
    for (;;) {
        bool ours = false;
        StoreCode c = ownership(ours);
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

// Books that hold tables but are not marked as ours belong to another program (47).
StoreCode Store::ownership(bool& ours) {
    Ownership found = Ownership::Empty;
    if (const StoreCode c = backendCode(backend_->ownership(found)); !ok(c)) return c;
    ours = found == Ownership::Ours;
    if (found != Ownership::Foreign) return succeed();
    error_ = {StoreCode::LayoutMismatch, std::string(notPramoDatabase) + " (sadrži tablice drugog programa)", 0, {}};
    return StoreCode::LayoutMismatch;
}

// Decided under the database's write lock, so that a second program making the same new database
// waits and then finds it made: new, empty books become ours. An open of sound books of ours takes
// no write lock (another station's long transaction does not hold it up).
StoreCode Store::claimDatabase() {
    Transaction tx(*this, waitMs_ / 1000);
    if (!tx.began()) return tx.code();
    bool ours = false;
    StoreCode c = ownership(ours);
    if (ok(c) && !ours) c = backendCode(backend_->claim());
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
    backend_.reset();
    guard_.reset();
    depth_ = 0;
    readDepth_ = 0;
    reading_ = false;
}

std::string Store::describe() const { return backend_ ? backend_->describe() : std::string(); }

bool Store::changedElsewhere() { return backend_ && backend_->changedElsewhere(); }

const Dialect& Store::dialect() const { return backend_->dialect(); }

void Store::setReadFilter(std::function<bool(std::string_view table)> readable) {
    if (backend_) (void)backend_->setReadFilter(std::move(readable));
}

BackendStatement* Store::statement(const std::string& sqlText) {
    if (!backend_) {
        setError(StoreCode::FileNotOpen);
        return nullptr;
    }
    auto it = statements_.find(sqlText);
    if (it != statements_.end()) return it->second.get();
    auto s = backend_->prepare(sqlText);
    if (!s) {
        // Text that does not prepare names a table or column the books lack: their layout differs.
        const BackendFailure f = backend_->failure();
        if (f.code != StoreCode::LayoutMismatch || !f.words.empty()) {
            (void)fail();
            return nullptr;
        }
        error_ = {StoreCode::LayoutMismatch, storeMessage(StoreCode::LayoutMismatch) + (f.detail.empty() ? "" : ": " + f.detail),
                  f.engineCode, f.detail};
        return nullptr;
    }
    return statements_.emplace(sqlText, std::move(s)).first->second.get();
}

StoreCode Store::exec(const std::string& sqlText) {
    if (!backend_) return answer(StoreCode::FileNotOpen);
    return backend_->exec(sqlText) ? succeed() : fail();
}

StoreCode Store::succeed() {
    error_ = {};
    waited_ = false;
    return StoreCode::Ok;
}

// The backend's failure in the program's words: the code, the store's message and, as the file
// system's message, what the failure means for the user (with the table or column a statement
// missed, when that is what the engine said). A refusal of the backend's own, with no engine
// result behind it, tells in the message why the books are not this program's.
StoreCode Store::fail() {
    if (!backend_) return answer(StoreCode::FileNotOpen);
    const BackendFailure f = backend_->failure();
    error_ = {f.code, storeMessage(f.code), f.engineCode, f.words + (f.detail.empty() ? "" : " (" + f.detail + ")")};
    if (f.code == StoreCode::FileLocked) {
        if (waited_) waitedMs_ = waitMs_;  // the whole wait (a little more, by the last step)
        error_.message = lockedMessage();
    }
    if (f.code == StoreCode::LayoutMismatch)
        error_.message = std::string(notPramoDatabase) + (f.engineCode == 0 && !f.words.empty() ? " (" + f.words + ")" : "");
    waited_ = false;
    return f.code;
}

// "Datoteka je zaključana (drži je pramo, proces 4711); čekano 10 s".
std::string Store::lockedMessage() {
    const std::string holder = backend_ ? backend_->lockHolder() : std::string();
    std::string text = storeMessage(StoreCode::FileLocked) + " (drži je " + (holder.empty() ? "drugi program" : holder) + ")";
    if (waitedMs_ >= 0) text += "; čekano " + seconds(waitedMs_);
    waitedMs_ = -1;
    return text;
}

void Store::setError(StoreCode code) {
    if (ok(code)) error_ = {};
    else error_ = {code, storeMessage(code), 0, {}};
}

}  // namespace pramo
