#include "records/store/pg_statement.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "records/store/pg_backend.h"

namespace pramo {
namespace {

// The server's type numbers (pg_type.oid) of the types read here.
enum : Oid { boolOid = 16, byteaOid = 17, nameOid = 19, int8Oid = 20, int2Oid = 21, int4Oid = 23, textOid = 25,
             oidOid = 26, unknownOid = 705, bpcharOid = 1042, varcharOid = 1043, numericOid = 1700 };

bool isWhole(Oid t) { return t == int8Oid || t == int4Oid || t == int2Oid || t == oidOid || t == boolOid; }
bool isTextual(Oid t) { return t == textOid || t == varcharOid || t == bpcharOid || t == nameOid || t == unknownOid; }
bool readsInBinary(Oid t) { return isWhole(t) || isTextual(t) || t == byteaOid; }

bool startsWithWord(std::string_view sql, std::string_view word) {
    std::size_t i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) ++i;
    if (sql.size() - i < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (std::toupper(static_cast<unsigned char>(sql[i + k])) != word[k]) return false;
    return true;
}

std::int64_t bigEndian(std::string_view bytes) {
    std::uint64_t v = 0;
    for (const char c : bytes) v = v << 8 | static_cast<unsigned char>(c);
    const unsigned shift = static_cast<unsigned>(64 - 8 * bytes.size());
    return shift == 0 ? static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v << shift) >> shift;  // sign kept
}

std::int64_t parsed(std::string_view text) {
    std::int64_t v = 0;
    (void)std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

}  // namespace

std::string pgPlaceholders(std::string_view sql, std::vector<bool>* used) {
    std::string out;
    out.reserve(sql.size() + 8);
    char quote = 0;  // inside '...' or "..."
    int highest = 0;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quote) {
            if (c == quote) quote = 0;  // a doubled quote closes and opens again
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            std::size_t j = i + 1;
            while (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j]))) ++j;
            const int n = j > i + 1 ? static_cast<int>(parsed(sql.substr(i + 1, j - i - 1))) : highest + 1;
            highest = std::max(highest, n);
            if (used) {
                used->resize(static_cast<std::size_t>(highest));
                (*used)[static_cast<std::size_t>(n - 1)] = true;
            }
            out += "$" + std::to_string(n);
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

std::string pgSkippingDuplicates(std::string_view sql, bool& skips) {
    const std::string text(sql);
    skips = startsWithWord(text, "INSERT") && text.find(" VALUES ") != std::string::npos &&
            text.find(" SELECT ") == std::string::npos && text.find("ON CONFLICT") == std::string::npos;
    if (!skips) return text;
    const std::size_t returning = text.find(" RETURNING ");
    if (returning == std::string::npos) return text + " ON CONFLICT DO NOTHING";
    return text.substr(0, returning) + " ON CONFLICT DO NOTHING" + text.substr(returning);
}

PgStatement::PgStatement(PgBackend& backend, std::string name, Shape shape, bool skipsDuplicates, bool guarded)
    : backend_(backend), name_(std::move(name)), shape_(std::move(shape)), skipsDuplicates_(skipsDuplicates),
      guarded_(guarded), connection_(backend.connectionNumber()) {
    binary_ = true;
    for (const Oid t : shape_.columns) binary_ = binary_ && readsInBinary(t);
    params_.resize(shape_.params.size());
    unescaped_.resize(shape_.columns.size());
}

PgStatement::~PgStatement() { PQclear(result_); }

PgStatement::Param* PgStatement::param(int index) {
    if (index < 1 || static_cast<std::size_t>(index) > params_.size()) return nullptr;
    return &params_[static_cast<std::size_t>(index - 1)];
}

// A whole number goes in binary to a bigint parameter, as decimal text to any other.
void PgStatement::bindInt(int index, std::int64_t value) {
    Param* p = param(index);
    if (!p) return;
    p->null = false;
    p->binary = shape_.params[static_cast<std::size_t>(index - 1)] == int8Oid;
    if (!p->binary) {
        p->bytes = std::to_string(value);
        return;
    }
    p->bytes.resize(8);
    for (int i = 7; i >= 0; --i, value = static_cast<std::int64_t>(static_cast<std::uint64_t>(value) >> 8))
        p->bytes[static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
}

void PgStatement::bindText(int index, std::string_view value) {
    Param* p = param(index);
    if (!p) return;
    p->null = false;
    p->binary = shape_.params[static_cast<std::size_t>(index - 1)] == byteaOid;  // bytes as they are
    p->bytes.assign(value);
}

void PgStatement::bindBlob(int index, std::string_view value) {
    Param* p = param(index);
    if (!p) return;
    p->null = false;
    p->binary = true;
    p->bytes.assign(value);
}

void PgStatement::bindNull(int index) {
    if (Param* p = param(index)) p->null = true;
}

BackendStatement::Step PgStatement::step() {
    if (!result_ && run() == Step::Failed) return Step::Failed;
    if (++row_ < rows_) return Step::Row;
    return Step::Done;
}

BackendStatement::Step PgStatement::run() {
    PGconn* conn = backend_.connection();
    if (!conn || connection_ != backend_.connectionNumber() || PQstatus(conn) != CONNECTION_OK) {
        backend_.noteLostConnection();
        return Step::Failed;
    }
    std::vector<const char*> values(params_.size());
    std::vector<int> lengths(params_.size()), formats(params_.size());
    for (std::size_t i = 0; i < params_.size(); ++i) {
        values[i] = params_[i].null ? nullptr : params_[i].bytes.c_str();
        lengths[i] = static_cast<int>(params_[i].bytes.size());
        formats[i] = params_[i].binary ? 1 : 0;
    }
    const bool guard = guarded_ && backend_.inTransaction();
    if (guard && !backend_.guard()) return Step::Failed;
    result_ = PQexecPrepared(conn, name_.c_str(), static_cast<int>(params_.size()), values.data(), lengths.data(),
                             formats.data(), binary_ ? 1 : 0);
    const ExecStatusType status = PQresultStatus(result_);
    bool succeeded = status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK;
    if (!succeeded) backend_.noteFailure(result_);
    else backend_.noteChanges(result_);
    if (succeeded && skipsDuplicates_ && std::strcmp(PQcmdTuples(result_), "0") == 0) {
        succeeded = false;
        backend_.noteDuplicate();
    }
    if (guard) backend_.unguard(succeeded);
    if (!succeeded) {
        reset();
        return Step::Failed;
    }
    rows_ = PQntuples(result_);
    row_ = -1;
    return Step::Row;
}

std::string_view PgStatement::raw(int col) const {
    return {PQgetvalue(result_, row_, col), static_cast<std::size_t>(PQgetlength(result_, row_, col))};
}

ValueKind PgStatement::kind(int col) const {
    if (PQgetisnull(result_, row_, col)) return ValueKind::Null;
    const Oid t = shape_.columns[static_cast<std::size_t>(col)];
    if (isWhole(t)) return ValueKind::Integer;
    if (isTextual(t)) return ValueKind::Text;
    if (t == byteaOid) return ValueKind::Blob;
    if (t == numericOid && raw(col).find_first_not_of("-0123456789") == std::string_view::npos) return ValueKind::Integer;
    return ValueKind::Other;
}

std::int64_t PgStatement::integer(int col) const {
    if (PQgetisnull(result_, row_, col)) return 0;
    const Oid t = shape_.columns[static_cast<std::size_t>(col)];
    if (binary_ && isWhole(t)) return bigEndian(raw(col));
    if (!binary_ && t == boolOid) return raw(col) == "t" ? 1 : 0;
    return parsed(raw(col));
}

std::string_view PgStatement::text(int col) const {
    const Oid t = shape_.columns[static_cast<std::size_t>(col)];
    if (!binary_ || !isWhole(t) || PQgetisnull(result_, row_, col)) return raw(col);
    std::string& s = unescaped_[static_cast<std::size_t>(col)];
    s = std::to_string(integer(col));
    return s;
}

std::string_view PgStatement::blob(int col) const {
    if (binary_ || shape_.columns[static_cast<std::size_t>(col)] != byteaOid) return raw(col);
    std::size_t n = 0;
    unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(PQgetvalue(result_, row_, col)), &n);
    std::string& s = unescaped_[static_cast<std::size_t>(col)];
    s.assign(reinterpret_cast<const char*>(bytes), n);
    PQfreemem(bytes);
    return s;
}

void PgStatement::reset() {
    PQclear(result_);
    result_ = nullptr;
    row_ = -1;
    rows_ = 0;
    for (Param& p : params_) p.null = true;
}

}  // namespace pramo
