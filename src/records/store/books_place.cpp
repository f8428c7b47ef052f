#include "records/store/books_place.h"

#include <fstream>
#include <sstream>

#include "records/store/backend.h"

namespace pramo {

namespace fs = std::filesystem;

namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// One line of pramo.conf: nothing (blank, a comment), the URI, or why the line is refused.
std::optional<std::string> confLine(std::string_view line, std::string& uri) {
    line = trimmed(line);
    if (line.empty() || line.front() == '#') return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || trimmed(line.substr(0, equals)) != "database")
        return std::string("neočekivan redak (datoteka sadrži jedan redak database = URI)");
    if (!uri.empty()) return std::string("database je zadan dvaput");
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (const std::string why = notServerUri(value); !why.empty()) return why;
    uri = value;
    return std::nullopt;
}

std::optional<std::string> readConfFile(const fs::path& file, std::string& uri) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) return "datoteku " + file.string() + " nije moguće pročitati";
    return readBooksConf(text.str(), file.string(), uri);
}

}  // namespace

std::string notServerUri(std::string_view text) {
    if (isServerUri(text)) return {};
    return "'" + shownUri(text) + "' nije URI poslužitelja PostgreSQL (postgresql://... ili postgres://...)";
}

std::optional<std::string> readBooksConf(std::string_view text, const std::string& fileName, std::string& uri) {
    uri.clear();
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (auto problem = confLine(line, uri)) return fileName + ", redak " + std::to_string(number) + ": " + *problem;
    }
    if (uri.empty()) return fileName + " ne navodi poslužitelj (redak database = URI)";
    return std::nullopt;
}

std::optional<std::string> placeBooks(const fs::path& dir, const std::string& database, BooksPlace& out) {
    std::string uri = database;
    std::error_code ec;
    if (!uri.empty()) {
        if (const std::string why = notServerUri(uri); !why.empty()) return "--database: " + why;
    } else if (const fs::path conf = dir / booksConfName; fs::exists(conf, ec)) {
        if (auto problem = readConfFile(conf, uri)) return problem;
    }
    if (uri.empty()) {
        const std::string file = (dir / booksFileName).string();
        out = {file, false, file};
    } else {
        out = {uri, true, shownUri(uri)};
    }
    return std::nullopt;
}

}  // namespace pramo
