#pragma once
// One run of the program over its data directory: the store with its files, integrity, the global
// values and the context every screen gets, and the start-up that fills them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_context.h"
#include "shell/screen_files.h"

namespace pramo {

// The data directory's database file.
inline constexpr const char* databaseFileName = "pramo.db";

// A step of the start-up that brings the data up to date (for example records a newer version of
// the program needs); it answers the store's code, and a failure is shown as warning 14.
using DataUpgrade = std::function<StoreCode(Store&)>;

class Session {
public:
    Session(Messages& messages, const Clock& clock, std::string dataDir, std::vector<DataUpgrade> upgrades = {});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the database in the data directory (creating it when missing), brings books kept by an
    // earlier version to this version's layouts, fills the global defaults, opens POZICIJE for the
    // whole run and runs the upgrades of the data.
    // False when the program cannot go on: its last message has been shown and it has been ended.
    bool start();

    AppContext& context() { return ctx_; }

private:
    bool openDatabase();
    bool upgradeLayouts();
    void upgrade();

    Store store_;
    Files files_;
    Integrity ri_;
    Globals glo_;
    AppContext ctx_;
    std::vector<DataUpgrade> upgrades_;
    std::optional<ScreenFiles> positions_;
};

}  // namespace pramo
