#include "records/store/backend.h"

#include "records/store/pg_backend.h"
#include "records/store/row_read.h"
#include "records/store/sqlite_backend.h"

namespace pramo {

int BackendStatement::readRecord(const TableDef& t, void* rec) const {
    return readRecordWith(
        t, rec, [this](int col) { return integer(col); },
        [this](int col) {
            ColumnValue v{kind(col), 0, {}};
            if (v.kind == ValueKind::Integer) v.integer = integer(col);
            else if (v.kind == ValueKind::Text) v.text = text(col);
            return v;
        });
}

bool isServerUri(std::string_view where) {
    return where.starts_with("postgresql://") || where.starts_with("postgres://");
}

std::unique_ptr<Backend> makeBackend(const std::string& where, bool makeEmptyFile) {
    if (isServerUri(where)) return std::make_unique<PgBackend>(where);
    return std::make_unique<SqliteBackend>(where, makeEmptyFile);
}

// The user information loses what follows its ':'; of the query's parameters, password is left out.
std::string shownUri(std::string_view uri) {
    const auto scheme = uri.find("://");
    if (scheme == std::string_view::npos) return std::string(uri);
    const std::size_t start = scheme + 3;
    const std::size_t query = uri.find('?', start);
    const std::string_view rest = uri.substr(start, query == std::string_view::npos ? std::string_view::npos : query - start);
    std::string out(uri.substr(0, start));
    // The last '@' of the host part ends the user information, so that a password with an '@' left
    // unencoded is not shown in part either.
    const auto at = rest.substr(0, rest.find('/')).rfind('@');
    const auto colon = rest.substr(0, at == std::string_view::npos ? 0 : at).find(':');
    if (colon == std::string_view::npos) {
        out += rest;
    } else {
        out += rest.substr(0, colon);
        out += rest.substr(at);
    }
    if (query == std::string_view::npos) return out;
    std::string_view params = uri.substr(query + 1);
    char separator = '?';
    while (!params.empty()) {
        const auto amp = params.find('&');
        const std::string_view param = params.substr(0, amp);
        params = amp == std::string_view::npos ? std::string_view{} : params.substr(amp + 1);
        if (param.starts_with("password=") || param.empty()) continue;
        out += separator;
        out += param;
        separator = '&';
    }
    return out;
}

}  // namespace pramo
