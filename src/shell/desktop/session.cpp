#include "shell/desktop/session.h"

#include <filesystem>

#include "records/layouts/all_tables.h"
#include "records/layouts/pozicije.h"
#include "records/store/books_upgrade.h"
#include "shell/desktop/puniglobale.h"

namespace pramo {

Session::Session(Messages& messages, const Clock& clock, std::string dataDir, std::vector<DataUpgrade> upgrades,
                 std::string database)
    : files_(store_),
      ri_(files_),
      ctx_{store_, files_, ri_, messages, glo_, clock, std::move(dataDir)},
      upgrades_(std::move(upgrades)),
      database_(std::move(database)) {}

bool Session::start() {
    if (!openDatabase() || !puniGlobale(ctx_)) return false;
    positions_.emplace(ctx_, std::initializer_list<const TableDef*>{&Pozicije::table});
    if (!positions_->ok()) return false;
    upgrade();
    return true;
}

// A database that is not this program's ends the run as a file with the wrong layout does; any
// other failure as a file that cannot be opened.
bool Session::openDatabase() {
    BooksPlace place;
    if (const auto problem = placeBooks(ctx_.dataDir, database_, place)) return halt("Knjige", *problem);
    const StoreCode c = store_.openDatabase(place.where);
    if (ok(c)) return upgradeLayouts();
    showWarning(ctx_.messages, store_, c == StoreCode::LayoutMismatch ? Warning::FileInvalid : Warning::FileOpenError, place.shown);
    return false;
}

bool Session::halt(const std::string& title, const std::string& problem) {
    MessageBox box{.title = title, .text = problem + "\nPritisni OK da zatvoriš aplikaciju.", .haltText = problem};
    if (box.ends(ctx_.messages.ask(box))) ctx_.messages.halt(box.haltText);
    return false;
}

// Books kept by an earlier version get this version's layouts before anything reads them; the user
// is told what changed and where the copy of the books as they were is. Books that cannot be
// upgraded end the run: the files this version needs are not there.
bool Session::upgradeLayouts() {
    const BooksUpgrade up = upgradeBooks(store_, allTables());
    if (up.result == BooksUpgrade::Result::NotNeeded) return true;
    if (up.result != BooksUpgrade::Result::Done) return halt("Nadogradnja podataka", up.problem);
    ctx_.messages.ask({.title = "Nadogradnja podataka", .text = upgradeSummary(up), .icon = Icon::Information});
    return true;
}

void Session::upgrade() {
    for (const DataUpgrade& step : upgrades_)
        if (!ok(step(store_))) showWarning(ctx_.messages, store_, Warning::InsertError);
}

}  // namespace pramo
