#pragma once
// A plain connection to a set of books, as an IT person's tool or another program would have: the
// sqlite3 library on a database file, libpq on a server's database (a postgresql:// URI). For tests
// that change the books behind the store's back; SQL that both engines take (table and column
// names quoted as the store makes them) runs on either.

#include <libpq-fe.h>
#include <sqlite3.h>

#include <string>

namespace pramo::test {

class RawDb {
public:
    explicit RawDb(const std::string& where) {
        if (where.starts_with("postgres")) {
            pg_ = PQconnectdb(where.c_str());
            PQsetNoticeProcessor(pg_, [](void*, const char*) {}, nullptr);
            return;
        }
        sqlite3_open(where.c_str(), &db_);
        sqlite3_busy_timeout(db_, 10000);
    }
    ~RawDb() {
        sqlite3_close(db_);
        if (pg_) PQfinish(pg_);
    }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    // Runs SQL; returns the SQLite result code (on a server, SQLITE_OK or SQLITE_ERROR).
    int exec(const std::string& sql) {
        if (!pg_) return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
        PGresult* r = PQexec(pg_, sql.c_str());
        const ExecStatusType s = PQresultStatus(r);
        PQclear(r);
        return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK ? SQLITE_OK : SQLITE_ERROR;
    }
    // The first column of the first row as text ("" when there is none).
    std::string value(const std::string& sql) {
        std::string out;
        if (pg_) {
            PGresult* r = PQexec(pg_, sql.c_str());
            if (PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0) out = PQgetvalue(r, 0, 0);
            PQclear(r);
            return out;
        }
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
            const auto* p = sqlite3_column_text(st, 0);
            out = p ? reinterpret_cast<const char*>(p) : "";
        }
        sqlite3_finalize(st);
        return out;
    }

    // Every value of the first column, in order, joined by commas.
    std::string column(const std::string& sql) {
        std::string out;
        if (pg_) {
            PGresult* r = PQexec(pg_, sql.c_str());
            for (int i = 0; PQresultStatus(r) == PGRES_TUPLES_OK && i < PQntuples(r); ++i) out += (i ? "," : "") + std::string(PQgetvalue(r, i, 0));
            PQclear(r);
            return out;
        }
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) return out;
        for (bool first = true; sqlite3_step(st) == SQLITE_ROW; first = false) {
            const auto* p = sqlite3_column_text(st, 0);
            out += (first ? "" : ",") + std::string(p ? reinterpret_cast<const char*>(p) : "");
        }
        sqlite3_finalize(st);
        return out;
    }
    // A trigger `name` refusing every `event` (INSERT, DELETE) on `table` for which `condition`
    // holds (of NEW or OLD, names quoted), as a constraint of another tool would.
    int refuse(const std::string& name, const std::string& event, const std::string& table, const std::string& condition) {
        if (!pg_)
            return exec("CREATE TRIGGER " + name + " BEFORE " + event + " ON \"" + table + "\" WHEN " + condition +
                        " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        return exec("CREATE FUNCTION " + name + "() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF " + condition +
                    " THEN RAISE check_violation USING MESSAGE = 'refused'; END IF; IF TG_OP = 'DELETE' THEN RETURN OLD; END IF; "
                    "RETURN NEW; END $$; CREATE TRIGGER " + name + " BEFORE " + event + " ON \"" + table +
                    "\" FOR EACH ROW EXECUTE FUNCTION " + name + "()");
    }
    // Begins a transaction holding the books' write lock, as a program writing them does.
    int holdWriteLock() { return pg_ ? exec("BEGIN; SELECT pg_advisory_xact_lock(1347571023)") : exec("BEGIN IMMEDIATE"); }

private:
    sqlite3* db_ = nullptr;
    PGconn* pg_ = nullptr;
};

}  // namespace pramo::test
