#include "records/store/pg_backend.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "records/store/pg_statement.h"

namespace pramo {
namespace {

bool startsWith(std::string_view sql, std::string_view word) {
    return sql.size() >= word.size() && strncasecmp(sql.data(), word.data(), word.size()) == 0;
}

// A statement that opens, ends or marks a transaction, which no savepoint may wrap.
bool controlsTransaction(std::string_view sql) {
    for (const char* w : {"BEGIN", "COMMIT", "END", "ROLLBACK", "SAVEPOINT", "RELEASE"})
        if (startsWith(sql, w)) return true;
    return false;
}

// The name a message of the server quotes ("relation \"OSOBE\" does not exist"), or the word
// after `column ` when it quotes none ("column c.IME does not exist").
std::string namedIn(const char* message) {
    const std::string_view m(message ? message : "");
    const std::size_t open = m.find('"');
    if (open != std::string_view::npos) return std::string(m.substr(open + 1, m.find('"', open + 1) - open - 1));
    const std::size_t column = m.find("column ");
    if (column == std::string_view::npos) return {};
    const std::string_view rest = m.substr(column + 7);
    std::string name(rest.substr(0, rest.find(' ')));
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(0, dot + 1);
    return name;
}

struct Meaning {
    std::string_view state;  // a SQLSTATE, or its class (two characters)
    StoreCode code;
    const char* words;
};

const Meaning meanings[] = {
    {"23505", StoreCode::DuplicateKey, "slog s tom vrijednošću ključa već postoji"},
    {"23", StoreCode::DuplicateKey, "baza podataka odbila je slog"},  // another constraint, as on a file
    {"40001", StoreCode::FileLocked, "bazu podataka drži zaključanom drugi program"},
    {"40P01", StoreCode::FileLocked, "bazu podataka drži zaključanom drugi program"},
    {"55P03", StoreCode::FileLocked, "bazu podataka drži zaključanom drugi program"},
    {"42P01", StoreCode::LayoutMismatch, "baza podataka nema tablicu koju program traži"},
    {"42703", StoreCode::LayoutMismatch, "baza podataka nema stupac koji program traži"},
    {"53", StoreCode::FileSystem, "poslužitelju baze nedostaje prostora ili memorije"},
    {"42501", StoreCode::FileSystem, "nema dozvole za rad s bazom podataka na poslužitelju"},
    {"25006", StoreCode::FileSystem, "u bazu podataka na poslužitelju nije dopušteno pisati"},
    {"XX001", StoreCode::FileSystem, "baza podataka na poslužitelju je oštećena"},
    {"22", StoreCode::LayoutMismatch, "vrijednost ne odgovara stupcu baze podataka"},
};

int numeric(std::string_view state) {
    int n = 0;
    for (const char c : state) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

PgBackend::PgBackend(std::string uri) : uri_(std::move(uri)) {}

PgBackend::~PgBackend() { close(); }

std::string PgBackend::server() const {
    std::string db, host;
    if (PQconninfoOption* options = PQconninfoParse(uri_.c_str(), nullptr)) {
        for (PQconninfoOption* o = options; o->keyword; ++o) {
            if (!o->val) continue;
            if (std::strcmp(o->keyword, "dbname") == 0) db = o->val;
            if (std::strcmp(o->keyword, "host") == 0) host = o->val;
        }
        PQconninfoFree(options);
    }
    if (conn_ && db.empty()) db = PQdb(conn_);
    return (db.empty() ? std::string("baza") : db) + (host.empty() ? "" : " na " + host);
}

std::string PgBackend::describe() const { return "PostgreSQL: " + server(); }

StoreCode PgBackend::open(int waitMs) {
    close();
    const std::string timeout = std::to_string(std::max(2, waitMs / 1000));
    const char* keys[] = {"dbname", "fallback_application_name", "client_encoding", "connect_timeout", nullptr};
    const char* values[] = {uri_.c_str(), program_invocation_short_name, "UTF8", timeout.c_str(), nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string why = PQerrorMessage(conn_);
        const bool refused = why.find("password") != std::string::npos || why.find("authentication") != std::string::npos;
        failure_ = {StoreCode::FileSystem, 0,
                    (refused ? "poslužitelj baze odbio je prijavu (" : "poslužitelj baze nije dostupan (") + server() + ")", {}};
        close();
        return StoreCode::FileSystem;
    }
    PQsetNoticeProcessor(conn_, [](void*, const char*) {}, nullptr);  // the server's notices are not the user's
    ++connectionNumber_;
    statements_ = 0;
    std::vector<std::string> schema;
    StoreCode c = texts("SELECT coalesce(current_schema(), '')", std::nullopt, schema);
    if (ok(c) && schema.front().empty()) {
        failure_ = {StoreCode::FileSystem, 0, "u bazi nema sheme za knjige (" + server() + ")", {}};
        c = StoreCode::FileSystem;
    }
    if (ok(c)) schema_ = schema.front();
    if (ok(c) && !run(std::string("LISTEN ") + pgChangeChannel)) c = failure_.code;
    if (!ok(c)) close();
    return c;
}

void PgBackend::close() {
    if (conn_) PQfinish(conn_);
    conn_ = nullptr;
}

bool PgBackend::inTransaction() const {
    if (!conn_) return false;
    const PGTransactionStatusType s = PQtransactionStatus(conn_);
    return s == PQTRANS_INTRANS || s == PQTRANS_INERROR;
}

bool PgBackend::guard() { return run("SAVEPOINT pramo_naredba"); }

void PgBackend::unguard(bool succeeded) {
    if (succeeded) {
        (void)run("RELEASE SAVEPOINT pramo_naredba");
        return;
    }
    const BackendFailure keep = failure_;
    (void)run("ROLLBACK TO SAVEPOINT pramo_naredba");
    (void)run("RELEASE SAVEPOINT pramo_naredba");
    failure_ = keep;
}

std::unique_ptr<BackendStatement> PgBackend::prepare(const std::string& sql) {
    if (!conn_) {
        noteLostConnection();
        return nullptr;
    }
    bool skips = false;
    std::vector<bool> used;
    const std::string text = pgSkippingDuplicates(pgPlaceholders(sql, &used), skips);
    // A parameter the text skips (a page from the edge binds no anchor) is declared bytea, which
    // takes whatever is bound to it.
    std::vector<Oid> types(used.size(), 0);
    for (std::size_t i = 0; i < used.size(); ++i) types[i] = used[i] ? 0 : 17;
    const std::string name = "pramo_" + std::to_string(++statements_);
    const bool guarded = inTransaction();
    if (guarded && !guard()) return nullptr;
    PGresult* made = PQprepare(conn_, name.c_str(), text.c_str(), static_cast<int>(types.size()), types.data());
    bool succeeded = PQresultStatus(made) == PGRES_COMMAND_OK;
    if (!succeeded) noteFailure(made);
    PQclear(made);
    PgStatement::Shape shape;
    if (succeeded) {
        PGresult* d = PQdescribePrepared(conn_, name.c_str());
        succeeded = PQresultStatus(d) == PGRES_COMMAND_OK;
        if (!succeeded) noteFailure(d);
        for (int i = 0; succeeded && i < PQnparams(d); ++i) shape.params.push_back(PQparamtype(d, i));
        for (int i = 0; succeeded && i < PQnfields(d); ++i) shape.columns.push_back(PQftype(d, i));
        PQclear(d);
    }
    if (guarded) unguard(succeeded);
    if (!succeeded) return nullptr;
    return std::make_unique<PgStatement>(*this, name, std::move(shape), skips, startsWith(text, "UPDATE"));
}

bool PgBackend::exec(const std::string& sql) {
    const bool guarded = inTransaction() && !controlsTransaction(sql);
    if (guarded && !guard()) return false;
    const bool succeeded = run(sql);
    if (guarded) unguard(succeeded);
    return succeeded;
}

// A COMMIT of a transaction that a failure ended answers ROLLBACK: nothing of it was written, and
// that is a failure, never a success.
bool PgBackend::run(const std::string& sql, PGresult** rows) {
    if (!conn_) {
        noteLostConnection();
        return false;
    }
    PGresult* r = PQexec(conn_, sql.c_str());
    const ExecStatusType status = PQresultStatus(r);
    bool succeeded = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (!succeeded) noteFailure(r);
    else noteChanges(r);
    if (succeeded && startsWith(sql, "COMMIT") && std::strcmp(PQcmdStatus(r), "ROLLBACK") == 0) {
        failure_ = {StoreCode::FileSystem, 0, "transakciju je prekinula greška pa ništa od nje nije upisano", {}};
        succeeded = false;
    }
    if (succeeded && rows) *rows = r;
    else PQclear(r);
    return succeeded;
}

StoreCode PgBackend::texts(const std::string& sql, std::optional<std::string> param, std::vector<std::string>& out, int columns) {
    out.clear();
    if (!conn_) {
        noteLostConnection();
        return failure_.code;
    }
    const char* values[] = {param ? param->c_str() : nullptr};
    PGresult* r = PQexecParams(conn_, sql.c_str(), param ? 1 : 0, nullptr, values, nullptr, nullptr, 0);
    if (PQresultStatus(r) != PGRES_TUPLES_OK) {
        noteFailure(r);
        PQclear(r);
        return failure_.code;
    }
    for (int row = 0; row < PQntuples(r); ++row)
        for (int col = 0; col < columns; ++col) out.emplace_back(PQgetvalue(r, row, col));
    PQclear(r);
    return StoreCode::Ok;
}

void PgBackend::noteChanges(const PGresult* result) {
    const char* n = PQcmdTuples(const_cast<PGresult*>(result));
    if (n && *n) changes_ = std::atoll(n);
}

void PgBackend::noteFailure(const PGresult* result) {
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
        noteLostConnection();
        return;
    }
    const char* s = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const std::string_view state(s ? s : "");
    failure_ = {StoreCode::FileSystem, numeric(state), "poslužitelj baze odbio je radnju", {}};
    if (state.starts_with("08") || state.starts_with("57P")) {
        noteLostConnection();
        return;
    }
    for (const Meaning& m : meanings) {
        if (!state.starts_with(m.state)) continue;
        failure_.code = m.code;
        failure_.words = m.words;
        break;
    }
    const std::string name = namedIn(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY));
    if (state == "42P01") failure_.detail = "nema tablice " + name;
    if (state == "42703") failure_.detail = "nema stupca " + name;
}

void PgBackend::noteDuplicate() {
    failure_ = {StoreCode::DuplicateKey, numeric("23505"), "slog s tom vrijednošću ključa već postoji", {}};
}

void PgBackend::noteLostConnection() {
    failure_ = {StoreCode::FileSystem, 0, "veza s poslužiteljem baze je prekinuta (" + server() + ")", {}};
}

}  // namespace pramo
