// The store's side of files: checking a table against its declaration, creating it and
// rebuilding its keys.

#include <sqlite3.h>

#include <vector>

#include "records/store/key_encoding.h"
#include "records/store/store.h"
#include "records/store/store_sql.h"

namespace pramo {
namespace {

bool exists(Store& store, const char* type, const std::string& name, int& rc) {
    auto& s = store.statement("SELECT 1 FROM sqlite_master WHERE type = ?1 AND name = ?2");
    rc = sqlite3_bind_text(s.st, 1, type, -1, SQLITE_STATIC);
    sqlite3_bind_text(s.st, 2, name.c_str(), -1, SQLITE_TRANSIENT);
    rc = sqlite3_step(s.st);
    sqlite3_reset(s.st);
    sqlite3_clear_bindings(s.st);
    const bool found = rc == SQLITE_ROW;
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) rc = SQLITE_OK;
    return found;
}

// The single text value of a query with one text parameter; nullopt when there is no row.
std::optional<std::string> lookup(Store& store, const std::string& query, std::string_view param, int& rc) {
    auto& s = store.statement(query);
    sqlite3_bind_text(s.st, 1, param.data(), static_cast<int>(param.size()), SQLITE_TRANSIENT);
    rc = sqlite3_step(s.st);
    std::optional<std::string> out;
    if (rc == SQLITE_ROW) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s.st, 0));
        out = p ? p : "";
    }
    sqlite3_reset(s.st);
    sqlite3_clear_bindings(s.st);
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) rc = SQLITE_OK;
    return out;
}

}  // namespace

StoreCode Store::checkTable(const TableDef& t) {
    int rc = SQLITE_OK;
    const bool present = exists(*this, "table", std::string(t.name), rc);
    if (rc != SQLITE_OK) return fail(rc);
    if (!present) {
        setError(StoreCode::FileNotFound);
        return StoreCode::FileNotFound;
    }
    const auto sig = lookup(*this, "SELECT signature FROM _pramo_layout WHERE tbl = ?1", t.name, rc);
    if (rc != SQLITE_OK) return fail(rc);
    if (!sig || *sig != t.layoutSignature()) {
        setError(StoreCode::LayoutMismatch);
        return StoreCode::LayoutMismatch;
    }
    std::vector<std::string> needed = sql::triggerNames(t);
    bool sound = true;
    for (const KeyDef* k : t.keys) sound = sound && exists(*this, "index", sql::indexName(*k), rc) && rc == SQLITE_OK;
    for (const auto& trig : needed) sound = sound && exists(*this, "trigger", trig, rc) && rc == SQLITE_OK;
    if (rc != SQLITE_OK) return fail(rc);
    const auto dirty = lookup(*this, "SELECT tbl FROM _pramo_dirty WHERE tbl = ?1", t.name, rc);
    if (rc != SQLITE_OK) return fail(rc);
    if (!sound || dirty) {
        setError(StoreCode::KeysInvalid);
        return StoreCode::KeysInvalid;
    }
    return succeed();
}

StoreCode Store::createTable(const TableDef& t) {
    Transaction tx(*this, lockWaitSeconds);
    if (!tx.began()) return tx.code();
    StoreCode c = exec(sql::createTable(t));
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
    if (!ok(c)) return c;

    void* rec = t.create();
    std::int64_t last = 0;
    for (bool more = true; more && ok(c);) {
        std::vector<std::pair<std::int64_t, std::vector<std::optional<std::string>>>> batch;
        {
            auto& s = statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) +
                                " WHERE _id > ?1 ORDER BY _id LIMIT 512");
            sqlite3_bind_int64(s.st, 1, last);
            int rc;
            while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
                readRow(t, s.st, rec);
                std::vector<std::optional<std::string>> keys;
                for (const KeyDef* k : t.keys) keys.push_back(encodeKey(*k, rec));
                batch.emplace_back(t.row(rec).id, std::move(keys));
            }
            sqlite3_reset(s.st);
            if (rc != SQLITE_DONE) c = fail(rc);
        }
        more = batch.size() == 512;
        auto& u = statement(sql::updateKeys(t));
        for (const auto& [id, keys] : batch) {
            if (!ok(c)) break;
            int i = 1;
            for (const auto& v : keys) {
                if (v) sqlite3_bind_blob(u.st, i++, v->data(), static_cast<int>(v->size()), SQLITE_TRANSIENT);
                else sqlite3_bind_null(u.st, i++);
            }
            sqlite3_bind_int64(u.st, i, id);
            const int rc = sqlite3_step(u.st);
            sqlite3_reset(u.st);
            if (rc != SQLITE_DONE) c = fail(rc);
            last = id;
        }
    }
    t.destroy(rec);
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
    auto& s = statement("SELECT " + cols + " FROM " + sql::quoted(t.name));
    if (!s.st) return fail(sqlite3_errcode(db_));
    void* rec = t.create();
    const int firstKey = static_cast<int>(t.fields.size()) + 2;
    int rc;
    while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
        readRow(t, s.st, rec);
        for (std::size_t i = 0; i < t.keys.size(); ++i) {
            const int col = firstKey + static_cast<int>(i);
            const auto want = encodeKey(*t.keys[i], rec);
            const bool isNull = sqlite3_column_type(s.st, col) == SQLITE_NULL;
            const auto* p = static_cast<const char*>(sqlite3_column_blob(s.st, col));
            const std::string have = p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(s.st, col))) : "";
            if (want.has_value() == isNull || (want && *want != have)) {
                ++stale;
                break;
            }
        }
    }
    sqlite3_reset(s.st);
    t.destroy(rec);
    return rc == SQLITE_DONE ? succeed() : fail(rc);
}

std::string Store::integrityCheck() {
    auto& s = statement("PRAGMA quick_check");
    std::string findings;
    int rc;
    while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s.st, 0));
        const std::string line = p ? p : "";
        if (line != "ok") findings += line + "\n";
    }
    sqlite3_reset(s.st);
    if (rc != SQLITE_DONE) findings += sqlite3_errstr(rc);
    return findings;
}

}  // namespace pramo
