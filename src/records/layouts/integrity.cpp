#include "records/layouts/integrity.h"

#include <optional>

#include "records/store/cursor.h"
#include "records/store/heap_record.h"
#include "records/layouts/relations.h"

namespace pramo {
namespace {

// The transaction of one operation. A failure keeps the error for the warning that follows
// (RISAVEERROR) and undoes exactly this operation, also when the caller has a transaction of its
// own; leaving without a commit undoes it as well.
class Frame {
public:
    explicit Frame(Store& st) : st_(st), base_(st.transactionDepth()), code_(st.begin(Integrity::timeoutSeconds)) {}
    ~Frame() {
        if (st_.transactionDepth() > base_) st_.rollback();
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    bool began() const { return ok(code_); }
    StoreCode commit() { return st_.commit(); }
    void fail() {
        if (st_.transactionDepth() > base_ || base_ == 0) st_.saveError();
    }

private:
    Store& st_;
    int base_;
    StoreCode code_;
};

// Why an operation failed: the warning to show and the file it names. It is shown only after
// everything has been rolled back, so no other station waits on this one while the box is open.
struct Failure {
    Warning warning;
    const TableDef* file;
};
using Fault = std::optional<Failure>;

Outcome<RiResult> refuse(Store& st, Frame& frame, const Failure& f, std::string_view operation) {
    frame.fail();
    return {RiResult::Refused, standardWarning(st, f.warning, f.file->label, operation), f.file};
}

// Reads into `child` the first record of the relation's child file whose link holds `number`;
// NoMoreRecords when there is none. A fresh cursor reading one record at a time: the walks below
// delete or rewrite what they read, so each starts again at the first child still referring.
StoreCode firstChild(Store& st, const Relation& r, std::int64_t number, void* child) {
    r.child->clear(child);
    r.link().setInt(child, number);
    Cursor cursor(st, *r.childKey);
    cursor.setReadAhead(1);
    cursor.setFrom(child);
    const StoreCode rc = cursor.next(child);
    if (!ok(rc) || r.link().getInt(child) == number) return rc;
    st.setError(StoreCode::NoMoreRecords);
    return StoreCode::NoMoreRecords;
}

// A restricting relation: fails with `refusal` while any child refers to `number`.
Fault refuseIfReferenced(Store& st, const Relation& r, std::int64_t number, Warning refusal) {
    HeapRecord child(*r.child);
    const StoreCode rc = firstChild(st, r, number, child.get());
    if (rc == StoreCode::NoMoreRecords) return {};
    return Failure{ok(rc) ? refusal : Warning::RetrievalError, r.child};
}

Fault removeChildren(Store& st, const TableDef& parent, const void* rec);

// A cascading relation on delete: every child referring to `number` goes, its own children first.
Fault removeReferring(Store& st, const Relation& r, std::int64_t number) {
    HeapRecord child(*r.child);
    for (;;) {
        const StoreCode rc = firstChild(st, r, number, child.get());
        if (rc == StoreCode::NoMoreRecords) return {};
        if (!ok(rc)) return Failure{Warning::RetrievalError, r.child};
        if (Fault f = removeChildren(st, *r.child, child.get())) return f;
        if (!ok(st.eraseRaw(*r.child, child.get()))) return Failure{Warning::DeleteError, r.child};
    }
}

// Every relation of a record about to be deleted, in their order; the first failure stops.
Fault removeChildren(Store& st, const TableDef& parent, const void* rec) {
    for (const Relation* r : relationsOf(parent)) {
        const std::int64_t number = r->parentNumber().getInt(rec);
        const Fault f = r->onDelete == Rule::Restrict ? refuseIfReferenced(st, *r, number, Warning::DeleteRestricted)
                                                        : removeReferring(st, *r, number);
        if (f) return f;
    }
    return {};
}

// A cascading relation on change: every child referring to `from` is given `to`.
Fault carry(Store& st, const Relation& r, std::int64_t from, std::int64_t to) {
    HeapRecord child(*r.child);
    for (;;) {
        const StoreCode rc = firstChild(st, r, from, child.get());
        if (rc == StoreCode::NoMoreRecords) return {};
        if (!ok(rc)) return Failure{Warning::RetrievalError, r.child};
        r.link().setInt(child.get(), to);
        if (!ok(st.putRaw(*r.child, child.get()))) return Failure{Warning::UpdateError, r.child};
    }
}

// Every relation of a record whose number went from `from` to `to`, in their order.
Fault changeChildren(Store& st, const TableDef& parent, std::int64_t from, std::int64_t to) {
    for (const Relation* r : relationsOf(parent)) {
        const Fault f = r->onChange == Rule::Restrict ? refuseIfReferenced(st, *r, from, Warning::ChangeRestricted)
                                                        : carry(st, *r, from, to);
        if (f) return f;
    }
    return {};
}

// The parent as stored, read again inside the transaction: at its row, or by its number when the
// buffer was never read. The erase works on a copy, so a failure leaves the buffer's row intact.
Fault removeRecord(Store& st, const TableDef& t, void* rec) {
    const std::int64_t id = t.row(rec).id;
    const StoreCode rc = id != 0 ? st.regetRaw(t, Position{nullptr, {}, id}, rec) : st.getRaw(t.primaryKey(), rec);
    if (!ok(rc)) return Failure{Warning::RetrievalError, &t};
    if (Fault f = removeChildren(st, t, rec)) return f;
    HeapRecord gone(t, rec);
    if (!ok(st.eraseRaw(t, gone.get()))) return Failure{Warning::DeleteError, &t};
    return {};
}

// Another station changed the record since it was read: nothing is written and the buffer gets the
// record as stored (warning 38). A record that is gone cannot be shown: warning 35, refused.
Outcome<RiResult> takeStored(Store& st, Frame& frame, const TableDef& t, std::int64_t id, void* rec) {
    HeapRecord stored(t);
    if (!ok(st.regetRaw(t, Position{nullptr, {}, id}, stored.get())))
        return refuse(st, frame, {Warning::RetrievalError, &t}, "Update");
    st.setError(StoreCode::ChangedByOther);
    frame.fail();
    t.copy(rec, stored.get());
    return {RiResult::ChangedByOther, standardWarning(st, Warning::RecordChanged, t.label), &t};
}

}  // namespace

void Integrity::snap(const TableDef& t, const void* rec) {
    const FieldDef* number = numberField(t);
    const RowRef& row = t.row(const_cast<void*>(rec));
    if (number && row.id != 0) snapshots_[{&t, row.id}] = {number->getInt(rec), row.version};
}

Outcome<RiResult> Integrity::remove(const TableDef& t, void* rec) {
    FileUse use(files_, transactionScope(t));
    if (!use.ok()) return {RiResult::Refused, use.outcome().message, use.failed()};
    Store& st = files_.store();
    Frame frame(st);
    Fault f = frame.began() ? removeRecord(st, t, rec) : Failure{Warning::TransactionError, &t};
    if (!f && !ok(frame.commit())) f = Failure{Warning::DeleteError, &t};
    if (f) return refuse(st, frame, *f, "Delete");
    snapshots_.erase({&t, t.row(rec).id});
    t.row(rec) = {};
    return {};
}

// The number the children refer to: the one remembered when the form read the record this buffer
// holds, else the one stored (a record that is gone keeps the buffer's number; the write will
// report it).
std::int64_t Integrity::numberBefore(const TableDef& t, const FieldDef& number, const void* rec) {
    const RowRef& row = t.row(const_cast<void*>(rec));
    const auto it = snapshots_.find({&t, row.id});
    if (it != snapshots_.end() && it->second.version == row.version) return it->second.number;
    HeapRecord stored(t);
    if (ok(files_.store().regetRaw(t, Position{nullptr, {}, row.id}, stored.get()))) return number.getInt(stored.get());
    return number.getInt(rec);
}

Outcome<RiResult> Integrity::update(const TableDef& t, void* rec) {
    FileUse use(files_, transactionScope(t));
    if (!use.ok()) return {RiResult::Refused, use.outcome().message, use.failed()};
    Store& st = files_.store();
    Frame frame(st);
    if (!frame.began()) return refuse(st, frame, {Warning::TransactionError, &t}, "Update");
    const RowRef before = t.row(rec);
    const FieldDef* number = numberField(t);
    const std::int64_t from = number ? numberBefore(t, *number, rec) : 0;
    const StoreCode rc = st.putRaw(t, rec);
    if (rc == StoreCode::ChangedByOther) {
        Outcome<RiResult> r = takeStored(st, frame, t, before.id, rec);
        if (r.result == RiResult::ChangedByOther) snap(t, rec);
        return r;
    }
    Fault f = ok(rc) ? Fault{} : Failure{Warning::UpdateError, &t};
    const std::int64_t to = number ? number->getInt(rec) : 0;
    if (!f && to != from) f = changeChildren(st, t, from, to);
    if (!f && !ok(frame.commit())) f = Failure{Warning::UpdateError, &t};
    if (f) {
        t.row(rec) = before;  // the write was undone with the rest
        if (f->warning == Warning::ChangeRestricted) number->setInt(rec, from);
        return refuse(st, frame, *f, "Update");
    }
    snap(t, rec);
    return {};
}

}  // namespace pramo
