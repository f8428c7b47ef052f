#include "records/store/cursor.h"

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
    head_ = filled_ = 0;
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

StoreCode Cursor::fetch(bool forward) {
    // A key's page from a value alone (no row to start after) reads as the index orders it.
    const sql::From from = anchor_ == Anchor::Open                         ? sql::From::Edge
                           : key_ && anchor_ == Anchor::Inclusive && id_ == 0 ? sql::From::Value
                                                                              : sql::From::Row;
    const void* owner = key_ ? static_cast<const void*>(key_) : table_;
    const int use = sql::Page + (forward ? 0 : 1) + 2 * static_cast<int>(from);
    BackendStatement* stmt = store_.statement(owner, use, [&] { return sql::page(store_.dialect(), *table_, key_, forward, from); });
    if (!stmt) return store_.error().code;
    StmtUse s(stmt);
    int param = 1;
    if (key_ && from != sql::From::Edge) s->bindBlob(param++, sortValue_);
    if (from == sql::From::Row) {
        std::int64_t id = id_;
        if (anchor_ == Anchor::Inclusive) id = forward ? (id > 0 ? id - 1 : 0) : (id > 0 ? id + 1 : INT64_MAX);
        s->bindInt(param++, id);
    }
    s->bindInt(param, batch_);
    const int sortCol = static_cast<int>(table_->fields.size()) + 2;
    BackendStatement::Step step;
    head_ = filled_ = 0;  // the records of the last batch are read into again
    while ((step = s->step()) == BackendStatement::Step::Row) {
        if (filled_ == ahead_.size()) ahead_.push_back(std::make_unique<Buffered>(table_));
        Buffered* b = ahead_[filled_].get();
        if (const StoreCode c = store_.readRow(*table_, s.get(), b->rec); !ok(c)) {
            if (filled_ == 0) return c;
            break;  // the records before it are given first; the next read starts at it and fails
        }
        if (key_) b->sortValue.assign(s->blob(sortCol));
        ++filled_;
    }
    if (step == BackendStatement::Step::Failed) {
        filled_ = 0;
        return store_.fail();
    }
    aheadForward_ = forward;
    aheadExhausted_ = step == BackendStatement::Step::Done && filled_ < static_cast<std::size_t>(batch_);
    aheadWrites_ = store_.writeCount();
    batch_ = batch_ >= 64 ? 128 : batch_ * 2;
    return StoreCode::Ok;
}

StoreCode Cursor::read(bool forward, void* rec) {
    if (aheadForward_ != forward || aheadWrites_ != store_.writeCount()) {
        if (aheadForward_ != forward) batch_ = firstBatch_;
        head_ = filled_ = 0;
        aheadExhausted_ = false;
    }
    if (head_ == filled_ && !aheadExhausted_) {
        if (auto c = fetch(forward); !ok(c)) return c;
    }
    if (head_ == filled_) return store_.answer(StoreCode::NoMoreRecords);
    Buffered& b = *ahead_[head_++];
    table_->copy(rec, b.rec);
    anchor_ = Anchor::Exclusive;
    sortValue_.swap(b.sortValue);
    id_ = table_->row(rec).id;
    return store_.answer(StoreCode::Ok);
}

StoreCode Cursor::next(void* rec) { return read(true, rec); }
StoreCode Cursor::previous(void* rec) { return read(false, rec); }

}  // namespace pramo
