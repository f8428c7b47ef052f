#include "shell/form/record_form.h"

#include "records/store/cursor.h"

namespace pramo {
namespace {

constexpr int attemptsPerRound = 3;

// The number field of a file: the first component of its first key.
const FieldDef& numberField(const TableDef& t) {
    const KeyDef& key = t.primaryKey();
    return t.fields[static_cast<std::size_t>(key.fieldIndex.front())];
}

// The next free number, or nullopt after a read error (its code is the store's error).
std::optional<std::int64_t> nextNumber(Store& store, const TableDef& t) {
    Cursor last(store, t.primaryKey());
    last.setReadAhead(1);
    last.set();
    RecordBuffer rec(t);
    const StoreCode rc = last.previous(rec.get());
    if (rc == StoreCode::NoMoreRecords) return 1;
    if (!ok(rc)) return std::nullopt;
    return numberField(t).getInt(rec.get()) + 1;
}

enum class Attempt { Reserved, AddFailed, ReadFailed };

// One attempt: read the last number, add the primed record with the next one.
Attempt reserveOnce(Store& store, const RecordBuffer& primed, RecordBuffer& rec) {
    const TableDef& t = rec.table();
    const auto number = nextNumber(store, t);
    if (!number) return Attempt::ReadFailed;
    rec = primed;
    if (*number > numberField(t).maxValue()) {  // the number field is full: no number is left to take
        store.setError(StoreCode::DuplicateKey);
        return Attempt::AddFailed;
    }
    numberField(t).setInt(rec.get(), *number);
    return ok(store.addRaw(t, rec.get())) ? Attempt::Reserved : Attempt::AddFailed;
}

}  // namespace

bool reserveNumber(Store& store, Messages& messages, RecordBuffer& rec) {
    const RecordBuffer primed = rec;
    for (;;) {
        for (int attempt = 0; attempt < attemptsPerRound; ++attempt) {
            const Attempt a = reserveOnce(store, primed, rec);
            if (a == Attempt::Reserved) return true;
            if (a == Attempt::ReadFailed) {
                rec = primed;
                showWarning(messages, store, Warning::RetrievalError, rec.table().label);
                return false;
            }
        }
        if (showWarning(messages, store, Warning::AutoIncrementError) != ButtonRetry) {
            rec = primed;
            return false;
        }
    }
}

const KeyDef* firstCollision(Store& store, const std::vector<const KeyDef*>& order, const RecordBuffer& rec) {
    for (const KeyDef* key : order)
        if (store.collidesRaw(*key, rec.get())) return key;
    return nullptr;
}

RecordForm::RecordForm(AppContext& ctx, const FormSpec& spec, RecordBuffer& rec, Request request)
    : ctx_(ctx), spec_(spec), rec_(rec), request_(request), original_(rec),
      history_(ctx.formHistory.of(&spec, *spec.table)) {
    ctx_.glo.globalResponse = Response::None;
}

RecordForm::~RecordForm() { close(); }

RecordForm::Step RecordForm::open() {
    for (const TableDef* t : filesOf(spec_)) {
        files_.push_back(std::make_unique<ScreenFiles>(ctx_, std::initializer_list<const TableDef*>{t}));
        if (!files_.back()->ok()) return Step::Close;
    }
    ctx_.ri.snap(*spec_.table, rec_.get());
    original_ = rec_;
    if (request_ == Request::Delete) return remove();
    if (request_ == Request::Insert && spec_.reserveNumber) {
        reserved_ = reserveNumber(ctx_.store, ctx_.messages, rec_);
        if (!reserved_) return Step::Close;
        original_ = rec_;
    }
    return Step::Show;
}

RecordForm::Step RecordForm::remove() {
    if (showWarning(ctx_.messages, ctx_.store, Warning::ConfirmDelete) != ButtonOk) return Step::Close;
    while (riRemove(ctx_, *spec_.table, rec_.get()) != RiResult::Done) {
        if (showWarning(ctx_.messages, ctx_.store, Warning::DeleteRetry) != ButtonYes) return Step::Close;
    }
    response_ = Response::Completed;
    return Step::Close;
}

RecordForm::Step RecordForm::complete() {
    history_ = rec_;
    if (request_ == Request::Insert) return saveNew();
    if (request_ == Request::Change) return saveChange();
    response_ = Response::Completed;
    return Step::Close;
}

RecordForm::Step RecordForm::saveNew() {
    const StoreCode rc = reserved_ ? ctx_.store.putRaw(*spec_.table, rec_.get()) : ctx_.store.addRaw(*spec_.table, rec_.get());
    if (ok(rc)) {
        response_ = Response::Completed;
        return Step::Close;
    }
    std::vector<const KeyDef*> order = spec_.duplicateOrder;
    if (order.empty())
        for (const KeyDef* k : spec_.table->keys)
            if (k->unique) order.push_back(k);
    const KeyDef* key = rc == StoreCode::DuplicateKey ? firstCollision(ctx_.store, order, rec_) : nullptr;
    if (key) showWarning(ctx_.messages, ctx_.store, Warning::DuplicateKey, key->displayName());
    else showWarning(ctx_.messages, ctx_.store, Warning::InsertError);
    return Step::Stay;
}

RecordForm::Step RecordForm::saveChange() {
    if (rec_.sameFields(original_)) {
        response_ = Response::Completed;
        return Step::Close;
    }
    for (;;) {
        const RiResult r = riUpdate(ctx_, *spec_.table, rec_.get());
        if (r == RiResult::Done) {
            response_ = Response::Completed;
            return Step::Close;
        }
        if (r == RiResult::ChangedByOther) {
            original_ = rec_;  // the stored version is what the user now sees and may change again
            return Step::Stay;
        }
        const int answer = showWarning(ctx_.messages, ctx_.store, Warning::ChangeRetry);
        if (answer == ButtonNo) return Step::Close;
        if (answer != ButtonYes) return Step::Stay;
    }
}

void RecordForm::close(const std::function<void()>& cancelInsert) {
    if (closed_) return;
    closed_ = true;
    if (request_ == Request::Insert && reserved_ && response_ != Response::Completed) {
        if (cancelInsert) cancelInsert();
        else removeReserved();
    }
    files_.clear();
    ctx_.glo.globalResponse = response_;
}

void RecordForm::removeReserved() {
    if (!ok(ctx_.store.eraseRaw(*spec_.table, rec_.get())))
        showWarning(ctx_.messages, ctx_.store, Warning::DeleteError, spec_.table->label);
}

}  // namespace pramo
