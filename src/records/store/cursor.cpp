#include "records/store/cursor.h"

#include <sqlite3.h>

#include <climits>

#include "records/store/key_encoding.h"
#include "records/store/stmt_use.h"
#include "records/store/store_sql.h"

namespace pramo {

struct Cursor::Buffered {
    const TableDef* table;
    void* rec;
    std::string sortValue;
    Buffered(const TableDef* t) : table(t), rec(t->create()) {}
    ~Buffered() { table->destroy(rec); }
    Buffered(const Buffered&) = delete;
    Buffered& operator=(const Buffered&) = delete;
};

Cursor::Cursor(Store& store, const KeyDef& key) : store_(store), table_(key.table), key_(&key) {}
Cursor::Cursor(Store& store, const TableDef& physical) : store_(store), table_(&physical), key_(nullptr) {}
Cursor::~Cursor() = default;

void Cursor::forget() {
    ahead_.clear();
    aheadExhausted_ = false;
    batch_ = firstBatch_;
}

void Cursor::set() {
    forget();
    anchor_ = Anchor::Open;
    sortValue_.clear();
    id_ = 0;
}

void Cursor::setFrom(const void* rec) {
    forget();
    anchor_ = Anchor::Inclusive;
    sortValue_ = key_ ? encodeSeek(*key_, rec) : std::string();
    id_ = key_ ? 0 : table_->row(const_cast<void*>(rec)).id;
}

void Cursor::resetTo(const Position& p) {
    forget();
    anchor_ = Anchor::Inclusive;
    sortValue_ = p.sortValue;
    id_ = p.id;
}

Position Cursor::position() const { return {key_, sortValue_, id_}; }

// Statement text for reading on from the anchor (or from an edge of the order when open).
std::string Cursor::sql(bool forward, bool fromEdge) const {
    const std::string cols = sql::selectColumns(*table_);
    const std::string from = " FROM " + sql::quoted(table_->name);
    if (!key_) {
        const std::string where = fromEdge ? "" : (forward ? " WHERE _id > ?2" : " WHERE _id < ?2");
        return "SELECT " + cols + from + where + " ORDER BY _id" + (forward ? "" : " DESC") + " LIMIT ?3";
    }
    const std::string k = sql::quoted(key_->column());
    std::string where;
    if (fromEdge) where = " WHERE " + k + " IS NOT NULL";
    else if (forward) where = " WHERE " + k + " >= ?1 AND (" + k + " > ?1 OR _id > ?2)";
    else where = " WHERE " + k + " <= ?1 AND (" + k + " < ?1 OR _id < ?2)";
    const std::string dir = forward ? "" : " DESC";
    return "SELECT " + cols + ", " + k + from + where + " ORDER BY " + k + dir + ", _id" + dir + " LIMIT ?3";
}

StoreCode Cursor::fetch(bool forward) {
    const bool fromEdge = anchor_ == Anchor::Open;
    Store::Stmt* stmt = store_.statement(sql(forward, fromEdge));
    if (!stmt) return store_.error().code;
    StmtUse s(stmt->st);
    if (!fromEdge) {
        if (key_) sqlite3_bind_blob(s.get(), 1, sortValue_.data(), static_cast<int>(sortValue_.size()), SQLITE_TRANSIENT);
        std::int64_t id = id_;
        if (anchor_ == Anchor::Inclusive) id = forward ? (id > 0 ? id - 1 : 0) : (id > 0 ? id + 1 : INT64_MAX);
        sqlite3_bind_int64(s.get(), 2, id);
    }
    sqlite3_bind_int(s.get(), 3, batch_);
    const int sortCol = static_cast<int>(table_->fields.size()) + 2;
    int rc, rows = 0;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
        auto b = std::make_unique<Buffered>(table_);
        if (const StoreCode c = store_.readRow(*table_, s.get(), b->rec); !ok(c)) {
            // The records before it are given first; the next read starts at it and fails.
            if (ahead_.empty()) return c;
            aheadForward_ = forward;
            aheadExhausted_ = false;
            aheadWrites_ = store_.writeCount();
            return StoreCode::Ok;
        }
        if (key_) {
            const auto* p = static_cast<const char*>(sqlite3_column_blob(s.get(), sortCol));
            b->sortValue.assign(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(s.get(), sortCol)));
        }
        ahead_.push_back(std::move(b));
        ++rows;
    }
    if (rc != SQLITE_DONE) {
        ahead_.clear();
        return store_.fail(rc);
    }
    aheadForward_ = forward;
    aheadExhausted_ = rows < batch_;
    aheadWrites_ = store_.writeCount();
    batch_ = batch_ >= 64 ? 128 : batch_ * 2;
    return StoreCode::Ok;
}

StoreCode Cursor::read(bool forward, void* rec) {
    if (aheadForward_ != forward || aheadWrites_ != store_.writeCount()) {
        if (aheadForward_ != forward) batch_ = firstBatch_;
        ahead_.clear();
        aheadExhausted_ = false;
    }
    if (ahead_.empty() && !aheadExhausted_) {
        if (auto c = fetch(forward); !ok(c)) return c;
    }
    if (ahead_.empty()) return store_.answer(StoreCode::NoMoreRecords);
    const auto& b = ahead_.front();
    table_->copy(rec, b->rec);
    anchor_ = Anchor::Exclusive;
    sortValue_ = std::move(b->sortValue);
    id_ = table_->row(rec).id;
    ahead_.pop_front();
    return store_.answer(StoreCode::Ok);
}

StoreCode Cursor::next(void* rec) { return read(true, rec); }
StoreCode Cursor::previous(void* rec) { return read(false, rec); }

}  // namespace pramo
