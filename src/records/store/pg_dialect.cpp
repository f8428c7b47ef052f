#include "records/store/pg_dialect.h"

namespace pramo {
namespace {

std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// The functions the triggers run, made (or made again) with every table's triggers. A row another
// tool wrote is noted in the _pramo_dirty of the table's own schema, whatever that tool's search
// path; the notice of a change goes out once per transaction (NOTIFY folds equal notices).
const std::string markFunction =
    "CREATE OR REPLACE FUNCTION _pramo_mark_dirty() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
    "EXECUTE format('INSERT INTO %I._pramo_dirty (tbl) VALUES ($1) ON CONFLICT DO NOTHING', TG_TABLE_SCHEMA) "
    "USING TG_TABLE_NAME; RETURN NULL; END $$";
const std::string notifyFunction = std::string("CREATE OR REPLACE FUNCTION _pramo_notify() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                                               "PERFORM pg_notify('") + pgChangeChannel + "', TG_TABLE_SCHEMA); RETURN NULL; END $$";

struct Trigger {
    const char* suffix;
    const char* when;  // the trigger's event and condition
    const char* function;
};

const Trigger triggers[] = {
    {"_foreign_insert", "AFTER INSERT ON %T FOR EACH ROW WHEN (NEW._ver IS NULL)", "_pramo_mark_dirty"},
    {"_foreign_update", "AFTER UPDATE ON %T FOR EACH ROW WHEN (NEW._ver IS NOT DISTINCT FROM OLD._ver)", "_pramo_mark_dirty"},
    {"_notify", "AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON %T FOR EACH STATEMENT", "_pramo_notify"},
};

std::string withTable(std::string_view text, const TableDef& t) {
    std::string s(text);
    s.replace(s.find("%T"), 2, quoted(t.name));
    return s;
}

}  // namespace

std::vector<std::string> PgDialect::createTriggers(const TableDef& t) const {
    std::vector<std::string> out{markFunction, notifyFunction};
    for (const Trigger& g : triggers)
        out.push_back("CREATE TRIGGER " + quoted(std::string(t.name) + g.suffix) + " " + withTable(g.when, t) +
                      " EXECUTE FUNCTION " + g.function + "()");
    return out;
}

// A trigger belongs to its table: one left on a table that another tool renamed goes with it.
std::vector<std::string> PgDialect::dropTriggers(const TableDef& t) const {
    std::vector<std::string> out;
    for (const Trigger& g : triggers)
        out.push_back("DROP TRIGGER IF EXISTS " + quoted(std::string(t.name) + g.suffix) + " ON " + quoted(t.name));
    return out;
}

// Columns are typed: a value that is there is of its column's type.
std::string PgDialect::isInteger(std::string_view expr) const { return "(" + std::string(expr) + ") IS NOT NULL"; }
std::string PgDialect::isText(std::string_view expr) const { return "(" + std::string(expr) + ") IS NOT NULL"; }

std::string PgDialect::afterGivenIds(const TableDef& t) const {
    const std::string table = quoted(t.name);
    return "SELECT setval(pg_get_serial_sequence('" + table + "', '_id'), coalesce(max(_id), 0) + 1, false) FROM " + table;
}

// A row comparison is a bound of the index on (sort value, row id): the scan starts at the row.
// On a unique key's index (the sort value alone) it starts at the sort value, which holds at most
// that one row. The planner does not see that it excludes null sort values, which the partial
// index needs to be told.
std::string PgDialect::pageAfter(std::string_view keyColumn, bool forward) const {
    const std::string k(keyColumn);
    return k + " IS NOT NULL AND (" + k + ", _id) " + (forward ? ">" : "<") + " (?1, ?2)";
}

}  // namespace pramo
