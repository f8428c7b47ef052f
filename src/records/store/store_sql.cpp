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

std::string insert(const TableDef& t, bool givenRow) {
    std::string cols, vals;
    for (const FieldDef& f : t.fields) {
        cols += quoted(f.name) + ", ";
        vals += "?, ";
    }
    for (const KeyDef* k : t.keys) {
        cols += quoted(k->column()) + ", ";
        vals += "?, ";
    }
    if (givenRow) return "INSERT INTO " + quoted(t.name) + " (" + cols + "_id, _ver) VALUES (" + vals + "?, ?)";
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

// The parameters are numbered in the order they appear, with no gap (an engine that infers each
// parameter's type from its use refuses one it never sees): the key's sort value when the page
// starts from one, the row when it starts after one, then the number of rows.
std::string page(const Dialect& d, const TableDef& t, const KeyDef* key, bool forward, From start) {
    const std::string cols = selectColumns(t);
    const std::string from = " FROM " + quoted(t.name);
    const std::string dir = forward ? "" : " DESC";
    const std::string after = forward ? " > " : " < ";
    if (!key) {
        const std::string where = start == From::Edge ? "" : " WHERE _id" + after + "?1";
        return "SELECT " + cols + from + where + " ORDER BY _id" + dir + (start == From::Edge ? " LIMIT ?1" : " LIMIT ?2");
    }
    const std::string k = quoted(key->column());
    std::string where = " WHERE " + k + (forward ? " >= ?1" : " <= ?1");
    std::string limit = " LIMIT ?2";
    if (start == From::Edge) {
        where = " WHERE " + k + " IS NOT NULL";
        limit = " LIMIT ?1";
    } else if (start == From::Row) {
        where = " WHERE " + d.pageAfter(k, forward);
        limit = " LIMIT ?3";
    }
    return "SELECT " + cols + ", " + k + from + where + " ORDER BY " + k + dir + ", _id" + dir + limit;
}

}  // namespace pramo::sql
