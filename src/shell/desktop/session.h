#pragma once
// One run of the program over its data directory: the store with its files, integrity, the global
// values and the context every screen gets, and the start-up that fills them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/store/books_place.h"
#include "shell/app_context.h"
#include "shell/screen_files.h"

namespace pramo {

// The data directory's database file.
inline constexpr const char* databaseFileName = booksFileName;

// A step of the start-up that brings the data up to date (for example records a newer version of
// the program needs); it answers the store's code, and a failure is shown as warning 14.
using DataUpgrade = std::function<StoreCode(Store&)>;

class Session {
public:
    // `database`: the server named by --database; empty for the books the data directory names.
    Session(Messages& messages, const Clock& clock, std::string dataDir, std::vector<DataUpgrade> upgrades = {},
            std::string database = {});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the books (the data directory's database, created when missing, or the server that
    // --database or the directory's pramo.conf names), brings books kept by an
    // earlier version to this version's layouts, fills the global defaults, opens POZICIJE for the
    // whole run and runs the upgrades of the data.
    // False when the program cannot go on: its last message has been shown and it has been ended.
    bool start();

    AppContext& context() { return ctx_; }

private:
    bool openDatabase();
    bool upgradeLayouts();
    // Says `problem` and ends the run (when the user's answer ends it): false.
    bool halt(const std::string& title, const std::string& problem);
    void upgrade();

    Store store_;
    Files files_;
    Integrity ri_;
    Globals glo_;
    AppContext ctx_;
    std::vector<DataUpgrade> upgrades_;
    std::string database_;
    std::optional<ScreenFiles> positions_;
};

}  // namespace pramo
