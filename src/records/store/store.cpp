#include "records/store/store.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

#include "records/store/cursor.h"
#include "records/store/key_encoding.h"
#include "records/store/store_sql.h"

namespace pramo {
namespace {

constexpr int applicationId = 0x50524D4F;  // "PRMO": marks a database of this program

StoreCode codeOf(int rc) {
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return StoreCode::FileLocked;
    case SQLITE_CONSTRAINT: return StoreCode::DuplicateKey;
    case SQLITE_NOTADB: return StoreCode::LayoutMismatch;
    default: return StoreCode::FileSystem;
    }
}

}  // namespace

Store::Stmt::~Stmt() { sqlite3_finalize(st); }

// Resets a statement when it goes out of scope, so that no read stays open between calls.
class StmtUse {
public:
    explicit StmtUse(sqlite3_stmt* st) : st_(st) {}
    ~StmtUse() {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    StmtUse(const StmtUse&) = delete;
    StmtUse& operator=(const StmtUse&) = delete;
    sqlite3_stmt* get() const { return st_; }

private:
    sqlite3_stmt* st_;
};

Store::Store() = default;

Store::~Store() { closeDatabase(); }

StoreCode Store::openDatabase(const std::string& path) {
    closeDatabase();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error_ = {StoreCode::FileSystem, storeMessage(StoreCode::FileSystem), SQLITE_CANTOPEN, "is a directory"};
        return StoreCode::FileSystem;
    }
    const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const StoreCode c = fail(rc);
        closeDatabase();
        return c;
    }
    path_ = path;
    guard_.emplace(path);
    sqlite3_busy_timeout(db_, lockWaitSeconds * 1000);
    sqlite3_extended_result_codes(db_, 1);
    StoreCode c = createSchemaTables();
    if (ok(c)) c = exec("PRAGMA journal_mode = WAL");
    if (ok(c)) c = exec("PRAGMA synchronous = NORMAL");
    // Pages are read through a memory map and a larger cache: a list page on a big file then
    // costs about what it costs on a small one.
    if (ok(c)) c = exec("PRAGMA mmap_size = 1073741824");
    if (ok(c)) c = exec("PRAGMA cache_size = -65536");
    if (!ok(c)) {
        const StoreError e = error_;
        closeDatabase();
        error_ = e;
    }
    return c;
}

// A new, empty database becomes ours; one with tables must carry our mark.
StoreCode Store::createSchemaTables() {
    auto& idStmt = statement("PRAGMA application_id");
    int id = 0;
    {
        StmtUse use(idStmt.st);
        const int rc = sqlite3_step(use.get());
        if (rc != SQLITE_ROW) return fail(rc);
        id = sqlite3_column_int(use.get(), 0);
    }
    if (id == applicationId) return succeed();
    auto& count = statement("SELECT count(*) FROM sqlite_master");
    {
        StmtUse use(count.st);
        const int rc = sqlite3_step(use.get());
        if (rc != SQLITE_ROW) return fail(rc);
        if (id != 0 || sqlite3_column_int(use.get(), 0) != 0) {
            error_ = {StoreCode::LayoutMismatch, "the file is a database of another program", 0, {}};
            return StoreCode::LayoutMismatch;
        }
    }
    StoreCode c = exec("PRAGMA application_id = " + std::to_string(applicationId));
    if (ok(c)) c = exec("CREATE TABLE IF NOT EXISTS _pramo_layout (tbl TEXT PRIMARY KEY, signature TEXT NOT NULL)");
    if (ok(c)) c = exec("CREATE TABLE IF NOT EXISTS _pramo_dirty (tbl TEXT PRIMARY KEY)");
    return c;
}

void Store::closeDatabase() {
    cursors_.clear();
    statements_.clear();
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
    guard_.reset();
    depth_ = 0;
}

Store::Stmt& Store::statement(const std::string& sqlText) {
    auto it = statements_.find(sqlText);
    if (it != statements_.end()) return *it->second;
    auto s = std::make_unique<Stmt>();
    sqlite3_prepare_v3(db_, sqlText.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &s->st, nullptr);
    return *statements_.emplace(sqlText, std::move(s)).first->second;
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

StoreCode Store::fail(int rc) {
    const StoreCode c = db_ ? codeOf(rc) : StoreCode::FileSystem;
    error_ = {c, storeMessage(c), rc, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)};
    return c;
}

void Store::setError(StoreCode code) {
    if (ok(code)) error_ = {};
    else error_ = {code, storeMessage(code), 0, {}};
}

void Store::saveError() {
    saved_ = error_;
    if (depth_ > 0) rollback();
}

StoreError Store::takeErrorForWarning() {
    if (!saved_.present()) return error_;
    StoreError e = std::move(saved_);
    saved_ = {};
    return e;
}

bool Store::tableExists(const TableDef& t) {
    auto& s = statement("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    StmtUse use(s.st);
    sqlite3_bind_text(use.get(), 1, t.name.data(), static_cast<int>(t.name.size()), SQLITE_TRANSIENT);
    return sqlite3_step(use.get()) == SQLITE_ROW;
}

void Store::readRow(const TableDef& t, sqlite3_stmt* st, void* rec) const {
    RowRef& row = t.row(rec);
    row.id = sqlite3_column_int64(st, 0);
    row.version = sqlite3_column_int64(st, 1);
    int col = 2;
    for (const FieldDef& f : t.fields) {
        if (f.isText()) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
            f.setText(rec, p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(st, col))) : "");
        } else {
            f.setInt(rec, std::clamp<std::int64_t>(sqlite3_column_int64(st, col), f.minValue(), f.maxValue()));
        }
        ++col;
    }
}

StoreCode Store::bindRecord(const TableDef& t, sqlite3_stmt* st, const void* rec, int& index) {
    for (const FieldDef& f : t.fields) {
        if (f.isText()) {
            const auto v = utf8::trimRight(f.getText(rec));
            sqlite3_bind_text(st, index++, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(st, index++, f.getInt(rec));
        }
    }
    for (const KeyDef* k : t.keys) {
        const auto v = encodeKey(*k, rec);
        if (v) sqlite3_bind_blob(st, index++, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
        else sqlite3_bind_null(st, index++);
    }
    return StoreCode::Ok;
}

StoreCode Store::getRaw(const KeyDef& key, void* rec) {
    const auto v = encodeKey(key, rec);
    if (!v) {
        setError(StoreCode::NotFound);
        return StoreCode::NotFound;
    }
    const TableDef& t = *key.table;
    auto& s = statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE " +
                        sql::quoted(key.column()) + " = ?1 ORDER BY " + sql::quoted(key.column()) + ", _id LIMIT 1");
    if (!s.st) return fail(sqlite3_errcode(db_));
    StmtUse use(s.st);
    sqlite3_bind_blob(use.get(), 1, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(use.get());
    if (rc == SQLITE_ROW) {
        readRow(t, use.get(), rec);
        return succeed();
    }
    if (rc == SQLITE_DONE) {
        setError(StoreCode::NotFound);
        return StoreCode::NotFound;
    }
    return fail(rc);
}

StoreCode Store::addRaw(const TableDef& t, void* rec) {
    auto& s = statement(sql::insert(t));
    if (!s.st) return fail(sqlite3_errcode(db_));
    StmtUse use(s.st);
    int index = 1;
    (void)bindRecord(t, use.get(), rec, index);
    sqlite3_bind_int64(use.get(), index, 1);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) return fail(rc);
    ++writes_;
    t.row(rec) = {sqlite3_last_insert_rowid(db_), 1};
    return succeed();
}

StoreCode Store::putRaw(const TableDef& t, void* rec) {
    RowRef& row = t.row(rec);
    if (row.id == 0) {
        setError(StoreCode::NoMoreRecords);
        return StoreCode::NoMoreRecords;
    }
    auto& s = statement(sql::update(t));
    if (!s.st) return fail(sqlite3_errcode(db_));
    StmtUse use(s.st);
    int index = 1;
    (void)bindRecord(t, use.get(), rec, index);
    sqlite3_bind_int64(use.get(), index++, row.id);
    sqlite3_bind_int64(use.get(), index, row.version);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) return fail(rc);
    if (sqlite3_changes(db_) == 0) {
        setError(StoreCode::ChangedByOther);
        return StoreCode::ChangedByOther;
    }
    ++writes_;
    ++row.version;
    return succeed();
}

StoreCode Store::eraseRaw(const TableDef& t, void* rec) {
    RowRef& row = t.row(rec);
    auto& s = statement("DELETE FROM " + sql::quoted(t.name) + " WHERE _id = ?1");
    if (!s.st) return fail(sqlite3_errcode(db_));
    StmtUse use(s.st);
    sqlite3_bind_int64(use.get(), 1, row.id);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) return fail(rc);
    if (sqlite3_changes(db_) == 0) {
        setError(StoreCode::NoMoreRecords);
        return StoreCode::NoMoreRecords;
    }
    ++writes_;
    row = {};
    return succeed();
}

StoreCode Store::regetRaw(const TableDef& t, const Position& p, void* rec) {
    auto& s = statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE _id = ?1");
    if (!s.st) return fail(sqlite3_errcode(db_));
    StmtUse use(s.st);
    sqlite3_bind_int64(use.get(), 1, p.id);
    const int rc = sqlite3_step(use.get());
    if (rc == SQLITE_ROW) {
        readRow(t, use.get(), rec);
        return succeed();
    }
    if (rc != SQLITE_DONE) return fail(rc);
    setError(StoreCode::NotFound);
    return StoreCode::NotFound;
}

bool Store::collidesRaw(const KeyDef& key, const void* rec) {
    const auto v = encodeKey(key, rec);
    if (!v) return false;
    const TableDef& t = *key.table;
    auto& s = statement("SELECT 1 FROM " + sql::quoted(t.name) + " WHERE " + sql::quoted(key.column()) +
                        " = ?1 AND _id <> ?2 LIMIT 1");
    if (!s.st) return false;
    StmtUse use(s.st);
    sqlite3_bind_blob(use.get(), 1, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(use.get(), 2, t.row(const_cast<void*>(rec)).id);
    return sqlite3_step(use.get()) == SQLITE_ROW;
}

Position Store::positionRaw(const TableDef& t, const KeyDef* key, const void* rec) const {
    return {key, key ? encodeSeek(*key, rec) : std::string(), t.row(const_cast<void*>(rec)).id};
}

StoreCode Store::count(const TableDef& t, std::int64_t& n) {
    auto& s = statement("SELECT count(*) FROM " + sql::quoted(t.name));
    if (!s.st) return fail(sqlite3_errcode(db_));
    StmtUse use(s.st);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_ROW) return fail(rc);
    n = sqlite3_column_int64(use.get(), 0);
    return succeed();
}

StoreCode Store::removeAll(const TableDef& t) {
    const StoreCode c = exec("DELETE FROM " + sql::quoted(t.name));
    if (ok(c)) ++writes_;
    return c;
}

Cursor& Store::cursorOf(const TableDef& t) {
    auto& c = cursors_[&t];
    if (!c) c = std::make_unique<Cursor>(*this, t);
    return *c;
}

void Store::set(const KeyDef& key) {
    auto& c = cursors_[key.table];
    c = std::make_unique<Cursor>(*this, key);
    c->set();
}

void Store::setFromRaw(const KeyDef& key, const void* rec) {
    auto& c = cursors_[key.table];
    c = std::make_unique<Cursor>(*this, key);
    c->setFrom(rec);
}

void Store::setFile(const TableDef& t) {
    auto& c = cursors_[&t];
    c = std::make_unique<Cursor>(*this, t);
    c->set();
}

void Store::resetTo(const TableDef& t, const Position& p) {
    auto& c = cursors_[&t];
    c = p.key ? std::make_unique<Cursor>(*this, *p.key) : std::make_unique<Cursor>(*this, t);
    c->resetTo(p);
}

StoreCode Store::nextRaw(const TableDef& t, void* rec) { return cursorOf(t).next(rec); }
StoreCode Store::previousRaw(const TableDef& t, void* rec) { return cursorOf(t).previous(rec); }

StoreCode Store::begin(int timeoutSeconds) {
    if (depth_ > 0) {
        const StoreCode c = exec("SAVEPOINT pramo_" + std::to_string(depth_ + 1));
        if (ok(c)) ++depth_;
        return c;
    }
    sqlite3_busy_timeout(db_, timeoutSeconds * 1000);
    const StoreCode c = exec("BEGIN IMMEDIATE");
    sqlite3_busy_timeout(db_, lockWaitSeconds * 1000);
    if (ok(c)) depth_ = 1;
    return c;
}

StoreCode Store::commit() {
    if (depth_ == 0) return succeed();
    if (depth_ > 1) {
        const StoreCode c = exec("RELEASE pramo_" + std::to_string(depth_));
        --depth_;
        return c;
    }
    const StoreCode c = exec("COMMIT");
    if (!ok(c)) {
        const StoreError e = error_;
        rollback();
        error_ = e;
        return c;
    }
    depth_ = 0;
    return c;
}

void Store::rollback() {
    if (depth_ == 0) return;
    const StoreError keep = error_;
    if (depth_ > 1) {
        const std::string name = "pramo_" + std::to_string(depth_);
        (void)exec("ROLLBACK TO " + name);
        (void)exec("RELEASE " + name);
    } else {
        (void)exec("ROLLBACK");
    }
    --depth_;
    ++writes_;
    error_ = keep;
}

}  // namespace pramo
