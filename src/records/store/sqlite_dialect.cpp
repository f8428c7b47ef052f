#include "records/store/sqlite_dialect.h"

#include "records/store/store_sql.h"

namespace pramo {

// A row added or changed by any other tool than this store (which always sets _ver) leaves its
// key columns stale; the triggers note the table so that its keys are rebuilt on the next open.
std::vector<std::string> SqliteDialect::createTriggers(const TableDef& t) const {
    const auto names = sql::triggerNames(t);
    const std::string mark = " BEGIN INSERT OR IGNORE INTO _pramo_dirty(tbl) VALUES ('" + std::string(t.name) + "'); END";
    return {"CREATE TRIGGER " + sql::quoted(names[0]) + " AFTER INSERT ON " + sql::quoted(t.name) + " WHEN NEW._ver IS NULL" + mark,
            "CREATE TRIGGER " + sql::quoted(names[1]) + " AFTER UPDATE ON " + sql::quoted(t.name) + " WHEN NEW._ver IS OLD._ver" +
                mark};
}

std::vector<std::string> SqliteDialect::dropTriggers(const TableDef& t) const {
    std::vector<std::string> out;
    for (const auto& n : sql::triggerNames(t)) out.push_back("DROP TRIGGER IF EXISTS " + sql::quoted(n));
    return out;
}

std::string SqliteDialect::isInteger(std::string_view expr) const { return "typeof(" + std::string(expr) + ") = 'integer'"; }
std::string SqliteDialect::isText(std::string_view expr) const { return "typeof(" + std::string(expr) + ") = 'text'"; }

// SQLite seeks its index by the sort value and steps over the rows of that value before the row.
std::string SqliteDialect::pageAfter(std::string_view keyColumn, bool forward) const {
    const std::string k(keyColumn), after = forward ? " > " : " < ";
    return k + (forward ? " >= ?1" : " <= ?1") + " AND (" + k + after + "?1 OR _id" + after + "?2)";
}

}  // namespace pramo
