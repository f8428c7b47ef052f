#include "records/store/books_copy.h"

#include "records/store/backend.h"
#include "records/store/dialect.h"
#include "records/store/stmt_use.h"
#include "records/store/store_sql.h"

namespace pramo {

namespace {

BooksCopy failed(Store& store, const std::string& what) {
    return {store.error().code == StoreCode::Ok ? StoreCode::FileSystem : store.error().code, what + ": " + store.error().text(), 0};
}

// The target's file `t` made when missing and empty; a refusal when it holds a record.
BooksCopy prepareTarget(Store& to, const TableDef& t) {
    StoreCode c = to.checkTable(t);
    if (c == StoreCode::FileNotFound) c = to.createTable(t);
    std::int64_t n = 0;
    if (ok(c)) c = to.count(t, n);
    if (!ok(c)) return failed(to, "odredište, datoteka " + std::string(t.name));
    if (n > 0)
        return {StoreCode::DuplicateKey, "odredište već ima knjige (" + std::string(t.name) + " ima slogova: " + std::to_string(n) +
                                             "); kopira se samo u praznu bazu podataka ili mapu", 0};
    return {};
}

// The columns of `t` as the target holds them: the row id and version, every field, every key.
StoreCode columnsOf(Store& to, const TableDef& t, std::string& list, int& count) {
    std::vector<std::string> columns;
    const StoreCode c = to.backend().columnsOf(t.name, columns);
    list.clear();
    count = static_cast<int>(columns.size());
    for (const std::string& nameAndType : columns)
        list += (list.empty() ? "" : ", ") + sql::quoted(nameAndType.substr(0, nameAndType.find(' ')));
    return c;
}

void bindColumn(const BackendStatement& from, BackendStatement& to, int col) {
    switch (from.kind(col)) {
    case ValueKind::Integer: to.bindInt(col + 1, from.integer(col)); break;
    case ValueKind::Text: to.bindText(col + 1, from.text(col)); break;
    case ValueKind::Blob: to.bindBlob(col + 1, from.blob(col)); break;
    default: to.bindNull(col + 1); break;
    }
}

// Every row of `t` as stored, its row id and version kept.
BooksCopy copyRows(Store& from, Store& to, const TableDef& t) {
    std::string columns;
    int count = 0;
    if (!ok(columnsOf(to, t, columns, count))) return failed(to, "odredište, datoteka " + std::string(t.name));
    std::string params;
    for (int i = 1; i <= count; ++i) params += (i > 1 ? ", ?" : "?") + std::to_string(i);
    BackendStatement* read = from.statement("SELECT " + columns + " FROM " + sql::quoted(t.name) + " ORDER BY _id");
    if (!read) return failed(from, "izvor, datoteka " + std::string(t.name));
    BackendStatement* write = to.statement("INSERT INTO " + sql::quoted(t.name) + " (" + columns + ") VALUES (" + params + ")");
    if (!write) return failed(to, "odredište, datoteka " + std::string(t.name));
    StmtUse readUse(read);
    BooksCopy out;
    BackendStatement::Step step;
    while ((step = read->step()) == BackendStatement::Step::Row) {
        for (int col = 0; col < count; ++col) bindColumn(*read, *write, col);
        const BackendStatement::Step written = write->step();
        write->reset();
        if (written == BackendStatement::Step::Failed) return failed(to, "odredište, datoteka " + std::string(t.name)) ;
        ++out.records;
    }
    if (step == BackendStatement::Step::Failed) return failed(from, "izvor, datoteka " + std::string(t.name));
    if (const std::string after = to.dialect().afterGivenIds(t); !after.empty()) {
        BackendStatement* next = to.statement(after);
        if (!next || next->step() == BackendStatement::Step::Failed) return failed(to, "odredište, datoteka " + std::string(t.name));
        next->reset();
    }
    return out;
}

BooksCopy copyAll(Store& from, Store& to, const std::vector<const TableDef*>& tables) {
    std::vector<const TableDef*> present;
    for (const TableDef* t : tables) {
        const StoreCode source = from.checkTable(*t);
        if (source != StoreCode::FileNotFound && !ok(source)) return failed(from, "izvor, datoteka " + std::string(t->name));
        if (BooksCopy target = prepareTarget(to, *t); !ok(target.code)) return target;
        if (ok(source)) present.push_back(t);
    }
    BooksCopy out;
    for (const TableDef* t : present) {
        const BooksCopy rows = copyRows(from, to, *t);
        if (!ok(rows.code)) return rows;
        out.records += rows.records;
    }
    return out;
}

}  // namespace

BooksCopy copyBooks(Store& from, Store& to, const std::vector<const TableDef*>& tables) {
    Transaction tx(to, Store::lockWaitSeconds);
    if (!tx.began()) return failed(to, "odredište");
    const ReadTransaction read(from);
    BooksCopy out = copyAll(from, to, tables);
    if (!ok(out.code)) return out;  // the transaction rolls back: nothing stays
    if (!ok(tx.commit())) return failed(to, "odredište");
    return out;
}

}  // namespace pramo
