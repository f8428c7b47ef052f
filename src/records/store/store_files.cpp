// The store's side of files: checking a table against its declaration, creating it and
// rebuilding its keys.

#include <memory>
#include <vector>

#include "records/store/dialect.h"
#include "records/store/heap_record.h"
#include "records/store/key_encoding.h"
#include "records/store/stmt_use.h"
#include "records/store/store.h"
#include "records/store/store_sql.h"

namespace pramo {
namespace {

// Rows with their key values computed afresh, in row order; a row whose derived fields it held
// otherwise is kept whole, to be written with them.
struct KeyBatch {
    std::vector<std::pair<std::int64_t, std::vector<std::optional<std::string>>>> keys;
    std::vector<std::unique_ptr<HeapRecord>> rewritten;
    std::int64_t last = 0;  // the last row read
    std::size_t rows = 0;
};
constexpr std::size_t keyBatchSize = 512;

StoreCode readKeyBatch(Store& store, const TableDef& t, KeyBatch& batch) {
    const std::int64_t after = batch.last;
    batch = KeyBatch{.last = after};
    BackendStatement* s = store.statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) +
                                          " WHERE _id > ?1 ORDER BY _id LIMIT " + std::to_string(keyBatchSize));
    if (!s) return store.error().code;
    StmtUse use(s);
    use->bindInt(1, after);
    BackendStatement::Step step;
    while ((step = use->step()) == BackendStatement::Step::Row) {
        auto rec = std::make_unique<HeapRecord>(t);
        bool derived = false;
        if (const StoreCode c = store.readRow(t, use.get(), rec->get(), derived); !ok(c)) return c;
        batch.last = t.row(rec->get()).id;
        ++batch.rows;
        if (derived) {
            batch.rewritten.push_back(std::move(rec));
            continue;
        }
        std::vector<std::optional<std::string>> keys;
        for (const KeyDef* k : t.keys) keys.push_back(encodeKey(*k, rec->get()));
        batch.keys.emplace_back(batch.last, std::move(keys));
    }
    return step == BackendStatement::Step::Done ? StoreCode::Ok : store.fail();
}

StoreCode writeKeyBatch(Store& store, const TableDef& t, const KeyBatch& batch) {
    BackendStatement* s = store.statement(sql::updateKeys(t));
    if (!s) return store.error().code;
    for (const auto& [id, keys] : batch.keys) {
        StmtUse use(s);
        int i = 1;
        for (const auto& v : keys) {
            if (v) use->bindBlob(i++, *v);
            else use->bindNull(i++);
        }
        use->bindInt(i, id);
        if (use->step() != BackendStatement::Step::Done) return store.fail();
    }
    for (const auto& rec : batch.rewritten)
        if (const StoreCode c = store.putRaw(t, rec->get()); !ok(c)) return c;
    return StoreCode::Ok;
}

// Whether the key column `col` of the current row holds `want` (NULL for a record not in the key).
bool holdsKey(const BackendStatement& st, int col, const std::optional<std::string>& want) {
    if (st.kind(col) == ValueKind::Null) return !want;
    return want && *want == st.blob(col);
}

}  // namespace

StoreCode Store::lookup(const std::string& query, std::string_view param, std::optional<std::string>& out) {
    BackendStatement* s = statement(query);
    if (!s) return error_.code;
    StmtUse use(s);
    use->bindText(1, param);
    const BackendStatement::Step step = use->step();
    out.reset();
    if (step == BackendStatement::Step::Row) out = std::string(use->text(0));
    return step == BackendStatement::Step::Failed ? fail() : succeed();
}

StoreCode Store::exists(Backend::Object type, std::string_view name, bool& found) {
    if (!backend_) return answer(StoreCode::FileNotOpen);
    return backendCode(backend_->exists(type, name, found));
}

// Whether every index and trigger the declaration makes is in the file.
StoreCode Store::keysComplete(const TableDef& t, bool& complete) {
    complete = true;
    for (const KeyDef* k : t.keys) {
        if (!k->indexed) continue;
        if (auto c = exists(Backend::Object::Index, sql::indexName(*k), complete); !ok(c) || !complete) return c;
    }
    for (const auto& name : sql::triggerNames(t)) {
        if (auto c = exists(Backend::Object::Trigger, name, complete); !ok(c) || !complete) return c;
    }
    return StoreCode::Ok;
}

StoreCode Store::checkTable(const TableDef& t) {
    bool present = false, sound = false;
    if (auto c = exists(Backend::Object::Table, t.name, present); !ok(c)) return c;
    if (!present) return missing(t);
    if (auto c = columnsMatch(t.name, sql::columns(t), sound); !ok(c)) return c;
    std::optional<std::string> sig;
    if (auto c = signatureOf(t.name, sig); !ok(c)) return c;
    if (sound && !sig) {
        if (auto c = restoreLayout(t); !ok(c)) return c;
        sig = t.layoutSignature();
    }
    if (!sound || *sig != t.layoutSignature()) return answer(StoreCode::LayoutMismatch);
    std::optional<std::string> dirty;
    if (auto c = keysComplete(t, sound); !ok(c)) return c;
    if (auto c = lookup("SELECT tbl FROM _pramo_dirty WHERE tbl = ?1", t.name, dirty); !ok(c)) return c;
    if (!sound || dirty) return answer(StoreCode::KeysInvalid);
    return succeed();
}

// A file never made in these books (a database of an earlier version) is not found (2) and is
// made when first opened; one the books record as made but the database no longer holds was
// dropped or renamed by another tool: its records are lost (36), and an empty file in its place
// would hide that. Another program may be making the file at this moment, recording it in the
// same transaction: the record is read first, so that a file found recorded and then not there
// was lost, and one made meanwhile is found there.
StoreCode Store::missing(const TableDef& t) {
    std::optional<std::string> recorded;
    bool present = false;
    if (auto c = signatureOf(t.name, recorded); !ok(c)) return c;
    if (auto c = exists(Backend::Object::Table, t.name, present); !ok(c)) return c;
    if (present) return checkTable(t);  // made meanwhile
    const StoreCode c = recorded ? StoreCode::FileLost : StoreCode::FileNotFound;
    setError(c);
    return c;
}

// A file whose layout record was lost with the program's own table, but whose columns are
// exactly those its declaration makes, gets the record back; its keys are marked for rebuilding,
// since nothing tells whether another tool changed the file meanwhile.
StoreCode Store::restoreLayout(const TableDef& t) {
    Transaction tx(*this, lockWaitSeconds);
    if (!tx.began()) return tx.code();
    const std::string name(t.name);
    StoreCode c = exec("INSERT INTO _pramo_layout (tbl, signature) VALUES ('" + name + "', '" + t.layoutSignature() +
                       "') ON CONFLICT DO NOTHING");
    if (ok(c)) c = exec("INSERT INTO _pramo_dirty (tbl) VALUES ('" + name + "') ON CONFLICT DO NOTHING");
    return ok(c) ? tx.commit() : c;
}

// Indexes and triggers of the file's names left on a table another tool renamed are dropped first.
StoreCode Store::createTable(const TableDef& t) {
    Transaction tx(*this, lockWaitSeconds);
    if (!tx.began()) return tx.code();
    StoreCode c = dropKeys(t);
    if (ok(c)) c = exec(sql::createTable(dialect(), t));
    if (ok(c)) c = makeKeys(t);
    if (ok(c))
        c = exec("INSERT INTO _pramo_layout (tbl, signature) VALUES ('" + std::string(t.name) + "', '" + t.layoutSignature() +
                 "') ON CONFLICT (tbl) DO UPDATE SET signature = excluded.signature");
    if (ok(c)) c = exec("DELETE FROM _pramo_dirty WHERE tbl = '" + std::string(t.name) + "'");
    if (!ok(c)) return c;
    return tx.commit();
}

// Every key column is computed again from the record's fields, the indexes and triggers are made
// anew; a unique key that two records now share makes the rebuild fail (40) and changes nothing.
StoreCode Store::rebuildKeys(const TableDef& t) {
    Transaction tx(*this, lockWaitSeconds);
    if (!tx.began()) return tx.code();
    StoreCode c = dropKeys(t);
    KeyBatch batch;
    while (ok(c)) {
        c = readKeyBatch(*this, t, batch);
        if (ok(c)) c = writeKeyBatch(*this, t, batch);
        if (batch.rows < keyBatchSize) break;
    }
    if (ok(c)) c = makeKeys(t);
    if (ok(c)) c = exec("DELETE FROM _pramo_dirty WHERE tbl = '" + std::string(t.name) + "'");
    if (!ok(c)) return c;
    ++writes_;
    return tx.commit();
}

StoreCode Store::verifyKeys(const TableDef& t, std::int64_t& stale) {
    stale = 0;
    std::string cols = sql::selectColumns(t);
    for (const KeyDef* k : t.keys) cols += ", " + sql::quoted(k->column());
    BackendStatement* s = statement("SELECT " + cols + " FROM " + sql::quoted(t.name));
    if (!s) return error_.code;
    StmtUse use(s);
    HeapRecord rec(t);
    const int firstKey = static_cast<int>(t.fields.size()) + 2;
    BackendStatement::Step step;
    while ((step = use->step()) == BackendStatement::Step::Row) {
        if (!ok(readRow(t, use.get(), rec.get()))) continue;
        for (std::size_t i = 0; i < t.keys.size(); ++i) {
            if (!holdsKey(use.get(), firstKey + static_cast<int>(i), encodeKey(*t.keys[i], rec.get()))) {
                ++stale;
                break;
            }
        }
    }
    return step == BackendStatement::Step::Done ? succeed() : fail();
}

std::int64_t Store::quickCheck() {
    ReadTransaction whole(*this);  // reads every page once: the documents' small window
    if (!backend_) return 1;
    std::vector<std::string> problems;
    const StoreCode c = backend_->selfCheck(problems);
    return static_cast<std::int64_t>(problems.size()) + (ok(c) ? 0 : 1);
}

// Indexes and triggers of the file's names (left on a table another tool renamed, or to be made
// anew) are dropped first.
StoreCode Store::dropKeys(const TableDef& t) {
    StoreCode c = StoreCode::Ok;
    for (const KeyDef* k : t.keys) c = ok(c) ? exec("DROP INDEX IF EXISTS " + sql::quoted(sql::indexName(*k))) : c;
    for (const auto& s : dialect().dropTriggers(t)) c = ok(c) ? exec(s) : c;
    return c;
}

StoreCode Store::makeKeys(const TableDef& t) {
    StoreCode c = StoreCode::Ok;
    for (const auto& s : sql::createIndexes(dialect(), t)) c = ok(c) ? exec(s) : c;
    for (const auto& s : dialect().createTriggers(t)) c = ok(c) ? exec(s) : c;
    return c;
}

}  // namespace pramo
