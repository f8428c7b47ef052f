#include "records/store/sqlite_backend.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "records/store/lock_holder.h"
#include "records/store/row_read.h"
#include "records/store/sqlite_backend_words.h"

namespace pramo {
namespace {

constexpr int applicationId = 0x50524D4F;  // "PRMO": marks a database of this program

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A file that is there but holds nothing, not even in a write-ahead log beside it: no database
// at all (a copy cut short, a file made by mistake). Only its size is looked at; nothing but
// SQLite opens a database file in this process.
bool holdsNothing(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) != 0 || ec) return false;
    const auto log = std::filesystem::file_size(path + "-wal", ec);
    return ec || log == 0;
}

std::string sqlText(std::string_view text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

std::string_view view(const void* p, int bytes) {
    return p ? std::string_view(static_cast<const char*>(p), static_cast<std::size_t>(bytes)) : std::string_view();
}

}  // namespace

// A prepared statement of the connection. A column's value is read through its sqlite3_value,
// safe as the connection has one thread: its type and its content cost one look-up of the column.
class SqliteBackend::Statement final : public BackendStatement {
public:
    Statement(SqliteBackend& backend, sqlite3_stmt* st) : backend_(backend), st_(st) {}
    ~Statement() override { sqlite3_finalize(st_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bindInt(int index, std::int64_t value) override { sqlite3_bind_int64(st_, index, value); }
    void bindText(int index, std::string_view v) override {
        sqlite3_bind_text(st_, index, v.data() ? v.data() : "", static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void bindBlob(int index, std::string_view v) override {
        sqlite3_bind_blob(st_, index, v.data() ? v.data() : "", static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void bindNull(int index) override { sqlite3_bind_null(st_, index); }
    BackendStatement::Step step() override {
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) return Step::Row;
        if (rc == SQLITE_DONE) return Step::Done;
        backend_.fail(rc);
        return Step::Failed;
    }
    ValueKind kind(int col) const override { return kindOf(sqlite3_column_type(st_, col)); }
    std::int64_t integer(int col) const override { return sqlite3_column_int64(st_, col); }
    std::string_view text(int col) const override {
        const unsigned char* p = sqlite3_column_text(st_, col);
        return view(p, sqlite3_column_bytes(st_, col));
    }
    std::string_view blob(int col) const override {
        const void* p = sqlite3_column_blob(st_, col);
        return view(p, sqlite3_column_bytes(st_, col));
    }
    void reset() override {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    int readRecord(const TableDef& t, void* rec) const override {
        sqlite3_stmt* st = st_;
        return readRecordWith(
            t, rec, [st](int col) { return sqlite3_column_int64(st, col); },
            [st](int col) {
                sqlite3_value* value = sqlite3_column_value(st, col);
                ColumnValue v{kindOf(sqlite3_value_type(value)), 0, {}};
                if (v.kind == ValueKind::Integer) v.integer = sqlite3_value_int64(value);
                else if (v.kind == ValueKind::Text) v.text = view(sqlite3_value_text(value), sqlite3_value_bytes(value));
                return v;
            });
    }

private:
    static ValueKind kindOf(int type) {
        switch (type) {
        case SQLITE_NULL: return ValueKind::Null;
        case SQLITE_INTEGER: return ValueKind::Integer;
        case SQLITE_TEXT: return ValueKind::Text;
        case SQLITE_BLOB: return ValueKind::Blob;
        default: return ValueKind::Other;
        }
    }

    SqliteBackend& backend_;
    sqlite3_stmt* st_;
};

SqliteBackend::SqliteBackend(std::string path, bool makeEmptyFile) : path_(std::move(path)), makeEmptyFile_(makeEmptyFile) {}

SqliteBackend::~SqliteBackend() { close(); }

std::string SqliteBackend::describe() const {
    std::error_code ec;
    const auto full = std::filesystem::absolute(path_, ec);
    return "SQLite: " + (ec ? path_ : full.lexically_normal().string());
}

StoreCode SqliteBackend::open(int waitMs) {
    close();
    std::error_code ec;
    if (std::filesystem::is_directory(path_, ec)) {
        failure_ = {StoreCode::FileSystem, SQLITE_CANTOPEN, "to je mapa, a ne datoteka", {}};
        return failure_.code;
    }
    if (!makeEmptyFile_ && holdsNothing(path_)) {
        failure_ = {StoreCode::LayoutMismatch, 0, "prazna datoteka od 0 bajtova", {}};
        return failure_.code;
    }
    // A connection is used by one thread at a time, so it goes without SQLite's own mutex, which
    // every column read of a row would otherwise lock and unlock.
    const int rc = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        fail(rc);
        close();
        return failure_.code;
    }
    sqlite3_extended_result_codes(db_, 1);
    // A double-quoted name that is no column must be an error, not the text of the name: a file
    // whose column was dropped by another tool would otherwise read the column's name as its value.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_handler(db_, &SqliteBackend::onBusy, this);
    waitMs_ = waitMs;
    if (!exec("PRAGMA synchronous = NORMAL")) return failure_.code;
    failure_ = {};
    return StoreCode::Ok;
}

void SqliteBackend::close() {
    own_.clear();
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
    dataVersion_ = -1;
}

void SqliteBackend::fail(int rc) {
    const EngineMeaning meaning = engineMeaning(rc);
    failure_ = {db_ ? meaning.code : StoreCode::FileSystem, rc, std::string(meaning.words),
                db_ ? engineDetail(sqlite3_errmsg(db_)) : std::string()};
}

std::unique_ptr<BackendStatement> SqliteBackend::prepare(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr);
    if (rc == SQLITE_OK && st) return std::make_unique<Statement>(*this, st);
    sqlite3_finalize(st);
    // Text that does not prepare names a table or column the file lacks: its layout differs.
    if ((rc & 0xFF) == SQLITE_ERROR) failure_ = {StoreCode::LayoutMismatch, rc, {}, engineDetail(sqlite3_errmsg(db_))};
    else fail(rc);
    return nullptr;
}

bool SqliteBackend::exec(const std::string& sql) {
    char* msg = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &msg);
    sqlite3_free(msg);
    if (rc == SQLITE_OK) return true;
    fail(rc);
    return false;
}

std::int64_t SqliteBackend::changes() const { return sqlite3_changes64(db_); }

SqliteBackend::Statement* SqliteBackend::own(const std::string& sql) {
    if (const auto it = own_.find(sql); it != own_.end()) return it->second.get();
    auto made = prepare(sql);
    if (!made) return nullptr;
    return own_.emplace(sql, std::unique_ptr<Statement>(static_cast<Statement*>(made.release()))).first->second.get();
}

// A database that has tables but not our mark belongs to another program. Both are read in one
// statement, from the same state of the file. Books that are or may become ours are kept with a
// write-ahead log, set before the claim so that making a new database costs few flushes to disk.
StoreCode SqliteBackend::ownership(Ownership& found) {
    Statement* s = own("SELECT (SELECT application_id FROM pragma_application_id), (SELECT count(*) FROM sqlite_master)");
    if (!s) return failure_.code;
    const BackendStatement::Step step = s->step();
    const std::int64_t id = step == BackendStatement::Step::Row ? s->integer(0) : 0, objects = step == BackendStatement::Step::Row ? s->integer(1) : 0;
    s->reset();
    if (step != BackendStatement::Step::Row) return failure_.code;
    found = id == applicationId ? Ownership::Ours : id == 0 && objects == 0 ? Ownership::Empty : Ownership::Foreign;
    if (found != Ownership::Foreign && sqlite3_get_autocommit(db_) && !exec("PRAGMA journal_mode = WAL")) return failure_.code;
    return StoreCode::Ok;
}

StoreCode SqliteBackend::claim() {
    return exec("PRAGMA application_id = " + std::to_string(applicationId)) ? StoreCode::Ok : failure_.code;
}

bool SqliteBackend::beginWrite(int waitMs) {
    const int wait = waitMs_;
    waitMs_ = waitMs;
    const bool began = exec("BEGIN IMMEDIATE");
    waitMs_ = wait;
    return began;
}

bool SqliteBackend::beginRead() { return exec("BEGIN"); }

std::string SqliteBackend::lockHolder() { return pramo::lockHolder(path_); }

// Lists read pages through a memory map and a large cache, so that a list page on a big file
// costs about what it costs on a small one. A document reads the whole books once: through a
// small cache and no map, so that its memory does not grow with the books.
void SqliteBackend::wholeBooks(bool on) {
    if (exec(on ? "PRAGMA mmap_size = 0" : "PRAGMA mmap_size = 1073741824"))
        (void)exec(on ? "PRAGMA cache_size = -8192" : "PRAGMA cache_size = -65536");
}

// The first column of every row of `sql`, run with the text parameter `param`.
StoreCode SqliteBackend::names(const std::string& sql, std::string_view param, std::vector<std::string>& out) {
    out.clear();
    Statement* s = own(sql);
    if (!s) return failure_.code;
    s->bindText(1, param);
    BackendStatement::Step step;
    while ((step = s->step()) == BackendStatement::Step::Row) out.emplace_back(s->text(0));
    s->reset();
    return step == BackendStatement::Step::Done ? StoreCode::Ok : failure_.code;
}

StoreCode SqliteBackend::columnsOf(std::string_view table, std::vector<std::string>& columns) {
    return names("SELECT name || ' ' || type FROM pragma_table_info(?1) ORDER BY cid", table, columns);
}

StoreCode SqliteBackend::indexesOf(std::string_view table, std::vector<std::string>& found) {
    return names("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ?1 ORDER BY name", table, found);
}

StoreCode SqliteBackend::exists(Object type, std::string_view name, bool& found) {
    static constexpr const char* types[] = {"table", "index", "trigger"};
    std::vector<std::string> rows;
    const StoreCode c = names(std::string("SELECT 1 FROM sqlite_master WHERE type = '") + types[static_cast<int>(type)] +
                                  "' AND name = ?1", name, rows);
    found = !rows.empty();
    return c;
}

StoreCode SqliteBackend::selfCheck(std::vector<std::string>& problems) {
    problems.clear();
    Statement* s = own("PRAGMA quick_check");
    if (!s) return failure_.code;
    BackendStatement::Step step;
    while ((step = s->step()) == BackendStatement::Step::Row)
        if (s->kind(0) != ValueKind::Text || s->text(0) != "ok") problems.emplace_back(s->text(0));
    s->reset();
    return step == BackendStatement::Step::Done ? StoreCode::Ok : failure_.code;
}

StoreCode SqliteBackend::copyInto(const std::string& path) {
    return exec("VACUUM INTO " + sqlText(path)) ? StoreCode::Ok : failure_.code;
}

// The file's data version changes with every commit of another connection, and only then.
bool SqliteBackend::changedElsewhere() {
    Statement* s = own("PRAGMA data_version");
    if (!s) return false;
    const bool read = s->step() == BackendStatement::Step::Row;
    const std::int64_t version = read ? s->integer(0) : dataVersion_;
    s->reset();
    const bool changed = dataVersion_ >= 0 && version != dataVersion_;
    dataVersion_ = version;
    return changed;
}

bool SqliteBackend::setReadFilter(std::function<bool(std::string_view table)> readable) {
    readable_ = std::move(readable);
    sqlite3_set_authorizer(db_, readable_ ? &SqliteBackend::onAccess : nullptr, this);
    return true;
}

int SqliteBackend::onAccess(void* backend, int action, const char* table, const char*, const char*, const char*) {
    const auto& readable = static_cast<SqliteBackend*>(backend)->readable_;
    return action == SQLITE_READ && table && !readable(table) ? SQLITE_DENY : SQLITE_OK;
}

// SQLite's busy handler: waits for another program's lock in short steps until the operation's
// wait is used up, telling the observer how long it has waited.
int SqliteBackend::onBusy(void* backend, int count) {
    SqliteBackend& b = *static_cast<SqliteBackend*>(backend);
    const std::int64_t now = nowMs();
    if (count == 0) b.busySinceMs_ = now;
    const std::int64_t waited = now - b.busySinceMs_;
    if (waited >= b.waitMs_) return 0;
    const std::int64_t step = count < 10 ? 2 : count < 30 ? 10 : 25;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(step, b.waitMs_ - waited)));
    if (b.waitObserver_) b.waitObserver_(nowMs() - b.busySinceMs_);
    return 1;
}

}  // namespace pramo
