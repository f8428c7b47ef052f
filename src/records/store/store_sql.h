#pragma once
// The SQL text of a declared table: its DDL, its indexes and the statements the store prepares.
// Every column is derived from the declaration, so no table is written out by hand.

#include <string>
#include <vector>

#include "records/store/table_def.h"

namespace pramo {
class Dialect;
}

namespace pramo::sql {

std::string quoted(std::string_view name);        // "NAZIV"
// CREATE TABLE with fields, version and key columns, in the engine's column types.
std::string createTable(const Dialect& d, const TableDef& t);
// The columns createTable makes, as "NAME TYPE" in their order (as the database lists them).
std::vector<std::string> columns(const TableDef& t);
std::vector<std::string> createIndexes(const Dialect& d, const TableDef& t);
std::string indexName(const KeyDef& k);           // OSOBE_KEYOIB
std::vector<std::string> triggerNames(const TableDef& t);
std::string selectColumns(const TableDef& t);     // _id, _ver, then every field
// Every field, every key and _ver; RETURNING _id. With `givenRow`, _id and _ver both last, as given.
std::string insert(const TableDef& t, bool givenRow = false);
std::string update(const TableDef& t);
std::string updateKeys(const TableDef& t);        // rewrites the key columns of one row
// Where a cursor's page starts: at an edge of the order, at the first row whose sort value is at
// (or after) ?1, or after the row ?2 of sort value ?1.
enum class From : int { Edge, Value, Row };
// A cursor's page: the next (or previous) rows from where it starts; every field, then the key's
// sort value. A null key reads the file's physical order (from an edge or a row). Its parameters,
// in this order: the sort value (from a value or a row of a key), the row (from a row), the
// number of rows.
std::string page(const Dialect& d, const TableDef& t, const KeyDef* key, bool forward, From from);

// What a statement the store keeps prepared for a table or a key is for (Store::statement); a
// page takes Page plus 1 when it reads backwards, plus 2 times where it starts (From).
enum Use : int { Get, Insert, Update, Erase, Reget, Collides, Count, Page };

}  // namespace pramo::sql
