#pragma once
// Opening a data directory from the command line: the checks a shell user needs (a path that is
// a file, no write permission, a foreign file named like the database) before anything is
// touched, and message boxes turned into lines on stderr.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/store/files.h"
#include "records/store/store.h"

namespace pramo::cli {

// Message boxes on a terminal: the box is printed to stderr and answered with its default button
// (so damaged keys are rebuilt); a halt is remembered and printed.
class TerminalMessages : public Messages {
public:
    int ask(const MessageBox& box) override;
    void halt(const std::string& text) override;

    std::vector<std::string> halts;
};

// The data directory's database file name.
inline constexpr const char* databaseFile = "pramo.db";

struct DataDir {
    std::string dir;
    Store store;
    TerminalMessages messages;
    Files files{store, messages};
};

// The one optional DIR argument of a command (init, check): refuses more arguments, options and an
// empty name; `dir` stays empty (the current directory) when none is given.
std::optional<std::string> directoryArgument(const std::vector<std::string>& args, std::string& dir);

// Opens DIR's database (the current directory's when empty), creating the database, and DIR when
// only its last level is missing, when `create` is set. On refusal returns a message for the user.
std::optional<std::string> openDataDir(const std::string& dir, bool create, DataDir& out);

// Opens the files through CHECKOPEN; false (after the messages) when one cannot be used.
bool openFiles(DataDir& d, const std::vector<const TableDef*>& tables);

// The database's own check of the whole file: empty when sound, else a heading and its findings.
std::string databaseFindings(DataDir& d);

}  // namespace pramo::cli
