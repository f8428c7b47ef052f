#include "records/store/files.h"

namespace pramo {

StoreCode Files::open(const TableDef& t) {
    int& n = counts_[&t];
    if (n == 0) {
        if (auto c = checkOpen(t); !ok(c)) return c;
    }
    ++n;
    return StoreCode::Ok;
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
    if (openCount(t) > 0) {
        store_.setError(StoreCode::AlreadyOpen);
        return StoreCode::AlreadyOpen;
    }
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

StoreCode Files::checkOpen(const TableDef& t) {
    StoreCode c = store_.checkTable(t);
    if (c == StoreCode::FileLocked) c = store_.checkTable(t);  // the store has waited for the lock; once more
    if (c == StoreCode::FileNotFound) {
        if (c = create(t); !ok(c)) {
            showWarning(messages_, store_, Warning::FileCreationError, t.name);
            return c;
        }
        if (c = store_.checkTable(t); !ok(c)) {
            showWarning(messages_, store_, Warning::CreatedFileOpenError, t.name);
            return c;
        }
    }
    if (c == StoreCode::KeysInvalid) {
        const MessageBox ask = standardWarning(Warning::InvalidKey, store_.error(), t.name);
        const int answer = messages_.ask(ask);
        if (ask.ends(answer)) {
            messages_.halt(ask.haltText);
            return c;
        }
        if (c = store_.rebuildKeys(t); !ok(c)) {
            showWarning(messages_, store_, Warning::KeyRebuildError, t.name);
            return c;
        }
        c = store_.checkTable(t);
    }
    if (c == StoreCode::LayoutMismatch) {
        showWarning(messages_, store_, Warning::FileInvalid, t.name);
        return c;
    }
    if (!ok(c)) showWarning(messages_, store_, Warning::FileOpenError, t.name);
    return c;
}

FileUse::FileUse(Files& files, std::span<const TableDef* const> tables) : files_(files) {
    for (const TableDef* t : tables) {
        if (!pramo::ok(files_.open(*t))) {
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
