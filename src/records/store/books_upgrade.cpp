#include "records/store/books_upgrade.h"

#include <filesystem>

#include "records/store/files.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

struct Plan {
    std::vector<const TableDef*> earlier;
    std::vector<const TableDef*> missing;
};

StoreCode planOf(Store& store, std::span<const TableDef* const> tables, Plan& plan) {
    plan = {};
    for (const TableDef* t : tables) {
        Store::Layout layout = Store::Layout::Current;
        if (const StoreCode c = store.layoutOf(*t, layout); !ok(c)) return c;
        if (layout == Store::Layout::Earlier) plan.earlier.push_back(t);
        if (layout == Store::Layout::Missing) plan.missing.push_back(t);
    }
    return StoreCode::Ok;
}

// The first name beside the database that no earlier copy has taken.
std::string freeCopyName(const std::string& database) {
    const std::string base = database + std::string(copySuffix);
    std::error_code ec;
    std::string name = base;
    for (int n = 2; fs::exists(fs::symlink_status(name, ec)); ++n) name = base + "-" + std::to_string(n);
    return name;
}

BooksUpgrade failed(BooksUpgrade out, const std::string& problem) {
    out.result = BooksUpgrade::Result::Failed;
    out.problem = problem;
    return out;
}

BooksUpgrade storeFailed(Store& store, BooksUpgrade out) {
    return failed(std::move(out), "Podatke nije moguće nadograditi: " + store.error().text());
}

// Everything the plan names, in the caller's transaction.
StoreCode carryOut(Store& store, const Plan& plan, BooksUpgrade& out) {
    for (const TableDef* t : plan.earlier) {
        BooksUpgrade::Reshaped r{t, {}};
        if (const StoreCode c = store.reshape(*t, r.fields); !ok(c)) return c;
        out.reshaped.push_back(std::move(r));
    }
    for (const TableDef* t : plan.missing) {
        StoreCode c = store.createTable(*t);
        if (ok(c)) c = loadReferenceData(store, *t);
        if (!ok(c)) return c;
        out.made.push_back(t);
    }
    return StoreCode::Ok;
}

// Decided again under the write lock: another program may have upgraded the books since the copy
// was made, and then the copy is not needed.
BooksUpgrade upgradeAfterCopy(Store& store, std::span<const TableDef* const> tables, BooksUpgrade out) {
    Transaction tx(store, Store::lockWaitSeconds);
    if (!tx.began()) return storeFailed(store, std::move(out));
    Plan plan;
    if (!ok(planOf(store, tables, plan))) return storeFailed(store, std::move(out));
    if (plan.earlier.empty()) {
        std::error_code ec;
        fs::remove(out.copy, ec);
        return BooksUpgrade{};
    }
    if (!ok(carryOut(store, plan, out)) || !ok(tx.commit())) {
        BooksUpgrade refused = storeFailed(store, std::move(out));
        refused.reshaped.clear();
        refused.made.clear();
        return refused;
    }
    out.result = BooksUpgrade::Result::Done;
    return out;
}

std::string joined(const std::vector<std::string_view>& names) {
    std::string out;
    for (std::string_view n : names) out += (out.empty() ? "" : ", ") + std::string(n);
    return out;
}

}  // namespace

std::string upgradeSummary(const BooksUpgrade& up) {
    std::string text = "Podaci su prilagođeni ovoj inačici programa:";
    for (const auto& r : up.reshaped)
        text += "\n  " + std::string(r.table->name) + (r.fields.empty() ? ": novi ključevi" : ": nova polja " + joined(r.fields));
    for (const TableDef* t : up.made) text += "\n  " + std::string(t->name) + ": nova datoteka";
    return text + "\nPodaci kakvi su bili prije nadogradnje spremljeni su u " + up.copy;
}

BooksUpgrade upgradeBooks(Store& store, std::span<const TableDef* const> tables) {
    BooksUpgrade out;
    Plan plan;
    if (!ok(planOf(store, tables, plan))) return storeFailed(store, std::move(out));
    if (plan.earlier.empty()) return out;
    out.copy = freeCopyName(store.path());
    const WriteOutcome copied = writeFileAtomically(out.copy, [&](const std::string& temporary) {
        return ok(store.copyInto(temporary));
    });
    if (copied)
        return failed(std::move(out), "Podaci nisu nadograđeni jer nije bilo moguće spremiti njihovu kopiju. " + copied->croatian());
    return upgradeAfterCopy(store, tables, std::move(out));
}

}  // namespace pramo
