#include "records/store/books_copy.h"

#include "records/store/dialect.h"
#include "records/store/heap_record.h"
#include "records/store/stmt_use.h"
#include "records/store/store_sql.h"

namespace pramo {
namespace {

BooksCopy failed(Store& store, const char* side) {
    return {store.error().code, std::string(side) + ": " + store.error().text(), 0};
}

// A file of the target made when missing (or its keys when another tool left them stale); one
// that holds records is refused, as a copy would put a second set of books beside them (40).
BooksCopy prepareTarget(Store& to, const TableDef& t) {
    StoreCode c = to.checkTable(t);
    if (c == StoreCode::FileNotFound) c = to.createTable(t);
    else if (c == StoreCode::KeysInvalid) c = to.rebuildKeys(t);
    std::int64_t records = 0;
    if (ok(c)) c = to.count(t, records);
    if (!ok(c)) return failed(to, "odredište");
    if (records == 0) return {};
    return {StoreCode::DuplicateKey, "odredište već ima knjige: datoteka " + std::string(t.name) + " ima slogova: " + std::to_string(records), 0};
}

// Every record of `t` in row order, written with its row id, version and keys; then the target's
// engine is told of the ids given.
BooksCopy copyFile(Store& from, Store& to, const TableDef& t) {
    BackendStatement* read = from.statement("SELECT " + sql::selectColumns(t) + " FROM " + sql::quoted(t.name) + " ORDER BY _id");
    if (!read) return failed(from, "izvor");
    BackendStatement* write = to.statement(sql::insert(t, true));
    if (!write) return failed(to, "odredište");
    StmtUse rows(read);
    const HeapRecord rec(t);
    BooksCopy out;
    BackendStatement::Step step;
    while ((step = rows->step()) == BackendStatement::Step::Row) {
        if (!ok(from.readRow(t, rows.get(), rec.get()))) return failed(from, "izvor");
        StmtUse insert(write);
        int index = 1;
        to.bindRecord(t, insert.get(), rec.get(), index);
        insert->bindInt(index++, t.row(rec.get()).id);
        insert->bindInt(index, t.row(rec.get()).version);
        if (insert->step() != BackendStatement::Step::Done) {
            (void)to.fail();
            return failed(to, "odredište");
        }
        ++out.records;
    }
    if (step == BackendStatement::Step::Failed) {
        (void)from.fail();
        return failed(from, "izvor");
    }
    if (const std::string after = to.dialect().afterGivenIds(t); !after.empty()) {
        BackendStatement* s = to.statement(after);
        if (!s) return failed(to, "odredište");
        StmtUse use(s);
        if (use->step() == BackendStatement::Step::Failed) {
            (void)to.fail();
            return failed(to, "odredište");
        }
    }
    return out;
}

}  // namespace

BooksCopy copyBooks(Store& from, Store& to, const std::vector<const TableDef*>& tables) {
    const ReadTransaction source(from);
    Transaction target(to, Store::lockWaitSeconds);
    if (!target.began()) return failed(to, "odredište");
    for (const TableDef* t : tables)
        if (BooksCopy refused = prepareTarget(to, *t); !ok(refused.code)) return refused;
    BooksCopy out;
    for (const TableDef* t : tables) {
        const BooksCopy file = copyFile(from, to, *t);
        if (!ok(file.code)) return file;
        out.records += file.records;
    }
    if (!ok(target.commit())) return failed(to, "odredište");
    return out;
}

}  // namespace pramo
