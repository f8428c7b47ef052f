#pragma once
// Opening a data directory from the command line: the checks a shell user needs (a path that is
// a file, no write permission, a foreign file named like the database, an empty file, a damaged
// database) before anything is touched, and message boxes turned into lines on stderr.

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "records/store/books_place.h"
#include "records/store/files.h"
#include "records/store/store.h"

namespace pramo::cli {

// Message boxes on a terminal: each box is said in one Croatian line on stderr and answered with
// its default button (so damaged keys are rebuilt); the end of the command is said in words.
class TerminalMessages {
public:
    int ask(const MessageBox& box);
    void halt(const std::string& text);

private:
    std::string haltWords_;  // the terminal's words for the halt the last box announced
};

// The data directory's database file name.
inline constexpr const char* databaseFile = booksFileName;

// Where a command's books are, as its line gives it: --data DIR (the current directory when
// empty) and --database URI (the server of DIR's pramo.conf, else DIR's pramo.db, when empty).
struct BooksArgs {
    std::string dir;
    std::string database;
};

// The two options every command that works on books takes, for its OptionRules, and their values
// as read.
inline const std::set<std::string> booksOptions{"--data", "--database"};
BooksArgs booksArgs(const std::map<std::string, std::string>& values);
// The two options as a usage line shows them.
inline constexpr const char* booksUsage = "[--data DIR] [--database URI]";

struct DataDir {
    std::string dir;
    BooksPlace place;
    Store store;
    TerminalMessages messages;
    Files files{store};
    const TableDef* unusable = nullptr;  // the file openFiles could not open

    // The books as messages name them: "mapa podataka DIR", "baza podataka postgresql://...".
    std::string books() const { return place.server ? "baza podataka " + place.shown : "mapa podataka " + dir; }
};

// What a command opens its data directory for.
enum class Purpose : std::uint8_t {
    Check,      // reads and reports: a damaged database is opened so that it can be reported
    Write,      // every other command: a database SQLite finds damaged is refused before any
                // file is opened (opening may make a file or rebuild keys), so is an empty file
    MakeBooks,  // init: as Write, but an empty database file (0 bytes) gets the books
};

// The one optional DIR argument of a command (init, check) and its --database URI: refuses more
// arguments, other options and an empty name; `dir` stays empty (the current directory) when none
// is given.
std::optional<std::string> directoryArgument(const std::vector<std::string>& args, BooksArgs& books);

// Opens DIR's books (the current directory's when empty), creating the database, and DIR when
// only its last level is missing, when `create` is set. On refusal returns a message for the user.
std::optional<std::string> openDataDir(const BooksArgs& books, bool create, DataDir& out, Purpose purpose = Purpose::Write);

// Opens the books at `place` (a file or a server) into `out`, for `purpose`; as openDataDir, without
// a data directory (copy reads and writes books only). An empty database on a server becomes books
// only when `create` is set, as a missing pramo.db is made only then.
std::optional<std::string> openBooks(const BooksPlace& place, bool create, DataDir& out, Purpose purpose);

// Opens the files through CHECKOPEN, saying what stops one and rebuilding damaged keys; false when
// one cannot be used (named in d.unusable), after its lines.
bool openFiles(DataDir& d, const std::vector<const TableDef*>& tables);

// The engine's check of the whole database: empty when sound, else a line saying it is damaged.
std::string databaseFindings(DataDir& d);

}  // namespace pramo::cli
