#pragma once
// One run of the program over its data directory: the store with its files, integrity, the global
// values and the context every screen gets, and the start-up that fills them.

#include <optional>
#include <string>

#include "shell/app_context.h"

namespace pramo {

// The data directory's database file.
inline constexpr const char* databaseFileName = "pramo.db";

class Session {
public:
    Session(Messages& messages, const Clock& clock, std::string dataDir);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the database in the data directory (creating it when missing), fills the global
    // defaults, opens POZICIJE for the whole run and adds the crisis-tax positions when missing.
    // False when the program cannot go on: its last message has been shown and it has been ended.
    bool start();

    AppContext& context() { return ctx_; }

private:
    bool openDatabase();
    void upgradePositions();

    Store store_;
    Files files_;
    Integrity ri_;
    Globals glo_;
    AppContext ctx_;
    std::optional<FileUse> positions_;
};

}  // namespace pramo
