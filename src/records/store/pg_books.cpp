// The books on a PostgreSQL server as a whole: whose they are, one writer at a time, what the
// catalogue says of a table, the check, and the notices of other connections' commits.

#include <chrono>
#include <cstring>
#include <thread>

#include "records/store/pg_backend.h"

namespace pramo {
namespace {

constexpr const char* writerLock = "1347571023";  // "PRMO": the advisory lock of the one writer
constexpr const char* booksSchema = "(SELECT oid FROM pg_namespace WHERE nspname = current_schema())";
constexpr const char* lockedWords = "bazu podataka drži zaključanom drugi program";

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string quotedName(std::string_view name) { return "\"" + std::string(name) + "\""; }

}  // namespace

// Tables only: the program's functions and another tool's views or sequences make no books.
StoreCode PgBackend::ownership(Ownership& found) {
    std::vector<std::string> row;
    const StoreCode c = texts(std::string("SELECT count(*) FILTER (WHERE relname = '_pramo_layout'), count(*) FROM pg_class "
                                          "WHERE relkind IN ('r', 'p') AND relnamespace = ") + booksSchema,
                              std::nullopt, row, 2);
    if (!ok(c)) return c;
    found = row[0] != "0" ? Ownership::Ours : row[1] == "0" ? Ownership::Empty : Ownership::Foreign;
    return StoreCode::Ok;
}

// The table _pramo_layout, made in the same transaction, is the mark.
StoreCode PgBackend::claim() { return StoreCode::Ok; }

// The transaction begins at once; the writer's lock is tried in short steps until the wait is
// used up (a blocking wait could not tell the observer how long it has waited).
bool PgBackend::beginWrite(int waitMs) {
    if (!run("BEGIN")) return false;
    const std::int64_t start = nowMs();
    const std::string tryLock = std::string("SELECT pg_try_advisory_xact_lock(") + writerLock + ")";
    for (int attempt = 0;; ++attempt) {
        PGresult* r = nullptr;
        if (!run(tryLock, &r)) {
            const BackendFailure keep = failure_;
            (void)run("ROLLBACK");
            failure_ = keep;
            return false;
        }
        const bool held = std::strcmp(PQgetvalue(r, 0, 0), "t") == 0;
        PQclear(r);
        if (held) return true;
        const std::int64_t waited = nowMs() - start;
        if (waited >= waitMs) {
            (void)run("ROLLBACK");
            failure_ = {StoreCode::FileLocked, 0, lockedWords, {}};
            return false;
        }
        const std::int64_t step = attempt < 10 ? 2 : attempt < 30 ? 10 : 25;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(step, waitMs - waited)));
        if (observer_) observer_(nowMs() - start);
    }
}

bool PgBackend::beginRead() { return run("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"); }

// The server's process of the connection that holds the writer's lock, and the program it named.
std::string PgBackend::lockHolder() {
    std::vector<std::string> row;
    const std::string query = std::string("SELECT coalesce(nullif(a.application_name, ''), 'drugi program'), a.pid "
                                          "FROM pg_locks l JOIN pg_stat_activity a ON a.pid = l.pid "
                                          "WHERE l.locktype = 'advisory' AND l.granted AND l.classid = 0 AND l.objid = ") +
                              writerLock + " AND l.objsubid = 1 AND l.pid <> pg_backend_pid() AND l.database = "
                                           "(SELECT oid FROM pg_database WHERE datname = current_database()) LIMIT 1";
    if (!ok(texts(query, std::nullopt, row, 2)) || row.empty()) return {};
    return row[0] + ", proces poslužitelja " + row[1];
}

StoreCode PgBackend::columnsOf(std::string_view table, std::vector<std::string>& columns) {
    std::vector<std::string> rows;
    const StoreCode c = texts(
        std::string("SELECT a.attname || ' ' || CASE WHEN a.atttypid IN (20, 21, 23) THEN 'INTEGER' "
                    "WHEN a.atttypid IN (25, 1042, 1043) THEN 'TEXT' WHEN a.atttypid = 17 THEN 'BLOB' "
                    "ELSE upper(format_type(a.atttypid, a.atttypmod)) END FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
                    "WHERE c.relname = $1 AND c.relkind IN ('r', 'p') AND a.attnum > 0 AND NOT a.attisdropped AND c.relnamespace = ") +
            booksSchema + " ORDER BY a.attnum",
        std::string(table), rows);
    columns = std::move(rows);
    return c;
}

// Indexes that back a constraint (the row id's primary key) are the engine's own, as on a file.
StoreCode PgBackend::indexesOf(std::string_view table, std::vector<std::string>& names) {
    return texts(std::string("SELECT i.relname FROM pg_index x JOIN pg_class i ON i.oid = x.indexrelid "
                             "JOIN pg_class c ON c.oid = x.indrelid WHERE c.relname = $1 AND "
                             "NOT EXISTS (SELECT 1 FROM pg_constraint k WHERE k.conindid = x.indexrelid) AND c.relnamespace = ") +
                     booksSchema + " ORDER BY i.relname",
                 std::string(table), names);
}

StoreCode PgBackend::exists(Object type, std::string_view name, bool& found) {
    std::string query;
    switch (type) {
    case Object::Table: query = "SELECT 1 FROM pg_class c WHERE c.relkind IN ('r', 'p') AND c.relname = $1"; break;
    case Object::Index: query = "SELECT 1 FROM pg_class c WHERE c.relkind = 'i' AND c.relname = $1"; break;
    case Object::Trigger:
        query = "SELECT 1 FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid WHERE NOT t.tgisinternal AND t.tgname = $1";
        break;
    }
    std::vector<std::string> rows;
    const StoreCode c = texts(query + " AND c.relnamespace = " + booksSchema, std::string(name), rows);
    found = !rows.empty();
    return c;
}

// The server keeps its storage sound: the check is that every table of the books can be read.
StoreCode PgBackend::selfCheck(std::vector<std::string>& problems) {
    problems.clear();
    std::vector<std::string> tables;
    StoreCode c = texts(std::string("SELECT relname FROM pg_class WHERE relkind IN ('r', 'p') AND relnamespace = ") + booksSchema +
                            " AND (relname LIKE '\\_pramo\\_%' OR relname IN (SELECT tbl FROM _pramo_layout)) ORDER BY relname",
                        std::nullopt, tables);
    if (!ok(c)) return c;
    for (const std::string& t : tables) {
        std::vector<std::string> count;
        if (ok(texts("SELECT count(*) FROM " + quotedName(t), std::nullopt, count))) continue;
        if (failure_.words.starts_with("veza")) return failure_.code;
        problems.push_back("tablicu " + t + " nije moguće čitati: " + failure_.words);
    }
    return StoreCode::Ok;
}

StoreCode PgBackend::copyInto(const std::string&) {
    failure_ = {StoreCode::FileSystem, 0,
                "knjige na poslužitelju program ne kopira prije nadogradnje: njihova su kopija sigurnosne kopije poslužitelja",
                {}};
    return StoreCode::FileSystem;
}

// The notices queued since the last call; this connection's own commits and other books' are
// not news.
bool PgBackend::changedElsewhere() {
    if (!conn_ || !PQconsumeInput(conn_)) return false;
    bool changed = false;
    const int own = PQbackendPID(conn_);
    while (PGnotify* n = PQnotifies(conn_)) {
        changed = changed || (n->be_pid != own && schema_ == n->extra);
        PQfreemem(n);
    }
    return changed;
}

}  // namespace pramo
