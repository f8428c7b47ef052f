#include "records/store/store.h"

#include <sqlite3.h>

#include <algorithm>

#include "records/store/cursor.h"
#include "records/store/heap_record.h"
#include "records/store/key_encoding.h"
#include "records/store/stmt_use.h"
#include "records/store/store_sql.h"

namespace pramo {

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
    if (!v) return answer(StoreCode::NotFound);
    ++gets_;
    const TableDef& t = *key.table;
    Stmt* s = statement(&key, sql::Get, [&] {
        return "SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE " + sql::quoted(key.column()) +
               " = ?1 ORDER BY " + sql::quoted(key.column()) + ", _id LIMIT 1";
    });
    if (!s) return error_.code;
    StmtUse use(s->st);
    sqlite3_bind_blob(use.get(), 1, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
    return readOne(t, use.get(), rec);
}

StoreCode Store::addRaw(const TableDef& t, void* rec) {
    leaveRead();
    if (t.derive) t.derive(rec);
    Stmt* s = statement(&t, sql::Insert, [&] { return sql::insert(t); });
    if (!s) return error_.code;
    StmtUse use(s->st);
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
    leaveRead();
    RowRef& row = t.row(rec);
    if (row.id == 0) return answer(StoreCode::NoMoreRecords);
    if (t.derive) t.derive(rec);
    Stmt* s = statement(&t, sql::Update, [&] { return sql::update(t); });
    if (!s) return error_.code;
    StmtUse use(s->st);
    int index = 1;
    (void)bindRecord(t, use.get(), rec, index);
    sqlite3_bind_int64(use.get(), index++, row.id);
    sqlite3_bind_int64(use.get(), index, row.version);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) return fail(rc);
    if (sqlite3_changes(db_) == 0) return answer(StoreCode::ChangedByOther);
    ++writes_;
    ++row.version;
    return succeed();
}

StoreCode Store::eraseRaw(const TableDef& t, void* rec) {
    leaveRead();
    RowRef& row = t.row(rec);
    Stmt* s = statement(&t, sql::Erase, [&] { return "DELETE FROM " + sql::quoted(t.name) + " WHERE _id = ?1"; });
    if (!s) return error_.code;
    StmtUse use(s->st);
    sqlite3_bind_int64(use.get(), 1, row.id);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) return fail(rc);
    if (sqlite3_changes(db_) == 0) return answer(StoreCode::NoMoreRecords);
    ++writes_;
    row = {};
    return succeed();
}

StoreCode Store::regetRaw(const TableDef& t, const Position& p, void* rec) {
    Stmt* s = statement(&t, sql::Reget, [&] { return "SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE _id = ?1"; });
    if (!s) return error_.code;
    StmtUse use(s->st);
    sqlite3_bind_int64(use.get(), 1, p.id);
    return readOne(t, use.get(), rec);
}

StoreCode Store::readOne(const TableDef& t, sqlite3_stmt* st, void* rec) {
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) return ok(readRow(t, st, rec)) ? succeed() : error_.code;
    return rc == SQLITE_DONE ? answer(StoreCode::NotFound) : fail(rc);
}

bool Store::collidesRaw(const KeyDef& key, const void* rec) {
    const TableDef& t = *key.table;
    const HeapRecord stored(t, rec);  // as it would be written
    if (t.derive) t.derive(stored.get());
    const auto v = encodeKey(key, stored.get());
    if (!v) return false;
    Stmt* s = statement(&key, sql::Collides, [&] {
        return "SELECT 1 FROM " + sql::quoted(t.name) + " WHERE " + sql::quoted(key.column()) + " = ?1 AND _id <> ?2 LIMIT 1";
    });
    if (!s) return false;
    StmtUse use(s->st);
    sqlite3_bind_blob(use.get(), 1, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(use.get(), 2, t.row(const_cast<void*>(rec)).id);
    return sqlite3_step(use.get()) == SQLITE_ROW;
}

Position Store::positionRaw(const TableDef& t, const KeyDef* key, const void* rec) const {
    return {key, key ? encodeSeek(*key, rec) : std::string(), t.row(const_cast<void*>(rec)).id};
}

StoreCode Store::count(const TableDef& t, std::int64_t& n) {
    Stmt* s = statement(&t, sql::Count, [&] { return "SELECT count(*) FROM " + sql::quoted(t.name); });
    if (!s) return error_.code;
    StmtUse use(s->st);
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

Cursor& Store::freshCursor(const TableDef& t, const KeyDef* key) {
    auto& c = cursors_[&t];
    c = key ? std::make_unique<Cursor>(*this, *key) : std::make_unique<Cursor>(*this, t);
    return *c;
}

void Store::set(const KeyDef& key) { freshCursor(*key.table, &key).set(); }
void Store::setFromRaw(const KeyDef& key, const void* rec) { freshCursor(*key.table, &key).setFrom(rec); }
void Store::setFile(const TableDef& t) { freshCursor(t, nullptr).set(); }
void Store::resetTo(const TableDef& t, const Position& p) { freshCursor(t, p.key).resetTo(p); }

StoreCode Store::nextRaw(const TableDef& t, void* rec) { return cursorOf(t).next(rec); }
StoreCode Store::previousRaw(const TableDef& t, void* rec) { return cursorOf(t).previous(rec); }

// Lists read pages through a memory map and a large cache, so that a list page on a big file
// costs about what it costs on a small one. A document reads the whole books once: through a
// small cache and no map, so that its memory does not grow with the books.
StoreCode Store::pageWindow(bool wholeBooks) {
    StoreCode c = exec(wholeBooks ? "PRAGMA mmap_size = 0" : "PRAGMA mmap_size = 1073741824");
    if (ok(c)) c = exec(wholeBooks ? "PRAGMA cache_size = -8192" : "PRAGMA cache_size = -65536");
    return c;
}

StoreCode Store::beginRead() {
    if (readDepth_++ > 0) return succeed();
    (void)pageWindow(true);
    if (depth_ > 0) return succeed();
    const StoreCode c = exec("BEGIN");
    reading_ = ok(c);
    return c;  // without it the reads go on one by one
}

void Store::endRead() {
    if (readDepth_ == 0 || --readDepth_ > 0) return;
    leaveRead();
    const StoreError keep = error_;
    (void)pageWindow(false);
    error_ = keep;
}

// Ends the read transaction, if one is open, keeping the error of the last read.
void Store::leaveRead() {
    if (!reading_) return;
    reading_ = false;
    const StoreError keep = error_;
    (void)exec("COMMIT");
    error_ = keep;
}

StoreCode Store::begin(int timeoutSeconds) {
    leaveRead();
    if (depth_ > 0) {
        const StoreCode c = exec("SAVEPOINT pramo_" + std::to_string(depth_ + 1));
        if (ok(c)) ++depth_;
        return c;
    }
    const int wait = waitMs_;
    waitMs_ = timeoutSeconds * 1000;
    const StoreCode c = exec("BEGIN IMMEDIATE");
    waitMs_ = wait;
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
