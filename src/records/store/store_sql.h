#pragma once
// The SQL text of a declared table: its DDL, its indexes and the statements the store prepares.
// Every column is derived from the declaration, so no table is written out by hand.

#include <string>
#include <vector>

#include "records/store/table_def.h"

namespace pramo::sql {

std::string quoted(std::string_view name);        // "NAZIV"
std::string createTable(const TableDef& t);       // CREATE TABLE with fields, version and key columns
// The columns createTable makes, as "NAME TYPE" in their order (as the database lists them).
std::vector<std::string> columns(const TableDef& t);
std::vector<std::string> createIndexes(const TableDef& t);
std::vector<std::string> createTriggers(const TableDef& t);
std::string indexName(const KeyDef& k);           // OSOBE_KEYOIB
std::vector<std::string> triggerNames(const TableDef& t);
std::string selectColumns(const TableDef& t);     // _id, _ver, then every field
std::string insert(const TableDef& t);
std::string update(const TableDef& t);
std::string updateKeys(const TableDef& t);        // rewrites the key columns of one row

}  // namespace pramo::sql
