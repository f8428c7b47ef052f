#include "records/store/files.h"

namespace pramo {

Outcome<StoreCode> Files::open(const TableDef& t) {
    int& n = counts_[&t];
    if (n == 0) {
        if (Outcome<StoreCode> c = checkOpen(t); !ok(c)) return c;
    }
    ++n;
    return {};
}

void Files::close(const TableDef& t) {
    auto it = counts_.find(&t);
    if (it != counts_.end() && it->second > 0) --it->second;
}

int Files::openCount(const TableDef& t) const {
    const auto it = counts_.find(&t);
    return it == counts_.end() ? 0 : it->second;
}

StoreCode Files::removeAll(const TableDef& t) {
    if (openCount(t) > 0) return store_.answer(StoreCode::AlreadyOpen);
    return store_.removeAll(t);
}

// Decided again under the write lock: another program may have made the file meanwhile, and
// then it is left as that program made it (with its delivered data loaded once).
StoreCode Files::create(const TableDef& t) {
    Transaction tx(store_, Store::lockWaitSeconds);
    if (!tx.began()) return tx.code();
    if (const StoreCode now = store_.checkTable(t); now != StoreCode::FileNotFound && now != StoreCode::FileLost)
        return tx.commit();
    if (auto c = store_.createTable(t); !ok(c)) return c;
    if (auto c = loadReferenceData(store_, t); !ok(c)) return c;
    return tx.commit();
}

StoreCode Files::makeAnew(const TableDef& t) {
    if (const StoreCode c = store_.checkTable(t); c != StoreCode::FileLost) return c;
    return create(t);
}

Outcome<StoreCode> Files::warned(const TableDef& t, StoreCode c, Warning id) {
    return {c, standardWarning(store_, id, t.name), &t};
}

Outcome<StoreCode> Files::checkOpen(const TableDef& t) {
    StoreCode c = store_.checkTable(t);
    if (c == StoreCode::FileLocked) c = store_.checkTable(t);  // the store has waited for the lock; once more
    if (c == StoreCode::FileNotFound) {
        if (c = create(t); !ok(c)) return warned(t, c, Warning::FileCreationError);
        if (c = store_.checkTable(t); !ok(c)) return warned(t, c, Warning::CreatedFileOpenError);
    }
    if (c == StoreCode::KeysInvalid) return {c, standardWarning(Warning::InvalidKey, store_.error(), t.name), &t};
    return usable(t, c);
}

Outcome<StoreCode> Files::rebuildKeys(const TableDef& t) {
    if (const StoreCode c = store_.rebuildKeys(t); !ok(c)) return warned(t, c, Warning::KeyRebuildError);
    return usable(t, store_.checkTable(t));
}

Outcome<StoreCode> Files::usable(const TableDef& t, StoreCode c) {
    if (c == StoreCode::LayoutMismatch) return warned(t, c, Warning::FileInvalid);
    if (!ok(c)) return warned(t, c, Warning::FileOpenError);
    return {};
}

FileUse::FileUse(Files& files, std::span<const TableDef* const> tables) : files_(files) {
    for (const TableDef* t : tables) {
        if (outcome_ = files_.open(*t); !pramo::ok(outcome_)) {
            failed_ = t;
            return;
        }
        opened_.push_back(t);
    }
}

FileUse::~FileUse() {
    for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) files_.close(**it);
}

}  // namespace pramo
