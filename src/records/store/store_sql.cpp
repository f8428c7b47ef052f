#include "records/store/store_sql.h"

#include "records/store/dialect.h"

namespace pramo::sql {
namespace {

std::string columnType(const Dialect& d, const FieldDef& f) {
    return f.isText() ? std::string(d.textType()) + " NOT NULL DEFAULT ''" : std::string(d.integerType()) + " NOT NULL DEFAULT 0";
}

}  // namespace

std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string createTable(const Dialect& d, const TableDef& t) {
    std::string s = "CREATE TABLE " + quoted(t.name) + " (";
    for (const FieldDef& f : t.fields) s += quoted(f.name) + " " + columnType(d, f) + ", ";
    s += "_id " + std::string(d.idColumn()) + ", _ver " + std::string(d.integerType());
    for (const KeyDef* k : t.keys) s += ", " + quoted(k->column()) + " " + std::string(d.bytesType());
    return s + ")";
}

std::vector<std::string> columns(const TableDef& t) {
    std::vector<std::string> out;
    for (const FieldDef& f : t.fields) out.push_back(std::string(f.name) + (f.isText() ? " TEXT" : " INTEGER"));
    out.insert(out.end(), {"_id INTEGER", "_ver INTEGER"});
    for (const KeyDef* k : t.keys) out.push_back(k->column() + " BLOB");
    return out;
}

std::string indexName(const KeyDef& k) { return std::string(k.table->name) + k.column(); }

// Records left out of a key (all components blank or zero) hold NULL there and are left out of its
// index too; every query on a key compares it, which tells SQLite the partial index applies.
std::vector<std::string> createIndexes(const Dialect& d, const TableDef& t) {
    std::vector<std::string> out;
    for (const KeyDef* k : t.keys) {
        if (!k->indexed) continue;
        out.push_back(std::string("CREATE ") + (k->unique ? "UNIQUE " : "") + "INDEX " + quoted(indexName(*k)) +
                      " ON " + quoted(t.name) + " (" + quoted(k->column()) + d.indexTail(k->unique) + ") WHERE " + quoted(k->column()) +
                      " IS NOT NULL");
    }
    return out;
}

std::vector<std::string> triggerNames(const TableDef& t) {
    return {std::string(t.name) + "_foreign_insert", std::string(t.name) + "_foreign_update"};
}

std::string selectColumns(const TableDef& t) {
    std::string s = "_id, _ver";
    for (const FieldDef& f : t.fields) s += ", " + quoted(f.name);
    return s;
}

std::string insert(const TableDef& t) {
    std::string cols, vals;
    for (const FieldDef& f : t.fields) {
        cols += quoted(f.name) + ", ";
        vals += "?, ";
    }
    for (const KeyDef* k : t.keys) {
        cols += quoted(k->column()) + ", ";
        vals += "?, ";
    }
    return "INSERT INTO " + quoted(t.name) + " (" + cols + "_ver) VALUES (" + vals + "?) RETURNING _id";
}

std::string update(const TableDef& t) {
    std::string s = "UPDATE " + quoted(t.name) + " SET ";
    for (const FieldDef& f : t.fields) s += quoted(f.name) + " = ?, ";
    for (const KeyDef* k : t.keys) s += quoted(k->column()) + " = ?, ";
    return s + "_ver = _ver + 1 WHERE _id = ? AND _ver = ?";
}

std::string updateKeys(const TableDef& t) {
    std::string s = "UPDATE " + quoted(t.name) + " SET ";
    for (const KeyDef* k : t.keys) s += quoted(k->column()) + " = ?, ";
    return s + "_ver = coalesce(_ver, 0) + 1 WHERE _id = ?";
}

std::string page(const TableDef& t, const KeyDef* key, bool forward, bool fromEdge) {
    const std::string cols = selectColumns(t);
    const std::string from = " FROM " + quoted(t.name);
    if (!key) {
        const std::string where = fromEdge ? "" : (forward ? " WHERE _id > ?2" : " WHERE _id < ?2");
        return "SELECT " + cols + from + where + " ORDER BY _id" + (forward ? "" : " DESC") + " LIMIT ?3";
    }
    const std::string k = quoted(key->column());
    std::string where;
    if (fromEdge) where = " WHERE " + k + " IS NOT NULL";
    else if (forward) where = " WHERE " + k + " >= ?1 AND (" + k + " > ?1 OR _id > ?2)";
    else where = " WHERE " + k + " <= ?1 AND (" + k + " < ?1 OR _id < ?2)";
    const std::string dir = forward ? "" : " DESC";
    return "SELECT " + cols + ", " + k + from + where + " ORDER BY " + k + dir + ", _id" + dir + " LIMIT ?3";
}

}  // namespace pramo::sql
