#include "cli/data_dir.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "records/layouts/all_tables.h"
#include "records/store/books_upgrade.h"

namespace pramo::cli {

namespace fs = std::filesystem;

int TerminalMessages::ask(const MessageBox& box) {
    static const std::pair<int, const char*> names[] = {
        {ButtonOk, "OK"}, {ButtonYes, "Yes"}, {ButtonNo, "No"}, {ButtonRetry, "Retry"}, {ButtonCancel, "Cancel"}};
    std::string answer = box.named.empty() ? "" : box.named.front();
    for (auto [b, name] : names)
        if (box.named.empty() && b == box.defaultButton) answer = name;
    std::cerr << box.title << ": " << box.text << " [" << answer << "]\n";
    return box.defaultButton;
}

void TerminalMessages::halt(const std::string& text) {
    std::cerr << text << "\n";
    halts.push_back(text);
}

namespace {

// Makes the directory when it is missing: only its last level, so that a mistyped path does not
// leave a tree of new folders behind. "new/" names the same level as "new".
std::optional<std::string> makeDirectory(fs::path dir) {
    std::error_code ec;
    dir = dir.lexically_normal();
    if (!dir.has_filename() && dir.has_relative_path()) dir = dir.parent_path();
    const fs::path parent = dir.has_parent_path() ? dir.parent_path() : fs::path(".");
    if (!fs::is_directory(parent, ec)) return "cannot create " + dir.string() + ": " + parent.string() + " does not exist";
    if (!fs::create_directory(dir, ec) && ec) return "cannot create " + dir.string() + ": " + ec.message();
    return std::nullopt;
}

std::optional<std::string> checkDirectory(const fs::path& dir, bool create) {
    std::error_code ec;
    const auto status = fs::status(dir, ec);
    if (fs::exists(status)) {
        if (!fs::is_directory(status)) return dir.string() + " is not a directory";
    } else if (!create) {
        return dir.string() + " does not exist";
    } else if (auto problem = makeDirectory(dir)) {
        return problem;
    }
    if (access(dir.c_str(), R_OK | W_OK | X_OK) != 0) return "no permission to write in " + dir.string();
    const fs::path db = dir / databaseFile;
    if (fs::exists(db, ec)) {
        if (!fs::is_regular_file(db, ec)) return db.string() + " is not a file";
        if (access(db.c_str(), R_OK | W_OK) != 0) return "no permission to write " + db.string();
    } else if (!create) {
        return dir.string() + " holds no Pramo data (" + databaseFile + " is missing)";
    }
    return std::nullopt;
}

// Books kept by an earlier version get this version's layouts first; what changed goes to stderr,
// so that a command's own output stays as it is.
std::optional<std::string> upgradeLayouts(Store& store) {
    const BooksUpgrade up = upgradeBooks(store, allTables());
    if (up.result == BooksUpgrade::Result::Failed) return up.problem;
    if (up.result == BooksUpgrade::Result::Done) std::cerr << upgradeSummary(up) << "\n";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> directoryArgument(const std::vector<std::string>& args, std::string& dir) {
    if (args.size() > 1) return "too many arguments";
    if (args.empty()) return std::nullopt;
    if (args[0].empty()) return "the directory name is empty";
    if (args[0].starts_with("-")) return "unknown option " + args[0] + " (a directory named so is written ./" + args[0] + ")";
    dir = args[0];
    return std::nullopt;
}

// A database file is never removed here: another program may be filling it at this moment.
std::optional<std::string> openDataDir(const std::string& dir, bool create, DataDir& out) {
    const fs::path path = dir.empty() ? fs::current_path() : fs::path(dir);
    if (auto problem = checkDirectory(path, create)) return problem;
    out.dir = path.string();
    const fs::path db = path / databaseFile;
    const StoreCode c = out.store.openDatabase(db.string());
    if (ok(c)) return upgradeLayouts(out.store);
    if (c == StoreCode::LayoutMismatch) return db.string() + " is not a Pramo database";
    return "cannot open " + db.string() + ": " + out.store.error().text();
}

bool openFiles(DataDir& d, const std::vector<const TableDef*>& tables) {
    for (const TableDef* t : tables) {
        if (!ok(d.files.open(*t)) || !d.messages.halts.empty()) return false;
    }
    return true;
}

std::string databaseFindings(DataDir& d) {
    const std::string findings = d.store.integrityCheck();
    return findings.empty() ? findings : "database check found:\n" + findings;
}

}  // namespace pramo::cli
