#include "records/store/store.h"

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

void Store::bindRecord(const TableDef& t, BackendStatement& st, const void* rec, int& index) {
    for (const FieldDef& f : t.fields) {
        if (f.isText()) st.bindText(index++, utf8::trimRight(f.getText(rec)));
        else st.bindInt(index++, f.getInt(rec));
    }
    for (const KeyDef* k : t.keys) {
        const auto v = encodeKey(*k, rec);
        if (v) st.bindBlob(index++, *v);
        else st.bindNull(index++);
    }
}

StoreCode Store::getRaw(const KeyDef& key, void* rec) {
    const auto v = encodeKey(key, rec);
    if (!v) return answer(StoreCode::NotFound);
    ++gets_;
    const TableDef& t = *key.table;
    BackendStatement* s = statement(&key, sql::Get, [&] {
        return "SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE " + sql::quoted(key.column()) +
               " = ?1 ORDER BY " + sql::quoted(key.column()) + ", _id LIMIT 1";
    });
    if (!s) return error_.code;
    StmtUse use(s);
    use->bindBlob(1, *v);
    return readOne(t, use.get(), rec);
}

StoreCode Store::addRaw(const TableDef& t, void* rec) {
    leaveRead();
    if (t.derive) t.derive(rec);
    BackendStatement* s = statement(&t, sql::Insert, [&] { return sql::insert(t); });
    if (!s) return error_.code;
    StmtUse use(s);
    int index = 1;
    bindRecord(t, use.get(), rec, index);
    use->bindInt(index, 1);
    if (use->step() != BackendStatement::Step::Row) return fail();
    const std::int64_t id = use->integer(0);
    if (use->step() != BackendStatement::Step::Done) return fail();
    ++writes_;
    t.row(rec) = {id, 1};
    return succeed();
}

StoreCode Store::putRaw(const TableDef& t, void* rec) {
    leaveRead();
    RowRef& row = t.row(rec);
    if (row.id == 0) return answer(StoreCode::NoMoreRecords);
    if (t.derive) t.derive(rec);
    BackendStatement* s = statement(&t, sql::Update, [&] { return sql::update(t); });
    if (!s) return error_.code;
    StmtUse use(s);
    int index = 1;
    bindRecord(t, use.get(), rec, index);
    use->bindInt(index++, row.id);
    use->bindInt(index, row.version);
    if (use->step() != BackendStatement::Step::Done) return fail();
    if (backend_->changes() == 0) return answer(StoreCode::ChangedByOther);
    ++writes_;
    ++row.version;
    return succeed();
}

StoreCode Store::eraseRaw(const TableDef& t, void* rec) {
    leaveRead();
    RowRef& row = t.row(rec);
    BackendStatement* s = statement(&t, sql::Erase, [&] { return "DELETE FROM " + sql::quoted(t.name) + " WHERE _id = ?1"; });
    if (!s) return error_.code;
    StmtUse use(s);
    use->bindInt(1, row.id);
    if (use->step() != BackendStatement::Step::Done) return fail();
    if (backend_->changes() == 0) return answer(StoreCode::NoMoreRecords);
    ++writes_;
    row = {};
    return succeed();
}

StoreCode Store::regetRaw(const TableDef& t, const Position& p, void* rec) {
    BackendStatement* s =
        statement(&t, sql::Reget, [&] { return "SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " WHERE _id = ?1"; });
    if (!s) return error_.code;
    StmtUse use(s);
    use->bindInt(1, p.id);
    return readOne(t, use.get(), rec);
}

StoreCode Store::readOne(const TableDef& t, BackendStatement& st, void* rec) {
    const BackendStatement::Step step = st.step();
    if (step == BackendStatement::Step::Row) return ok(readRow(t, st, rec)) ? succeed() : error_.code;
    return step == BackendStatement::Step::Done ? answer(StoreCode::NotFound) : fail();
}

bool Store::collidesRaw(const KeyDef& key, const void* rec) {
    const TableDef& t = *key.table;
    const HeapRecord stored(t, rec);  // as it would be written
    if (t.derive) t.derive(stored.get());
    const auto v = encodeKey(key, stored.get());
    if (!v) return false;
    BackendStatement* s = statement(&key, sql::Collides, [&] {
        return "SELECT 1 FROM " + sql::quoted(t.name) + " WHERE " + sql::quoted(key.column()) + " = ?1 AND _id <> ?2 LIMIT 1";
    });
    if (!s) return false;
    StmtUse use(s);
    use->bindBlob(1, *v);
    use->bindInt(2, t.row(const_cast<void*>(rec)).id);
    return use->step() == BackendStatement::Step::Row;
}

Position Store::positionRaw(const TableDef& t, const KeyDef* key, const void* rec) const {
    return {key, key ? encodeSeek(*key, rec) : std::string(), t.row(const_cast<void*>(rec)).id};
}

StoreCode Store::count(const TableDef& t, std::int64_t& n) {
    BackendStatement* s = statement(&t, sql::Count, [&] { return "SELECT count(*) FROM " + sql::quoted(t.name); });
    if (!s) return error_.code;
    StmtUse use(s);
    if (use->step() != BackendStatement::Step::Row) return fail();
    n = use->integer(0);
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

// A read of one state of the books reads them whole (a document, the check): the engine sizes
// its caches for that while it lasts, and for a list's paging after it.
StoreCode Store::beginRead() {
    if (readDepth_++ > 0) return succeed();
    if (!backend_) return answer(StoreCode::FileNotOpen);
    backend_->wholeBooks(true);
    if (depth_ > 0) return succeed();
    const StoreCode c = backend_->beginRead() ? succeed() : fail();
    reading_ = ok(c);
    return c;  // without it the reads go on one by one
}

void Store::endRead() {
    if (readDepth_ == 0 || --readDepth_ > 0) return;
    leaveRead();
    if (backend_) backend_->wholeBooks(false);
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
    if (!backend_) return answer(StoreCode::FileNotOpen);
    const int wait = waitMs_;
    waitMs_ = timeoutSeconds * 1000;
    const StoreCode c = backend_->beginWrite(waitMs_) ? succeed() : fail();
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
