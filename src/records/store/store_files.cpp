// The store's side of files: checking a table against its declaration, creating it and
// rebuilding its keys.

#include <sqlite3.h>

#include <memory>
#include <vector>

#include "records/store/heap_record.h"
#include "records/store/key_encoding.h"
#include "records/store/stmt_use.h"
#include "records/store/store.h"
#include "records/store/store_sql.h"

namespace pramo {
namespace {

StoreCode exists(Store& store, const char* type, const std::string& name, bool& found) {
    std::optional<std::string> row;
    const StoreCode c = store.lookup(std::string("SELECT 1 FROM sqlite_master WHERE type = '") + type + "' AND name = ?1", name, row);
    found = row.has_value();
    return c;
}

// Whether every index and trigger the declaration makes is in the file.
StoreCode keysComplete(Store& store, const TableDef& t, bool& complete) {
    complete = true;
    for (const KeyDef* k : t.keys) {
        if (!k->indexed) continue;
        if (auto c = exists(store, "index", sql::indexName(*k), complete); !ok(c) || !complete) return c;
    }
    for (const auto& name : sql::triggerNames(t)) {
        if (auto c = exists(store, "trigger", name, complete); !ok(c) || !complete) return c;
    }
    return StoreCode::Ok;
}

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
    Store::Stmt* s = store.statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) +
                                     " WHERE _id > ?1 ORDER BY _id LIMIT " + std::to_string(keyBatchSize));
    if (!s) return store.error().code;
    StmtUse use(s->st);
    sqlite3_bind_int64(use.get(), 1, after);
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
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
    return rc == SQLITE_DONE ? StoreCode::Ok : store.fail(rc);
}

StoreCode writeKeyBatch(Store& store, const TableDef& t, const KeyBatch& batch) {
    Store::Stmt* s = store.statement(sql::updateKeys(t));
    if (!s) return store.error().code;
    for (const auto& [id, keys] : batch.keys) {
        StmtUse use(s->st);
        int i = 1;
        for (const auto& v : keys) {
            if (v) sqlite3_bind_blob(use.get(), i++, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
            else sqlite3_bind_null(use.get(), i++);
        }
        sqlite3_bind_int64(use.get(), i, id);
        if (const int rc = sqlite3_step(use.get()); rc != SQLITE_DONE) return store.fail(rc);
    }
    for (const auto& rec : batch.rewritten)
        if (const StoreCode c = store.putRaw(t, rec->get()); !ok(c)) return c;
    return StoreCode::Ok;
}

// Whether the key column `col` of the current row holds `want` (NULL for a record not in the key).
bool holdsKey(sqlite3_stmt* st, int col, const std::optional<std::string>& want) {
    if (sqlite3_column_type(st, col) == SQLITE_NULL) return !want;
    const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
    return want && *want == std::string(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, col)));
}

}  // namespace

StoreCode Store::lookup(const std::string& query, std::string_view param, std::optional<std::string>& out) {
    Stmt* s = statement(query);
    if (!s) return error_.code;
    StmtUse use(s->st);
    sqlite3_bind_text(use.get(), 1, param.data(), static_cast<int>(param.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(use.get());
    out.reset();
    if (rc == SQLITE_ROW) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(use.get(), 0));
        out = p ? p : "";
    }
    return rc == SQLITE_ROW || rc == SQLITE_DONE ? succeed() : fail(rc);
}

StoreCode Store::checkTable(const TableDef& t) {
    bool present = false, sound = false;
    if (auto c = exists(*this, "table", std::string(t.name), present); !ok(c)) return c;
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
    if (auto c = keysComplete(*this, t, sound); !ok(c)) return c;
    if (auto c = lookup("SELECT tbl FROM _pramo_dirty WHERE tbl = ?1", t.name, dirty); !ok(c)) return c;
    if (!sound || dirty) return answer(StoreCode::KeysInvalid);
    return succeed();
}

// A file never made in these books (a database of an earlier version) is not found (2) and is
// made when first opened; one the books record as made but the database no longer holds was
// dropped or renamed by another tool: its records are lost (36), and an empty file in its place
// would hide that. Whether the file is there and whether the books record it are read in one
// statement, from one state of the database ("01": not there, recorded), as another program may
// be making the file at this moment.
StoreCode Store::missing(const TableDef& t) {
    std::optional<std::string> state;
    if (auto c = lookup("SELECT (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?1) || "
                               "(SELECT count(*) FROM _pramo_layout WHERE tbl = ?1)", t.name, state); !ok(c))
        return c;
    if (state && state->starts_with("1")) return checkTable(t);  // made meanwhile
    const StoreCode c = state == "01" ? StoreCode::FileLost : StoreCode::FileNotFound;
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
    StoreCode c = exec("INSERT OR IGNORE INTO _pramo_layout (tbl, signature) VALUES ('" + name + "', '" + t.layoutSignature() + "')");
    if (ok(c)) c = exec("INSERT OR IGNORE INTO _pramo_dirty (tbl) VALUES ('" + name + "')");
    return ok(c) ? tx.commit() : c;
}

// Indexes and triggers of the file's names left on a table another tool renamed are dropped first.
StoreCode Store::createTable(const TableDef& t) {
    Transaction tx(*this, lockWaitSeconds);
    if (!tx.began()) return tx.code();
    StoreCode c = StoreCode::Ok;
    for (const KeyDef* k : t.keys) c = ok(c) ? exec("DROP INDEX IF EXISTS " + sql::quoted(sql::indexName(*k))) : c;
    for (const auto& n : sql::triggerNames(t)) c = ok(c) ? exec("DROP TRIGGER IF EXISTS " + sql::quoted(n)) : c;
    if (ok(c)) c = exec(sql::createTable(t));
    for (const auto& s : sql::createIndexes(t)) c = ok(c) ? exec(s) : c;
    for (const auto& s : sql::createTriggers(t)) c = ok(c) ? exec(s) : c;
    if (ok(c))
        c = exec("INSERT OR REPLACE INTO _pramo_layout (tbl, signature) VALUES ('" + std::string(t.name) + "', '" +
                 t.layoutSignature() + "')");
    if (ok(c)) c = exec("DELETE FROM _pramo_dirty WHERE tbl = '" + std::string(t.name) + "'");
    if (!ok(c)) return c;
    return tx.commit();
}

// Every key column is computed again from the record's fields, the indexes and triggers are made
// anew; a unique key that two records now share makes the rebuild fail (40) and changes nothing.
StoreCode Store::rebuildKeys(const TableDef& t) {
    Transaction tx(*this, lockWaitSeconds);
    if (!tx.began()) return tx.code();
    StoreCode c = StoreCode::Ok;
    for (const KeyDef* k : t.keys) c = ok(c) ? exec("DROP INDEX IF EXISTS " + sql::quoted(sql::indexName(*k))) : c;
    for (const auto& n : sql::triggerNames(t)) c = ok(c) ? exec("DROP TRIGGER IF EXISTS " + sql::quoted(n)) : c;
    KeyBatch batch;
    while (ok(c)) {
        c = readKeyBatch(*this, t, batch);
        if (ok(c)) c = writeKeyBatch(*this, t, batch);
        if (batch.rows < keyBatchSize) break;
    }
    for (const auto& s : sql::createIndexes(t)) c = ok(c) ? exec(s) : c;
    for (const auto& s : sql::createTriggers(t)) c = ok(c) ? exec(s) : c;
    if (ok(c)) c = exec("DELETE FROM _pramo_dirty WHERE tbl = '" + std::string(t.name) + "'");
    if (!ok(c)) return c;
    ++writes_;
    return tx.commit();
}

StoreCode Store::verifyKeys(const TableDef& t, std::int64_t& stale) {
    stale = 0;
    std::string cols = sql::selectColumns(t);
    for (const KeyDef* k : t.keys) cols += ", " + sql::quoted(k->column());
    Stmt* s = statement("SELECT " + cols + " FROM " + sql::quoted(t.name));
    if (!s) return error_.code;
    StmtUse use(s->st);
    HeapRecord rec(t);
    const int firstKey = static_cast<int>(t.fields.size()) + 2;
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
        if (!ok(readRow(t, use.get(), rec.get()))) continue;
        for (std::size_t i = 0; i < t.keys.size(); ++i) {
            if (!holdsKey(use.get(), firstKey + static_cast<int>(i), encodeKey(*t.keys[i], rec.get()))) {
                ++stale;
                break;
            }
        }
    }
    return rc == SQLITE_DONE ? succeed() : fail(rc);
}

std::int64_t Store::quickCheck() {
    ReadTransaction whole(*this);  // reads every page once: the documents' small window
    Stmt* s = statement("PRAGMA quick_check");
    if (!s) return 1;
    StmtUse use(s->st);
    std::int64_t problems = 0;
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(use.get(), 0));
        if (!p || std::string_view(p) != "ok") ++problems;
    }
    return rc == SQLITE_DONE ? problems : problems + 1;
}

}  // namespace pramo
