#include "cli/data_dir.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/words.h"
#include "payments/data_upgrades.h"
#include "records/layouts/all_tables.h"
#include "records/store/backend.h"
#include "records/store/books_upgrade.h"
#include "records/values/unicode.h"

namespace pramo::cli {

namespace fs = std::filesystem;

namespace {

// Makes the directory when it is missing: only its last level, so that a mistyped path does not
// leave a tree of new folders behind. "new/" names the same level as "new".
std::optional<std::string> makeDirectory(fs::path dir) {
    std::error_code ec;
    dir = dir.lexically_normal();
    if (!dir.has_filename() && dir.has_relative_path()) dir = dir.parent_path();
    const fs::path parent = dir.has_parent_path() ? dir.parent_path() : fs::path(".");
    if (!fs::is_directory(parent, ec)) return "mapu " + dir.string() + " nije moguće napraviti: mapa " + parent.string() + " ne postoji";
    if (!fs::create_directory(dir, ec) && ec) return "mapu " + dir.string() + " nije moguće napraviti" + systemReason(ec.value());
    return std::nullopt;
}

std::optional<std::string> checkDirectory(const fs::path& dir, bool create) {
    std::error_code ec;
    const auto status = fs::status(dir, ec);
    if (fs::exists(status)) {
        if (!fs::is_directory(status)) return dir.string() + " nije mapa";
    } else if (!create) {
        return "mapa " + dir.string() + " ne postoji";
    } else if (auto problem = makeDirectory(dir)) {
        return problem;
    }
    if (access(dir.c_str(), R_OK | W_OK | X_OK) != 0) return "nema dozvole za pisanje u mapu " + dir.string();
    return std::nullopt;
}

std::optional<std::string> checkDatabaseFile(const fs::path& dir, bool create) {
    std::error_code ec;
    const fs::path db = dir / databaseFile;
    if (fs::exists(db, ec)) {
        if (!fs::is_regular_file(db, ec)) return db.string() + " nije obična datoteka";
        if (access(db.c_str(), R_OK | W_OK) != 0) return "nema dozvole za pisanje u " + db.string();
    } else if (!create) {
        return "u mapi " + dir.string() + " nema podataka programa Pramo (nema datoteke " + databaseFile + ")";
    }
    return std::nullopt;
}

// A database SQLite finds damaged takes no write: whatever was written into it could be lost
// with the damaged pages, or read back wrong.
std::optional<std::string> refuseDamaged(DataDir& d, const std::string& findings) {
    const std::string where = d.place.server ? "--database " + d.place.shown : d.dir;
    return findings + "; ništa nije zapisano (pramo-cli check " + where + " navodi svaku datoteku)";
}

// The reason the store gives in parentheses at the end of its message: " (prazna datoteka od 0 bajtova)".
std::string reasonOf(const std::string& message) {
    const auto open = message.rfind(" (");
    return open != std::string::npos && message.ends_with(")") ? message.substr(open) : std::string();
}

// Books kept by an earlier version get this version's layouts first, then the records of an earlier
// version are brought up to date (the desktop does that at every start); what changed goes to
// stderr, so that a command's own output stays as it is.
std::optional<std::string> upgradeLayouts(Store& store) {
    const BooksUpgrade up = upgradeBooks(store, allTables());
    if (up.result == BooksUpgrade::Result::Failed) return up.problem;
    if (up.result != BooksUpgrade::Result::Done) return std::nullopt;
    std::cerr << upgradeSummary(up) << "\n";
    for (const RecordUpgrade upgrade : recordUpgrades())
        if (!ok(upgrade(store))) return "podatke nije moguće nadograditi: " + store.error().text();
    return std::nullopt;
}

// A database on a server that holds nothing is no books yet: opening it would make them, which only
// the commands that make books do. A server that cannot be reached is left to the store to say.
std::optional<std::string> refuseEmptyServer(const BooksPlace& place) {
    const std::unique_ptr<Backend> server = makeBackend(place.where, false);
    Ownership found = Ownership::Ours;
    if (!server || !ok(server->open(Store::lockWaitSeconds * 1000)) || !ok(server->ownership(found)) || found != Ownership::Empty)
        return std::nullopt;
    return "u bazi podataka " + place.shown + " nema knjiga programa Pramo (pravi ih pramo-cli init --database URI)";
}

}  // namespace

BooksArgs booksArgs(const std::map<std::string, std::string>& values) {
    const auto value = [&values](const char* option) {
        const auto it = values.find(option);
        return it == values.end() ? std::string() : it->second;
    };
    return {value("--data"), value("--database")};
}

std::optional<std::string> directoryArgument(const std::vector<std::string>& args, BooksArgs& books) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--database") {
            words.push_back(args[i]);
        } else if (!books.database.empty()) {
            return std::string("--database je zadan dvaput");
        } else if (i + 1 == args.size() || args[i + 1].empty()) {
            return std::string("--database traži vrijednost");
        } else {
            books.database = args[++i];
        }
    }
    if (words.size() > 1) return "previše argumenata";
    if (words.empty()) return std::nullopt;
    if (words[0].empty()) return "ime mape je prazno";
    if (!isValidUtf8(words[0])) return notUtf8(words[0]);
    if (words[0].starts_with("-")) return "nepoznata opcija " + words[0] + " (mapa tog imena piše se ./" + words[0] + ")";
    books.dir = words[0];
    return std::nullopt;
}

// A database file is never removed here: another program may be filling it at this moment.
std::optional<std::string> openDataDir(const BooksArgs& books, bool create, DataDir& out, Purpose purpose) {
    const fs::path path = books.dir.empty() ? fs::current_path() : fs::path(books.dir);
    if (auto problem = checkDirectory(path, create)) return problem;
    out.dir = path.string();
    if (auto problem = placeBooks(path, books.database, out.place)) return problem;
    if (!out.place.server)
        if (auto problem = checkDatabaseFile(path, create)) return problem;
    return openBooks(out.place, create, out, purpose);
}

std::optional<std::string> openBooks(const BooksPlace& place, bool create, DataDir& out, Purpose purpose) {
    out.place = place;
    if (place.server && !create)
        if (auto problem = refuseEmptyServer(place)) return problem;
    const auto empty = purpose == Purpose::MakeBooks ? Store::EmptyFile::MakeBooks : Store::EmptyFile::Refuse;
    const StoreCode c = out.store.openDatabase(place.where, empty);
    if (c == StoreCode::LayoutMismatch) return place.shown + " nije baza podataka programa Pramo" + reasonOf(out.store.error().message);
    if (!ok(c)) return "bazu podataka " + place.shown + " nije moguće otvoriti: " + out.store.error().text();
    // Damaged books are neither upgraded nor written; check reports them file by file.
    if (const std::string findings = databaseFindings(out); !findings.empty())
        return purpose == Purpose::Check ? std::nullopt : refuseDamaged(out, findings);
    return upgradeLayouts(out.store);
}

namespace {

bool openFile(DataDir& d, const TableDef& t) {
    Outcome<StoreCode> o = d.files.open(t);
    if (o.result == StoreCode::KeysInvalid) {
        d.messages.ask(*o.message);  // the terminal's answer is yes
        if (o = d.files.rebuildKeys(t); ok(o)) o = d.files.open(t);
    }
    if (!o.message) return true;
    d.messages.ask(*o.message);
    d.messages.halt(o.message->haltText);
    d.unusable = &t;
    return false;
}

}  // namespace

bool openFiles(DataDir& d, const std::vector<const TableDef*>& tables) {
    return std::ranges::all_of(tables, [&d](const TableDef* t) { return openFile(d, *t); });
}

std::string databaseFindings(DataDir& d) {
    const std::int64_t problems = d.store.quickCheck();
    if (problems == 0) return {};
    return "baza podataka " + d.place.shown + " je oštećena (" + (d.place.server ? "provjera poslužitelja" : "SQLite-ova provjera") +
           " našla je grešaka: " + std::to_string(problems) + ")";
}

}  // namespace pramo::cli
