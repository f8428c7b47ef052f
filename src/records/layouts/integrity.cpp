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

// Reads into `child` the first record of the relation's child file whose link holds `value`;
// NoMoreRecords when there is none. A fresh cursor reading one record at a time: the walks below
// delete or rewrite what they read, so each starts again at the first child still referring.
StoreCode firstChild(Store& st, const Relation& r, const std::string& value, void* child) {
    r.child->clear(child);
    setLinkValue(r.link(), child, value);
    Cursor cursor(st, *r.childKey);
    cursor.setReadAhead(1);
    cursor.setFrom(child);
    const StoreCode rc = cursor.next(child);
    if (!ok(rc) || linkValue(r.link(), child) == value) return rc;
    return st.answer(StoreCode::NoMoreRecords);
}

// A restricting relation: fails with `refusal` while any child refers to `value`.
Fault refuseIfReferenced(Store& st, const Relation& r, const std::string& value, Warning refusal) {
    HeapRecord child(*r.child);
    const StoreCode rc = firstChild(st, r, value, child.get());
    if (rc == StoreCode::NoMoreRecords) return {};
    return Failure{ok(rc) ? refusal : Warning::RetrievalError, r.child};
}

Fault removeChildren(Store& st, const TableDef& parent, const void* rec);

// A cascading relation on delete: every child referring to `value` goes, its own children first.
Fault removeReferring(Store& st, const Relation& r, const std::string& value) {
    HeapRecord child(*r.child);
    for (;;) {
        const StoreCode rc = firstChild(st, r, value, child.get());
        if (rc == StoreCode::NoMoreRecords) return {};
        if (!ok(rc)) return Failure{Warning::RetrievalError, r.child};
        if (Fault f = removeChildren(st, *r.child, child.get())) return f;
        if (!ok(st.eraseRaw(*r.child, child.get()))) return Failure{Warning::DeleteError, r.child};
    }
}

// Every relation of a record about to be deleted, in their order; the first failure stops. A
// blank code refers to nothing.
Fault removeChildren(Store& st, const TableDef& parent, const void* rec) {
    for (const Relation* r : relationsOf(parent)) {
        const std::string value = linkValue(r->parentNumber(), rec);
        if (linksNothing(r->parentNumber(), value)) continue;
        const Fault f = r->onDelete == Rule::Restrict ? refuseIfReferenced(st, *r, value, Warning::DeleteRestricted)
                                                        : removeReferring(st, *r, value);
        if (f) return f;
    }
    return {};
}

// A cascading relation on change: every child referring to `from` is given `to`.
Fault carry(Store& st, const Relation& r, const std::string& from, const std::string& to) {
    HeapRecord child(*r.child);
    for (;;) {
        const StoreCode rc = firstChild(st, r, from, child.get());
        if (rc == StoreCode::NoMoreRecords) return {};
        if (!ok(rc)) return Failure{Warning::RetrievalError, r.child};
        setLinkValue(r.link(), child.get(), to);
        if (!ok(st.putRaw(*r.child, child.get()))) return Failure{Warning::UpdateError, r.child};
    }
}

// Every relation of a record whose linked fields held `before`: those over a field that changed
// carry the children along or refuse, in their order.
Fault changeChildren(Store& st, const TableDef& parent, const Integrity::Links& before, const void* rec) {
    for (const Relation* r : relationsOf(parent)) {
        const std::string& from = before.at(std::string(r->parentField));
        const std::string to = linkValue(r->parentNumber(), rec);
        if (from == to || linksNothing(r->parentNumber(), from)) continue;
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

Integrity::Links Integrity::linksOf(const TableDef& t, const void* rec) {
    Links links;
    for (const FieldDef* f : parentFields(t)) links[std::string(f->name)] = linkValue(*f, rec);
    return links;
}

void Integrity::snap(const TableDef& t, const void* rec) {
    const RowRef& row = t.row(const_cast<void*>(rec));
    if (!parentFields(t).empty() && row.id != 0) snapshots_[{&t, row.id}] = {linksOf(t, rec), row.version};
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

// The values the children refer to: those remembered when the form read the record this buffer
// holds, else those stored (a record that is gone keeps the buffer's; the write will report it).
Integrity::Links Integrity::linksBefore(const TableDef& t, const void* rec) {
    const RowRef& row = t.row(const_cast<void*>(rec));
    const auto it = snapshots_.find({&t, row.id});
    if (it != snapshots_.end() && it->second.version == row.version) return it->second.links;
    HeapRecord stored(t);
    if (ok(files_.store().regetRaw(t, Position{nullptr, {}, row.id}, stored.get()))) return linksOf(t, stored.get());
    return linksOf(t, rec);
}

Outcome<RiResult> Integrity::update(const TableDef& t, void* rec) {
    FileUse use(files_, transactionScope(t));
    if (!use.ok()) return {RiResult::Refused, use.outcome().message, use.failed()};
    Store& st = files_.store();
    Frame frame(st);
    if (!frame.began()) return refuse(st, frame, {Warning::TransactionError, &t}, "Update");
    const RowRef before = t.row(rec);
    const Links from = linksBefore(t, rec);
    const StoreCode rc = st.putRaw(t, rec);
    if (rc == StoreCode::ChangedByOther) {
        Outcome<RiResult> r = takeStored(st, frame, t, before.id, rec);
        if (r.result == RiResult::ChangedByOther) snap(t, rec);
        return r;
    }
    Fault f = ok(rc) ? Fault{} : Failure{Warning::UpdateError, &t};
    if (!f) f = changeChildren(st, t, from, rec);
    if (!f && !ok(frame.commit())) f = Failure{Warning::UpdateError, &t};
    if (f) {
        t.row(rec) = before;  // the write was undone with the rest
        if (f->warning == Warning::ChangeRestricted)
            for (const FieldDef* field : parentFields(t)) setLinkValue(*field, rec, from.at(std::string(field->name)));
        return refuse(st, frame, *f, "Update");
    }
    snap(t, rec);
    return {};
}

}  // namespace pramo
