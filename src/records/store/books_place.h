#pragma once
// Where a data directory's books are: its own database file (pramo.db), or a PostgreSQL server
// named on the command line (--database URI) or in the directory's pramo.conf. The command line
// and the desktop program decide it here alike; the documents always go into the directory.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pramo {

inline constexpr const char* booksFileName = "pramo.db";
inline constexpr const char* booksConfName = "pramo.conf";

struct BooksPlace {
    std::string where;  // what Store::openDatabase takes: the database file's path or the server's URI
    bool server = false;
    std::string shown;  // for messages: the file's path, or the URI without its password
};

// The server pramo.conf names. The file holds one line "database = URI"; blank lines and lines
// starting with # are allowed around it. Anything else is refused in words naming `fileName` and
// the line ("/x/pramo.conf, redak 2: ...").
std::optional<std::string> readBooksConf(std::string_view text, const std::string& fileName, std::string& uri);

// The books of `dir`: the server `database` when given (it must be a PostgreSQL URI), else the
// server of dir/pramo.conf when the directory has one, else dir/pramo.db. A problem in words.
std::optional<std::string> placeBooks(const std::filesystem::path& dir, const std::string& database, BooksPlace& out);

// Why `text` is not taken as a server: empty when it is a PostgreSQL URI.
std::string notServerUri(std::string_view text);

}  // namespace pramo
