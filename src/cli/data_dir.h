#pragma once
// Opening a data directory from the command line: the checks a shell user needs (a path that is
// a file, no write permission, a foreign file named like the database, an empty file, a damaged
// database) before anything is touched, and message boxes turned into lines on stderr.

#include <memory>
#include <optional>
#include <string>
#include <vector>

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
inline constexpr const char* databaseFile = "pramo.db";

struct DataDir {
    std::string dir;
    Store store;
    TerminalMessages messages;
    Files files{store};
    const TableDef* unusable = nullptr;  // the file openFiles could not open
};

// What a command opens its data directory for.
enum class Purpose : std::uint8_t {
    Check,      // reads and reports: a damaged database is opened so that it can be reported
    Write,      // every other command: a database SQLite finds damaged is refused before any
                // file is opened (opening may make a file or rebuild keys), so is an empty file
    MakeBooks,  // init: as Write, but an empty database file (0 bytes) gets the books
};

// The one optional DIR argument of a command (init, check): refuses more arguments, options and an
// empty name; `dir` stays empty (the current directory) when none is given.
std::optional<std::string> directoryArgument(const std::vector<std::string>& args, std::string& dir);

// Opens DIR's database (the current directory's when empty), creating the database, and DIR when
// only its last level is missing, when `create` is set. On refusal returns a message for the user.
std::optional<std::string> openDataDir(const std::string& dir, bool create, DataDir& out, Purpose purpose = Purpose::Write);

// Opens the files through CHECKOPEN, saying what stops one and rebuilding damaged keys; false when
// one cannot be used (named in d.unusable), after its lines.
bool openFiles(DataDir& d, const std::vector<const TableDef*>& tables);

// SQLite's check of the whole database: empty when sound, else a line saying it is damaged.
std::string databaseFindings(DataDir& d);

}  // namespace pramo::cli
